// The document: the new record, opening and normalising files, snapshots and
// the change test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "axismap.h"
#include "document.h"
#include "sample_paths.h"
#include "scoped_config.h"
#include "scratch_folder.h"
#include "screen_values.h"

using namespace model;

namespace {

void ExpectNullRegion(const TlNullRegion &r, float negMax, float negMin, float posMin, float posMax,
                      const char *what) {
    EXPECT_FLOAT_EQ(r.negMax, negMax) << what;
    EXPECT_FLOAT_EQ(r.negMin, negMin) << what;
    EXPECT_FLOAT_EQ(r.posMin, posMin) << what;
    EXPECT_FLOAT_EQ(r.posMax, posMax) << what;
}

// The values every editable document has, whichever way it was made.
void ExpectFixedKavelinValues(const TlConfig &cfg) {
    EXPECT_EQ(cfg.versionMajor, 5);
    EXPECT_EQ(cfg.versionMinor, 0);
    EXPECT_EQ(cfg.applicationNumberMajor, 4);
    EXPECT_EQ(cfg.applicationNumberMinor, 8);
    EXPECT_EQ(cfg.platform, TL_PLATFORM_WINDOWS);
    EXPECT_EQ(cfg.devicePresent[TL_KAVELIN], 1);
    ExpectNullRegion(cfg.nullRegionDflt[kKavelin][6], -1, 0, 0, 1, "button curve DFLT");
    ExpectNullRegion(cfg.nullRegionUser[kKavelin][6], -1, 0, 0, 1, "button curve USER");
    const float last[3] = {0.7f, 1.0f, 2.0f};
    for (int level = 0; level < 3; ++level)
        for (int copy : {level, level + 3})
            for (int v = 0; v < TL_SENS_VALUES; ++v)
                EXPECT_FLOAT_EQ(cfg.sensitivity[copy][kKavelin][v], v == 6 ? last[level] : 1.0f) << copy << v;
}

// The values a new document and a file opened outside internal-use mode share.
void ExpectEditorDefaults(const TlConfig &cfg) {
    ExpectFixedKavelinValues(cfg);
    EXPECT_EQ(cfg.level, TL_LEVEL_INTERMEDIATE);
    EXPECT_STREQ(cfg.driverType, "");
    EXPECT_EQ(cfg.hideFile, 0);
    EXPECT_EQ(cfg.copyFileCount, 0);
    ASSERT_NE(cfg.commandLine, nullptr);
    EXPECT_STREQ(cfg.commandLine, "");
    EXPECT_EQ(cfg.showInstructions, TL_SHOW_FALSE);
    for (int i = 0; i < TL_AXES; ++i) {
        EXPECT_FLOAT_EQ(cfg.appMin[i], -0.5f);
        EXPECT_FLOAT_EQ(cfg.appMax[i], 0.5f);
    }
    for (int set = 0; set < TL_SETS; ++set) EXPECT_EQ(cfg.highPassFilter[set], 0x18) << set;
    EXPECT_EQ(cfg.buttonMaskCount + cfg.buttonNumberCount + cfg.buttonCharacterCount, 0);
    EXPECT_EQ(cfg.devicePresent[TL_MARROWEL], 0);
    EXPECT_EQ(cfg.devicePresent[TL_TELVAR_CONTROLLER], 0);
    for (int slot = 0; slot < TL_BUTTON_SLOTS; ++slot) {
        for (const TlButtonMap &b : {cfg.buttonDflt[kKavelin][slot], cfg.buttonUser[kKavelin][slot]}) {
            EXPECT_EQ(b.source, TL_SOURCE_UNDEFINED) << slot;
            EXPECT_EQ(b.index, 0);
            EXPECT_EQ(b.function, 0);
            EXPECT_EQ(b.rate, 0);
        }
    }
    EXPECT_EQ(cfg.samplingFrequency[kKavelin], 14);
    for (int c = 0; c < TL_CURVES; ++c) EXPECT_EQ(cfg.curveGiven[kKavelin][c], 0) << c;
}

// What Save does to a document nobody touched: the screens shown for it,
// every slider in use, applied again.
void ApplyUntouchedScreens(TlConfig &cfg) {
    ScreenValues screens = ScreenValuesFromConfig(cfg, kDefaultInstructions);
    screens.scalarEnabled.fill(true);
    screens.deadZoneEnabled.fill(true);
    ASSERT_TRUE(ApplyScreenValues(screens, cfg));
}

class Document : public ::testing::Test {
  protected:
    void SetUp() override { ResetDocumentRecord(doc.get()); }
    ScopedConfig doc;
    Snapshot saved = NewDocumentSnapshot();
};

} // namespace

TEST_F(Document, NewRecordHoldsTheEditorsValues) {
    ExpectEditorDefaults(doc.get());
    EXPECT_EQ(doc->customCount, 0);
    EXPECT_EQ(doc->executableCount, 0);
}

TEST_F(Document, NewRecordStartsFromScratch) {
    ScopedConfig other;
    ASSERT_EQ(TlReadConfigFile(&other.get(), WinSample("harbor3d.kcg").c_str()), 0);
    ResetDocumentRecord(other.get());
    ExpectEditorDefaults(other.get());
    EXPECT_EQ(other->executableCount, 0);
    EXPECT_EQ(other->instructionCount, 0);
    EXPECT_STREQ(other->applicationName, "");
}

TEST_F(Document, NewDocumentWritesAndReadsBack) {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions);
    screens.gameTitle = "Demo Game";
    screens.executables = {"demo.exe"};
    ASSERT_TRUE(ApplyScreenValues(screens, doc.get()));
    ScratchFolder folder;
    const std::string path = folder.File("demo.kcg");
    ASSERT_EQ(TlWriteConfigFile(&doc.get(), path.c_str()), 0);

    ScopedConfig read;
    ASSERT_EQ(TlReadConfigFile(&read.get(), path.c_str()), 0);
    EXPECT_STREQ(read->applicationName, "Demo Game");
    EXPECT_EQ(read->owner, TL_OWNER_OEM);
    EXPECT_EQ(read->showInstructions, TL_SHOW_NEVER);
    EXPECT_EQ(read->orientation, TL_VERTICAL);
    EXPECT_STREQ(read->axisMapHrzUser[kKavelin].letters, "------");
    EXPECT_EQ(read->level, TL_LEVEL_INTERMEDIATE);
    ExpectFixedKavelinValues(read.get());
    for (int c = 0; c < TL_CURVES; ++c) EXPECT_EQ(read->curveGiven[kKavelin][c], 0) << c;
}

TEST_F(Document, NewDocumentIsUnchangedUntilEdited) {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions);
    ApplyScreenValues(screens, doc.get()); // sliders of unused rows are disabled
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, saved));

    screens.scalarEnabled.fill(true);
    screens.deadZoneEnabled.fill(true);
    ApplyScreenValues(screens, doc.get());
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, saved));

    screens.scalarPos[3] = 51;
    ApplyScreenValues(screens, doc.get());
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), screens.rows, saved));

    screens = NewDocumentScreens(false, kDefaultInstructions);
    screens.deadZonePos[0] = 1;
    screens.deadZoneEnabled[0] = true;
    ApplyScreenValues(screens, doc.get());
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), screens.rows, saved));

    screens = NewDocumentScreens(false, kDefaultInstructions);
    ApplyScreenValues(screens, doc.get());
    AxisRows rows = screens.rows;
    rows.invert[5] = 1; // an inverted unmapped row still differs from what was saved
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), rows, saved));
    rows = screens.rows;
    rows.axis[2] = 0;
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), rows, saved));
}

TEST_F(Document, QuorvaneFileOpensAsAnUntitledOemFile) {
    ASSERT_EQ(LoadDocument(WinSample("tidewatr.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    ExpectEditorDefaults(doc.get());
    EXPECT_EQ(doc->owner, TL_OWNER_OEM);
    EXPECT_STREQ(doc->applicationName, "");
    EXPECT_EQ(doc->executableCount, 0);
    EXPECT_EQ(doc->fileRevisionMajor, 1);
    EXPECT_EQ(doc->fileRevisionMinor, 0);
    EXPECT_EQ(doc->orientation, TL_VERTICAL);
    // What the editor edits stays as the file had it.
    EXPECT_STREQ(doc->motionLabelPos[0], "Bank Right");
    EXPECT_EQ(doc->instructionCount, 4);
    EXPECT_STREQ(doc->axisMapHrzUser[kKavelin].letters, "RxYZu-");
    EXPECT_FLOAT_EQ(doc->tuningScalars[kKavelin][2], 0.29f);
    // Outer dead-zone limits are opened up; DFLT takes the USER dead zone.
    ExpectNullRegion(doc->nullRegionUser[kKavelin][3], -1, -0.05f, 0.05f, 1, "row 4 USER");
    ExpectNullRegion(doc->nullRegionDflt[kKavelin][3], -1, -0.05f, 0.05f, 1, "row 4 DFLT");

    const ScreenValues shown = ScreenValuesFromConfig(doc.get(), kDefaultInstructions);
    EXPECT_EQ(shown.gameTitle, "");
    EXPECT_TRUE(shown.executables.empty());
    EXPECT_EQ(RevisionText(shown.revMajor, shown.revMinor), "1.0");
    EXPECT_EQ(shown.orientation, 1);
    EXPECT_EQ(shown.owner, "OEM");
}

TEST_F(Document, OemFileKeepsItsIdentity) {
    ASSERT_EQ(LoadDocument(WinSample("harbor3d.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    ExpectEditorDefaults(doc.get());
    EXPECT_STREQ(doc->applicationName, "Harbor Patrol 3D");
    ASSERT_EQ(doc->executableCount, 2);
    EXPECT_STREQ(doc->executables[1], "hp3dcfg.exe");
    EXPECT_EQ(doc->fileRevisionMajor, 2);
    EXPECT_EQ(doc->fileRevisionMinor, 3);
    EXPECT_EQ(doc->orientation, TL_HORIZONTAL);
    EXPECT_EQ(doc->instructionCount, 3);

    ApplyUntouchedScreens(doc.get());
    ScratchFolder folder;
    const std::string path = folder.File("harbor.kcg");
    ASSERT_EQ(TlWriteConfigFile(&doc.get(), path.c_str()), 0);
    ScopedConfig read;
    ASSERT_EQ(TlReadConfigFile(&read.get(), path.c_str()), 0);
    EXPECT_EQ(read->owner, TL_OWNER_OEM);
    EXPECT_EQ(read->level, TL_LEVEL_INTERMEDIATE);
    EXPECT_EQ(read->showInstructions, TL_SHOW_NEVER);
    EXPECT_STREQ(read->applicationName, "Harbor Patrol 3D");
    ExpectFixedKavelinValues(read.get());
}

TEST_F(Document, InternalModeKeepsTheFileAsItIs) {
    ASSERT_EQ(LoadDocument(DosSample("cavernrn.kcg").c_str(), true, doc.get(), saved), LoadResult::kLoaded);
    ExpectFixedKavelinValues(doc.get()); // a DOS file becomes a Windows one in every mode
    EXPECT_EQ(doc->owner, TL_OWNER_QUORVANE);
    EXPECT_EQ(doc->level, TL_LEVEL_BEGINNER);
    EXPECT_STREQ(doc->driverType, "KAVELIN");
    EXPECT_STREQ(doc->applicationName, "Cavern Runner");
    EXPECT_STREQ(doc->commandLine, "/joy");
    EXPECT_EQ(doc->buttonNumberCount, 2);
    EXPECT_EQ(doc->buttonDflt[kKavelin][0].source, TL_SOURCE_NUMBER);
    for (int i = 0; i < kRows; ++i) {
        const TlNullRegion &d = doc->nullRegionDflt[kKavelin][i], &u = doc->nullRegionUser[kKavelin][i];
        EXPECT_TRUE(d.negMax == u.negMax && d.negMin == u.negMin && d.posMin == u.posMin && d.posMax == u.posMax);
    }

    ASSERT_EQ(LoadDocument(WinSample("nebulanc.kcg").c_str(), true, doc.get(), saved), LoadResult::kLoaded);
    EXPECT_EQ(doc->devicePresent[TL_MARROWEL], 1);
    EXPECT_EQ(doc->level, TL_LEVEL_EXPERT);
    ASSERT_EQ(LoadDocument(WinSample("nebulanc.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    EXPECT_EQ(doc->devicePresent[TL_MARROWEL], 0);
}

TEST_F(Document, FilesThatCannotBeEditedLeaveTheDocumentAlone) {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions);
    screens.gameTitle = "Keep Me";
    ApplyScreenValues(screens, doc.get());
    const Snapshot before = saved;
    ScratchFolder folder;
    const struct {
        std::string path;
        bool internal;
        LoadResult result;
    } cases[] = {
        {DosSample("skyhook.kcg"), false, LoadResult::kNotWindows},
        {WinSample("damaged.kcg"), false, LoadResult::kReadFailed},
        {WinSample("damaged.kcg"), true, LoadResult::kReadFailed},
        {folder.File("missing.kcg"), false, LoadResult::kReadFailed},
        {folder.path(), false, LoadResult::kReadFailed},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LoadDocument(c.path.c_str(), c.internal, doc.get(), saved), c.result) << c.path;
        EXPECT_STREQ(doc->applicationName, "Keep Me") << c.path;
        EXPECT_EQ(saved.scalarPos, before.scalarPos);
    }
    EXPECT_EQ(LoadDocument(nullptr, false, doc.get(), saved), LoadResult::kReadFailed);
}

TEST_F(Document, OpenedFileIsUnchangedUntilEdited) {
    ASSERT_EQ(LoadDocument(WinSample("tidewatr.kcg").c_str(), false, doc.get(), saved), LoadResult::kLoaded);
    EXPECT_EQ(saved.rows, RowsFromMap(doc->axisMapHrzUser[kKavelin]));
    EXPECT_EQ(saved.scalarPos, (RowInts{75, 75, 29, 125, 50, 100}));
    EXPECT_EQ(saved.deadZonePos, (RowInts{10, 10, 29, 5, 0, 0}));

    ScreenValues screens = ScreenValuesFromConfig(doc.get(), kDefaultInstructions);
    EXPECT_EQ(screens.scalarPos, saved.scalarPos);
    screens.scalarEnabled.fill(true);
    screens.deadZoneEnabled.fill(true);
    ApplyScreenValues(screens, doc.get());
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), screens.rows, saved));

    // Row 6 is unmapped; with its scalar slider disabled it stores 0.5, not
    // the file's 1.00, and so the document has changed.
    screens.scalarEnabled[5] = false;
    ApplyScreenValues(screens, doc.get());
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), screens.rows, saved));
}

TEST_F(Document, SnapshotOfAWriteTakesTheScreensRows) {
    const AxisRows rows{{5, 4, 3, 2, 1, 0}, {0, 0, 1, 1, 0, 0}};
    const Snapshot taken = TakeSnapshot(doc.get(), rows);
    EXPECT_EQ(taken.rows, rows);
    EXPECT_FALSE(DiffersFromSnapshot(doc.get(), rows, taken));
    EXPECT_TRUE(DiffersFromSnapshot(doc.get(), UnmappedRows(), taken));
}

TEST(MoveConfig, DerivedPointersFollowTheRecord) {
    ScopedConfig from, to;
    ASSERT_EQ(TlReadConfigFile(&from.get(), WinSample("tidewatr.kcg").c_str()), 0);
    ASSERT_EQ(TlReadConfigFile(&to.get(), WinSample("harbor3d.kcg").c_str()), 0); // released by the move
    MoveConfig(to.get(), from.get());
    EXPECT_STREQ(to->applicationName, "Tidewater Frontier");
    EXPECT_EQ(to->currentAxisMap[kKavelin], &to->axisMapHrzUser[kKavelin]);
    EXPECT_EQ(to->currentSensitivity[kKavelin], to->sensitivity[TL_SET_INT_USER][kKavelin]);
    EXPECT_FLOAT_EQ(to->currentSensitivity[kKavelin][3], 1.2f);
    EXPECT_EQ(to->executableCount, 2);
    EXPECT_EQ(from->executableCount, 0);
    EXPECT_EQ(from->owner, TL_OWNER_NONE);

    MoveConfig(to.get(), to.get());
    EXPECT_STREQ(to->applicationName, "Tidewater Frontier");
}
