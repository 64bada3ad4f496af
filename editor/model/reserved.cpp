#include "reserved.h"

#include <filesystem>
#include <system_error>

#include "record_edit.h"
#include "scoped_config.h"

namespace fs = std::filesystem;

namespace model {
namespace {

bool EqualIgnoringCase(const std::string &a, const char *b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        if (lower(x) != lower(y)) return false;
    }
    return i == a.size() && b[i] == '\0';
}

// Appends what a file reserves. False only when memory ran out.
bool CollectFromFile(const std::string &path, bool takeExes, TlStringList &titles, TlStringList &exes) {
    ScopedConfig file;
    if (TlReadConfigFile(&file.get(), path.c_str()) != TL_READ_OK) return true;
    if (file->owner != TL_OWNER_QUORVANE) return true;
    bool complete = true;
    if (takeExes)
        for (int i = 0; i < file->executableCount; ++i)
            if (file->executables[i])
                complete = AppendString(exes.items, exes.count, file->executables[i]) && complete;
    return AppendString(titles.items, titles.count, file->applicationName) && complete;
}

} // namespace

bool CollectReservedNames(const std::vector<std::string> &winFiles, const std::vector<std::string> &dosFiles,
                          TlStringList &titles, TlStringList &exes) {
    bool complete = true;
    for (const std::string &path : winFiles)
        complete = CollectFromFile(path, true, titles, exes) && complete;
    for (const std::string &path : dosFiles)
        complete = CollectFromFile(path, false, titles, exes) && complete;
    for (const char *name : kFixedReservedExes)
        complete = AppendString(exes.items, exes.count, name) && complete;
    return complete;
}

void FreeNameList(TlStringList &list) {
    EmptyStringList(list.items, list.count);
}

std::vector<std::string> ListKcgFiles(const std::string &folder) {
    std::vector<std::string> files;
    try {
        std::error_code error;
        fs::directory_iterator it(fs::path(folder), error), end;
        for (; !error && it != end; it.increment(error)) {
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) continue;
            try {
                const std::string name = it->path().filename().string();
                if (name.size() >= 4 && EqualIgnoringCase(name.substr(name.size() - 4), ".kcg"))
                    files.push_back(it->path().string());
            } catch (const std::exception &) {
                // A name the narrow character set cannot hold cannot be opened through it either.
            }
        }
    } catch (const std::exception &) {
        // A folder name that cannot be converted is a folder that cannot be read.
    }
    return files;
}

} // namespace model
