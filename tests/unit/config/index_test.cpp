// The text index must answer every lookup exactly as TlFindEntry does. Many
// generated texts, rich in the odd forms the scanner accepts, are looked up
// both ways for every keyword in every section.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "test_files.h"
#include "tl_parse.h"

namespace {

using testfiles::asText;
using testfiles::Groups;
using testfiles::toGroups;

// Looks keyword up in text with the scanner and with an index (which may be
// of a copy of text); reports a difference as a test failure.
bool SameAsScanner(TlTextIndex *index, const std::string &text, const char *section, const char *keyword) {
    TlValue scanned{0, nullptr};
    TlValue indexed{0, nullptr};
    int expected = TlFindEntry(keyword, section, text.c_str(), &scanned);
    int actual = TlIndexFindEntry(index, keyword, section, &indexed);
    bool same = actual == expected && toGroups(indexed) == toGroups(scanned);
    if (!same) {
        ADD_FAILURE() << "keyword \"" << keyword << "\" in section " << (section ? section : "(null)")
                      << ": index " << actual << ", scanner " << expected << "\ntext:\n"
                      << text.c_str();
    }
    TlFreeValue(&scanned);
    TlFreeValue(&indexed);
    return same;
}

// Texts made of the pieces of the format, in well-formed and broken forms.
class TextGenerator {
  public:
    explicit TextGenerator(uint32_t seed) : random_(seed) {}

    std::string File() {
        std::string file;
        size_t lines = 5 + Below(50);
        for (size_t i = 0; i < lines; ++i) {
            file += Line();
            file += OneIn(4) ? "\r\n" : "\n";
        }
        if (OneIn(8)) file.insert(Below(file.size() + 1), 1, '\0');
        if (OneIn(4)) file.resize(Below(file.size() + 1));
        return file;
    }

  private:
    size_t Below(size_t n) { return static_cast<size_t>(random_() % n); }
    bool OneIn(size_t n) { return Below(n) == 0; }

    template <size_t N> const char *Pick(const char *const (&choices)[N]) { return choices[Below(N)]; }

    std::string Name() {
        static const char *const kNames[] = {"VERSION", "KAVELIN", "MARROWEL", "TUNING", "S"};
        return Pick(kNames);
    }

    std::string Keyword() {
        static const char *const kKeywords[] = {"VERSION",    "K",  "K2",    "APP_MIN_1",
                                                "APP_MIN_12", "TV", "TV_CP", "BUTTON_A_USER"};
        return Pick(kKeywords);
    }

    std::string Value() {
        static const char *const kValues[] = {
            "5.0",
            "abc ; note",
            "\"Quoted, Text\"",
            "{ a, b, c }",
            "{ }",
            "{\n   }",
            "{ {1, 2}, {3, 4} }",
            "\n   {\n   { 1, 2 },\n   { 3 }\n   }",
            "{ \"x\\,y\", \"p,q\" }",
            "{ {a}, {}, {b} }",
            "{ , a,, }",
            "",
            "\n\n  next line",
            "{ a\\}, b }",
            "{ {1, 2}, {3",
            "\"lone",
            "\\",
            "{ {x\\}y} }",
        };
        return Pick(kValues);
    }

    std::string Header() {
        switch (Below(7)) {
        case 0:
            return "[" + Name() + ", " + Name() + "]";
        case 1:
            return "[" + Name() + ",\n  " + Name() + "]";
        case 2:
            return "[ " + Name() + " ]";
        case 3:
            return "[" + Name() + "X]";
        case 4:
            return "[" + Name();
        case 5:
            return "  [" + Name() + "] tail";
        default:
            return "[" + Name() + "]";
        }
    }

    std::string Entry() {
        std::string keyword = Keyword();
        switch (Below(8)) {
        case 0:
            return keyword + "=" + Value();
        case 1:
            return keyword + "\n  = " + Value();
        case 2:
            return keyword + " " + Value();
        case 3:
            return keyword;
        case 4:
            return "  " + keyword + "\t= " + Value();
        case 5:
            return keyword + "X = " + Value();
        default:
            return keyword + " = " + Value();
        }
    }

    std::string Other() {
        static const char *const kOthers[] = {"",      "; comment K = 1", "\"K = 1\"", "{ 1, 2 }",
                                              "}",     "   \t  ",         "= 3",       "K 2 = 7",
                                              "k = 1", "\\K = 1"};
        return Pick(kOthers);
    }

    std::string Line() {
        switch (Below(10)) {
        case 0:
            return Header();
        case 1:
        case 2:
            return Other();
        default:
            return Entry();
        }
    }

    std::mt19937 random_;
};

const char *const kSections[] = {nullptr, "",  "VERSION",  "KAVELIN", "MARROWEL", "TUNING",
                                 "S",     "T", "KAVELINX", "KAV",     "S ]"};

const char *const kKeywords[] = {"VERSION",       "K",  "K2",  "APP_MIN_1", "APP_MIN_12", "TV", "TV_CP",
                                 "BUTTON_A_USER", "",   "K =", "K 2",       "=",          ";K", "[K",
                                 "\"K",           "{K", "k",   "K\tX",      "APP_MIN_",   "X",  "\\K"};

TEST(TextIndex, AgreesWithTheScannerOnGeneratedTexts) {
    const uint32_t kTexts = 400;
    for (uint32_t seed = 1; seed <= kTexts; ++seed) {
        TextGenerator generator(seed);
        std::string text = asText(generator.File());
        // The index reads a copy that ends right after the text's first NUL:
        // the sanitizer build then catches any step past it, and the scanner,
        // which sees the bytes after a stray NUL, must still agree.
        size_t length = std::strlen(text.c_str());
        std::unique_ptr<char[]> shortest(new char[length + 1]);
        std::memcpy(shortest.get(), text.c_str(), length + 1);
        TlTextIndex *index = TlIndexCreate(shortest.get());
        ASSERT_NE(index, nullptr);
        bool same = true;
        // Twice, in opposite orders, so that remembered sections and keyword
        // tables are reused from other starting points.
        for (const char *section : kSections) {
            for (const char *keyword : kKeywords)
                same = same && SameAsScanner(index, text, section, keyword);
        }
        for (size_t s = std::size(kSections); s-- > 0;) {
            for (size_t k = std::size(kKeywords); k-- > 0;) {
                same = same && SameAsScanner(index, text, kSections[s], kKeywords[k]);
            }
        }
        TlIndexFree(index);
        if (!same) FAIL() << "generated text " << seed;
    }
}

struct FallbackCase {
    const char *name;
    const char *file;
    const char *section;
    const char *keyword;
    int found;
    Groups groups;
};

// Cases where a keyword's first line has no "=", so TlFindKeyword leaves the
// common chain of lines, and keywords that cannot be a line's token.
const FallbackCase kFallbackCases[] = {
    {"whitespace reaches the next keyword line", "[S]\nK\nK = 1\nK = 2\n", "S", "K", 1, {{"2"}}},
    {"whitespace reaches the next header", "[S]\nK\n[T]\nK = 9\n", "S", "K", 1, {{"9"}}},
    {"= after blank lines", "[S]\nK \n\n  = 5\n", "S", "K", 1, {{"5"}}},
    {"word before =", "[S]\nK x\nK = 2\n", "S", "K", 1, {{"2"}}},
    {"keyword at the end of the text", "[S]\nK", "S", "K", 0, {}},
    {"keyword holding a blank", "[S]\nK 2 = 7\n", "S", "K 2", 1, {{"7"}}},
    {"prefix of a keyword holding a blank", "[S]\nK 2 = 7\n", "S", "K", 0, {}},
    {"empty keyword", "= 3\n", nullptr, "", 1, {{"3"}}},
    {"keyword holding =", "[S]\nK = =1\n", "S", "K =", 1, {{"1"}}},
    {"names of one header share a start", "[A, B]\nK = 1\n", "B", "K", 1, {{"1"}}},
    {"missing section", "[A]\nK = 1\n", "B", "K", 0, {}},
};

class FallbackTest : public testing::TestWithParam<FallbackCase> {};

TEST_P(FallbackTest, IndexAndScannerGiveTheSameValue) {
    const FallbackCase &c = GetParam();
    std::string text = asText(c.file);
    TlTextIndex *index = TlIndexCreate(text.c_str());
    ASSERT_NE(index, nullptr);
    // Other lookups first, so that the tables already exist.
    TlValue value{0, nullptr};
    for (const char *section : {c.section, "A"}) {
        TlIndexFindEntry(index, "J", section, &value);
        TlFreeValue(&value);
    }
    EXPECT_EQ(TlIndexFindEntry(index, c.keyword, c.section, &value), c.found);
    EXPECT_EQ(toGroups(value), c.groups);
    TlFreeValue(&value);
    EXPECT_TRUE(SameAsScanner(index, text, c.section, c.keyword));
    TlIndexFree(index);
}

INSTANTIATE_TEST_SUITE_P(TextIndex, FallbackTest, testing::ValuesIn(kFallbackCases),
                         [](const auto &info) { return testfiles::caseName(info.param.name); });

TEST(TextIndex, NullArgumentsFindNothing) {
    EXPECT_EQ(TlIndexCreate(nullptr), nullptr);
    std::string text = asText("K = 1\n");
    TlTextIndex *index = TlIndexCreate(text.c_str());
    ASSERT_NE(index, nullptr);
    TlValue value{0, nullptr};
    EXPECT_EQ(TlIndexFindEntry(nullptr, "K", nullptr, &value), 0);
    EXPECT_EQ(TlIndexFindEntry(index, nullptr, nullptr, &value), 0);
    EXPECT_EQ(TlIndexFindEntry(index, "K", nullptr, nullptr), 0);
    EXPECT_EQ(value.groups, nullptr);
    TlIndexFree(index);
    TlIndexFree(nullptr);
}

} // namespace
