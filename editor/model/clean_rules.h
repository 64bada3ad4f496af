/* Clean KCG Files: which configuration files of the installation's Windows
 * folder are removed, so that a file the developer makes is picked up by the
 * automatic game support without competition from stray files.
 *
 * Every file the maker did not release goes (owner USER or OEM). A file the
 * reader cannot read is left alone, since nothing says who made it; the owner
 * is a required entry, so a file without one is such a file. */
#ifndef KCG_MODEL_CLEAN_RULES_H
#define KCG_MODEL_CLEAN_RULES_H

#include <string>
#include <vector>

#include "message.h"

namespace model {

// The full paths of the folder's "*.kcg" files that read and are not owned by
// QUORVANE, sorted as the list box shows them: letter case ignored, then
// exactly. Each file is read into a temporary record, released at once. Empty
// when the folder is missing or cannot be read.
std::vector<std::string> FilesToClean(const std::string &winConfigDir);

// Asked before deleting a list that is not empty.
Message CleanWarning();
// Only OK deletes; any other answer leaves the files and the list.
bool CleanConfirmed(Answer answer);

// Deletes each file of paths, from the first to the last, passing over those
// that cannot be deleted. Returns how many were deleted. A path is taken as
// it is, never cut short, so no other file is ever deleted in its place.
int DeleteFiles(const std::vector<std::string> &paths);

} // namespace model

#endif
