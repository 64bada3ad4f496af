// A whole load: which values it writes, with which bytes and in which order,
// what each failure leaves behind, and the device calls around it.
#include <algorithm>
#include <regex>

#include "driver_fixture.h"
#include "regcfg.h"

namespace {

// Level INTERMEDIATE and orientation VERTICAL, so that the current sets are
// not the defaults; MARROWEL values must not be loaded.
const char kGameFile[] = R"([VERSION]
VERSION = 5.0
APPLICATION_NUMBER = 4.81
FILE_REVISION_NUMBER = 1.0

[IDENTIFICATION]
APPLICATION_NAME = "Driver Test"
OWNER = OEM
PLATFORM = WINDOWS
LEVEL = INTERMEDIATE
ORIENTATION = VERTICAL

[TUNING]
APP_MIN_2 = -0.5
APP_MAX_2 = 0.99999
HPFM_INT_USER = { ON, OFF, OFF, ON, ON }

[KAVELIN]
AXIS_MAP_HRZ_USER = "XYZRUV"
AXIS_MAP_VRT_USER = "xY-RUV"
NULL_REGION_1_USER = { -1.0, -0.1, 0.1, 1.0 }
NULL_REGION_2_USER = { -0.5, -0.25, 0.2, 0.2 }
TUNING_SCALARS = { 1.0, 0.5, 2.0, -0.5, 0.25, 32768.0 }
SENS_INT_USER = { 0.5, 0.25, 2.0, 1.5, -1.0, 0.0, 3.0 }
MOTION_DATA_1 = { { 0.0, 0.0 }, { 1.0, 1.0 } }
TV = { { 0.0, 0.0 }, { 2.0, 2.0 } }
RV = { { 1.0, 1.0 }, { 2.0, 3.0 } }
BUTTON_CURVE = { { 0.0, 0.0 }, { 0.5, 1.0 }, { 1.0, 1.0 } }

[MARROWEL]
TUNING_SCALARS = { 9.0, 9.0, 9.0, 9.0, 9.0, 9.0 }
)";

const char kOem[] = "JoystickSettings\\Marrowel";

std::vector<std::uint8_t> Curve(std::int32_t count, const std::vector<std::vector<std::int32_t>> &segments) {
    std::vector<std::int32_t> fields(129, 0);
    fields[0] = count;
    for (size_t i = 0; i < segments.size(); ++i) {
        for (size_t f = 0; f < 4; ++f)
            fields[1 + 32 * f + i] = segments[i][f];
    }
    return Le32Bytes(fields);
}

class LoadTest : public DriverTest {
  protected:
    // A driver key with the controller as joystick 2 and an OEM record for joystick 1.
    void SetUpDriver() {
        CreateDriverKey();
        PutCallout(1, "VELIX.VXD");
        PutCallout(2, "velix.vxd");
        PutValue(kOem, "Joystick1OEMConfiguration", kRegBinary, std::vector<std::uint8_t>(28, 0x11));
    }
    int Load(const std::string &path) {
        DriverContext context(Calls());
        const int result = RegCfgLoad(context, path.c_str());
        EXPECT_EQ(kInvalidDevice, context.device);
        EXPECT_EQ(0, Calls().OpenKeyCount());
        EXPECT_EQ(0, Calls().OpenDeviceCount());
        return result;
    }
};

TEST_F(LoadTest, WritesEveryValueWithItsBytes) {
    SetUpDriver();
    const std::string path = WriteFile("game.kcg", kGameFile);
    ASSERT_EQ(kRegCfgLoaded, Load(path));

    std::string fullPath;
    ASSERT_TRUE(Backend().FullPathName(path.c_str(), &fullPath));
    EXPECT_EQ(TextBytes(fullPath), Value(kOem, "Joy1ConfigurationFile"));
    // Bytes 0 to 20 kept, then the axis map's letters.
    std::vector<std::uint8_t> record(28, 0x11);
    const char letters[] = "xY-RUV";
    std::copy(letters, letters + sizeof letters, record.begin() + 21);
    EXPECT_EQ(record, Value(kOem, "Joystick1OEMConfiguration"));
    EXPECT_EQ(TextBytes("I"), Value(kOem, "Joystick1Filter")); // 0x19: high axis, translation, rotation
    EXPECT_EQ(TextBytes("DRV"), Value(kOem, "Joystick1OEMcfgMode"));

    EXPECT_EQ(Curve(1, {{0, 65536, 65536, 0}}), Value(kOem, "Joystick1OEMxAxis"));
    for (const char *letter : {"y", "z", "r", "u", "v"}) {
        EXPECT_EQ(Curve(0, {}), Value(kOem, std::string("Joystick1OEM") + letter + "Axis")) << letter;
    }
    EXPECT_EQ(Curve(1, {{13000704, 524288, 0, 131073}}), Value(kOem, "Joystick1OEMfAxis"));
    EXPECT_EQ(Curve(1, {{1048576, 524288, -16384, 327680}}), Value(kOem, "Joystick1OEMtAxis"));
    EXPECT_EQ(Curve(2, {{0, 32768, 131072, 0}, {32768, 65536, 0, 65536}}), Value(kOem, "Joystick1OEMbAxis"));

    EXPECT_EQ(Le32Bytes({65536, 6553, 72817, -65536, -6553, 72817}), Value(kOem, "Joystick1OEMxNullRegion"));
    EXPECT_EQ(Le32Bytes({13107, 13107, 0, -32768, -16384, 262144}), Value(kOem, "Joystick1OEMyNullRegion"));
    EXPECT_EQ(Le32Bytes({65536, 0, 65536, -65536, 0, 65536}), Value(kOem, "Joystick1OEMvNullRegion"));

    EXPECT_EQ(Le32Bytes({-65536, -32768, -65536, -65536, -65536, -65536}), Value(kOem, "Joystick1AppMin"));
    EXPECT_EQ(Le32Bytes({65536, 65535, 65536, 65536, 65536, 65536}), Value(kOem, "Joystick1AppMax"));
    EXPECT_EQ(Le32Bytes({65536, 32768, 131072, -32768, 16384, INT32_MIN}), Value(kOem, "Joystick1Scalar"));
    // Seven values of the INTERMEDIATE user set, then 0.
    EXPECT_EQ(Le32Bytes({32768, 16384, 131072, 98304, -65536, 0, 196608, 0}),
              Value(kOem, "Joystick1Sensitivity"));

    HwConfigBytes config;
    JoyRegDefaultHwConfig(config);
    const std::vector<std::uint8_t> configBytes(config.begin(), config.end());
    EXPECT_EQ(configBytes, Value(kOem, "Joystick2Configuration"));
    EXPECT_EQ(configBytes, Value(kJoyCurrentSettingsKey, "Joystick2Configuration"));
    EXPECT_EQ(TextBytes("Marrowel"), Value(kJoyCurrentSettingsKey, "Joystick2OEMName"));
}

TEST_F(LoadTest, WritesInItsFixedOrderBetweenTheDeviceCodes) {
    SetUpDriver();
    Calls().devicePresent = true;
    ASSERT_EQ(kRegCfgLoaded, Load(WriteFile("game.kcg", kGameFile)));

    const std::string oem = "set JoystickSettings\\Marrowel:Joy";
    std::vector<std::string> expected = {"device open", "device 1", oem + "1ConfigurationFile"};
    for (const char *name : {"OEMConfiguration", "Filter", "OEMcfgMode"})
        expected.push_back(oem + "stick1" + name);
    for (char letter : std::string("xyzruvftb"))
        expected.push_back(oem + "stick1OEM" + letter + "Axis");
    for (char letter : std::string("xyzruv"))
        expected.push_back(oem + "stick1OEM" + letter + "NullRegion");
    for (const char *name : {"AppMin", "AppMax", "Scalar", "Sensitivity"})
        expected.push_back(oem + "stick1" + name);
    expected.insert(expected.end(), {"set JoystickSettings\\Marrowel:Joystick2Configuration",
                                     "set CurrentJoystickSettings:Joystick2Configuration",
                                     "set CurrentJoystickSettings:Joystick2OEMName",
                                     "set CurrentJoystickSettings:Joystick2OEMCallout", "joyConfigChanged 0",
                                     "flush HKLM", "device 2", "device close"});
    EXPECT_EQ(expected, Steps());
}

TEST_F(LoadTest, OemValuesKeepNumberOneWhenTheControllerIsJoystickThree) {
    CreateDriverKey();
    PutCallout(3, "velix.vxd");
    ASSERT_EQ(kRegCfgLoaded, Load(WriteFile("game.kcg", kGameFile)));
    const std::vector<std::string> writes = Writes();
    ASSERT_EQ(26u, writes.size());
    const std::regex numberOne(R"(set JoystickSettings\\Marrowel:Joy(stick)?1[^0-9].*)");
    for (size_t i = 0; i < 22; ++i)
        EXPECT_TRUE(std::regex_match(writes[i], numberOne)) << writes[i];
    EXPECT_EQ((std::vector<std::string>{"set JoystickSettings\\Marrowel:Joystick3Configuration",
                                        "set CurrentJoystickSettings:Joystick3Configuration",
                                        "set CurrentJoystickSettings:Joystick3OEMName",
                                        "set CurrentJoystickSettings:Joystick3OEMCallout"}),
              std::vector<std::string>(writes.begin() + 22, writes.end()));
}

TEST_F(LoadTest, FailuresEndTheDeviceUpdateAndWriteNothingUnreadable) {
    Calls().devicePresent = true;
    // No joystick driver at all: the OEM settings key cannot be opened.
    EXPECT_EQ(kRegCfgFailed, Load(WriteFile("game.kcg", kGameFile)));
    EXPECT_EQ((std::vector<std::string>{"device open", "device 1", "device 2", "device close"}), Steps());

    // A file that does not exist: the key is created, nothing is written.
    SetUpDriver();
    Calls().ClearSteps();
    EXPECT_EQ(kRegCfgFailed, Load(TempPath("missing.kcg")));
    EXPECT_EQ((std::vector<std::string>{"device open", "device 1", "device 2", "device close"}), Steps());
    EXPECT_TRUE(KeyExists(kOem));
}

TEST_F(LoadTest, WithoutTheSelectedControllerValuesStayWrittenAndTheSettingsUntouched) {
    CreateDriverKey();
    Calls().devicePresent = true;
    EXPECT_EQ(kRegCfgNotSelected, Load(WriteFile("game.kcg", kGameFile)));
    EXPECT_FALSE(KeyExists(kJoyCurrentSettingsKey));
    const std::vector<std::string> steps = Steps();
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ("set JoystickSettings\\Marrowel:Joystick1Sensitivity", steps[steps.size() - 3]);
    EXPECT_EQ("device 2", steps[steps.size() - 2]);
    EXPECT_EQ("device close", steps.back());
    EXPECT_EQ(TextBytes("DRV"), Value(kOem, "Joystick1OEMcfgMode"));
}

TEST_F(LoadTest, WithoutADeviceTheLoadStillWritesAndNotifies) {
    SetUpDriver();
    Calls().failingValueName = "Joystick1Filter"; // a failed write is passed over
    Calls().fullPathOverride = "C:\\" + std::string(400, 'p') + "\\game.kcg";
    ASSERT_EQ(kRegCfgLoaded, Load(WriteFile("game.kcg", kGameFile)));
    const std::vector<std::string> steps = Steps();
    EXPECT_EQ("flush HKLM", steps.back());
    EXPECT_EQ("joyConfigChanged 0", steps[steps.size() - 2]);
    EXPECT_EQ(TextBytes("DRV"), Value(kOem, "Joystick1OEMcfgMode"));
    // The configuration file value holds the whole long path.
    EXPECT_EQ(TextBytes(Calls().fullPathOverride), Value(kOem, "Joy1ConfigurationFile"));
}

class DeviceTest : public DriverTest {};

TEST_F(DeviceTest, BeginAndEndBracketOneUpdate) {
    DriverContext context(Calls());
    EXPECT_FALSE(DriverEndLoad(context));   // nothing open: nothing sent
    EXPECT_FALSE(DriverBeginLoad(context)); // no device on either backend
    EXPECT_FALSE(DriverEndLoad(context));
    EXPECT_TRUE(Steps().empty());

    Calls().devicePresent = true;
    for (int load = 0; load < 2; ++load) {
        EXPECT_TRUE(DriverBeginLoad(context));
        EXPECT_TRUE(DriverEndLoad(context));
    }
    EXPECT_EQ((std::vector<std::string>{"device open", "device 1", "device 2", "device close", "device open",
                                        "device 1", "device 2", "device close"}),
              Steps());

    // A refused code is only reported; an unfinished begin's handle is closed by the next.
    Calls().ClearSteps();
    Calls().deviceRefusesCodes = true;
    EXPECT_FALSE(DriverBeginLoad(context));
    EXPECT_FALSE(DriverBeginLoad(context));
    EXPECT_FALSE(DriverEndLoad(context));
    EXPECT_EQ(0, Calls().OpenDeviceCount());
    EXPECT_EQ(kInvalidDevice, context.device);
}

} // namespace
