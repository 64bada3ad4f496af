// Axis-map texts: letters of the rows, the vertical map, decoding.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "axismap.h"
#include "scoped_config.h"

using namespace model;

TEST(VerticalMap, EachHorizontalLetterHasItsVerticalLetter) {
    const struct {
        char horizontal, vertical;
    } cases[] = {{'X', 'X'}, {'x', 'x'}, {'R', 'R'}, {'r', 'r'}, {'Y', 'z'}, {'y', 'Z'}, {'Z', 'Y'},
                 {'z', 'y'}, {'U', 'v'}, {'u', 'V'}, {'V', 'U'}, {'v', 'u'}, {'-', '-'}, {'Q', '-'},
                 {'0', '-'}, {' ', '-'}, {'\0', '-'}};
    for (const auto &c : cases) EXPECT_EQ(VerticalLetter(c.horizontal), c.vertical) << "letter " << c.horizontal;
}

TEST(VerticalMap, DerivedLetterByLetter) {
    EXPECT_EQ(VerticalMapText("xYZRuV"), "xzYRVU");
    EXPECT_EQ(VerticalMapText("XYZRUV"), "XzYRvU"); // the format's two default maps
    EXPECT_EQ(VerticalMapText("Xz"), "Xy----");
    EXPECT_EQ(VerticalMapText(""), "------");
}

TEST(HorizontalMap, RowsWrittenAsLetters) {
    AxisRows rows{{0, 1, 2, 3, 4, 5}, {1, 0, 0, 0, 1, 0}};
    EXPECT_EQ(HorizontalMapText(rows), "xYZRuV");

    // Unmapped or impossible codes are written "-", inverted or not.
    rows = AxisRows{{kNoAxis, 6, 99, -7, 2, 3}, {1, 1, 0, 0, 1, 0}};
    EXPECT_EQ(HorizontalMapText(rows), "----zR");
    EXPECT_EQ(HorizontalMapText(UnmappedRows()), "------");
}

TEST(AxisMapRecord, SetDecodesAsTheReaderDoes) {
    TlAxisMap map;
    std::memset(&map, 0x5A, sizeof map);
    SetAxisMap(map, "Xz-q");
    EXPECT_STREQ(map.letters, "Xz----");
    const uint8_t axes[6] = {0, 2, TL_AXIS_NONE, TL_AXIS_NONE, TL_AXIS_NONE, TL_AXIS_NONE};
    const int32_t inverts[6] = {0, 1, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(map.axis[i], axes[i]) << i;
        EXPECT_EQ(map.invert[i], inverts[i]) << i;
    }
    const AxisRows rows = RowsFromMap(map);
    EXPECT_EQ(rows.axis, (RowInts{0, 2, kNoAxis, kNoAxis, kNoAxis, kNoAxis}));
    EXPECT_EQ(rows.invert, (RowInts{0, 1, 0, 0, 0, 0}));
}

TEST(AxisMapRecord, RowsAgreeWithTheReadersDecoding) {
    for (const char *text : {"XYZRUV", "xyzruv", "-yZ?uV", "Vr----", "------"}) {
        const std::string file = std::string("[VERSION]\nVERSION = 5.0\nAPPLICATION_NUMBER = 4.8\n"
                                             "FILE_REVISION_NUMBER = 1.0\n[IDENTIFICATION]\n"
                                             "APPLICATION_NAME = \"Map\"\nOWNER = OEM\nPLATFORM = WINDOWS\n"
                                             "[KAVELIN]\nAXIS_MAP_HRZ_USER = \"") +
                                 text + "\"\n";
        ScopedConfig read;
        ASSERT_EQ(TlReadConfigText(&read.get(), file.data(), file.size(), nullptr), 0) << text;
        TlAxisMap mine;
        SetAxisMap(mine, text);
        EXPECT_STREQ(mine.letters, read->axisMapHrzUser[kKavelin].letters) << text;
        EXPECT_EQ(RowsFromMap(mine), RowsFromMap(read->axisMapHrzUser[kKavelin])) << text;
    }
}
