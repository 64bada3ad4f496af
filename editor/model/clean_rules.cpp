#include "clean_rules.h"

#include <algorithm>
#include <cstdio>

#include "paths.h"
#include "reserved.h"
#include "scoped_config.h"

namespace model {
namespace {

bool ListOrder(const std::string &a, const std::string &b) {
    const std::string upperA = UpperCase(a), upperB = UpperCase(b);
    return upperA != upperB ? upperA < upperB : a < b;
}

} // namespace

std::vector<std::string> FilesToClean(const std::string &winConfigDir) {
    std::vector<std::string> files;
    for (const std::string &path : ListKcgFiles(winConfigDir)) {
        ScopedConfig file;
        if (TlReadConfigFile(&file.get(), path.c_str()) != TL_READ_OK) continue;
        if (file->owner != TL_OWNER_QUORVANE) files.push_back(path);
    }
    std::sort(files.begin(), files.end(), ListOrder);
    return files;
}

Message CleanWarning() {
    return {"Are you sure you want to delete the files in the list?", "Warning!", MessageIcon::kWarning,
            MessageButtons::kOkCancel};
}

bool CleanConfirmed(Answer answer) {
    return answer == Answer::kOk;
}

int DeleteFiles(const std::vector<std::string> &paths) {
    int deleted = 0;
    for (const std::string &path : paths)
        if (std::remove(path.c_str()) == 0) ++deleted;
    return deleted;
}

} // namespace model
