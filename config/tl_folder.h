// Folders of configuration files: whether a path is one, and its .kcg files.
// Used by the kcg tool and the editor; not part of the C API.
#ifndef KCG_TL_FOLDER_H
#define KCG_TL_FOLDER_H

#include <string>
#include <vector>

namespace tl {

bool IsFolder(const std::string &path);

// The regular files of folder whose names end in ".kcg" (any case), sorted,
// joined to folder with the separator the folder's name already uses.
std::vector<std::string> KcgFilesIn(const std::string &folder);

} // namespace tl

#endif
