// Helpers shared by the library's tests: a private temporary folder per test,
// whole-file reads and writes of exact bytes (no line-end changes), and a
// record holder with a member-by-member comparison.
#ifndef KCG_TEST_FILES_H
#define KCG_TEST_FILES_H

#include <string>
#include <vector>

#include "tl_api.h"
#include "tl_parse.h"

namespace testfiles {

// An empty folder of its own for the running test, named after the test and
// the process so that parallel runs never share it. Removed with everything
// in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    // The path of name inside the folder.
    std::string file(const std::string &name) const;

  private:
    std::string path_;
};

// Joins a folder and a name with the platform's separator.
std::string joinPath(const std::string &folder, const std::string &name);

// Writes bytes to path exactly, replacing the file. Returns false on failure.
bool writeBytes(const std::string &path, const std::string &bytes);

// The whole content of path; an empty string when it cannot be read.
std::string readBytes(const std::string &path);

bool fileExists(const std::string &path);

// A record initialised on creation and released when it goes.
struct ScopedRecord {
    TlConfig cfg;
    ScopedRecord() { TlInitConfig(&cfg); }
    ~ScopedRecord() { TlFreeConfig(&cfg); }
    ScopedRecord(const ScopedRecord &) = delete;
    ScopedRecord &operator=(const ScopedRecord &) = delete;
};

// Expects every member of the two records to be equal: numbers bit for bit,
// strings and lists by content, the derived pointers by what they point at.
// Each difference is reported with the member's name.
void expectSameRecord(const TlConfig &a, const TlConfig &b);

// A scanned value's items, group by group.
using Groups = std::vector<std::vector<std::string>>;
Groups toGroups(const TlValue &value);

// The file's bytes followed by the two NULs the scanner expects; a std::string
// adds one after its contents, this adds the other.
inline std::string asText(std::string file) {
    file.push_back('\0');
    return file;
}

// A case description as a test name: all but letters and digits become '_'.
std::string caseName(const char *description);

} // namespace testfiles

#endif
