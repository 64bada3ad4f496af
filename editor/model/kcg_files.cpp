// Listing a folder's configuration files. The paths are handed to the reader,
// which opens them with the system's narrow character set, so they are made
// in that set too: on Windows through the ANSI find functions (a folder such
// as "C:\Games\Kév" stays in the ANSI code page), elsewhere as the bytes the
// file system gives.
#include "reserved.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include "paths.h"

namespace model {
namespace {

bool HasKcgExtension(const std::string &name) {
    return name.size() >= 4 && UpperCase(name.substr(name.size() - 4)) == ".KCG";
}

} // namespace

#ifdef _WIN32

std::vector<std::string> ListKcgFiles(const std::string &folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(KcgPattern(folder).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        // The pattern also meets longer extensions through short names.
        const std::string name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasKcgExtension(name))
            files.push_back(JoinWindowsPath(folder, name));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

#else

std::vector<std::string> ListKcgFiles(const std::string &folder) {
    std::vector<std::string> files;
    DIR *dir = opendir(folder.c_str());
    if (!dir) return files;
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name, path = folder + "/" + name;
        struct stat info;
        if (HasKcgExtension(name) && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            files.push_back(path);
    }
    closedir(dir);
    return files;
}

#endif

} // namespace model
