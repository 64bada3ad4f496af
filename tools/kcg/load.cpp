// kcg load FILE [--registry REGFILE]: loads FILE into the joystick driver, as
// the editor's Test command does, and says in words how it went.
//
// With --registry the load goes into the simulated system over REGFILE (on
// any platform): the file is read when it exists and written back, with what
// it held and what the load wrote, when the load changed anything. Without
// it the load goes into the real registry, which only Windows has.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "commands.h"
#include "driver_load.h"
#include "messages.h"
#include "regfile.h"
#include "regtree.h"

namespace {

enum LoadExitStatus { kExitNotSelected = 3 };

struct LoadArguments {
    std::string file;
    std::string registryFile;
    bool useRegistryFile = false;
};

bool ParseArguments(int argc, char **argv, LoadArguments *arguments) {
    bool optionsEnded = false;
    bool haveFile = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--registry" || argument.rfind("--registry=", 0) == 0)) {
            if (arguments->useRegistryFile) {
                kcg::ReportUsageError(argv[0], "--registry given twice");
                return false;
            }
            if (argument == "--registry") {
                if (i + 1 >= argc) {
                    kcg::ReportUsageError(argv[0], "--registry needs a registry file");
                    return false;
                }
                arguments->registryFile = argv[++i];
            } else {
                arguments->registryFile = argument.substr(std::string("--registry=").size());
            }
            if (arguments->registryFile.empty()) {
                kcg::ReportUsageError(argv[0], "--registry needs a registry file");
                return false;
            }
            arguments->useRegistryFile = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            kcg::ReportUsageError(argv[0], "unknown option '" + argument + "'");
            return false;
        } else if (haveFile) {
            kcg::ReportUsageError(argv[0], "one file at a time");
            return false;
        } else {
            arguments->file = argument;
            haveFile = true;
        }
    }
    if (!haveFile) kcg::ReportUsageError(argv[0], "missing file");
    return haveFile;
}

std::string MachineKey(const std::string &path) {
    return "HKEY_LOCAL_MACHINE\\" + path;
}

// Why a load returned kRegCfgFailed, found by retracing its steps without
// changing anything.
std::string FailureReason(RegCall &sys, const std::string &file) {
    std::string driverKeyName;
    if (sys.JoyGetDriverKeyName(&driverKeyName) != kJoySuccess) return "no joystick driver is installed";
    RegKey root = 0;
    if (sys.OpenKey(kRegLocalMachine, kJoyRootPath, &root) != kRegSuccess) {
        return "the joystick registry key " + MachineKey(kJoyRootPath) + " is missing";
    }
    RegKey driverKey = 0;
    const bool driverKeyFound = sys.OpenKey(root, driverKeyName.c_str(), &driverKey) == kRegSuccess;
    sys.CloseKey(root);
    const std::string driverPath = std::string(kJoyRootPath) + "\\" + driverKeyName;
    if (!driverKeyFound) return "the joystick driver's key " + MachineKey(driverPath) + " is missing";
    sys.CloseKey(driverKey);

    kcg::ScopedConfig config;
    TlReadReport report = {};
    report.result = TlReadConfigFileEx(config.get(), file.c_str(), &report);
    if (report.result != TL_READ_OK) return "the file does not read (" + kcg::ReadResultText(report) + ")";
    return "the key " + MachineKey(driverPath + "\\" + kJoyOemSettingsPath) + " cannot be created";
}

int LoadAndReport(RegCall &sys, const std::string &file) {
    DriverContext context(sys);
    const int result = RegCfgLoad(context, file.c_str());
    switch (result) {
    case kRegCfgLoaded:
        std::printf("%s: loaded into the joystick driver (the Kavelin is joystick %d).\n", file.c_str(),
                    JoyRegFindController(sys) + 1);
        return kcg::kExitOk;
    case kRegCfgNotSelected:
        std::printf("%s: written to the joystick driver's settings, but not in effect.\n"
                    "The Kavelin must be the selected joystick in the control panel.\n",
                    file.c_str());
        return kExitNotSelected;
    default:
        std::printf("%s: the load failed: %s.\n", file.c_str(), FailureReason(sys, file).c_str());
        return kcg::kExitFailed;
    }
}

int LoadIntoRegistryFile(const LoadArguments &arguments) {
    RegTree registry;
    std::string error;
    std::error_code ignored;
    if (std::filesystem::exists(arguments.registryFile, ignored) &&
        !LoadRegFile(arguments.registryFile, registry, &error)) {
        std::printf("%s: not loaded: the registry file %s cannot be read: %s.\n", arguments.file.c_str(),
                    arguments.registryFile.c_str(), error.c_str());
        return kcg::kExitFailed;
    }
    const std::string before = FormatRegText(registry);
    std::unique_ptr<RegCall> sys = NewSimulatedRegCall(registry);
    const int status = LoadAndReport(*sys, arguments.file);
    if (FormatRegText(registry) == before) return status;
    if (!SaveRegFile(arguments.registryFile, registry, &error)) {
        std::printf("%s: the registry file %s was not written: %s.\n", arguments.file.c_str(),
                    arguments.registryFile.c_str(), error.c_str());
        return kcg::kExitFailed;
    }
    std::printf("%s: registry written.\n", arguments.registryFile.c_str());
    return status;
}

} // namespace

int RunLoad(int argc, char **argv) {
    LoadArguments arguments;
    if (!ParseArguments(argc, argv, &arguments)) return kcg::kExitUsage;
    if (arguments.useRegistryFile) {
        const int status = LoadIntoRegistryFile(arguments);
        std::fflush(stdout);
        return status;
    }
#ifdef _WIN32
    std::unique_ptr<RegCall> sys = NewWin32RegCall();
    const int status = LoadAndReport(*sys, arguments.file);
    std::fflush(stdout);
    return status;
#else
    std::printf("%s: not loaded: there is no joystick driver here; "
                "--registry REGFILE loads into a registry file.\n",
                arguments.file.c_str());
    return kcg::kExitFailed;
#endif
}
