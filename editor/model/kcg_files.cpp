#include "reserved.h"
#include "tl_folder.h"

namespace model {

std::vector<std::string> ListKcgFiles(const std::string &folder) {
    return tl::KcgFilesIn(folder);
}

} // namespace model
