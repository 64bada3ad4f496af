// The document: the new record, opening and normalising files, writing, and
// the change test. What a document writes is compared with golden files.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "document.h"
#include "sample_paths.h"
#include "scoped_config.h"
#include "test_support.h"

using namespace model;

namespace {

std::string DefaultInstructions() {
    return "Instructions for [Game]";
}

// A document as the screens leave it: every slider in use.
void UseAllRows(Document &doc) {
    doc.Values().scalarEnabled.fill(true);
    doc.Values().deadZoneEnabled.fill(true);
}

} // namespace

TEST(Document, NewAndOpenedDocumentsWriteTheirGoldenFiles) {
    // Nebula Lancers with its second device's section given to a third too.
    kcgtest::TempFolder folder;
    std::string devices = kcgtest::ReadBytes(WinSample("nebulanc.kcg"));
    devices += "\r\n[TELVAR_CONTROLLER]" + devices.substr(devices.find("[MARROWEL]") + 10);
    kcgtest::WriteBytes(folder.File("devices.kcg"), devices);
    const struct {
        std::string path; // "" for a new document
        bool internal;
        const char *golden;
    } cases[] = {
        {"", false, "new.kcg"}, // whatever the record held before
        {folder.File("devices.kcg"), false, "opened_quorvane.kcg"},
        {WinSample("harbor3d.kcg"), false, "opened_oem.kcg"},
        {WinSample("nebulanc.kcg"), true, "opened_internal.kcg"},
        {DosSample("cavernrn.kcg"), true, "opened_internal_dos.kcg"},
    };
    for (const auto &c : cases) {
        Document doc(c.internal);
        UseAllRows(doc);
        ASSERT_EQ(doc.Load(WinSample("nebulanc.kcg"), DefaultInstructions), LoadResult::kLoaded);
        if (c.path.empty())
            doc.New(DefaultInstructions);
        else
            ASSERT_EQ(doc.Load(c.path, DefaultInstructions), LoadResult::kLoaded) << c.path;
        EXPECT_FALSE(doc.Changed()) << c.golden;
        for (int i = 0; i < kRows; ++i) // DFLT takes the USER dead zones, which a write hides
            EXPECT_EQ(std::memcmp(&doc.Record().nullRegionDflt[kKavelin][i],
                                  &doc.Record().nullRegionUser[kKavelin][i], sizeof(TlNullRegion)),
                      0)
                << c.golden << i;
        ASSERT_TRUE(doc.Write(folder.File("doc.kcg"), true)) << c.golden;
        EXPECT_EQ(kcgtest::WrittenText(doc.Record()),
                  kcgtest::ReadBytes(kcgtest::DataFile("model/") + c.golden));
        // What the file does not show.
        const TlConfig &cfg = doc.Record();
        EXPECT_EQ(cfg.versionMajor * 10 + cfg.versionMinor, 50) << c.golden;
        EXPECT_EQ(cfg.applicationNumberMajor * 10 + cfg.applicationNumberMinor, 48) << c.golden;
        if (!c.internal) {
            EXPECT_STREQ(cfg.commandLine, "") << c.golden;
        }
    }
}

TEST(Document, OnlyASuccessfulSavingWriteTakesTheValuesAsSaved) {
    Document doc(false);
    doc.SetName(NameOfPath("C:\\a.kcg"));
    doc.New(DefaultInstructions);
    EXPECT_FALSE(doc.Name().hasFileName);
    doc.Values().gameTitle = "Demo Game";
    kcgtest::TempFolder folder;
    EXPECT_FALSE(doc.Write(folder.File("missing/doc.kcg"), true));
    EXPECT_TRUE(doc.Changed());
    EXPECT_STREQ(doc.Record().applicationName, "Demo Game") << "the record holds the screens all the same";
    EXPECT_TRUE(doc.Write(folder.File("test.kcg"), false)); // the Test command's write
    EXPECT_TRUE(doc.Changed());
    EXPECT_TRUE(doc.Write(folder.File("doc.kcg"), true));
    EXPECT_FALSE(doc.Changed());
}

TEST(Document, ChangedMeansTheWrittenFileWouldDiffer) {
    Document doc(false);
    UseAllRows(doc); // which rows are in use outlasts New
    doc.New(DefaultInstructions);
    const struct {
        const char *what;
        std::function<void(ScreenValues &)> edit;
        bool changed;
    } cases[] = {
        {"title past 255 characters", [](ScreenValues &v) { v.gameTitle.resize(300, 'x'); }, true},
        {"label past 63 characters", [](ScreenValues &v) { v.labelNeg[5] = std::string(64, 'y'); }, true},
        {"executables", [](ScreenValues &v) { v.executables = {"a.exe"}; }, true},
        {"instructions included", [](ScreenValues &v) { v.includeInstructions = true; }, true},
        {"instructions not included", [](ScreenValues &v) { v.instructions = "other"; }, false},
        {"revision", [](ScreenValues &v) { v.revMinor = 1; }, true},
        {"owner text meaning OEM", [](ScreenValues &v) { v.owner = ""; }, false},
        {"owner", [](ScreenValues &v) { v.owner = "USER"; }, true},
        {"orientation", [](ScreenValues &v) { v.orientation = 0; }, true},
        {"axis", [](ScreenValues &v) { v.rows.axis[3] = 2; }, true},
        {"inversion", [](ScreenValues &v) { v.rows.axis[3] = 2, v.rows.invert[3] = 1; }, true},
        {"inversion of an unmapped row", [](ScreenValues &v) { v.rows.invert[5] = 1; }, false},
        {"scalar", [](ScreenValues &v) { v.scalarPos[1] = 51; }, true},
        {"dead zone", [](ScreenValues &v) { v.deadZonePos[4] = 1; }, true},
        {"scalar of a row not in use",
         [](ScreenValues &v) { v.scalarPos[1] = 80, v.scalarEnabled[1] = false; }, false},
        {"dead zone of a row not in use",
         [](ScreenValues &v) { v.deadZonePos[2] = 80, v.deadZoneEnabled[2] = false; }, false},
    };
    const ScreenValues saved = doc.Values();
    for (const auto &c : cases) {
        doc.Values() = saved;
        c.edit(doc.Values());
        EXPECT_EQ(doc.Changed(), c.changed) << c.what;
    }
}

TEST(Document, FilesThatCannotBeEditedLeaveTheDocumentAlone) {
    const struct {
        std::string path;
        bool internal;
        LoadResult result;
    } cases[] = {
        {DosSample("skyhook.kcg"), false, LoadResult::kNotWindows},
        {WinSample("damaged.kcg"), true, LoadResult::kReadFailed},
    };
    for (const auto &c : cases) {
        Document doc(c.internal);
        doc.New(DefaultInstructions);
        doc.Values().gameTitle = "Keep Me";
        EXPECT_EQ(doc.Load(c.path, DefaultInstructions), c.result) << c.path;
        EXPECT_EQ(doc.Values().gameTitle, "Keep Me") << c.path;
        EXPECT_TRUE(doc.Changed()) << c.path;
    }
}

TEST(MoveConfig, DerivedPointersFollowTheRecord) {
    ScopedConfig from, to;
    ASSERT_EQ(TlReadConfigFile(&from.get(), WinSample("tidewatr.kcg").c_str()), 0);
    ASSERT_EQ(TlReadConfigFile(&to.get(), WinSample("harbor3d.kcg").c_str()), 0); // released by the move
    MoveConfig(to.get(), from.get());
    EXPECT_STREQ(to->applicationName, "Tidewater Frontier");
    EXPECT_EQ(to->currentAxisMap[kKavelin], &to->axisMapHrzUser[kKavelin]);
    EXPECT_EQ(to->currentSensitivity[kKavelin], to->sensitivity[TL_SET_INT_USER][kKavelin]);
    EXPECT_EQ(from->executableCount, 0);
    EXPECT_EQ(from->owner, TL_OWNER_NONE);
    MoveConfig(to.get(), to.get());
    EXPECT_EQ(to->executableCount, 2);
}
