// REGEDIT4 .reg files: the text form of a registry, read into and written
// from a RegTree.
//
// Understood: the "REGEDIT4" header, comments (";"), key lines "[path]",
// value lines "name"=... and @=... with string data ("text", escapes \\ and
// \"), hex: (REG_BINARY), hex(n): (type n) and dword:; hex data may go on
// over lines that end with a backslash. Text is single-byte; either line end
// reads.
//
// Written: the same form with CR LF line ends, one section per key that has
// values or no subkeys, hex lines wrapped below 80 columns. A REG_SZ value is
// written as a quoted string only when that reads back to the same bytes
// (one terminating zero, no other zero, no line break); otherwise as hex(1):.
#ifndef KCG_REGFILE_H
#define KCG_REGFILE_H

#include <string>
#include <string_view>

#include "regtree.h"

// Adds the keys and values of text to tree, as importing the file would.
// On failure *error is "line N: what is wrong" and tree holds what the lines
// before the faulty one added. error may be null.
bool ParseRegText(std::string_view text, RegTree &tree, std::string *error);

// The whole tree as REGEDIT4 text.
std::string FormatRegText(const RegTree &tree);

// ParseRegText of the file at path. *error also tells when the file cannot
// be read.
bool LoadRegFile(const std::string &path, RegTree &tree, std::string *error);

// Writes FormatRegText(tree) to a temporary file beside path and moves it
// over path only when it is complete, so that a failure leaves the old file
// as it was. *error says what failed. error may be null.
bool SaveRegFile(const std::string &path, const RegTree &tree, std::string *error);

#endif
