#include "recording_calls.h"

namespace {

std::string Join(const std::string &parent, const char *path) {
    const std::string child = path != nullptr ? path : "";
    if (parent.empty()) return child;
    if (child.empty()) return parent;
    return parent + "\\" + child;
}

bool EndsWith(const std::string &text, const std::string &suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string RecordingCalls::PathOf(RegKey key) const {
    if (key == kRegLocalMachine) return "";
    auto it = paths_.find(key);
    return it != paths_.end() ? it->second : "?";
}

void RecordingCalls::Record(const std::string &what, const std::string &key, const std::string &name) {
    CallEvent event;
    event.what = what;
    event.key = key;
    event.name = name;
    events_.push_back(std::move(event));
}

std::vector<std::string> RecordingCalls::Trace(const std::string &what) const {
    std::vector<std::string> trace;
    for (const CallEvent &event : events_) {
        if (event.what != what) continue;
        trace.push_back(event.name.empty() ? event.key : event.key + ":" + event.name);
    }
    return trace;
}

std::vector<std::string> RecordingCalls::Sequence() const {
    std::vector<std::string> sequence;
    for (const CallEvent &event : events_) {
        if (event.what == "set") {
            sequence.push_back("set " + event.key + ":" + event.name);
        } else if (event.what == "device") {
            sequence.push_back("device " + event.key);
        } else if (event.what == "joyConfigChanged" || event.what == "flush") {
            sequence.push_back(event.what);
        }
    }
    return sequence;
}

long RecordingCalls::OpenKey(RegKey parent, const char *path, RegKey *key) {
    const std::string full = Join(PathOf(parent), path);
    Record("open", full);
    const long result = backend_.OpenKey(parent, path, key);
    if (result == kRegSuccess) paths_[*key] = full;
    return result;
}

long RecordingCalls::CreateKey(RegKey parent, const char *path, RegKey *key) {
    const std::string full = Join(PathOf(parent), path);
    Record("create", full);
    const long result = backend_.CreateKey(parent, path, key);
    if (result == kRegSuccess) paths_[*key] = full;
    return result;
}

long RecordingCalls::QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                                std::uint32_t *size) {
    Record("query", PathOf(key), name != nullptr ? name : "");
    return backend_.QueryValue(key, name, type, data, size);
}

long RecordingCalls::SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                              std::uint32_t size) {
    const std::string valueName = name != nullptr ? name : "";
    if (!failingValueName.empty() && valueName == failingValueName) return kRegAccessDenied;
    CallEvent event;
    event.what = "set";
    event.key = PathOf(key);
    event.name = valueName;
    event.type = type;
    if (data != nullptr) event.data.assign(data, data + size);
    events_.push_back(std::move(event));
    return backend_.SetValue(key, name, type, data, size);
}

long RecordingCalls::CloseKey(RegKey key) {
    const std::string path = PathOf(key);
    Record("close", path);
    const long result = backend_.CloseKey(key);
    paths_.erase(key);
    if (!failingCloseKeySuffix.empty() && EndsWith(path, failingCloseKeySuffix)) return kRegInvalidHandle;
    return result;
}

long RecordingCalls::FlushKey(RegKey key) {
    Record("flush", key == kRegLocalMachine ? "HKEY_LOCAL_MACHINE" : PathOf(key));
    return backend_.FlushKey(key);
}

std::uint32_t RecordingCalls::JoyGetDriverKeyName(std::string *driverKey) {
    if (noJoystickDriver) return kJoyNoDriver;
    return backend_.JoyGetDriverKeyName(driverKey);
}

std::uint32_t RecordingCalls::JoyConfigChanged(std::uint32_t flags) {
    Record("joyConfigChanged", std::to_string(flags));
    return backend_.JoyConfigChanged(flags);
}

DeviceHandle RecordingCalls::OpenDevice(const char *name) {
    if (!devicePresent) return backend_.OpenDevice(name);
    Record("device", "open", name);
    ++openDevices_;
    return nextDevice_++;
}

bool RecordingCalls::ControlDevice(DeviceHandle device, std::uint32_t code) {
    if (!devicePresent) return backend_.ControlDevice(device, code);
    Record("device", std::to_string(code));
    return !deviceRefusesCodes;
}

bool RecordingCalls::CloseDevice(DeviceHandle device) {
    if (!devicePresent) return backend_.CloseDevice(device);
    Record("device", "close");
    --openDevices_;
    return true;
}

bool RecordingCalls::FullPathName(const char *path, std::string *fullPath) {
    if (fullPathOverride.empty()) return backend_.FullPathName(path, fullPath);
    *fullPath = fullPathOverride;
    return true;
}

void RecordingCalls::DefaultBeep() {
    ++beeps_;
    backend_.DefaultBeep();
}
