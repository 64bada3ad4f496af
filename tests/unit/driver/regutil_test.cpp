// The registry store: its number format, byte layouts and the operations
// that open keys, find the controller and rewrite the OEM record.
#include <cmath>
#include <limits>

#include "driver_fixture.h"
#include "regutil.h"

namespace {

const char kOemKey[] = "JoystickSettings\\Marrowel";

TEST(FixedPoint, ConvertsByTruncatingAndWrapsModulo2To32) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {1.0, 65536},
        {-0.5, -32768},
        {0.99999f, 65535}, // truncated toward zero
        {-0.99999f, -65535},
        {32768.0, INT32_MIN},   // 2^31 wraps
        {49152.0, -1073741824}, // 3 * 2^30 wraps
        {65536.0, 0},           // 2^32 wraps to nothing
        {1.0 / 65536, 1},
        {1e-9, 0},
        {1e300, 0}, // a product beyond 2^63 stores 0
        {std::numeric_limits<double>::infinity(), 0},
        {std::nan(""), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, JoyRegFix(c.value)) << c.value;
}

TEST(FilterChar, IsZeroPlusTheLowByteOfTheMask) {
    const struct {
        int mask;
        char expected;
    } cases[] = {{0, '0'}, {9, '9'}, {10, ':'}, {24, 'H'}, {31, 'O'}, {0x119, 'I'}};
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, JoyRegFilterChar(c.mask)) << c.mask;
}

TEST(Layouts, HardwareConfigurationIsTheFixedDefault) {
    HwConfigBytes config;
    config.fill(0xEE); // nothing of an earlier content may survive
    JoyRegDefaultHwConfig(config);
    const std::vector<std::int32_t> fields = {
        0x21880001, 6,     6,     0,     0,     0,     0,     0, 0, 65535, 65535, 65535, 65535, 65535,
        65535,      32768, 32768, 32768, 32768, 32768, 32768, 0, 0, 0,     0,     31,    1000,  0};
    EXPECT_EQ(Le32Bytes(fields), std::vector<std::uint8_t>(config.begin(), config.end()));
}

class StoreTest : public DriverTest {};

TEST_F(StoreTest, OemKeyIsCreatedBelowAnExistingDriverKeyOnly) {
    RegKey key = 0;
    EXPECT_FALSE(JoyRegOpenOemKey(Calls(), &key)); // no joystick root
    CreateDriverKey();
    Calls().noJoystickDriver = true;
    EXPECT_FALSE(JoyRegOpenOemKey(Calls(), &key));
    Calls().noJoystickDriver = false;

    ASSERT_TRUE(JoyRegOpenOemKey(Calls(), &key));
    EXPECT_EQ(1, Calls().OpenKeyCount()); // only the key handed to the caller
    Calls().CloseKey(key);
    EXPECT_TRUE(KeyExists(kOemKey));
}

TEST_F(StoreTest, FindControllerTakesTheFirstExactCallout) {
    const struct {
        std::vector<std::pair<int, std::string>> callouts; // joystick number, text
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
        for (const auto &callout : c.callouts)
            PutCallout(callout.first, callout.second);
        EXPECT_EQ(c.expected, JoyRegFindController(Calls())) << c.callouts.size();
        EXPECT_EQ(0, Calls().OpenKeyCount());
    }
}

TEST_F(StoreTest, AxisMapRewriteKeepsTheOtherBytesAndTheStoredLength) {
    CreateDriverKey();
    std::vector<std::uint8_t> full(28), shortRecord(24, 0x33), oversized(30, 0x44);
    for (int i = 0; i < 28; ++i)
        full[i] = static_cast<std::uint8_t>(0xA0 + i);
    PutValue(kOemKey, "Joystick1OEMConfiguration", kRegBinary, full);
    PutValue(kOemKey, "Joystick2OEMConfiguration", kRegBinary, shortRecord);
    PutValue(kOemKey, "Joystick4OEMConfiguration", kRegBinary, oversized);

    RegKey oem = 0;
    ASSERT_TRUE(JoyRegOpenOemKey(Calls(), &oem));
    for (int index = 0; index < 4; ++index)
        JoyRegSetOemAxisMap(Calls(), index, "XYzRUV", oem);
    Calls().CloseKey(oem);

    std::vector<std::uint8_t> expected(full.begin(), full.begin() + 21);
    expected.insert(expected.end(), {'X', 'Y', 'z', 'R', 'U', 'V', 0});
    EXPECT_EQ(expected, Value(kOemKey, "Joystick1OEMConfiguration"));
    expected.assign(shortRecord.begin(), shortRecord.begin() + 21);
    expected.insert(expected.end(), {'X', 'Y', 'z'});
    EXPECT_EQ(expected, Value(kOemKey, "Joystick2OEMConfiguration"));
    // Missing (number 3) is never created; oversized (number 4) is left alone.
    EXPECT_EQ(oversized, Value(kOemKey, "Joystick4OEMConfiguration"));
    EXPECT_EQ((std::vector<std::string>{"set JoystickSettings\\Marrowel:Joystick1OEMConfiguration",
                                        "set JoystickSettings\\Marrowel:Joystick2OEMConfiguration"}),
              Writes());
}

TEST_F(StoreTest, IdentityIsNeverWrittenIntoANewKeyAndStopsAtAFailedWrite) {
    CreateDriverKey();
    EXPECT_FALSE(JoyRegSetOemIdentity(Calls(), 2));
    EXPECT_FALSE(KeyExists(kJoyCurrentSettingsKey));

    PutValue(kJoyCurrentSettingsKey, "Joystick3Configuration", kRegBinary, std::vector<std::uint8_t>(200, 1));
    Calls().failingValueName = "Joystick3OEMName";
    EXPECT_FALSE(JoyRegSetOemIdentity(Calls(), 2));
    EXPECT_EQ(kHwConfigSize, Value(kJoyCurrentSettingsKey, "Joystick3Configuration").size());
    EXPECT_EQ((std::vector<std::string>{"set CurrentJoystickSettings:Joystick3Configuration"}), Writes());
    EXPECT_EQ(0, Calls().OpenKeyCount());
}

} // namespace
