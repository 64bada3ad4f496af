#include "regfile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "system_seam.h"

namespace {

const char kHeader[] = "REGEDIT4";
const char kLineEnd[] = "\r\n";
const size_t kMaxLineWidth = 80;

std::string_view TrimBlanks(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    size_t end = text.size();
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Parses hex digits (1 to maxDigits of them) into *number.
bool ParseHexNumber(std::string_view text, size_t maxDigits, std::uint32_t *number) {
    if (text.empty() || text.size() > maxDigits) return false;
    std::uint32_t result = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        result = result * 16 + static_cast<std::uint32_t>(digit);
    }
    *number = result;
    return true;
}

// Reads the text in lines, cut at CR LF, LF or CR.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool Next(std::string_view *line) {
        if (pos_ >= text_.size()) return false;
        size_t end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n')
            ++end;
        *line = text_.substr(pos_, end - pos_);
        if (end < text_.size()) {
            const bool carriageReturn = text_[end] == '\r';
            ++end;
            if (carriageReturn && end < text_.size() && text_[end] == '\n') ++end;
        }
        pos_ = end;
        ++number_;
        return true;
    }
    int Number() const { return number_; }

  private:
    std::string_view text_;
    size_t pos_ = 0;
    int number_ = 0;
};

class RegTextParser {
  public:
    RegTextParser(std::string_view text, RegTree &tree) : lines_(text), tree_(tree) {}

    bool Parse(std::string *error) {
        std::string_view line;
        bool sawHeader = false;
        while (lines_.Next(&line)) {
            if (lines_.Number() == 1 && StartsWith(line, "\xEF\xBB\xBF")) line.remove_prefix(3);
            line = TrimBlanks(line);
            if (line.empty() || line[0] == ';') continue;
            if (!sawHeader) {
                if (line != kHeader) return Fail("the file does not begin with REGEDIT4", error);
                sawHeader = true;
                continue;
            }
            if (!ParseLine(line)) return Fail(problem_, error);
        }
        if (!sawHeader) return Fail("the file does not begin with REGEDIT4", error);
        return true;
    }

  private:
    bool Fail(const std::string &what, std::string *error) {
        const int line = lines_.Number() > 0 ? lines_.Number() : 1;
        if (error != nullptr) *error = "line " + std::to_string(line) + ": " + what;
        return false;
    }

    bool Problem(std::string what) {
        problem_ = std::move(what);
        return false;
    }

    bool ParseLine(std::string_view line) {
        if (line[0] == '[') return ParseKeyLine(line);
        if (line[0] == '"' || line[0] == '@') return ParseValueLine(line);
        return Problem("expected a [key] or a \"value\"=data line");
    }

    bool ParseKeyLine(std::string_view line) {
        if (line.back() != ']') return Problem("a key line must end with ']'");
        const std::string_view path = line.substr(1, line.size() - 2);
        if (RegSplitPath(path).empty()) return Problem("the key has no name");
        key_ = &tree_.Create(path);
        return true;
    }

    // Reads a quoted name or string at the start of text, undoing the escapes
    // \\ and \"; *rest is what follows the closing quote.
    static bool ParseQuoted(std::string_view text, std::string *out, std::string_view *rest) {
        out->clear();
        for (size_t i = 1; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '"') {
                *rest = text.substr(i + 1);
                return true;
            }
            if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
                out->push_back(text[++i]);
            } else {
                out->push_back(c);
            }
        }
        return false;
    }

    bool ParseValueLine(std::string_view line) {
        if (key_ == nullptr) return Problem("a value line before any key");
        std::string name;
        std::string_view rest;
        if (line[0] == '@') {
            rest = line.substr(1);
        } else if (!ParseQuoted(line, &name, &rest)) {
            return Problem("the value name has no closing quote");
        }
        rest = TrimBlanks(rest);
        // A line without '=' is refused, not passed over: the file is written
        // back after a load, and a skipped line would vanish from it.
        if (rest.empty() || rest[0] != '=') {
            return Problem("expected '=' after " + (line[0] == '@' ? std::string("@") : "\"" + name + "\""));
        }
        rest = TrimBlanks(rest.substr(1));
        return ParseData(name, rest);
    }

    bool ParseData(const std::string &name, std::string_view data) {
        if (!data.empty() && data[0] == '"') {
            std::string text;
            std::string_view rest;
            if (!ParseQuoted(data, &text, &rest)) return Problem("the string has no closing quote");
            if (!TrimBlanks(rest).empty()) return Problem("text after the closing quote");
            std::vector<std::uint8_t> bytes(text.begin(), text.end());
            bytes.push_back(0);
            key_->SetValue(name, kRegSz, std::move(bytes));
            return true;
        }
        if (StartsWith(data, "dword:")) {
            std::uint32_t number = 0;
            if (!ParseHexNumber(TrimBlanks(data.substr(6)), 8, &number)) {
                return Problem("dword: needs one to eight hex digits");
            }
            std::vector<std::uint8_t> bytes(4);
            for (int i = 0; i < 4; ++i)
                bytes[i] = static_cast<std::uint8_t>(number >> (8 * i));
            key_->SetValue(name, kRegDword, std::move(bytes));
            return true;
        }
        std::uint32_t type = kRegBinary;
        std::string_view list;
        if (StartsWith(data, "hex:")) {
            list = data.substr(4);
        } else if (StartsWith(data, "hex(")) {
            const size_t close = data.find("):");
            if (close == std::string_view::npos || !ParseHexNumber(data.substr(4, close - 4), 8, &type)) {
                return Problem("hex(type): needs a hex type number");
            }
            list = data.substr(close + 2);
        } else {
            return Problem("unknown value data (expected \"text\", hex:, hex(n): or dword:)");
        }
        std::vector<std::uint8_t> bytes;
        if (!ParseHexList(list, &bytes)) return false;
        key_->SetValue(name, type, std::move(bytes));
        return true;
    }

    // Comma-separated hex bytes; a line ending with a backslash goes on in the next line.
    bool ParseHexList(std::string_view list, std::vector<std::uint8_t> *bytes) {
        for (;;) {
            list = TrimBlanks(list);
            const bool goesOn = !list.empty() && list.back() == '\\';
            if (goesOn) list = TrimBlanks(list.substr(0, list.size() - 1));
            while (!list.empty()) {
                size_t comma = list.find(',');
                std::string_view item = TrimBlanks(list.substr(0, comma));
                std::uint32_t byte = 0;
                if (!ParseHexNumber(item, 2, &byte)) return Problem("hex data must be bytes like 0a,ff");
                bytes->push_back(static_cast<std::uint8_t>(byte));
                if (comma == std::string_view::npos) break;
                list = TrimBlanks(list.substr(comma + 1));
                if (list.empty() && !goesOn) return Problem("hex data ends with a comma");
            }
            if (!goesOn) return true;
            if (!lines_.Next(&list)) return Problem("hex data goes on past the end of the file");
        }
    }

    LineReader lines_;
    RegTree &tree_;
    RegNode *key_ = nullptr;
    std::string problem_;
};

void AppendQuoted(std::string_view text, std::string *out) {
    out->push_back('"');
    for (char c : text) {
        if (c == '\\' || c == '"') out->push_back('\\');
        out->push_back(c);
    }
    out->push_back('"');
}

// True when the bytes read back from a quoted string are exactly data.
bool IsPlainString(const std::vector<std::uint8_t> &data) {
    if (data.empty() || data.back() != 0) return false;
    for (size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
    }
    return true;
}

void AppendHexData(std::string prefix, const std::vector<std::uint8_t> &data, std::string *out) {
    static const char kDigits[] = "0123456789abcdef";
    std::string line = std::move(prefix);
    for (size_t i = 0; i < data.size(); ++i) {
        const char byte[3] = {kDigits[data[i] >> 4], kDigits[data[i] & 15], 0};
        if (i > 0) {
            // Room for ",xx" and a later ",\" must remain within the width.
            if (line.size() + 5 > kMaxLineWidth) {
                *out += line + ",\\" + kLineEnd;
                line = "  ";
            } else {
                line += ",";
            }
        }
        line += byte;
    }
    *out += line + kLineEnd;
}

void AppendValue(const RegValue &value, std::string *out) {
    std::string name;
    if (value.name.empty()) {
        name = "@";
    } else {
        AppendQuoted(value.name, &name);
    }
    if (value.type == kRegSz && IsPlainString(value.data)) {
        *out += name + "=";
        AppendQuoted(
            std::string_view(reinterpret_cast<const char *>(value.data.data()), value.data.size() - 1), out);
        *out += kLineEnd;
    } else if (value.type == kRegDword && value.data.size() == 4) {
        const std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                     (static_cast<std::uint32_t>(value.data[3]) << 24);
        char text[16];
        std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(number));
        *out += name + "=dword:" + text + kLineEnd;
    } else if (value.type == kRegBinary) {
        AppendHexData(name + "=hex:", value.data, out);
    } else {
        char type[16];
        std::snprintf(type, sizeof type, "%lx", static_cast<unsigned long>(value.type));
        AppendHexData(name + "=hex(" + type + "):", value.data, out);
    }
}

void AppendKey(const RegNode &node, const std::string &path, int depth, std::string *out) {
    // A key with subkeys is implied by theirs; an empty hive is left out.
    const bool written = !node.Values().empty() || (node.Children().empty() && depth > 1);
    if (written) {
        *out += kLineEnd;
        *out += "[" + path + "]" + kLineEnd;
        for (const RegValue &value : node.Values())
            AppendValue(value, out);
    }
    for (const auto &child : node.Children()) {
        AppendKey(*child, path.empty() ? child->Name() : path + "\\" + child->Name(), depth + 1, out);
    }
}

bool WriteWholeFile(const std::string &path, const std::string &text) {
    FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

bool ReplaceFile(const std::string &from, const std::string &to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

bool ParseRegText(std::string_view text, RegTree &tree, std::string *error) {
    return RegTextParser(text, tree).Parse(error);
}

std::string FormatRegText(const RegTree &tree) {
    std::string out = std::string(kHeader) + kLineEnd;
    AppendKey(tree.Root(), "", 0, &out);
    out += kLineEnd;
    return out;
}

bool LoadRegFile(const std::string &path, RegTree &tree, std::string *error) {
    FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (error != nullptr) *error = std::string("cannot open it: ") + std::strerror(errno);
        return false;
    }
    std::string text;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        if (error != nullptr) *error = "cannot read it";
        return false;
    }
    return ParseRegText(text, tree, error);
}

bool SaveRegFile(const std::string &path, const RegTree &tree, std::string *error) {
    const std::string temporary = path + ".new";
    if (!WriteWholeFile(temporary, FormatRegText(tree))) {
        std::remove(temporary.c_str());
        if (error != nullptr) *error = "cannot write " + temporary;
        return false;
    }
    if (!ReplaceFile(temporary, path)) {
        std::remove(temporary.c_str());
        if (error != nullptr) *error = "cannot replace it with " + temporary;
        return false;
    }
    return true;
}
