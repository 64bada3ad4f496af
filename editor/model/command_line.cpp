#include "command_line.h"

#include "file_rules.h"
#include "paths.h"

namespace model {

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

int StartFileArgument(const std::vector<std::string> &arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (UpperCase(FileExtension(arguments[i])) == "KCG") return static_cast<int>(i);
    return -1;
}

CommandLineSwitches ParseCommandLine(const std::string &commandLine) {
    const std::vector<std::string> arguments = CommandLineArguments(commandLine);
    const int startFile = StartFileArgument(arguments);
    std::string searched;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        if (static_cast<int>(i) != startFile) searched += UpperCase(arguments[i]) + " ";
    CommandLineSwitches switches;
    switches.close = searched.find("-CLOSE") != std::string::npos;
    switches.internal = searched.find("-QUORVANE") != std::string::npos;
    return switches;
}

} // namespace model
