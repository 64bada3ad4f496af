// The checks over a whole text's headers and keyword lines. What a section
// knows is what the reader asks for in it: the catalog is the list of the
// reader's own lookups over a text that has every section.
#include <algorithm>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "tl_chars.h"
#include "tl_diag.h"
#include "tl_text_map.h"

namespace tl {
namespace {

// Keyword -> the sections the reader looks it up in.
using Catalog = std::map<std::string, std::vector<std::string>>;

Catalog BuildCatalog() {
    // Followed by two NUL bytes, as the reader wants a text.
    static const char kEverySection[] = "[VERSION]\nVERSION = 5.0\nAPPLICATION_NUMBER = 1.0\n"
                                        "FILE_REVISION_NUMBER = 1.0\n[IDENTIFICATION]\nAPPLICATION_NAME = X\n"
                                        "OWNER = USER\nPLATFORM = WINDOWS\n[KAVELIN]\n[MARROWEL]\n"
                                        "[TELVAR_CONTROLLER]\n\0";
    Diagnostics recorder(kEverySection, nullptr);
    TlConfig cfg;
    ReadWithDiagnostics(&cfg, kEverySection, nullptr, &recorder);
    TlFreeConfig(&cfg);
    Catalog catalog;
    for (const Diagnostics::Lookup &lookup : recorder.Lookups()) {
        std::vector<std::string> &sections = catalog[lookup.keyword];
        if (std::find(sections.begin(), sections.end(), lookup.section) == sections.end())
            sections.push_back(lookup.section);
    }
    return catalog;
}

const Catalog &KnownKeywords() {
    static const Catalog catalog = BuildCatalog();
    return catalog;
}

std::vector<std::string> SectionNames(const Catalog &catalog) {
    std::vector<std::string> names;
    for (const auto &entry : catalog)
        for (const std::string &section : entry.second)
            if (!section.empty() && std::find(names.begin(), names.end(), section) == names.end())
                names.push_back(section);
    return names;
}

std::string Joined(const std::vector<std::string> &names) {
    std::string joined;
    for (const std::string &name : names) {
        if (name.empty()) continue;
        if (!joined.empty()) joined += ", ";
        joined += name;
    }
    return joined;
}

class TextChecks {
  public:
    TextChecks(Diagnostics &diagnostics, const Catalog &catalog)
        : diagnostics_(diagnostics), catalog_(catalog), names_(SectionNames(catalog)) {}

    void Run() {
        const char *text = diagnostics_.Text();
        // Where the entries of each section begin, as the reader finds them.
        starts_[text].push_back("");
        TextMap map;
        map.Build(text);
        for (const std::string &name : names_) {
            const char *cursor = map.SectionStart(name);
            if (cursor == nullptr) continue;
            starts_[cursor].push_back(name);
            firstHeaders_.emplace(name, cursor);
        }
        const char *start = text;
        for (;;) {
            std::vector<const char *> lines;
            const char *stop =
                ForEachKeywordLine(start, [&lines](const char *line) { lines.push_back(line); });
            const auto region = starts_.find(start);
            if (region != starts_.end()) CheckEntries(region->second, lines);
            if (*stop == '\0') return;
            start = SkipLine(stop);
            if (starts_.count(start) == 0) CheckHeader(stop);
        }
    }

  private:
    // A header that starts no section the reader reads: unknown, or a repeat
    // of a section whose first header is elsewhere.
    void CheckHeader(const char *header) {
        const std::string line(header, LineEnd(header));
        TlLintNote note = diagnostics_.NewNote(TL_LINT_UNKNOWN_SECTION, diagnostics_.LineOf(header));
        std::vector<std::string> named;
        ForEachHeaderName(line.c_str(),
                          [&named](std::string_view name, const char *) { named.emplace_back(name); });
        for (const auto &first : firstHeaders_) {
            if (std::find(named.begin(), named.end(), first.first) == named.end()) continue;
            note.check = TL_LINT_DUPLICATE_SECTION;
            note.otherLine = diagnostics_.LineOf(first.second) - 1;
            break;
        }
        std::string names =
            line.substr(1, line.find(']') == std::string::npos ? std::string::npos : line.find(']') - 1);
        names.erase(0, names.find_first_not_of(" \t"));
        names.erase(names.find_last_not_of(" \t\r") + 1);
        note.section = names.c_str();
        note.keyword = "";
        diagnostics_.Emit(note);
    }

    void CheckEntries(const std::vector<std::string> &sections, const std::vector<const char *> &lines) {
        const std::string sectionText = Joined(sections);
        std::map<std::string, int> firstLine;
        for (const char *line : lines) {
            const size_t length = KeywordLength(line);
            if (length == 0) continue;
            const std::string keyword(line, length);
            TlLintNote note = diagnostics_.NewNote(TL_LINT_UNKNOWN_KEYWORD, diagnostics_.LineOf(line));
            note.section = sectionText.c_str();
            note.keyword = keyword.c_str();
            const auto known = catalog_.find(keyword);
            const bool here =
                known != catalog_.end() &&
                std::any_of(sections.begin(), sections.end(), [&known](const std::string &section) {
                    return std::find(known->second.begin(), known->second.end(), section) !=
                           known->second.end();
                });
            std::string owners;
            if (here) {
                const auto first = firstLine.emplace(keyword, note.line);
                if (first.second) continue;
                note.check = TL_LINT_DUPLICATE_KEYWORD;
                note.otherLine = first.first->second;
            } else if (known != catalog_.end()) {
                owners = Joined(known->second);
                note.check = TL_LINT_WRONG_SECTION;
                note.expected = owners.c_str();
            }
            diagnostics_.Emit(note);
        }
    }

    Diagnostics &diagnostics_;
    const Catalog &catalog_;
    const std::vector<std::string> names_;
    std::map<const char *, std::vector<std::string>> starts_;
    std::map<std::string, const char *> firstHeaders_; // name -> where its entries begin
};

} // namespace

void CheckKeywordLines(Diagnostics &diagnostics) {
    try {
        TextChecks(diagnostics, KnownKeywords()).Run();
    } catch (const std::bad_alloc &) {
        // The checks of the text are left out; the read itself is done.
    }
}

} // namespace tl
