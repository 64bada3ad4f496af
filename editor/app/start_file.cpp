#include "start_file.h"

#include <windows.h>

#include "file_rules.h"
#include "paths.h"

std::vector<std::string> CommandLineArguments(const std::string &commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false, quoted = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (c == '\\') {
            // Backslashes are plain unless a run of them ends at a quote: then
            // each pair gives one, and an odd one out makes the quote plain.
            std::size_t run = 0;
            while (i + run < commandLine.size() && commandLine[i + run] == '\\')
                ++run;
            inArgument = true;
            if (i + run < commandLine.size() && commandLine[i + run] == '"') {
                current.append(run / 2, '\\');
                if (run % 2 == 1) {
                    current.push_back('"');
                    i += run; // past the quote
                } else {
                    i += run - 1; // the quote is read next
                }
            } else {
                current.append(run, '\\');
                i += run - 1;
            }
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current.push_back(c);
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    return arguments;
}

std::string StartFileFromCommandLine(const std::string &commandLine) {
    const std::vector<std::string> arguments = CommandLineArguments(commandLine);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (model::UpperCase(model::FileExtension(arguments[i])) != "KCG") continue;
        const DWORD size = GetFullPathNameA(arguments[i].c_str(), 0, nullptr, nullptr);
        if (size == 0) return arguments[i];
        std::string full(size, '\0');
        const DWORD length = GetFullPathNameA(arguments[i].c_str(), size, full.data(), nullptr);
        if (length == 0 || length >= size) return arguments[i];
        full.resize(length);
        return full;
    }
    return std::string();
}
