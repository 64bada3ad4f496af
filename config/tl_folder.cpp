// Listing a folder's .kcg files with the system's narrow character set, so
// that the names go to the reader as they came: on Windows through the ANSI
// find functions, elsewhere as the bytes the file system gives.
#include "tl_folder.h"

#include <algorithm>
#include <cctype>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace tl {
namespace {

bool HasKcgExtension(const std::string &name) {
    if (name.size() < 4) return false;
    std::string extension = name.substr(name.size() - 4);
    for (char &c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".KCG";
}

std::string Join(const std::string &folder, const std::string &name) {
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder + name;
    const bool backslashes = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
    return folder + (backslashes ? "\\" : "/") + name;
}

} // namespace

#ifdef _WIN32

bool IsFolder(const std::string &path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> KcgFilesIn(const std::string &folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(Join(folder, "*.kcg").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        // The pattern also meets longer extensions through short names.
        const std::string name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasKcgExtension(name))
            files.push_back(Join(folder, name));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    return files;
}

#else

bool IsFolder(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> KcgFilesIn(const std::string &folder) {
    std::vector<std::string> files;
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr) return files;
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name, path = Join(folder, name);
        struct stat info;
        if (HasKcgExtension(name) && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            files.push_back(path);
    }
    closedir(dir);
    std::sort(files.begin(), files.end());
    return files;
}

#endif

} // namespace tl
