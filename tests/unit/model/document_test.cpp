// The document: the new record, opening and normalising files, snapshots and
// the change test.
#include <gtest/gtest.h>

#include <string>

#include "axismap.h"
#include "document.h"
#include "sample_paths.h"
#include "scoped_config.h"
#include "scratch_folder.h"
#include "screen_values.h"

using namespace model;

namespace {

void ExpectNullRegion(const TlNullRegion &r, float negMax, float negMin, float posMin, float posMax) {
    EXPECT_FLOAT_EQ(r.negMax, negMax);
    EXPECT_FLOAT_EQ(r.negMin, negMin);
    EXPECT_FLOAT_EQ(r.posMin, posMin);
    EXPECT_FLOAT_EQ(r.posMax, posMax);
}

// What every editable document holds, in every mode.
void ExpectFixedValues(const TlConfig &cfg) {
    EXPECT_EQ(cfg.versionMajor * 10 + cfg.versionMinor, 50);
    EXPECT_EQ(cfg.applicationNumberMajor * 10 + cfg.applicationNumberMinor, 48);
    EXPECT_EQ(cfg.platform, TL_PLATFORM_WINDOWS);
    EXPECT_EQ(cfg.devicePresent[TL_KAVELIN], 1);
    ExpectNullRegion(cfg.nullRegionDflt[kKavelin][6], -1, 0, 0, 1);
    ExpectNullRegion(cfg.nullRegionUser[kKavelin][6], -1, 0, 0, 1);
    const float last[3] = {0.7f, 1.0f, 2.0f};
    for (int set = 0; set < TL_SETS; ++set)
        for (int v = 0; v < TL_SENS_VALUES; ++v)
            EXPECT_FLOAT_EQ(cfg.sensitivity[set][kKavelin][v], v == 6 ? last[set % 3] : 1.0f) << set << v;
}

// What a new document and a file opened outside internal-use mode share.
void ExpectEditorDefaults(const TlConfig &cfg) {
    ExpectFixedValues(cfg);
    EXPECT_EQ(cfg.level, TL_LEVEL_INTERMEDIATE);
    EXPECT_STREQ(cfg.driverType, "");
    EXPECT_EQ(cfg.hideFile, 0);
    EXPECT_EQ(cfg.copyFileCount, 0);
    ASSERT_NE(cfg.commandLine, nullptr);
    EXPECT_STREQ(cfg.commandLine, "");
    EXPECT_EQ(cfg.showInstructions, TL_SHOW_FALSE);
    for (int i = 0; i < TL_AXES; ++i)
        EXPECT_TRUE(cfg.appMin[i] == -0.5f && cfg.appMax[i] == 0.5f) << i;
    for (int set = 0; set < TL_SETS; ++set)
        EXPECT_EQ(cfg.highPassFilter[set], 0x18) << set;
    EXPECT_EQ(cfg.buttonMaskCount + cfg.buttonNumberCount + cfg.buttonCharacterCount, 0);
    EXPECT_EQ(cfg.devicePresent[TL_MARROWEL] + cfg.devicePresent[TL_TELVAR_CONTROLLER], 0);
    for (int slot = 0; slot < TL_BUTTON_SLOTS; ++slot)
        for (const TlButtonMap &b : {cfg.buttonDflt[kKavelin][slot], cfg.buttonUser[kKavelin][slot]})
            EXPECT_TRUE(b.source == TL_SOURCE_UNDEFINED && b.index == 0 && b.function == 0 && b.rate == 0)
                << slot;
    EXPECT_EQ(cfg.samplingFrequency[kKavelin], 14);
    for (int c = 0; c < TL_CURVES; ++c)
        EXPECT_EQ(cfg.curveGiven[kKavelin][c], 0) << c;
}

// Writes cfg and reads it back into read.
void WriteAndRead(const TlConfig &cfg, ScopedConfig &read) {
    ScratchFolder folder;
    const std::string path = folder.File("doc.kcg");
    ASSERT_EQ(TlWriteConfigFile(&cfg, path.c_str()), 0);
    ASSERT_EQ(TlReadConfigFile(&read.get(), path.c_str()), 0);
}

class Document : public ::testing::Test {
  protected:
    void SetUp() override { ResetDocumentRecord(doc.get()); }
    // The screens shown for the document, every slider in use.
    ScreenValues Shown() const {
        ScreenValues screens = ScreenValuesFromConfig(doc.get(), kDefaultInstructions);
        screens.scalarEnabled.fill(true);
        screens.deadZoneEnabled.fill(true);
        return screens;
    }
    ScopedConfig doc;
    Snapshot saved = NewDocumentSnapshot();
};

} // namespace

TEST_F(Document, NewRecordHoldsTheEditorsValuesWhateverItHeldBefore) {
    ExpectEditorDefaults(doc.get());
    TlFreeConfig(&doc.get());
    ASSERT_EQ(TlReadConfigFile(&doc.get(), WinSample("harbor3d.kcg").c_str()), 0);
    ResetDocumentRecord(doc.get());
    ExpectEditorDefaults(doc.get());
    EXPECT_EQ(doc->executableCount + doc->instructionCount + doc->customCount, 0);
    EXPECT_STREQ(doc->applicationName, "");
}

TEST_F(Document, NewDocumentWritesAndReadsBack) {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions);
    screens.gameTitle = "Demo Game";
    ASSERT_TRUE(ApplyScreenValues(screens, doc.get()));
    ScopedConfig read;
    WriteAndRead(doc.get(), read);
    EXPECT_STREQ(read->applicationName, "Demo Game");
    EXPECT_EQ(read->owner, TL_OWNER_OEM);
    EXPECT_EQ(read->showInstructions, TL_SHOW_NEVER);
    EXPECT_EQ(read->orientation, TL_VERTICAL);
    EXPECT_STREQ(read->axisMapHrzUser[kKavelin].letters, "------");
    ExpectFixedValues(read.get());
    for (int c = 0; c < TL_CURVES; ++c)
        EXPECT_EQ(read->curveGiven[kKavelin][c], 0) << c;
}

TEST_F(Document, NewDocumentIsUnchangedUntilEdited) {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions); // unused rows' sliders disabled
    ApplyScreenValues(screens, doc.get());
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
    screens = Shown();
    ApplyScreenValues(screens, doc.get());
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
    screens.rows.invert[5] = 1;
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
}

TEST_F(Document, QuorvaneFileOpensAsAnUntitledOemFileUnchangedUntilEdited) {
    ASSERT_EQ(LoadDocument(WinSample("tidewatr.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    ExpectEditorDefaults(doc.get());
    EXPECT_EQ(doc->owner, TL_OWNER_OEM);
    const ScreenValues shown = Shown();
    EXPECT_EQ(shown.gameTitle, "");
    EXPECT_TRUE(shown.executables.empty());
    EXPECT_EQ(RevisionText(shown.revMajor, shown.revMinor), "1.0");
    EXPECT_EQ(shown.orientation, 1);
    // What the editor edits stays as the file had it.
    EXPECT_EQ(shown.labelPos[0], "Bank Right");
    EXPECT_EQ(doc->instructionCount, 4);
    EXPECT_STREQ(doc->axisMapHrzUser[kKavelin].letters, "RxYZu-");
    // Outer dead-zone limits are opened up and DFLT takes the USER dead zone.
    ExpectNullRegion(doc->nullRegionUser[kKavelin][3], -1, -0.05f, 0.05f, 1);
    ExpectNullRegion(doc->nullRegionDflt[kKavelin][3], -1, -0.05f, 0.05f, 1);

    // Unchanged until edited.
    EXPECT_EQ(saved.rows, RowsFromMap(doc->axisMapHrzUser[kKavelin]));
    EXPECT_EQ(saved.scalarPos, (RowInts{75, 75, 29, 125, 50, 100}));
    EXPECT_EQ(saved.deadZonePos, (RowInts{10, 10, 29, 5, 0, 0}));
    ScreenValues screens = shown;
    ApplyScreenValues(screens, doc.get());
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
    screens.deadZonePos[2] = 30;
    ApplyScreenValues(screens, doc.get());
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
    screens.deadZonePos[2] = 29;
    // Row 6 is unmapped: with its scalar slider disabled it stores 0.5, not the file's 1.00.
    screens.scalarEnabled[5] = false;
    ApplyScreenValues(screens, doc.get());
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, TakeSnapshot(doc.get(), screens.rows)));
}

TEST_F(Document, OemFileKeepsItsIdentity) {
    ASSERT_EQ(LoadDocument(WinSample("harbor3d.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    ExpectEditorDefaults(doc.get());
    EXPECT_EQ(doc->executableCount, 2);
    EXPECT_EQ(doc->orientation, TL_HORIZONTAL);
    ASSERT_TRUE(ApplyScreenValues(Shown(), doc.get()));
    ScopedConfig read;
    WriteAndRead(doc.get(), read);
    EXPECT_STREQ(read->applicationName, "Harbor Patrol 3D");
    EXPECT_EQ(read->fileRevisionMajor * 10 + read->fileRevisionMinor, 23);
    EXPECT_EQ(read->owner, TL_OWNER_OEM);
    EXPECT_EQ(read->level, TL_LEVEL_INTERMEDIATE);
    EXPECT_EQ(read->showInstructions, TL_SHOW_NEVER);
    ExpectFixedValues(read.get());
}

TEST_F(Document, InternalModeKeepsTheFileAsItIs) {
    ASSERT_EQ(LoadDocument(DosSample("cavernrn.kcg").c_str(), true, doc.get(), saved), LoadResult::kLoaded);
    ExpectFixedValues(doc.get()); // a DOS file becomes a Windows one in every mode
    EXPECT_EQ(doc->owner, TL_OWNER_QUORVANE);
    EXPECT_EQ(doc->level, TL_LEVEL_BEGINNER);
    EXPECT_STREQ(doc->driverType, "KAVELIN");
    EXPECT_STREQ(doc->commandLine, "/joy");
    EXPECT_EQ(doc->buttonDflt[kKavelin][0].source, TL_SOURCE_NUMBER);
    const TlNullRegion &d = doc->nullRegionDflt[kKavelin][0], &u = doc->nullRegionUser[kKavelin][0];
    ExpectNullRegion(d, u.negMax, u.negMin, u.posMin, u.posMax);
    ASSERT_EQ(LoadDocument(WinSample("nebulanc.kcg").c_str(), true, doc.get(), saved), LoadResult::kLoaded);
    EXPECT_EQ(doc->devicePresent[TL_MARROWEL], 1);
    ASSERT_EQ(LoadDocument(WinSample("nebulanc.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    EXPECT_EQ(doc->devicePresent[TL_MARROWEL], 0);
}

TEST_F(Document, FilesThatCannotBeEditedLeaveTheDocumentAlone) {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions);
    screens.gameTitle = "Keep Me";
    ApplyScreenValues(screens, doc.get());
    ScratchFolder folder;
    const struct {
        std::string path;
        bool internal;
        LoadResult result;
    } cases[] = {
        {DosSample("skyhook.kcg"), false, LoadResult::kNotWindows},
        {WinSample("damaged.kcg"), true, LoadResult::kReadFailed},
        {folder.File("missing.kcg"), false, LoadResult::kReadFailed},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LoadDocument(c.path.c_str(), c.internal, doc.get(), saved), c.result) << c.path;
        EXPECT_STREQ(doc->applicationName, "Keep Me") << c.path;
        EXPECT_EQ(saved.scalarPos, NewDocumentSnapshot().scalarPos);
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
