// How a KCG text is split into sections, keyword lines and values, including
// text the writer never produces: the map of a text and the value splitter,
// for the cases of the table, and the map against a plain rescanning walk on
// generated texts.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tl_chars.h"
#include "tl_parse.h"
#include "tl_text_map.h"

namespace {

using Groups = std::vector<std::vector<std::string>>;
using namespace std::string_literals;

// The text sits in a buffer of exactly its size and two NULs, so that the
// sanitizer build catches any read past them.
std::unique_ptr<char[]> TextOf(const std::string &file) {
    std::unique_ptr<char[]> text(new char[file.size() + 2]);
    std::memcpy(text.get(), file.data(), file.size());
    text[file.size()] = text[file.size() + 1] = '\0';
    return text;
}

// Looks keyword up in section as the reader does; the groups of its value
// when found.
bool Find(const std::string &file, const char *section, const char *keyword, Groups *groups) {
    const auto text = TextOf(file);
    tl::TextMap map;
    EXPECT_TRUE(map.Build(text.get()));
    const char *start = map.SectionStart(section != nullptr ? section : "");
    const char *position = start != nullptr ? map.Find(start, keyword) : nullptr;
    tl::Value value;
    if (position == nullptr || value.Split(position) != tl::Value::kFound) return false;
    for (int g = 0; g < value.groups(); ++g) {
        groups->emplace_back();
        for (int k = 0; k < value.count(g); ++k)
            groups->back().push_back(value.Text(g, k));
    }
    return true;
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
    // A keyword without "=" sends the walk on from where its blanks end.
    {"keyword without = reaches the next keyword line", "[S]\nK\nK = 1\nK = 2\n", "S", "K", true, {{"2"}}},
    {"keyword without = reaches the next header", "[S]\nK\n[T]\nK = 9\n", "S", "K", true, {{"9"}}},
    {"keyword at the end of the text", "[S]\nK", "S", "K", false, {}},
    {"prefix of a keyword holding a blank", "[S]\nK 2 = 7\n", "S", "K", false, {}},
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
    EXPECT_EQ(Find(c.file, c.section, c.keyword, &groups), c.found);
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

// The walks a lookup can make from the start of the text, every time: to the
// first header naming the section, then to the first keyword line after it.
const char *RescanningSectionStart(const char *text, const char *section) {
    const size_t length = std::strlen(section);
    for (const char *p = text;;) {
        p = tl::SkipSpace(p);
        if (*p == '\0') return nullptr;
        if (*p != '[') {
            p = tl::SkipLine(p);
            continue;
        }
        for (++p;; ++p) {
            p = tl::SkipSpace(p);
            if (std::strncmp(p, section, length) == 0 &&
                (p[length] == ']' || p[length] == ',' || tl::IsSpace(p[length])))
                return tl::SkipLine(p + length);
            p += std::strcspn(p, ",]");
            if (*p != ',') break;
        }
        if (*p == '\0') return nullptr;
        p = tl::SkipLine(p);
    }
}

const char *RescanningFind(const char *text, const char *section, const char *keyword) {
    const char *p = section != nullptr ? RescanningSectionStart(text, section) : text;
    const size_t length = std::strlen(keyword);
    while (p != nullptr) {
        p = tl::SkipSpace(p);
        if (*p == '\0' || *p == '[') return nullptr;
        if (*p != '"' && *p != ';' && *p != '{' && std::strncmp(p, keyword, length) == 0 &&
            (p[length] == '=' || tl::IsSpace(p[length]))) {
            p = tl::SkipSpace(p + length);
            if (*p == '=') return p + 1;
        }
        p = tl::SkipLine(p);
    }
    return nullptr;
}

TEST(TextMap, FindsWhatARescanFindsOnGeneratedTexts) {
    const char *const sections[] = {nullptr, "VERSION", "KAVELIN", "MARROWEL", "S", "T", "KAVELINX"};
    const char *const keywords[] = {"VERSION", "K",  "K2", "APP_MIN_1", "APP_MIN_12", "TV",
                                    "TV_CP",   ";K", "[K", "{K",        "k",          "APP_MIN_"};
    std::mt19937 random(1);
    for (int text = 0; text < 400; ++text) {
        const std::string file = GeneratedText(random);
        const auto copy = TextOf(std::string(file.c_str())); // ends at the first NUL
        tl::TextMap map;
        ASSERT_TRUE(map.Build(copy.get()));
        int differences = 0;
        for (const char *section : sections) {
            for (const char *keyword : keywords) {
                const char *start = map.SectionStart(section != nullptr ? section : "");
                const char *found = start != nullptr ? map.Find(start, keyword) : nullptr;
                if (found != RescanningFind(copy.get(), section, keyword)) ++differences;
            }
        }
        ASSERT_EQ(differences, 0) << "text " << text << ":\n" << file.c_str();
    }
}

} // namespace
