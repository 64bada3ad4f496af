// The token scanner and the text index: how a KCG text is split into
// sections, keyword lines and values, including text the writer never
// produces. The index must answer every lookup exactly as the rescanning
// TlFindEntry does: for the cases of the table and for generated texts.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tl_parse.h"

namespace {

using Groups = std::vector<std::vector<std::string>>;
using namespace std::string_literals;

Groups GroupsOf(const TlValue &value) {
    Groups groups;
    for (int g = 0; g < value.groupCount; ++g)
        groups.emplace_back(value.groups[g].items, value.groups[g].items + value.groups[g].count);
    return groups;
}

// Looks keyword up with TlFindEntry; the index (when given) must find the
// same. The text sits in a buffer of exactly its size and two NULs, so that
// the sanitizer build catches any read past them.
bool Find(const std::string &file, const char *section, const char *keyword, Groups *groups, bool viaIndex) {
    std::unique_ptr<char[]> text(new char[file.size() + 2]);
    std::memcpy(text.get(), file.data(), file.size());
    text[file.size()] = text[file.size() + 1] = '\0';
    TlValue value{7, nullptr};
    const int found = TlFindEntry(keyword, section, text.get(), &value);
    *groups = GroupsOf(value);
    TlFreeValue(&value);
    if (viaIndex) {
        TlTextIndex *index = TlIndexCreate(text.get());
        // Other lookups first, so that the index answers from tables it keeps.
        for (const char *other : {section, "A"}) {
            TlIndexFindEntry(index, "J", other, &value);
            TlFreeValue(&value);
        }
        EXPECT_EQ(TlIndexFindEntry(index, keyword, section, &value), found) << "index";
        EXPECT_EQ(GroupsOf(value), *groups) << "index";
        TlFreeValue(&value);
        TlIndexFree(index);
    }
    return found == 1;
}

struct EntryCase {
    const char *name;
    std::string file; // "..."s where it holds a NUL
    const char *section;
    const char *keyword;
    bool found;
    Groups groups; // expected when found
};

const EntryCase kEntryCases[] = {
    // Single values.
    {"single value is upper-cased", "[S]\nK = abc\n", "S", "K", true, {{"ABC"}}},
    {"trailing blanks dropped", "[S]\nK = a b \t \n", "S", "K", true, {{"A B"}}},
    {"semicolon note stays in the value", "[S]\nK = on ; note\n", "S", "K", true, {{"ON ; NOTE"}}},
    {"no blanks around =", "[S]\nK=5\n", "S", "K", true, {{"5"}}},
    {"hex prefix upper-cased", "[S]\nK = 0x1f\n", "S", "K", true, {{"0X1F"}}},
    {"value on a later line", "[S]\nK =\n\n   late value\n", "S", "K", true, {{"LATE VALUE"}}},
    {"next line taken whatever it is", "[S]\nK =\n[T]\n", "S", "K", true, {{"[T]"}}},
    {"= on the line after the keyword", "[S]\nK\n  = 4\n", "S", "K", true, {{"4"}}},
    {"nothing after = at the end", "[S]\nK =", "S", "K", true, {{""}}},
    {"last line without newline", "[S]\nK = end", "S", "K", true, {{"END"}}},
    // Quoting and escapes.
    {"quoted keeps case", "[S]\nK = \"XzYRvU\"\n", "S", "K", true, {{"XzYRvU"}}},
    {"unquoted loses case", "[S]\nK = XzYRvU\n", "S", "K", true, {{"XZYRVU"}}},
    {"quoted single value keeps commas", "[S]\nK = \"a, b\"\n", "S", "K", true, {{"a, b"}}},
    {"escapes removed", "[S]\nK = \"a\\\"b\\\\c\\}\"\n", "S", "K", true, {{"a\"b\\c}"}}},
    {"lone quote is an empty string", "[S]\nK = \"\n", "S", "K", true, {{""}}},
    {"empty quoted string", "[S]\nK = \"\"\n", "S", "K", true, {{""}}},
    {"trailing backslash dropped", "[S]\nK = ab\\\n", "S", "K", true, {{"AB"}}},
    {"bytes above 127 are not letters", "[S]\nK = \xe9t\xe9\n", "S", "K", true, {{"\xe9T\xe9"}}},
    {"bytes above 127 are not blanks", "[S]\nK =\xa0x\xa0\n", "S", "K", true, {{"\xa0X\xa0"}}},
    {"opening quote only", "[S]\nK = \"abc\n", "S", "K", true, {{"\"ABC"}}},
    {"closing quote only", "[S]\nK = abc\"\n", "S", "K", true, {{"ABC\""}}},
    // Lists.
    {"flat list", "[S]\nK = { a, b, c }\n", "S", "K", true, {{"A", "B", "C"}}},
    {"empty items dropped", "[S]\nK = { a, , b, }\n", "S", "K", true, {{"A", "B"}}},
    {"leading commas dropped", "[S]\nK = { ,, a }\n", "S", "K", true, {{"A"}}},
    {"list over lines", "[S]\nK =\n   {\n   \"x\",\n   \"y\"\n   }\n", "S", "K", true, {{"x", "y"}}},
    {"empty list", "[S]\nK = { }\n", "S", "K", false, {}},
    {"empty list over lines", "[S]\nK =\n   {\n\n   }\n", "S", "K", false, {}},
    {"list of commas only", "[S]\nK = { , , }\n", "S", "K", false, {}},
    {"groups", "[S]\nK = { {a, b}, {c} }\n", "S", "K", true, {{"A", "B"}, {"C"}}},
    {"no commas between groups", "[S]\nK = { {1, 2}\n {3, 4} }\n", "S", "K", true, {{"1", "2"}, {"3", "4"}}},
    {"groups end at a second comma", "[S]\nK = { {1}, , {2} }\n", "S", "K", true, {{"1"}}},
    {"groups end at a stray word", "[S]\nK = { {1}, x, {2} }\n", "S", "K", true, {{"1"}}},
    {"empty group keeps the next in step", "[S]\nK = { {a}, {}, {b} }\n", "S", "K", true, {{"A"}, {}, {"B"}}},
    {"first group empty", "[S]\nK = { {}, {a} }\n", "S", "K", false, {}},
    {"comma in quotes splits", "[S]\nK = { \"x,y\" }\n", "S", "K", true, {{"\"X", "Y\""}}},
    {"escaped comma in quotes", "[S]\nK = { \"x\\,y\" }\n", "S", "K", true, {{"x,y"}}},
    {"escaped brace in a group", "[S]\nK = { {a\\}b, c} }\n", "S", "K", true, {{"A}B", "C"}}},
    {"escaped blank is content", "[S]\nK = { a\\ , \\ }\n", "S", "K", true, {{"A", ""}}},
    // Keyword lines.
    {"first of duplicates", "[S]\nK = 1\nK = 2\n", "S", "K", true, {{"1"}}},
    {"longer keyword is another keyword", "[S]\nK_12 = 12\nK_1 = 1\n", "S", "K_1", true, {{"1"}}},
    {"keyword without = skipped", "[S]\nK value\nK = 2\n", "S", "K", true, {{"2"}}},
    {"keyword lines are case-sensitive", "[S]\nk = 1\n", "S", "K", false, {}},
    {"comments are skipped", "[S]\n; K = 1\n  ;K = 2\nK = 3\n", "S", "K", true, {{"3"}}},
    {"continuation lines are skipped", "[S]\n\"K = 1\n{K = 2\nK = 3\n", "S", "K", true, {{"3"}}},
    {"indented keyword", "[S]\n \t K = 1\n", "S", "K", true, {{"1"}}},
    {"keyword of the next section", "[S]\nJ = 1\n[T]\nK = 2\n", "S", "K", false, {}},
    {"line ending in CR", "[S]\r\nK = a \r\nL = 1\r\n", "S", "K", true, {{"A"}}},
    {"list with CR LF", "[S]\r\nK = { b,\r\n c }\r\n", "S", "K", true, {{"B", "C"}}},
    // Keyword lines the index hands back to the scanner.
    {"keyword without = reaches the next keyword line", "[S]\nK\nK = 1\nK = 2\n", "S", "K", true, {{"2"}}},
    {"keyword without = reaches the next header", "[S]\nK\n[T]\nK = 9\n", "S", "K", true, {{"9"}}},
    {"keyword at the end of the text", "[S]\nK", "S", "K", false, {}},
    {"keyword holding a blank", "[S]\nK 2 = 7\n", "S", "K 2", true, {{"7"}}},
    {"prefix of a keyword holding a blank", "[S]\nK 2 = 7\n", "S", "K", false, {}},
    {"empty keyword", "= 3\n", nullptr, "", true, {{"3"}}},
    {"keyword holding =", "[S]\nK = =1\n", "S", "K =", true, {{"1"}}},
    // Sections.
    {"null section is the text start", "K = 1\n[S]\nK = 2\n", nullptr, "K", true, {{"1"}}},
    {"empty section is the text start", "K = 1\n[S]\nK = 2\n", "", "K", true, {{"1"}}},
    {"text start ends at the first header", "[S]\nK = 2\n", nullptr, "K", false, {}},
    {"missing section", "[S]\nK = 1\n", "T", "K", false, {}},
    {"first of two names", "[KAVELIN, MARROWEL]\nK = 1\n", "KAVELIN", "K", true, {{"1"}}},
    {"second of two names", "[KAVELIN, MARROWEL]\nK = 1\n", "MARROWEL", "K", true, {{"1"}}},
    {"header over two lines", "[A,\n   B]\nK = 1\n", "B", "K", true, {{"1"}}},
    {"blanks around the name", "[  S \t]\nK = 1\n", "S", "K", true, {{"1"}}},
    {"name followed by a letter", "[KAVELINX]\nK = 1\n", "KAVELIN", "K", false, {}},
    {"name is a prefix of the sought one", "[KAV]\nK = 1\n", "KAVELIN", "K", false, {}},
    {"header name is case-sensitive", "[s]\nK = 1\n", "S", "K", false, {}},
    {"first section of a name", "[S]\nJ = 1\n[S]\nK = 2\n", "S", "K", false, {}},
    {"header in a comment", "; [S]\nK = 0\n[S]\nK = 1\n", "S", "K", true, {{"1"}}},
    {"rest of the header line ignored", "[S] K = 0\nK = 1\n", "S", "K", true, {{"1"}}},
    // Text cut short, also by a NUL, which nothing steps over.
    {"NUL ends the text", "[S]\nK = { a }\0\n[T]\nK = 1\n"s, "T", "K", false, {}},
    {"NUL ends a list", "[S]\nK = { a, b\0, c }\n"s, "S", "K", true, {{"A"}}},
    {"escaped NUL ends a list", "[S]\nK = { a, b\\\0, c }\n"s, "S", "K", true, {{"A"}}},
    {"NUL ends a header", "[A,\0 S]\nK = 1\n"s, "S", "K", false, {}},
    {"unterminated flat list", "[S]\nK = { a, b", "S", "K", true, {{"A"}}},
    {"unterminated single item", "[S]\nK = { a", "S", "K", false, {}},
    {"unterminated group dropped", "[S]\nK = { {1, 2}, {3, 4}, {5", "S", "K", true, {{"1", "2"}, {"3", "4"}}},
    {"unterminated group with a whole item", "[S]\nK = { {1, 2}, {3, 4", "S", "K", true, {{"1", "2"}}},
    {"only an unterminated group", "[S]\nK = { {1, 2", "S", "K", false, {}},
    {"unterminated header", "[S", "S", "K", false, {}},
    {"open header runs to the next ]", "[T\nK = 1\n[S]\nK = 2\n[S]\nK = 3", "S", "K", true, {{"3"}}},
    {"backslash before the end", "[S]\nK = { a\\", "S", "K", false, {}},
};

class EntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, FindsTheValue) {
    const EntryCase &c = GetParam();
    Groups groups;
    EXPECT_EQ(Find(c.file, c.section, c.keyword, &groups, true), c.found);
    EXPECT_EQ(groups, c.found ? c.groups : Groups{}); // a miss leaves nothing in the value
}

INSTANTIATE_TEST_SUITE_P(Scanner, EntryTest, testing::ValuesIn(kEntryCases), [](const auto &info) {
    std::string name = info.param.name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

// Texts made of the pieces of the format, in well-formed and broken forms.
std::string GeneratedText(std::mt19937 &random) {
    auto pick = [&random](std::initializer_list<const char *> choices) {
        return std::string(choices.begin()[random() % choices.size()]);
    };
    std::string file;
    for (size_t lines = 5 + random() % 50; lines > 0; --lines) {
        // In a line's pattern @ stands for a section name, # for a keyword, $ for a value.
        for (char c : pick({"[@, @]",  "[@,\n  @]", "[ @ ]",     "[@X]",     "[@",   "  [@] tail", "[@]",
                            "",        "; c K = 1", "\"K = 1\"", "{ 1, 2 }", "}",    "   \t  ",    "= 3",
                            "K 2 = 7", "k = 1",     "#=$",       "#\n  = $", "# $",  "#",          "  #\t= $",
                            "#X = $",  "# = $",     "# = $",     "# = $",    "# = $"})) {
            if (c == '@') {
                file += pick({"VERSION", "KAVELIN", "MARROWEL", "S"});
            } else if (c == '#') {
                file += pick({"VERSION", "K", "K2", "APP_MIN_1", "APP_MIN_12", "TV", "TV_CP"});
            } else if (c == '$') {
                file += pick({"5.0", "abc ; note", "\"Quoted, Text\"", "{ a, b, c }", "{ }", "{\n   }",
                              "{ {1, 2}, {3, 4} }", "\n   {\n   { 1, 2 },\n   { 3 }\n   }",
                              "{ \"x\\,y\", \"p,q\" }", "{ {a}, {}, {b} }", "{ , a,, }", "",
                              "\n\n  next line", "{ a\\}, b }", "{ {1, 2}, {3", "\"lone", "\\"});
            } else {
                file += c;
            }
        }
        file += random() % 4 == 0 ? "\r\n" : "\n";
    }
    if (random() % 8 == 0) file.insert(random() % (file.size() + 1), 1, '\0');
    if (random() % 4 == 0) file.resize(random() % (file.size() + 1));
    return file;
}

TEST(TextIndex, AgreesWithTheScannerOnGeneratedTexts) {
    const char *const sections[] = {nullptr, "",  "VERSION",  "KAVELIN", "MARROWEL",
                                    "S",     "T", "KAVELINX", "S ]"};
    const char *const keywords[] = {"VERSION", "K",  "K2",  "APP_MIN_1", "APP_MIN_12", "TV",
                                    "TV_CP",   "",   "K =", "K 2",       "=",          ";K",
                                    "[K",      "{K", "k",   "APP_MIN_"};
    std::mt19937 random(1);
    for (int text = 0; text < 400; ++text) {
        const std::string file = GeneratedText(random);
        // The index reads a copy that ends right after the text's first NUL,
        // which the scanner's own copy may run past.
        const std::string scanned = file + std::string(2, '\0');
        const std::string cut(file.c_str(), std::strlen(file.c_str()) + 1);
        TlTextIndex *index = TlIndexCreate(cut.c_str());
        int differences = 0;
        // Twice, in opposite orders, so that remembered sections and keyword
        // tables are reused from other starting points.
        for (int pass = 0; pass < 2; ++pass) {
            for (size_t s = 0; s < std::size(sections); ++s) {
                for (size_t k = 0; k < std::size(keywords); ++k) {
                    const char *section = sections[pass ? std::size(sections) - 1 - s : s];
                    const char *keyword = keywords[pass ? std::size(keywords) - 1 - k : k];
                    TlValue expected{0, nullptr}, actual{0, nullptr};
                    const int found = TlFindEntry(keyword, section, scanned.c_str(), &expected);
                    if (TlIndexFindEntry(index, keyword, section, &actual) != found ||
                        GroupsOf(actual) != GroupsOf(expected))
                        ++differences;
                    TlFreeValue(&expected);
                    TlFreeValue(&actual);
                }
            }
        }
        TlIndexFree(index);
        ASSERT_EQ(differences, 0) << "text " << text << ":\n" << file.c_str();
    }
}

TEST(Scanner, NullArgumentsFindNothing) {
    const char text[] = "K = 1\n\0";
    TlValue value{0, nullptr};
    EXPECT_EQ(TlFindEntry(nullptr, "S", text, &value), 0);
    EXPECT_EQ(TlFindEntry("K", nullptr, nullptr, &value), 0);
    EXPECT_EQ(TlFindEntry("K", nullptr, text, nullptr), 0);
    EXPECT_EQ(TlIndexCreate(nullptr), nullptr);
    TlTextIndex *index = TlIndexCreate(text);
    EXPECT_EQ(TlIndexFindEntry(nullptr, "K", nullptr, &value), 0);
    EXPECT_EQ(TlIndexFindEntry(index, nullptr, nullptr, &value), 0);
    EXPECT_EQ(TlIndexFindEntry(index, "K", nullptr, nullptr), 0);
    EXPECT_EQ(value.groups, nullptr);
    TlIndexFree(index);
}

} // namespace
