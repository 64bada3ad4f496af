// What the library's tests share: a private temporary folder, whole-file
// bytes, a record that releases itself, a full comparison of two records and
// a text view of the members a written file does not show.
#ifndef KCG_TEST_SUPPORT_H
#define KCG_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tl_api.h"

namespace kcgtest {

// An empty folder of its own, removed with everything in it when it goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &Path() const { return path_; }
    std::string File(const std::string &name) const { return (path_ / name).string(); }
    // Names of everything in the folder, sorted: what a write left behind.
    std::vector<std::string> Entries() const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string &path);
void WriteBytes(const std::string &path, const std::string &bytes);
std::string DataFile(const std::string &relative); // a path under tests/data

struct Record {
    TlConfig cfg;
    Record() { TlInitConfig(&cfg); }
    ~Record() { TlFreeConfig(&cfg); }
    Record(const Record &) = delete;
    Record &operator=(const Record &) = delete;
};

// Every member equal: numbers bit for bit, heap parts by content, the
// pointers into the record itself by the member they point at.
::testing::AssertionResult SameRecord(const TlConfig &a, const TlConfig &b);

// One line per fact a written file does not show: version, current filter,
// command line or none; per device the decoded axis maps, the current axis
// map and sensitivity set, every motion and button map with the table its
// name was found in, and the curves (counts, flags, the default table they
// copy, segments).
std::vector<std::string> Describe(const TlConfig &cfg);

// What TlWriteConfigFile writes for cfg, its time replaced by the one the
// golden files hold; empty when the write fails.
std::string WrittenText(const TlConfig &cfg);

} // namespace kcgtest

#endif
