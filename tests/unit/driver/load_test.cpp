// Whole loads, one a line of tests/data/driver/loads.txt: from a configuration
// file and the registry before it to the result, the registry after it (every
// value with its bytes) and the steps in between (the order of the writes
// between the device codes).
#include <map>
#include <sstream>

#include "driver_fixture.h"
#include "driver_load.h"

namespace {

std::string RegData(const std::string &name) {
    return name != "-" ? DriverData(name) : "REGEDIT4\r\n";
}

class LoadTest : public DriverTest {};

TEST_F(LoadTest, LeavesTheRegistryAndTheStepsOfItsFiles) {
    const std::map<std::string, int> results = {
        {"loaded", kRegCfgLoaded}, {"failed", kRegCfgFailed}, {"not-selected", kRegCfgNotSelected}};
    std::istringstream table(DriverData("loads.txt"));
    for (std::string line; std::getline(table, line);) {
        if (line.find_first_not_of(" \r") == std::string::npos || line[0] == '#') continue;
        std::string name, file, before, device, joystick, failing, result, after, steps;
        ASSERT_TRUE(std::istringstream(line) >> name >> file >> before >> device >> joystick >> failing >>
                    result >> after >> steps)
            << line;
        SCOPED_TRACE(name);
        TearDown();
        SetUp();
        Arrange(RegData(before));
        Calls().devicePresent = device == "yes";
        Calls().noJoystickDriver = joystick == "no";
        Calls().failingValueName = failing != "-" ? failing : "";
        Calls().fullPathOverride = "C:\\Games\\settings.kcg";
        DriverContext context(Calls());
        EXPECT_EQ(results.at(result), RegCfgLoad(context, DriverDataPath(file).c_str()));
        EXPECT_EQ(kInvalidDevice, context.device);
        EXPECT_EQ(0, Calls().openKeys);
        EXPECT_EQ(0, Calls().openDevices);
        EXPECT_EQ(SortedJoystickKeys(RegData(after)), JoystickKeys());
        EXPECT_EQ(DriverData(steps), Calls().Steps());
    }
}

TEST_F(LoadTest, DeviceBeginAndEndBracketOneUpdate) {
    DriverContext context(Calls());
    EXPECT_FALSE(DriverEndLoad(context));   // nothing open: nothing sent
    EXPECT_FALSE(DriverBeginLoad(context)); // no device on either backend
    Calls().devicePresent = true;
    EXPECT_TRUE(DriverBeginLoad(context));
    EXPECT_TRUE(DriverEndLoad(context));
    EXPECT_EQ("device open\ndevice 1\ndevice 2\ndevice close\n", Calls().Steps());
    // A refused code is only reported; an unfinished begin's handle is closed by the next.
    Calls().deviceRefusesCodes = true;
    EXPECT_FALSE(DriverBeginLoad(context));
    EXPECT_FALSE(DriverBeginLoad(context));
    EXPECT_FALSE(DriverEndLoad(context));
    EXPECT_EQ(0, Calls().openDevices);
    EXPECT_EQ(kInvalidDevice, context.device);
}

} // namespace
