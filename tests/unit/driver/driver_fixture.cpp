#include "driver_fixture.h"

#include <cstdio>
#include <filesystem>

#include "regutil.h"

#ifdef _WIN32
#include "windows_registry.h"
#endif

namespace fs = std::filesystem;

std::vector<std::uint8_t> Le32Bytes(const std::vector<std::int32_t> &numbers) {
    std::vector<std::uint8_t> bytes;
    for (std::int32_t number : numbers) {
        const auto value = static_cast<std::uint32_t>(number);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    return bytes;
}

std::vector<std::uint8_t> TextBytes(const std::string &text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
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
    ASSERT_EQ(0u, backend_->JoyGetDriverKeyName(&driverKeyName_));

    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder = fs::temp_directory_path() / (std::string("kcg_driver_") + test->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    tempFolder_ = folder.string();
}

void DriverTest::TearDown() {
    calls_.reset();
    backend_.reset();
#ifdef _WIN32
    EXPECT_TRUE(RestoreJoystickKeys(*registry_));
#endif
    std::error_code ignored;
    fs::remove_all(tempFolder_, ignored);
}

std::string DriverTest::DriverPath(const std::string &key) const {
    std::string path = std::string(kJoyRootPath) + "\\" + driverKeyName_;
    if (!key.empty()) path += "\\" + key;
    return path;
}

std::vector<std::string> DriverTest::Steps() const {
    const std::string prefix = "HKLM\\" + DriverPath("") + "\\";
    std::vector<std::string> steps = calls_->Steps();
    for (std::string &step : steps) {
        const size_t at = step.find(prefix);
        if (at != std::string::npos) step.erase(at, prefix.size());
    }
    return steps;
}

std::vector<std::string> DriverTest::Writes() const {
    std::vector<std::string> writes;
    for (const std::string &step : Steps()) {
        if (step.compare(0, 4, "set ") == 0) writes.push_back(step);
    }
    return writes;
}

void DriverTest::CreateDriverKey() {
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, backend_->CreateKey(kRegLocalMachine, DriverPath("").c_str(), &key));
    backend_->CloseKey(key);
}

void DriverTest::PutValue(const std::string &key, const std::string &name, std::uint32_t type,
                          const std::vector<std::uint8_t> &data) {
    RegKey opened = 0;
    ASSERT_EQ(kRegSuccess, backend_->CreateKey(kRegLocalMachine, DriverPath(key).c_str(), &opened));
    EXPECT_EQ(kRegSuccess, backend_->SetValue(opened, name.c_str(), type, data.data(),
                                              static_cast<std::uint32_t>(data.size())));
    backend_->CloseKey(opened);
}

void DriverTest::PutCallout(int joystickNumber, const std::string &text) {
    PutValue(kJoyCurrentSettingsKey, "Joystick" + std::to_string(joystickNumber) + "OEMCallout", kRegSz,
             TextBytes(text));
}

std::vector<std::uint8_t> DriverTest::Value(const std::string &key, const std::string &name) {
    std::vector<std::uint8_t> data;
    RegKey opened = 0;
    std::uint32_t type = 0, size = 0;
    long result = backend_->OpenKey(kRegLocalMachine, DriverPath(key).c_str(), &opened);
    if (result == kRegSuccess) {
        result = backend_->QueryValue(opened, name.c_str(), &type, nullptr, &size);
        data.assign(size, 0);
        if (result == kRegSuccess)
            result = backend_->QueryValue(opened, name.c_str(), &type, data.data(), &size);
        data.resize(result == kRegSuccess ? size : 0);
        backend_->CloseKey(opened);
    }
    EXPECT_EQ(kRegSuccess, result) << key << ":" << name;
    return data;
}

bool DriverTest::KeyExists(const std::string &key) {
    RegKey opened = 0;
    if (backend_->OpenKey(kRegLocalMachine, DriverPath(key).c_str(), &opened) != kRegSuccess) return false;
    backend_->CloseKey(opened);
    return true;
}

std::string DriverTest::TempPath(const std::string &name) const {
    return (fs::path(tempFolder_) / name).string();
}

std::string DriverTest::WriteFile(const std::string &name, const std::string &text) {
    const std::string path = TempPath(name);
    FILE *file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(nullptr, file) << path;
    if (file != nullptr) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}
