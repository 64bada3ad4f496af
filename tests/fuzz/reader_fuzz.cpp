// Fuzz target for the reader: any bytes must read without a crash, a leak or a
// read past the text, and reading with lint diagnostics must read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tl_api.h"
#include "tl_lint.h"

namespace {

// The fields that show whether both reads saw the same entries.
bool SameSummary(const TlConfig &a, const TlConfig &b) {
    return a.versionMajor == b.versionMajor && a.owner == b.owner && a.platform == b.platform &&
           std::strcmp(a.applicationName, b.applicationName) == 0 && a.executableCount == b.executableCount &&
           a.customCount == b.customCount && a.buttonMaskCount == b.buttonMaskCount &&
           std::memcmp(a.devicePresent, b.devicePresent, sizeof a.devicePresent) == 0 &&
           std::memcmp(a.nullRegionUser, b.nullRegionUser, sizeof a.nullRegionUser) == 0 &&
           std::memcmp(a.curveGiven, b.curveGiven, sizeof a.curveGiven) == 0;
}

void IgnoreNote(void *, const TlLintNote *) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const char *text = reinterpret_cast<const char *>(data);
    TlConfig read, linted;
    TlInitConfig(&read);
    TlInitConfig(&linted);
    const TlLintSink sink = {nullptr, IgnoreNote, nullptr};
    int a = TlReadConfigText(&read, text, size, nullptr);
    int b = TlLintConfigText(&linted, text, size, nullptr, &sink);
    // Memory failures are the only legitimate difference between the two reads.
    if (a != TL_READ_NO_MEMORY && b != TL_READ_NO_MEMORY && (a != b || !SameSummary(read, linted)))
        std::abort();
    TlFreeConfig(&read);
    TlFreeConfig(&linted);
    return 0;
}
