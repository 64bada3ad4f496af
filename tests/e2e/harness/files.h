// Small file helpers for setting up and checking what the editor's
// processes leave on disk.
#ifndef KCG_E2E_FILES_H
#define KCG_E2E_FILES_H

#include <optional>
#include <string>

namespace e2e {

// A Linux path as Wine shows it on drive Z: ("/a/b" gives "Z:\a\b"); any
// other path only gets backslashes.
std::string WindowsPath(const std::string &path);

// "a\b\c.exe" gives "a\b"; a path without backslash gives "".
std::string FolderOf(const std::string &path);

bool PathExists(const std::string &path);
bool MakeFolders(const std::string &path); // with every missing parent
bool RemoveTree(const std::string &path);  // true if nothing is left
bool WriteWholeFile(const std::string &path, const std::string &content);
std::optional<std::string> ReadWholeFile(const std::string &path);
bool CopyOneFile(const std::string &from, const std::string &to);

} // namespace e2e

#endif // KCG_E2E_FILES_H
