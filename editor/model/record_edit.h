/* Small edits of a record's heap parts. Everything released here is released
 * by the library itself and everything allocated is allocated by it, so the
 * record stays one the library can free. */
#ifndef KCG_MODEL_RECORD_EDIT_H
#define KCG_MODEL_RECORD_EDIT_H

#include <cstdint>
#include <string>

#include "tl_api.h"

namespace model {

// Releases a counted string list and leaves it empty.
void EmptyStringList(char **&items, int32_t &count);

// Appends a copy of text. False when memory ran out (the list stays valid).
bool AppendString(char **&items, int32_t &count, const std::string &text);

// Empties BUTTON_MASKS, BUTTON_NUMBERS and BUTTON_CHARACTERS.
void EmptyButtonTables(TlConfig &cfg);

// COMMAND_LINE := text, as a heap text of its own. False when memory ran out;
// the command line is then none, which is written as "" all the same.
bool SetCommandLine(TlConfig &cfg, const std::string &text);

// Copies text into a fixed-size field of capacity bytes, cut to at most
// maxLength characters (and capacity - 1), always terminated.
void CopyText(char *field, size_t capacity, const std::string &text, size_t maxLength);

// Sets a null region from its four values in file order.
void SetNullRegion(TlNullRegion &region, float negMax, float negMin, float posMin, float posMax);
// Sets a null region's inner ends to a dead zone d: NegMin -d, PosMin d.
void SetDeadZoneEnds(TlNullRegion &region, float deadZone);

} // namespace model

#endif
