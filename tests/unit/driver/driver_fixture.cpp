#include "driver_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "regfile.h"
#include "registry_store.h"

#ifdef _WIN32
#include <windows.h>
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

#ifdef _WIN32
// The Windows registry calls beyond the seam: a whole key read into a tree, to
// put the Wine prefix's joystick keys aside and to see what a test left, and
// a key deleted.
void CopyKey(HKEY key, RegNode &node) {
    char name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::vector<std::uint8_t> data(size);
        nameLength = sizeof name;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            break;
        data.resize(size);
        node.SetValue(name, type, std::move(data));
    }
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyA(key, name, &child) != ERROR_SUCCESS) continue;
        CopyKey(child, node.ChildOrNew(name));
        RegCloseKey(child);
    }
}

void CopyMachineKey(const char *path, RegTree &tree) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS) return;
    CopyKey(key, tree.Create(std::string("HKEY_LOCAL_MACHINE\\") + path));
    RegCloseKey(key);
}

bool DeleteMachineKey(const char *path) {
    const LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
#endif

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
    CopyMachineKey(kJoyRootPath, *registry_);
    ASSERT_TRUE(DeleteMachineKey(kJoyRootPath));
    backend_ = NewWin32RegCall();
#else
    backend_ = NewSimulatedRegCall(*registry_);
#endif
    calls_ = std::make_unique<RecordingCalls>(*backend_);
    ASSERT_EQ(kJoySuccess, backend_->JoyGetDriverKeyName(&driverKeyName_));
}

void DriverTest::TearDown() {
#ifdef _WIN32
    EXPECT_TRUE(DeleteMachineKey(kJoyRootPath));
    WriteMachineKeys(*backend_, *registry_);
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
    CopyMachineKey(kJoyRootPath, actual);
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
