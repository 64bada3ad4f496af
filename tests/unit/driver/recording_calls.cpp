#include "recording_calls.h"

std::string RecordingCalls::PathOf(RegKey key) const {
    if (key == kRegLocalMachine) return "HKLM";
    auto it = paths_.find(key);
    return it != paths_.end() ? it->second : "?";
}

long RecordingCalls::Opened(long result, RegKey parent, const char *path, RegKey *key) {
    if (result == kRegSuccess) paths_[*key] = PathOf(parent) + "\\" + (path != nullptr ? path : "");
    return result;
}

long RecordingCalls::OpenKey(RegKey parent, const char *path, RegKey *key) {
    return Opened(backend_.OpenKey(parent, path, key), parent, path, key);
}

long RecordingCalls::CreateKey(RegKey parent, const char *path, RegKey *key) {
    return Opened(backend_.CreateKey(parent, path, key), parent, path, key);
}

long RecordingCalls::QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                                std::uint32_t *size) {
    return backend_.QueryValue(key, name, type, data, size);
}

long RecordingCalls::SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                              std::uint32_t size) {
    if (!failingValueName.empty() && failingValueName == name) return kRegAccessDenied;
    steps_.push_back("set " + PathOf(key) + ":" + name);
    return backend_.SetValue(key, name, type, data, size);
}

long RecordingCalls::CloseKey(RegKey key) {
    paths_.erase(key);
    return backend_.CloseKey(key);
}

long RecordingCalls::FlushKey(RegKey key) {
    steps_.push_back("flush " + PathOf(key));
    return backend_.FlushKey(key);
}

std::uint32_t RecordingCalls::JoyGetDriverKeyName(std::string *driverKey) {
    return noJoystickDriver ? kJoyNoDriver : backend_.JoyGetDriverKeyName(driverKey);
}

std::uint32_t RecordingCalls::JoyConfigChanged(std::uint32_t flags) {
    steps_.push_back("joyConfigChanged " + std::to_string(flags));
    return backend_.JoyConfigChanged(flags);
}

DeviceHandle RecordingCalls::OpenDevice(const char *name) {
    if (!devicePresent) return backend_.OpenDevice(name);
    steps_.push_back("device open");
    ++openDevices_;
    return 0x7100 + openDevices_;
}

bool RecordingCalls::ControlDevice(DeviceHandle device, std::uint32_t code) {
    if (!devicePresent) return backend_.ControlDevice(device, code);
    steps_.push_back("device " + std::to_string(code));
    return !deviceRefusesCodes;
}

bool RecordingCalls::CloseDevice(DeviceHandle device) {
    if (!devicePresent) return backend_.CloseDevice(device);
    steps_.push_back("device close");
    --openDevices_;
    return true;
}

bool RecordingCalls::FullPathName(const char *path, std::string *fullPath) {
    if (fullPathOverride.empty()) return backend_.FullPathName(path, fullPath);
    *fullPath = fullPathOverride;
    return true;
}
