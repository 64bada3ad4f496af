#include "driver_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "regfile.h"
#include "registry_store.h"

#ifdef _WIN32
#include "windows_registry.h"
#endif

namespace {

const std::string kSimDriverKey = "\\msjstick.drv";
const std::string kMachineJoystickRoot = std::string("HKEY_LOCAL_MACHINE\\") + kJoyRootPath;

std::string Replaced(std::string text, const std::string &from, const std::string &to) {
    for (size_t at = 0; from != to && (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

void CopySorted(const RegNode &from, RegNode &to) {
    std::map<std::string, const RegValue *> values;
    for (const RegValue &value : from.Values())
        values[value.name] = &value;
    for (const auto &value : values)
        to.SetValue(value.second->name, value.second->type, value.second->data);
    std::map<std::string, const RegNode *> children;
    for (const auto &child : from.Children())
        children[child->Name()] = child.get();
    for (const auto &child : children)
        CopySorted(*child.second, to.ChildOrNew(child.second->Name()));
}

std::string SortedText(const RegTree &tree) {
    RegTree sorted;
    if (const RegNode *root = tree.Find(kMachineJoystickRoot))
        CopySorted(*root, sorted.Create(kMachineJoystickRoot));
    return FormatRegText(sorted);
}

// Writes node's keys and values, at path below HKEY_LOCAL_MACHINE, through sys.
void WriteKeys(RegCall &sys, const RegNode &node, const std::string &path) {
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, sys.CreateKey(kRegLocalMachine, path.c_str(), &key)) << path;
    for (const RegValue &value : node.Values()) {
        EXPECT_EQ(kRegSuccess, sys.SetValue(key, value.name.c_str(), value.type, value.data.data(),
                                            static_cast<std::uint32_t>(value.data.size())));
    }
    sys.CloseKey(key);
    for (const auto &child : node.Children())
        WriteKeys(sys, *child, path + "\\" + child->Name());
}

void WriteMachineKeys(RegCall &sys, RegTree &tree) {
    for (const auto &key : tree.Root().ChildOrNew("HKEY_LOCAL_MACHINE").Children())
        WriteKeys(sys, *key, key->Name());
}

} // namespace

std::string DriverDataPath(const std::string &name) {
    return std::string(KCG_TEST_DATA_DIR) + "/driver/" + name;
}

std::string DriverData(const std::string &name) {
    std::ifstream file(DriverDataPath(name), std::ios::binary);
    EXPECT_TRUE(file.is_open()) << name;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> DriverDataFiles(const std::string &folder) {
    std::vector<std::string> names;
    for (const auto &file : std::filesystem::directory_iterator(DriverDataPath(folder)))
        names.push_back(folder + "/" + file.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void DriverTest::SetUp() {
    registry_ = std::make_unique<RegTree>();
#ifdef _WIN32
    // The joystick keys of the Wine prefix are put aside for the test's own.
    ASSERT_TRUE(PutAsideJoystickKeys(*registry_));
    backend_ = NewWin32RegCall();
#else
    backend_ = NewSimulatedRegCall(*registry_);
#endif
    calls_ = std::make_unique<RecordingCalls>(*backend_);
    ASSERT_EQ(kJoySuccess, backend_->JoyGetDriverKeyName(&driverKeyName_));
}

void DriverTest::TearDown() {
#ifdef _WIN32
    EXPECT_TRUE(RestoreJoystickKeys(*registry_));
#endif
    calls_.reset();
    backend_.reset();
}

void DriverTest::Arrange(const std::string &regText) {
    RegTree tree;
    std::string error;
    ASSERT_TRUE(ParseRegText(Replaced(regText, kSimDriverKey, "\\" + driverKeyName_), tree, &error)) << error;
    WriteMachineKeys(*backend_, tree);
}

std::string DriverTest::JoystickKeys() const {
#ifdef _WIN32
    RegTree actual;
    CopyJoystickKeys(actual);
#else
    const RegTree &actual = *registry_;
#endif
    return Replaced(SortedText(actual), "\\" + driverKeyName_, kSimDriverKey);
}

std::string DriverTest::SortedJoystickKeys(const std::string &regText) {
    RegTree tree;
    std::string error;
    EXPECT_TRUE(ParseRegText(regText, tree, &error)) << error;
    return SortedText(tree);
}
