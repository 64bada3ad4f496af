// Folders given to kcg lint: whether an argument is one, and its .kcg files.
#ifndef KCG_FOLDER_H
#define KCG_FOLDER_H

#include <string>
#include <vector>

namespace kcg {

bool IsFolder(const std::string &path);

// The regular files of folder whose names end in ".kcg" (any case), sorted,
// joined to folder with the separator the folder's name already uses.
std::vector<std::string> KcgFilesIn(const std::string &folder);

} // namespace kcg

#endif
