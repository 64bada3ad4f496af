// Fuzz target for the reader: any bytes must read without a crash, a leak or a
// read past the text, and the indexed and rescanning lookups must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tl_api.h"
#include "tl_parse.h"

namespace {

// The fields that show whether both lookup methods saw the same entries.
bool SameSummary(const TlConfig &a, const TlConfig &b) {
    return a.versionMajor == b.versionMajor && a.owner == b.owner && a.platform == b.platform &&
           std::strcmp(a.applicationName, b.applicationName) == 0 && a.executableCount == b.executableCount &&
           a.customCount == b.customCount && a.buttonMaskCount == b.buttonMaskCount &&
           std::memcmp(a.devicePresent, b.devicePresent, sizeof a.devicePresent) == 0 &&
           std::memcmp(a.nullRegionUser, b.nullRegionUser, sizeof a.nullRegionUser) == 0 &&
           std::memcmp(a.curveGiven, b.curveGiven, sizeof a.curveGiven) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    text.push_back('\0');

    TlConfig indexed, rescanned;
    TlInitConfig(&indexed);
    TlInitConfig(&rescanned);
    int a = TlReadConfigBuffer(&indexed, text.data(), 1, nullptr);
    int b = TlReadConfigBuffer(&rescanned, text.data(), 0, nullptr);
    // Memory failures are the only legitimate difference between the two methods.
    if (a != TL_READ_NO_MEMORY && b != TL_READ_NO_MEMORY && (a != b || !SameSummary(indexed, rescanned)))
        std::abort();
    TlFreeConfig(&indexed);
    TlFreeConfig(&rescanned);
    return 0;
}
