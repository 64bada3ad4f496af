// The sample installation: every file reads as intended and is written in the
// layout the writer produces.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sample_paths.h"
#include "scoped_config.h"
#include "scratch_folder.h"

using model::ScopedConfig;

namespace {

struct Sample {
    std::string path;
    int result, owner, platform;
    const char *title;
};

const Sample kSamples[] = {
    {WinSample("tidewatr.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_WINDOWS, "Tidewater Frontier"},
    {WinSample("gravelst.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_WINDOWS, "Gravel Storm Rally"},
    {WinSample("nebulanc.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_WINDOWS, "Nebula Lancers"},
    {WinSample("myflight.kcg"), 0, TL_OWNER_USER, TL_PLATFORM_WINDOWS, "My Test Flight"},
    {WinSample("harbor3d.kcg"), 0, TL_OWNER_OEM, TL_PLATFORM_WINDOWS, "Harbor Patrol 3D"},
    {WinSample("damaged.kcg"), TL_READ_MISSING_ENTRY, TL_OWNER_NONE, TL_PLATFORM_NONE, ""},
    {DosSample("cavernrn.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_DOS, "Cavern Runner"},
    {DosSample("skyhook.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_DOS, "Skyhook Assault"},
};

// The text without its time-stamp line, which differs on every write.
std::string WithoutTimeStamp(std::string text) {
    const size_t line = text.find("; This file created by");
    if (line != std::string::npos) text.erase(line, text.find('\n', line) - line);
    return text;
}

} // namespace

TEST(Samples, EachReadsWithItsOwnerAndPlatform) {
    for (const Sample &s : kSamples) {
        ScopedConfig cfg;
        EXPECT_EQ(TlReadConfigFile(&cfg.get(), s.path.c_str()), s.result) << s.path;
        if (s.result != 0) continue;
        EXPECT_EQ(cfg->owner, s.owner) << s.path;
        EXPECT_EQ(cfg->platform, s.platform) << s.path;
        EXPECT_STREQ(cfg->applicationName, s.title) << s.path;
        EXPECT_GT(cfg->executableCount, 0) << s.path;
    }
}

TEST(Samples, WrittenInTheCanonicalLayout) {
    ScratchFolder folder;
    for (const Sample &s : kSamples) {
        if (s.result != 0) continue;
        ScopedConfig cfg;
        ASSERT_EQ(TlReadConfigFile(&cfg.get(), s.path.c_str()), 0) << s.path;
        const std::string copy = folder.File("copy.kcg");
        ASSERT_EQ(TlWriteConfigFile(&cfg.get(), copy.c_str()), 0) << s.path;
        EXPECT_EQ(WithoutTimeStamp(ReadWholeFile(copy)), WithoutTimeStamp(ReadWholeFile(s.path))) << s.path;
    }
}

TEST(Samples, InstallationHasTheFilesTheEditorLooksFor) {
    namespace fs = std::filesystem;
    EXPECT_TRUE(fs::is_regular_file(SampleInstall() + "/tools/kavel480.hlp"));
    EXPECT_TRUE(fs::is_directory(SampleInstall() + "/config/default/win"));
    EXPECT_TRUE(fs::is_directory(SampleInstall() + "/config/default/dos"));
}
