// The sample installation: every file reads as intended and is written in the
// layout the writer produces.
#include <gtest/gtest.h>

#include <string>

#include "sample_paths.h"
#include "scoped_config.h"
#include "scratch_folder.h"

namespace {

// The text without its time-stamp line, which differs on every write.
std::string WithoutTimeStamp(std::string text) {
    const size_t line = text.find("; This file created by");
    if (line != std::string::npos) text.erase(line, text.find('\n', line) - line);
    return text;
}

} // namespace

TEST(Samples, ReadWithTheirOwnersAndKeepTheCanonicalLayout) {
    const struct {
        std::string path;
        int result, owner, platform;
    } samples[] = {
        {WinSample("tidewatr.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_WINDOWS},
        {WinSample("gravelst.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_WINDOWS},
        {WinSample("nebulanc.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_WINDOWS},
        {WinSample("myflight.kcg"), 0, TL_OWNER_USER, TL_PLATFORM_WINDOWS},
        {WinSample("harbor3d.kcg"), 0, TL_OWNER_OEM, TL_PLATFORM_WINDOWS},
        {WinSample("damaged.kcg"), TL_READ_MISSING_ENTRY, TL_OWNER_NONE, TL_PLATFORM_NONE},
        {DosSample("cavernrn.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_DOS},
        {DosSample("skyhook.kcg"), 0, TL_OWNER_QUORVANE, TL_PLATFORM_DOS},
    };
    ScratchFolder folder;
    const std::string copy = folder.File("copy.kcg");
    for (const auto &s : samples) {
        model::ScopedConfig cfg;
        ASSERT_EQ(TlReadConfigFile(&cfg.get(), s.path.c_str()), s.result) << s.path;
        if (s.result != 0) continue;
        EXPECT_EQ(cfg->owner, s.owner) << s.path;
        EXPECT_EQ(cfg->platform, s.platform) << s.path;
        EXPECT_GT(cfg->executableCount, 0) << s.path;
        ASSERT_EQ(TlWriteConfigFile(&cfg.get(), copy.c_str()), 0) << s.path;
        EXPECT_EQ(WithoutTimeStamp(ReadWholeFile(copy)), WithoutTimeStamp(ReadWholeFile(s.path))) << s.path;
    }
}
