#include "start_file.h"

#include <windows.h>

#include "command_line.h"

std::string StartFileFromCommandLine(const std::string &commandLine) {
    const std::vector<std::string> arguments = model::CommandLineArguments(commandLine);
    const int index = model::StartFileArgument(arguments);
    if (index < 0) return std::string();
    const std::string &name = arguments[static_cast<std::size_t>(index)];
    const DWORD size = GetFullPathNameA(name.c_str(), 0, nullptr, nullptr);
    if (size == 0) return name;
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(name.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return name;
    full.resize(length);
    return full;
}
