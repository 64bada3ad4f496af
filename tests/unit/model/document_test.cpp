// The document: the new record, opening and normalising files, writing, and
// the change test.
#include <gtest/gtest.h>

#include <functional>
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

const char kInstructions[] = "Instructions for [Game]";
std::string DefaultInstructions() {
    return kInstructions;
}

// A document as the screens leave it: every slider in use.
void UseAllRows(model::Document &doc) {
    doc.Values().scalarEnabled.fill(true);
    doc.Values().deadZoneEnabled.fill(true);
}

} // namespace

TEST(DocumentRecord, NewRecordHoldsTheEditorsValuesWhateverItHeldBefore) {
    ScopedConfig doc;
    ASSERT_EQ(TlReadConfigFile(&doc.get(), WinSample("harbor3d.kcg").c_str()), 0);
    ResetDocumentRecord(doc.get());
    ExpectEditorDefaults(doc.get());
    EXPECT_EQ(doc->executableCount + doc->instructionCount + doc->customCount, 0);
    EXPECT_STREQ(doc->applicationName, "");
}

TEST(Document, NewDocumentWritesAndReadsBackAndCountsAsSaved) {
    model::Document doc(false);
    doc.New(DefaultInstructions);
    EXPECT_FALSE(doc.Name().hasFileName);
    EXPECT_FALSE(doc.Changed());
    doc.Values().gameTitle = "Demo Game";
    EXPECT_TRUE(doc.Changed());
    ScratchFolder folder;
    ASSERT_TRUE(doc.Write(folder.File("doc.kcg"), true));
    EXPECT_FALSE(doc.Changed()) << "the written values are the saved ones";
    ScopedConfig read;
    ASSERT_EQ(TlReadConfigFile(&read.get(), folder.File("doc.kcg").c_str()), 0);
    EXPECT_STREQ(read->applicationName, "Demo Game");
    EXPECT_EQ(read->owner, TL_OWNER_OEM);
    EXPECT_EQ(read->showInstructions, TL_SHOW_NEVER);
    EXPECT_EQ(read->orientation, TL_VERTICAL);
    EXPECT_STREQ(read->axisMapHrzUser[kKavelin].letters, "------");
    ExpectFixedValues(read.get());
    for (int c = 0; c < TL_CURVES; ++c)
        EXPECT_EQ(read->curveGiven[kKavelin][c], 0) << c;
}

TEST(Document, AFailedWriteTakesNothingAsSaved) {
    model::Document doc(false);
    doc.New(DefaultInstructions);
    doc.Values().gameTitle = "Demo Game";
    ScratchFolder folder;
    EXPECT_FALSE(doc.Write(folder.File("missing/doc.kcg"), true));
    EXPECT_TRUE(doc.Changed());
    EXPECT_STREQ(doc.Record().applicationName, "Demo Game") << "the record holds the screens all the same";
    // Testing writes without taking the written values as saved.
    EXPECT_TRUE(doc.Write(folder.File("test.kcg"), false));
    EXPECT_TRUE(doc.Changed());
}

TEST(Document, QuorvaneFileOpensAsAnUntitledOemFileUnchangedUntilEdited) {
    model::Document doc(false);
    UseAllRows(doc);
    ASSERT_EQ(doc.Load(WinSample("tidewatr.kcg"), DefaultInstructions), LoadResult::kLoaded);
    const TlConfig &cfg = doc.Record();
    ExpectEditorDefaults(cfg);
    EXPECT_EQ(cfg.owner, TL_OWNER_OEM);
    const ScreenValues &shown = doc.Values();
    EXPECT_EQ(shown.gameTitle, "");
    EXPECT_TRUE(shown.executables.empty());
    EXPECT_EQ(RevisionText(shown.revMajor, shown.revMinor), "1.0");
    EXPECT_EQ(shown.orientation, 1);
    // What the editor edits stays as the file had it.
    EXPECT_EQ(shown.labelPos[0], "Bank Right");
    EXPECT_EQ(cfg.instructionCount, 4);
    EXPECT_STREQ(cfg.axisMapHrzUser[kKavelin].letters, "RxYZu-");
    EXPECT_EQ(shown.scalarPos, (RowInts{75, 75, 29, 125, 50, 100}));
    EXPECT_EQ(shown.deadZonePos, (RowInts{10, 10, 29, 5, 0, 0}));
    // Outer dead-zone limits are opened up and DFLT takes the USER dead zone.
    ExpectNullRegion(cfg.nullRegionUser[kKavelin][3], -1, -0.05f, 0.05f, 1);
    ExpectNullRegion(cfg.nullRegionDflt[kKavelin][3], -1, -0.05f, 0.05f, 1);

    EXPECT_FALSE(doc.Changed());
    doc.Values().deadZonePos[2] = 30;
    EXPECT_TRUE(doc.Changed());
    doc.Values().deadZonePos[2] = 29;
    EXPECT_FALSE(doc.Changed()) << "back to the saved value";
}

TEST(Document, ChangedMeansTheWrittenFileWouldDiffer) {
    model::Document doc(false);
    doc.New(DefaultInstructions);
    UseAllRows(doc);
    const struct {
        const char *what;
        std::function<void(ScreenValues &)> edit;
        bool changed;
    } cases[] = {
        {"title", [](ScreenValues &v) { v.gameTitle = "X"; }, true},
        {"title past 255 characters", [](ScreenValues &v) { v.gameTitle.resize(300, 'x'); }, true},
        {"label past 63 characters", [](ScreenValues &v) { v.labelNeg[5] = std::string(64, 'y'); }, true},
        {"executables", [](ScreenValues &v) { v.executables = {"a.exe"}; }, true},
        {"instructions included", [](ScreenValues &v) { v.includeInstructions = true; }, true},
        {"instructions not included", [](ScreenValues &v) { v.instructions = "other"; }, false},
        {"executable edit", [](ScreenValues &v) { v.executableEdit = "a.exe"; }, false},
        {"revision", [](ScreenValues &v) { v.revMinor = 1; }, true},
        {"owner text meaning OEM", [](ScreenValues &v) { v.owner = ""; }, false},
        {"owner", [](ScreenValues &v) { v.owner = "USER"; }, true},
        {"orientation", [](ScreenValues &v) { v.orientation = 0; }, true},
        {"axis", [](ScreenValues &v) { v.rows.axis[3] = 2; }, true},
        {"inversion", [](ScreenValues &v) { v.rows.axis[3] = 2, v.rows.invert[3] = 1; }, true},
        {"inversion of an unmapped row", [](ScreenValues &v) { v.rows.invert[5] = 1; }, false},
        {"scalar", [](ScreenValues &v) { v.scalarPos[1] = 51; }, true},
        {"dead zone", [](ScreenValues &v) { v.deadZonePos[4] = 1; }, true},
        {"row label", [](ScreenValues &v) { v.tuningLabels[0] = "Up"; }, false},
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

TEST(Document, OemFileKeepsItsIdentity) {
    model::Document doc(false);
    UseAllRows(doc);
    ASSERT_EQ(doc.Load(WinSample("harbor3d.kcg"), DefaultInstructions), LoadResult::kLoaded);
    ExpectEditorDefaults(doc.Record());
    EXPECT_EQ(doc.Values().executables.size(), 2u);
    EXPECT_EQ(doc.Values().orientation, 0);
    EXPECT_FALSE(doc.Changed());
    ScratchFolder folder;
    ASSERT_TRUE(doc.Write(folder.File("doc.kcg"), true));
    ScopedConfig read;
    ASSERT_EQ(TlReadConfigFile(&read.get(), folder.File("doc.kcg").c_str()), 0);
    EXPECT_STREQ(read->applicationName, "Harbor Patrol 3D");
    EXPECT_EQ(read->fileRevisionMajor * 10 + read->fileRevisionMinor, 23);
    EXPECT_EQ(read->owner, TL_OWNER_OEM);
    EXPECT_EQ(read->level, TL_LEVEL_INTERMEDIATE);
    EXPECT_EQ(read->showInstructions, TL_SHOW_NEVER);
    ExpectFixedValues(read.get());
}

TEST(Document, InternalModeKeepsTheFileAsItIs) {
    model::Document doc(true);
    ASSERT_EQ(doc.Load(DosSample("cavernrn.kcg"), DefaultInstructions), LoadResult::kLoaded);
    const TlConfig &cfg = doc.Record();
    ExpectFixedValues(cfg); // a DOS file becomes a Windows one in every mode
    EXPECT_EQ(cfg.owner, TL_OWNER_QUORVANE);
    EXPECT_EQ(cfg.level, TL_LEVEL_BEGINNER);
    EXPECT_STREQ(cfg.driverType, "KAVELIN");
    EXPECT_STREQ(cfg.commandLine, "/joy");
    EXPECT_EQ(cfg.buttonDflt[kKavelin][0].source, TL_SOURCE_NUMBER);
    const TlNullRegion &d = cfg.nullRegionDflt[kKavelin][0], &u = cfg.nullRegionUser[kKavelin][0];
    ExpectNullRegion(d, u.negMax, u.negMin, u.posMin, u.posMax);
    ASSERT_EQ(doc.Load(WinSample("nebulanc.kcg"), DefaultInstructions), LoadResult::kLoaded);
    EXPECT_EQ(cfg.devicePresent[TL_MARROWEL], 1);
    model::Document normal(false);
    ASSERT_EQ(normal.Load(WinSample("nebulanc.kcg"), DefaultInstructions), LoadResult::kLoaded);
    EXPECT_EQ(normal.Record().devicePresent[TL_MARROWEL], 0);
}

TEST(Document, FilesThatCannotBeEditedLeaveTheDocumentAlone) {
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
        model::Document doc(c.internal);
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
