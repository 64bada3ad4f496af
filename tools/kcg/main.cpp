// kcg: checks and reformats KCG game configuration files.
//
// The commands are rows of one table; adding a command is adding its row
// (and its source file to CMakeLists.txt).
#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"
#include "messages.h"

#ifndef KCG_VERSION
#error "KCG_VERSION must be defined by the build"
#endif

namespace {

struct Command {
    const char *name;
    int (*run)(int argc, char **argv);
    const char *arguments; // shown after the name in usage lines
    const char *help;      // one line for --help
};

const Command kCommands[] = {
    {"check", RunCheck, "FILE...", "read each file and say whether it is a valid KCG file"},
    {"fmt", RunFmt, "IN OUT", "read IN and write it to OUT in the canonical layout (OUT may be IN)"},
    {"lint", RunLint, "FILE|FOLDER...",
     "report what reads but is probably a mistake (a folder: its .kcg files)"},
    {"load", RunLoad, "FILE [--registry REGFILE]",
     "load FILE into the joystick driver, or into the registry file REGFILE"},
};

const Command *FindCommand(const char *name) {
    for (const Command &command : kCommands) {
        if (std::strcmp(command.name, name) == 0) return &command;
    }
    return nullptr;
}

bool IsHelpOption(const char *argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

void PrintHelp(FILE *out) {
    std::fprintf(out, "usage: kcg COMMAND ARGUMENTS...\n"
                      "       kcg --help | --version\n\n"
                      "Checks and reformats KCG game configuration files and loads them into\n"
                      "the joystick driver.\n\n"
                      "Commands:\n");
    for (const Command &command : kCommands) {
        std::fprintf(out, "  %-6s %s\n         %s\n", command.name, command.arguments, command.help);
    }
    std::fprintf(out, "\nA file name that begins with '-' goes after '--'.\n"
                      "Exit status: 0 success; 1 a file did not read, could not be written or\n"
                      "did not load, or lint found something; 2 the command line is wrong;\n"
                      "3 (load) the Kavelin is not the selected joystick.\n");
}

void PrintCommandUsage(FILE *out, const Command &command) {
    std::fprintf(out, "usage: kcg %s %s\n", command.name, command.arguments);
}

// "kcg COMMAND ... --help ..." asks for the command's usage; "--" ends options.
bool AsksForHelp(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) return false;
        if (IsHelpOption(argv[i])) return true;
    }
    return false;
}

int UsageError(const char *what) {
    std::fprintf(stderr, "kcg: %s\n", what);
    std::fprintf(stderr, "Try 'kcg --help'.\n");
    return kcg::kExitUsage;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) return UsageError("missing command");
    const char *first = argv[1];

    if (IsHelpOption(first)) {
        PrintHelp(stdout);
        return kcg::kExitOk;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::printf("kcg %s\n", KCG_VERSION);
        return kcg::kExitOk;
    }
    if (first[0] == '-') {
        return UsageError((std::string("unknown option '") + first + "'").c_str());
    }

    const Command *command = FindCommand(first);
    if (command == nullptr) {
        return UsageError((std::string("unknown command '") + first + "'").c_str());
    }

    // The command sees its own name as argv[0], as a program sees its name.
    const int commandArgc = argc - 1;
    char **commandArgv = argv + 1;
    if (AsksForHelp(commandArgc, commandArgv)) {
        PrintCommandUsage(stdout, *command);
        std::printf("%s\n", command->help);
        return kcg::kExitOk;
    }
    const int status = command->run(commandArgc, commandArgv);
    if (status == kcg::kExitUsage) PrintCommandUsage(stderr, *command);
    return status;
}
