// The registry behaviour driver loading depends on, checked on whichever
// backend the tests run on: natively the simulated one, under Wine the real
// one. Passing on both keeps the simulation honest.
#include "driver_fixture.h"

namespace {

class SeamTest : public DriverTest {};

TEST_F(SeamTest, OpenOfAMissingKeyFailsAndCreatesNothing) {
    RegKey key = 0;
    EXPECT_EQ(kRegFileNotFound, Backend().OpenKey(kRegLocalMachine, "Software\\KcgNoSuchKey\\Below", &key));
    EXPECT_EQ(kRegFileNotFound, Backend().OpenKey(kRegLocalMachine, "Software\\KcgNoSuchKey", &key));
}

TEST_F(SeamTest, CreateMakesEveryLevelOfATwoLevelPathInOneCall) {
    CreateDriverKey();
    RegKey driver = 0, oem = 0, again = 0;
    ASSERT_TRUE(KeyExists(""));
    ASSERT_FALSE(KeyExists("JoystickSettings"));
    ASSERT_EQ(kRegSuccess, Backend().OpenKey(kRegLocalMachine, DriverPath("").c_str(), &driver));
    ASSERT_EQ(kRegSuccess, Backend().CreateKey(driver, "JoystickSettings\\Marrowel", &oem));
    EXPECT_TRUE(KeyExists("JoystickSettings\\Marrowel"));
    // Names compare without regard to case.
    EXPECT_EQ(kRegSuccess, Backend().OpenKey(driver, "JOYSTICKSETTINGS\\marrowel", &again));
    for (RegKey key : {again, oem, driver})
        EXPECT_EQ(kRegSuccess, Backend().CloseKey(key));
}

TEST_F(SeamTest, QueryTellsTheStoredLengthAndRefusesASmallBuffer) {
    const std::vector<std::uint8_t> record(30, 0x5A);
    PutValue("Probe", "Value", kRegBinary, record);
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, Backend().OpenKey(kRegLocalMachine, DriverPath("Probe").c_str(), &key));

    std::uint8_t buffer[28] = {};
    std::uint32_t type = 0, size = sizeof buffer;
    EXPECT_EQ(kRegMoreData, Backend().QueryValue(key, "Value", &type, buffer, &size));
    EXPECT_EQ(30u, size);
    size = 0;
    EXPECT_EQ(kRegSuccess, Backend().QueryValue(key, "Value", &type, nullptr, &size));
    EXPECT_EQ(30u, size);
    EXPECT_EQ(kRegBinary, type);
    size = sizeof buffer;
    EXPECT_EQ(kRegFileNotFound, Backend().QueryValue(key, "Missing", &type, buffer, &size));

    // A shorter value replaces the longer one with its own length and type.
    const std::uint8_t text[] = "DRV";
    ASSERT_EQ(kRegSuccess, Backend().SetValue(key, "Value", kRegSz, text, sizeof text));
    size = sizeof buffer;
    EXPECT_EQ(kRegSuccess, Backend().QueryValue(key, "Value", &type, buffer, &size));
    EXPECT_EQ(4u, size);
    EXPECT_EQ(kRegSz, type);
    EXPECT_EQ(kRegSuccess, Backend().CloseKey(key));
}

TEST_F(SeamTest, FullPathIsNeverCut) {
    const std::string longName(300, 'k');
#ifdef _WIN32
    const std::string path = "C:\\kcg\\" + longName + ".kcg";
#else
    const std::string path = "/kcg/" + longName + ".kcg";
#endif
    std::string full;
    ASSERT_TRUE(Backend().FullPathName(path.c_str(), &full));
    EXPECT_EQ(path, full);
    ASSERT_TRUE(Backend().FullPathName("relative.kcg", &full));
    EXPECT_GT(full.size(), std::string("relative.kcg").size());
    EXPECT_EQ(".kcg", full.substr(full.size() - 4));
}

} // namespace
