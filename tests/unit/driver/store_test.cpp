// The registry store: its number format, and the operations that find the
// controller and rewrite only what they may; and the full path on both
// backends.
#include <cmath>
#include <limits>

#include "driver_fixture.h"
#include "registry_store.h"

namespace {

TEST(FixedPoint, ConvertsByTruncatingAndWrapsModulo2To32) {
    // Truncated toward zero; 2^31 and 3 * 2^30 wrap, 2^32 to nothing; beyond 2^63 stores 0.
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::int32_t> cases[] = {
        {1.0, 65536}, {-0.5, -32768},       {0.99999f, 65535},      {-0.99999f, -65535}, {1.0 / 65536, 1},
        {1e-9, 0},    {32768.0, INT32_MIN}, {49152.0, -1073741824}, {65536.0, 0},        {1e300, 0},
        {inf, 0},     {std::nan(""), 0}};
    for (const auto &c : cases)
        EXPECT_EQ(c.second, JoyRegFix(c.first)) << c.first;
}

TEST(FilterChar, IsZeroPlusTheLowByteOfTheMask) {
    const std::pair<int, char> cases[] = {{0, '0'}, {9, '9'}, {10, ':'}, {24, 'H'}, {31, 'O'}, {0x119, 'I'}};
    for (const auto &c : cases)
        EXPECT_EQ(c.second, JoyRegFilterChar(c.first)) << c.first;
}

class StoreTest : public DriverTest {};

// Each file of tests/data/driver/controller begins with the index it gives.
TEST_F(StoreTest, FindControllerTakesTheFirstExactCallout) {
    for (const std::string &name : DriverDataFiles("controller")) {
        TearDown();
        SetUp();
        const std::string text = DriverData(name);
        Arrange(text);
        EXPECT_EQ(std::stoi(text.substr(2)), JoyRegFindController(Calls())) << name;
        EXPECT_EQ(0, Calls().openKeys);
    }
}

TEST_F(StoreTest, AxisMapRewriteKeepsTheOtherBytesAndTheStoredLength) {
    Arrange(DriverData("axis_maps.reg"));
    RegKey oem = 0;
    ASSERT_TRUE(JoyRegOpenOemKey(Calls(), &oem));
    for (int index = 0; index < 6; ++index)
        JoyRegSetOemAxisMap(Calls(), index, "XYzRUV", oem);
    JoyRegSetOemAxisMap(Calls(), 4, "XY", oem); // an early end is padded with zeros
    Calls().CloseKey(oem);
    EXPECT_EQ(SortedJoystickKeys(DriverData("axis_maps_rewritten.reg")), JoystickKeys());
}

TEST_F(StoreTest, IdentityIsNeverWrittenIntoANewKey) {
    Arrange(DriverData("driver_key.reg"));
    EXPECT_FALSE(JoyRegSetOemIdentity(Calls(), 2));
    EXPECT_EQ(SortedJoystickKeys(DriverData("driver_key.reg")), JoystickKeys());
}

TEST_F(StoreTest, FullPathIsNeverCut) {
#ifdef _WIN32
    const std::string path = "C:\\kcg\\" + std::string(300, 'k') + ".kcg";
#else
    const std::string path = "/kcg/" + std::string(300, 'k') + ".kcg";
#endif
    std::string full;
    ASSERT_TRUE(Calls().FullPathName(path.c_str(), &full));
    EXPECT_EQ(path, full);
    ASSERT_TRUE(Calls().FullPathName("kcg/../relative.kcg", &full));
    EXPECT_EQ(std::string::npos, full.find("..")) << full;
    EXPECT_EQ("relative.kcg", full.substr(full.size() - 12));
    EXPECT_GT(full.size(), 12u);
}

} // namespace
