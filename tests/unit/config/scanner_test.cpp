// The token scanner: how a KCG text is split into sections, keyword lines
// and values, including text the writer never produces.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "test_files.h"
#include "tl_parse.h"

namespace {

using testfiles::asText;
using testfiles::Groups;
using testfiles::toGroups;

// A string of every byte of a literal, NULs included.
template <size_t N> std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// Looks keyword up with TlFindEntry; returns the groups when found. The text
// sits in a buffer of exactly its size, so that the sanitizer build catches
// any read past its two NULs.
bool Find(const std::string &file, const char *section, const char *keyword, Groups *groups) {
    std::unique_ptr<char[]> text(new char[file.size() + 2]);
    std::memcpy(text.get(), file.data(), file.size());
    text[file.size()] = text[file.size() + 1] = '\0';
    TlValue value{7, nullptr};
    int found = TlFindEntry(keyword, section, text.get(), &value);
    *groups = toGroups(value);
    TlFreeValue(&value);
    return found == 1;
}

struct EntryCase {
    const char *name;
    const char *file;
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
    // Lists.
    {"flat list", "[S]\nK = { a, b, c }\n", "S", "K", true, {{"A", "B", "C"}}},
    {"empty items dropped", "[S]\nK = { a, , b, }\n", "S", "K", true, {{"A", "B"}}},
    {"leading commas dropped", "[S]\nK = { ,, a }\n", "S", "K", true, {{"A"}}},
    {"list over lines", "[S]\nK =\n   {\n   \"x\",\n   \"y\"\n   }\n", "S", "K", true, {{"x", "y"}}},
    {"empty list", "[S]\nK = { }\n", "S", "K", false, {}},
    {"empty list over lines", "[S]\nK =\n   {\n\n   }\n", "S", "K", false, {}},
    {"list of commas only", "[S]\nK = { , , }\n", "S", "K", false, {}},
    {"groups", "[S]\nK = { {a, b}, {c} }\n", "S", "K", true, {{"A", "B"}, {"C"}}},
    {"groups without commas between",
     "[S]\nK = { {1, 2}\n {3, 4} }\n",
     "S",
     "K",
     true,
     {{"1", "2"}, {"3", "4"}}},
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
    // Text cut short.
    {"unterminated flat list", "[S]\nK = { a, b", "S", "K", true, {{"A"}}},
    {"unterminated single item", "[S]\nK = { a", "S", "K", false, {}},
    {"unterminated group dropped", "[S]\nK = { {1, 2}, {3, 4}, {5", "S", "K", true, {{"1", "2"}, {"3", "4"}}},
    {"unterminated group with a whole item", "[S]\nK = { {1, 2}, {3, 4", "S", "K", true, {{"1", "2"}}},
    {"only an unterminated group", "[S]\nK = { {1, 2", "S", "K", false, {}},
    {"unterminated header", "[S", "S", "K", false, {}},
    {"unterminated header runs to the next bracket",
     "[T\nK = 1\n[S]\nK = 2\n[S]\nK = 3",
     "S",
     "K",
     true,
     {{"3"}}},
    {"backslash before the end", "[S]\nK = { a\\", "S", "K", false, {}},
};

class EntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, FindsTheValue) {
    const EntryCase &c = GetParam();
    Groups groups;
    EXPECT_EQ(Find(c.file, c.section, c.keyword, &groups), c.found);
    // A miss leaves nothing in the value.
    EXPECT_EQ(groups, c.found ? c.groups : Groups{});
}

INSTANTIATE_TEST_SUITE_P(Scanner, EntryTest, testing::ValuesIn(kEntryCases),
                         [](const auto &info) { return testfiles::caseName(info.param.name); });

TEST(Scanner, TextEndsAtItsFirstNul) {
    Groups groups;
    std::string file = Bytes("[S]\nK = { a, b }\0\n[T]\nJ = 1\n");
    EXPECT_TRUE(Find(file, "S", "K", &groups));
    EXPECT_FALSE(Find(file, "T", "J", &groups));
    // A NUL inside a list ends it; what follows is never read as content.
    std::string cutList = Bytes("[S]\nK = { a, b\0, c }\n");
    ASSERT_TRUE(Find(cutList, "S", "K", &groups));
    EXPECT_EQ(groups, (Groups{{"A"}}));
    // A backslash does not step over the NUL.
    std::string cutEscape = Bytes("[S]\nK = { a, b\\\0, c }\n");
    ASSERT_TRUE(Find(cutEscape, "S", "K", &groups));
    EXPECT_EQ(groups, (Groups{{"A"}}));
    std::string cutHeader = Bytes("[A,\0 S]\nK = 1\n");
    EXPECT_FALSE(Find(cutHeader, "S", "K", &groups));
}

TEST(Scanner, NullArgumentsFindNothing) {
    std::string text = asText("[S]\nK = 1\n");
    TlValue value{0, nullptr};
    EXPECT_EQ(TlFindEntry(nullptr, "S", text.c_str(), &value), 0);
    EXPECT_EQ(TlFindEntry("K", "S", nullptr, &value), 0);
    EXPECT_EQ(TlFindEntry("K", "S", text.c_str(), nullptr), 0);
    EXPECT_EQ(value.groupCount, 0);
    const char *cursor = nullptr;
    EXPECT_EQ(TlFindKeyword("K", &cursor), 0);
    TlFreeValue(nullptr);
}

TEST(Scanner, CursorsPointAfterHeaderAndEquals) {
    std::string text = asText("; c\n[A, S] tail\n K = 1\n");
    const char *cursor = nullptr;
    ASSERT_EQ(TlFindSection("S", &cursor, text.c_str()), 1);
    EXPECT_EQ(cursor, text.c_str() + std::string(text.c_str()).find(" K"));
    ASSERT_EQ(TlFindKeyword("K", &cursor), 1);
    EXPECT_STREQ(cursor, " 1\n");
    EXPECT_EQ(TlFindSection(nullptr, &cursor, text.c_str()), 1);
    EXPECT_EQ(cursor, text.c_str());
    EXPECT_EQ(TlFindSection("T", &cursor, text.c_str()), 0);
}

TEST(Scanner, ParseValueReportsEmptyLists) {
    TlValue value{0, nullptr};
    EXPECT_EQ(TlParseValue(" {\n } x", &value), -1);
    EXPECT_EQ(value.groups, nullptr);
    // A first group without items parses, but TlFindEntry reads it as absent.
    ASSERT_EQ(TlParseValue(" { {}, {a} }", &value), 0);
    EXPECT_EQ(toGroups(value), (Groups{{}, {"a"}}));
    TlFreeValue(&value);
    EXPECT_EQ(value.groupCount, 0);
    EXPECT_EQ(value.groups, nullptr);
}

TEST(Scanner, NormalizeHandlesQuotesThenEscapes) {
    struct {
        const char *item;
        const char *normalized;
    } cases[] = {
        {"abc", "ABC"},     {"\"abc\"", "abc"},   {"\"abc", "\"ABC"}, {"abc\"", "ABC\""}, {"\"", ""},
        {"a\\\\b", "A\\B"}, {"\"a\\\"\"", "a\""}, {"\\", ""},         {"x\\,y", "X,Y"},   {"", ""},
    };
    for (const auto &c : cases) {
        std::string item = c.item;
        char *items[] = {&item[0]};
        TlValueGroup group{1, items};
        TlValue value{1, &group};
        TlNormalizeValue(&value);
        EXPECT_STREQ(item.c_str(), c.normalized) << "item " << c.item;
    }
}

} // namespace
