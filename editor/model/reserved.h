/* Game titles and executable names the installation already uses.
 *
 * The driver software's own configuration files (owned by QUORVANE) name
 * games it supports; a developer's file may take neither their titles nor,
 * for Windows games, their executables. Files owned by USER or OEM reserve
 * nothing, so the games developers make never block each other. */
#ifndef KCG_MODEL_RESERVED_H
#define KCG_MODEL_RESERVED_H

#include <array>
#include <string>
#include <vector>

#include "tl_api.h"

namespace model {

// Executable names reserved on every installation, after those read from files.
constexpr std::array<const char *, 5> kFixedReservedExes = {"setup.exe", "autorun.exe", "kavmon.exe",
                                                            "kavcfg.exe", "kavsdk.exe"};

// Reads each file of winFiles, then each of dosFiles, in the order given, and
// appends to the lists: for a QUORVANE-owned Windows file its executables in
// order and then its title; for a QUORVANE-owned DOS file its title only.
// Files that cannot be read are skipped. Then appends the fixed names to exes.
// Nothing is sorted and duplicates stay. Returns false when memory ran out
// (the lists stay valid and hold what was appended until then).
bool CollectReservedNames(const std::vector<std::string> &winFiles, const std::vector<std::string> &dosFiles,
                          TlStringList &titles, TlStringList &exes);

// Releases a list filled by CollectReservedNames and leaves it empty.
void FreeNameList(TlStringList &list);

// The full paths of the "*.kcg" files of folder (letter case ignored), in the
// order the file system gives them; only regular files. Empty when the
// folder cannot be read. Paths are joined with the platform's separator.
std::vector<std::string> ListKcgFiles(const std::string &folder);

} // namespace model

#endif
