// The registry store: its number format, byte layouts and the operations
// that open keys, find the controller and rewrite the OEM record.
#include <cmath>
#include <limits>

#include "driver_fixture.h"
#include "regutil.h"

namespace {

TEST(FixedPoint, ConvertsByTruncatingAndWrapsModulo2To32) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {1.0, 65536},
        {-0.5, -32768},
        {0.99999f, 65535},                 // truncated toward zero
        {-0.99999f, -65535},
        {32768.0, INT32_MIN},              // 2^31 wraps
        {49152.0, -1073741824},            // 3 * 2^30 wraps
        {65536.0, 0},                      // 2^32 wraps to nothing
        {1.0 / 65536, 1},
        {1e-9, 0},
        {1e300, 0},                        // a product beyond 2^63 stores 0
        {std::numeric_limits<double>::infinity(), 0},
        {std::nan(""), 0},
    };
    for (const auto &c : cases) EXPECT_EQ(c.expected, JoyRegFix(c.value)) << c.value;
}

TEST(FilterChar, IsZeroPlusTheLowByteOfTheMask) {
    const struct {
        int mask;
        char expected;
    } cases[] = {{0, '0'}, {9, '9'}, {10, ':'}, {24, 'H'}, {31, 'O'}, {0x119, 'I'}};
    for (const auto &c : cases) EXPECT_EQ(c.expected, JoyRegFilterChar(c.mask)) << c.mask;
}

TEST(Layouts, HardwareConfigurationIsTheFixedDefault) {
    HwConfigBytes config;
    config.fill(0xEE);  // nothing of an earlier content may survive
    JoyRegDefaultHwConfig(config);
    const std::vector<std::int32_t> fields = {0x21880001, 6, 6, 0, 0, 0, 0, 0, 0,
                                              65535, 65535, 65535, 65535, 65535, 65535,
                                              32768, 32768, 32768, 32768, 32768, 32768,
                                              0, 0, 0, 0, 31, 1000, 0};
    EXPECT_EQ(Le32Bytes(fields), std::vector<std::uint8_t>(config.begin(), config.end()));
}

TEST(Layouts, CurveAndNullRegionFieldsSitAtTheirOffsets) {
    CurveValue curve;
    curve.count = 2;
    curve.start[1] = 0x01020304;
    curve.end[0] = -1;
    curve.slope[31] = 7;
    curve.intercept[1] = 9;
    const auto bytes = CurveValueBytes(curve);
    auto at = [&bytes](std::size_t offset) {
        return std::vector<std::uint8_t>(bytes.begin() + offset, bytes.begin() + offset + 4);
    };
    EXPECT_EQ(Le32Bytes({2}), at(0));
    EXPECT_EQ(Le32Bytes({0x01020304}), at(4 + 4));
    EXPECT_EQ(Le32Bytes({-1}), at(132));
    EXPECT_EQ(Le32Bytes({7}), at(260 + 31 * 4));
    EXPECT_EQ(Le32Bytes({9}), at(388 + 4));

    const NullRegionValue region{1, 2, 3, 4, 5, 6};
    const auto regionBytes = NullRegionValueBytes(region);
    EXPECT_EQ(Le32Bytes({1, 2, 3, 4, 5, 6}), std::vector<std::uint8_t>(regionBytes.begin(), regionBytes.end()));
}

TEST(ValueNames, CarryTheJoystickNumberAndLetter) {
    EXPECT_EQ("Joy1ConfigurationFile", JoyRegValueName(kJoyConfigurationFileName, 0));
    EXPECT_EQ("Joystick16OEMcfgMode", JoyRegValueName(kJoyCfgModeName, 15));
    EXPECT_EQ("Joystick1OEMfAxis", JoyRegValueName(kJoyAxisCurveName, 0, 'f'));
    EXPECT_EQ("Joystick3OEMvNullRegion", JoyRegValueName(kJoyNullRegionName, 2, 'v'));
}

class StoreTest : public DriverTest {};

TEST_F(StoreTest, OemKeyIsCreatedBelowAnExistingDriverKeyOnly) {
    RegKey key = 0;
    EXPECT_FALSE(JoyRegOpenOemKey(Calls(), &key));  // no joystick root
    CreateDriverKey();
    Calls().noJoystickDriver = true;
    EXPECT_FALSE(JoyRegOpenOemKey(Calls(), &key));
    Calls().noJoystickDriver = false;

    ASSERT_TRUE(JoyRegOpenOemKey(Calls(), &key));
    EXPECT_EQ(1, Calls().OpenKeyCount());  // only the key handed to the caller
    Calls().CloseKey(key);
    EXPECT_TRUE(KeyExists("JoystickSettings\\Marrowel"));
}

TEST_F(StoreTest, FindControllerTakesTheFirstExactCallout) {
    const struct {
        std::vector<std::pair<int, std::string>> callouts;  // joystick number, text
        int expected;
    } cases[] = {
        {{}, -1},
        {{{2, "velix.vxd"}, {5, "velix.vxd"}}, 1},
        {{{1, "VELIX.VXD"}}, -1},
        {{{1, "velix.vxd2"}, {16, "velix.vxd"}}, 15},
        {{{17, "velix.vxd"}}, -1},
    };
    for (const auto &c : cases) {
        TearDown();
        SetUp();
        CreateDriverKey();
        PutValue(kJoyCurrentSettingsKey, "Other", kRegSz, TextBytes("x"));
        for (const auto &callout : c.callouts) PutCallout(callout.first, callout.second);
        EXPECT_EQ(c.expected, JoyRegFindController(Calls())) << c.callouts.size();
        EXPECT_EQ(0, Calls().OpenKeyCount());
    }
}

TEST_F(StoreTest, FindControllerWithoutCurrentSettingsOrDriverIsMinusOne) {
    CreateDriverKey();
    EXPECT_EQ(-1, JoyRegFindController(Calls()));
    PutCallout(1, "velix.vxd");
    Calls().noJoystickDriver = true;
    EXPECT_EQ(-1, JoyRegFindController(Calls()));
    EXPECT_TRUE(Calls().Trace("create").empty());
}

TEST_F(StoreTest, AxisMapRewriteKeepsTheOtherBytesAndTheStoredLength) {
    CreateDriverKey();
    std::vector<std::uint8_t> full(28), shortRecord(24, 0x33), oversized(30, 0x44);
    for (int i = 0; i < 28; ++i) full[i] = static_cast<std::uint8_t>(0xA0 + i);
    PutValue("JoystickSettings\\Marrowel", "Joystick1OEMConfiguration", kRegBinary, full);
    PutValue("JoystickSettings\\Marrowel", "Joystick2OEMConfiguration", kRegBinary, shortRecord);
    PutValue("JoystickSettings\\Marrowel", "Joystick4OEMConfiguration", kRegBinary, oversized);

    RegKey oem = 0;
    ASSERT_TRUE(JoyRegOpenOemKey(Calls(), &oem));
    for (int index = 0; index < 4; ++index) JoyRegSetOemAxisMap(Calls(), index, "XYzRUV", oem);
    Calls().CloseKey(oem);

    std::vector<std::uint8_t> expected(full.begin(), full.begin() + 21);
    for (char c : std::string("XYzRUV")) expected.push_back(static_cast<std::uint8_t>(c));
    expected.push_back(0);
    std::vector<std::uint8_t> data;
    std::uint32_t type = 0;
    ASSERT_TRUE(GetValue("JoystickSettings\\Marrowel", "Joystick1OEMConfiguration", &type, &data));
    EXPECT_EQ(expected, data);
    EXPECT_EQ(kRegBinary, type);

    std::vector<std::uint8_t> expectedShort(shortRecord.begin(), shortRecord.begin() + 21);
    expectedShort.insert(expectedShort.end(), {'X', 'Y', 'z'});
    ASSERT_TRUE(GetValue("JoystickSettings\\Marrowel", "Joystick2OEMConfiguration", &type, &data));
    EXPECT_EQ(expectedShort, data);

    // Missing (number 3) is never created; oversized (number 4) is left alone.
    EXPECT_FALSE(GetValue("JoystickSettings\\Marrowel", "Joystick3OEMConfiguration", &type, &data));
    ASSERT_TRUE(GetValue("JoystickSettings\\Marrowel", "Joystick4OEMConfiguration", &type, &data));
    EXPECT_EQ(oversized, data);
    EXPECT_EQ((std::vector<std::string>{"JoystickSettings\\Marrowel:Joystick1OEMConfiguration",
                                        "JoystickSettings\\Marrowel:Joystick2OEMConfiguration"}),
              Writes());
}

TEST_F(StoreTest, IdentityReplacesTheConfigurationAndStopsAtAFailedWrite) {
    CreateDriverKey();
    EXPECT_FALSE(JoyRegSetOemIdentity(Calls(), 2));
    EXPECT_FALSE(KeyExists(kJoyCurrentSettingsKey));  // never created

    PutValue(kJoyCurrentSettingsKey, "Joystick3Configuration", kRegBinary, std::vector<std::uint8_t>(200, 1));
    Calls().failingValueName = "Joystick3OEMName";
    EXPECT_FALSE(JoyRegSetOemIdentity(Calls(), 2));
    std::vector<std::uint8_t> data;
    std::uint32_t type = 0;
    ASSERT_TRUE(GetValue(kJoyCurrentSettingsKey, "Joystick3Configuration", &type, &data));
    HwConfigBytes config;
    JoyRegDefaultHwConfig(config);
    EXPECT_EQ(std::vector<std::uint8_t>(config.begin(), config.end()), data);
    EXPECT_FALSE(GetValue(kJoyCurrentSettingsKey, "Joystick3OEMCallout", &type, &data));

    Calls().failingValueName.clear();
    EXPECT_TRUE(JoyRegSetOemIdentity(Calls(), 2));
    ASSERT_TRUE(GetValue(kJoyCurrentSettingsKey, "Joystick3OEMName", &type, &data));
    EXPECT_EQ(TextBytes("Marrowel"), data);
    ASSERT_TRUE(GetValue(kJoyCurrentSettingsKey, "Joystick3OEMCallout", &type, &data));
    EXPECT_EQ(TextBytes("velix.vxd"), data);
    EXPECT_EQ(kRegSz, type);
    EXPECT_EQ(0, Calls().OpenKeyCount());
}

TEST_F(StoreTest, AFailedCloseOfTheOemKeyBeepsButTheResetStillCounts) {
    CreateDriverKey();
    Calls().failingCloseKeySuffix = "Marrowel";
    EXPECT_TRUE(JoyRegResetOemHwConfig(Calls(), 0));
    EXPECT_EQ(1, Calls().Beeps());
    std::vector<std::uint8_t> data;
    std::uint32_t type = 0;
    EXPECT_TRUE(GetValue("JoystickSettings\\Marrowel", "Joystick1Configuration", &type, &data));
    EXPECT_EQ(kHwConfigSize, data.size());
}

}  // namespace
