// Paths of the sample installation's configuration files.
#ifndef KCG_TESTS_SAMPLE_PATHS_H
#define KCG_TESTS_SAMPLE_PATHS_H

#include <string>

inline std::string WinSample(const std::string &name) {
    return KCG_SAMPLES_DIR "/install/config/default/win/" + name;
}
inline std::string DosSample(const std::string &name) {
    return KCG_SAMPLES_DIR "/install/config/default/dos/" + name;
}

#endif
