// Axis-map texts: the rows' letters, the vertical map, decoding.
#include <gtest/gtest.h>

#include <string>

#include "axismap.h"
#include "scoped_config.h"

using namespace model;

TEST(AxisMap, VerticalLetterOfEachHorizontalLetter) {
    const std::string horizontal = "XxRrYyZzUuVv-Q0 ", vertical = "XxRrzZYyvVUu----";
    for (size_t i = 0; i < horizontal.size(); ++i)
        EXPECT_EQ(VerticalLetter(horizontal[i]), vertical[i]) << horizontal[i];
    EXPECT_EQ(VerticalMapText("Xz"), "Xy----");
}

TEST(AxisMap, RowsWrittenAsLettersUnmappedAsDash) {
    EXPECT_EQ(HorizontalMapText(AxisRows{{0, 1, 2, 3, 4, 5}, {1, 0, 0, 0, 1, 0}}), "xYZRuV");
    EXPECT_EQ(HorizontalMapText(AxisRows{{kNoAxis, 6, 99, -7, 2, 3}, {1, 1, 0, 0, 1, 0}}), "----zR");
}

TEST(AxisMap, DecodedAsTheReaderDecodes) {
    for (const char *text : {"XYZRUV", "xyzruv", "-yZ?uV", "Vr", "------"}) {
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
    TlAxisMap map;
    SetAxisMap(map, "-yZ?");
    EXPECT_EQ(RowsFromMap(map), (AxisRows{{kNoAxis, 1, 2, kNoAxis, kNoAxis, kNoAxis}, {0, 1, 0, 0, 0, 0}}));
}
