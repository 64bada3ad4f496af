#include "record_edit.h"

#include <algorithm>
#include <cstring>

#include "scoped_config.h"

namespace model {

void EmptyStringList(char **&items, int32_t &count) {
    TlFreeStringArray(count, items);
    items = nullptr;
    count = 0;
}

bool AppendString(char **&items, int32_t &count, const std::string &text) {
    return TlAppendString(&items, &count, text.c_str()) == 0;
}

void EmptyButtonTables(TlConfig &cfg) {
    // Handed to a scratch record, which releases them the library's way.
    ScopedConfig scratch;
    std::swap(scratch->buttonMasks, cfg.buttonMasks);
    std::swap(scratch->buttonMaskCount, cfg.buttonMaskCount);
    std::swap(scratch->buttonNumbers, cfg.buttonNumbers);
    std::swap(scratch->buttonNumberCount, cfg.buttonNumberCount);
    std::swap(scratch->buttonCharacters, cfg.buttonCharacters);
    std::swap(scratch->buttonCharacterCount, cfg.buttonCharacterCount);
}

bool SetCommandLine(TlConfig &cfg, const std::string &text) {
    {
        ScopedConfig scratch;
        std::swap(scratch->commandLine, cfg.commandLine);
    }
    char **one = nullptr;
    int32_t count = 0;
    if (TlAppendString(&one, &count, text.c_str()) != 0) return false;
    cfg.commandLine = one[0];
    one[0] = nullptr;
    TlFreeStringArray(count, one); // the array only; its entry now belongs to the record
    return true;
}

void CopyText(char *field, size_t capacity, const std::string &text, size_t maxLength) {
    if (capacity == 0) return;
    const size_t length = std::min({std::strlen(text.c_str()), maxLength, capacity - 1});
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

void SetNullRegion(TlNullRegion &region, float negMax, float negMin, float posMin, float posMax) {
    region.negMax = negMax;
    region.negMin = negMin;
    region.posMin = posMin;
    region.posMax = posMax;
}

void SetDeadZoneEnds(TlNullRegion &region, float deadZone) {
    region.negMin = -deadZone;
    region.posMin = deadZone;
}

} // namespace model
