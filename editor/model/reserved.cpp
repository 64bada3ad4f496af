#include "reserved.h"

#include "record_edit.h"
#include "scoped_config.h"

namespace model {
namespace {

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

} // namespace model
