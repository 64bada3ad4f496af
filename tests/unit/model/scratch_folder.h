// A fresh folder for one test's files, removed with everything in it at the end.
#ifndef KCG_TESTS_SCRATCH_FOLDER_H
#define KCG_TESTS_SCRATCH_FOLDER_H

#include <string>

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return path_; }
    // The path of name inside the folder.
    std::string File(const std::string &name) const;
    // Writes text (bytes as given) to name inside the folder; returns its path.
    std::string Write(const std::string &name, const std::string &text) const;

  private:
    std::string path_;
};

// The whole content of a file, or "" when it cannot be read.
std::string ReadWholeFile(const std::string &path);

#endif
