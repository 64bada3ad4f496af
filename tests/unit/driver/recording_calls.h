// A system seam that passes every call on to a real backend and records the
// steps of a load. It also stands in for what neither backend has here: a
// driver device, a missing joystick driver, a failing write.
#ifndef KCG_TEST_RECORDING_CALLS_H
#define KCG_TEST_RECORDING_CALLS_H

#include <string>

#include "system_seam.h"

class RecordingCalls : public RegCall {
  public:
    explicit RecordingCalls(RegCall &backend) : backend_(backend) {}

    bool noJoystickDriver = false;   // the joystick API names no driver key
    bool devicePresent = false;      // a device answers OpenDevice
    bool deviceRefusesCodes = false; // ... but refuses every control code
    std::string failingValueName;    // SetValue of this name fails, writing nothing
    std::string fullPathOverride;    // when not empty, FullPathName answers this

    // One line a step: "set <value name>", "joyConfigChanged <flags>",
    // "flush HKLM", "device open|1|2|close".
    const std::string &Steps() const { return steps_; }
    int openKeys = 0;
    int openDevices = 0;

    long OpenKey(RegKey parent, const char *path, RegKey *key) override {
        return Opened(backend_.OpenKey(parent, path, key));
    }
    long CreateKey(RegKey parent, const char *path, RegKey *key) override {
        return Opened(backend_.CreateKey(parent, path, key));
    }
    long QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                    std::uint32_t *size) override {
        return backend_.QueryValue(key, name, type, data, size);
    }
    long SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                  std::uint32_t size) override {
        if (failingValueName == name) return kRegAccessDenied;
        Step(std::string("set ") + name);
        return backend_.SetValue(key, name, type, data, size);
    }
    long CloseKey(RegKey key) override {
        if (key != kRegLocalMachine) --openKeys;
        return backend_.CloseKey(key);
    }
    long FlushKey(RegKey key) override {
        Step(key == kRegLocalMachine ? "flush HKLM" : "flush");
        return backend_.FlushKey(key);
    }
    std::uint32_t JoyGetDriverKeyName(std::string *driverKey) override {
        return noJoystickDriver ? kJoyNoDriver : backend_.JoyGetDriverKeyName(driverKey);
    }
    std::uint32_t JoyConfigChanged(std::uint32_t flags) override {
        Step("joyConfigChanged " + std::to_string(flags));
        return backend_.JoyConfigChanged(flags);
    }
    DeviceHandle OpenDevice(const char *name) override {
        if (!devicePresent) return backend_.OpenDevice(name);
        Step("device open");
        return 0x7100 + ++openDevices;
    }
    bool ControlDevice(DeviceHandle device, std::uint32_t code) override {
        if (!devicePresent) return backend_.ControlDevice(device, code);
        Step("device " + std::to_string(code));
        return !deviceRefusesCodes;
    }
    bool CloseDevice(DeviceHandle device) override {
        if (!devicePresent) return backend_.CloseDevice(device);
        Step("device close");
        --openDevices;
        return true;
    }
    bool FullPathName(const char *path, std::string *fullPath) override {
        if (fullPathOverride.empty()) return backend_.FullPathName(path, fullPath);
        *fullPath = fullPathOverride;
        return true;
    }
    void DefaultBeep() override { backend_.DefaultBeep(); }

  private:
    long Opened(long result) {
        if (result == kRegSuccess) ++openKeys;
        return result;
    }
    void Step(const std::string &step) { steps_ += step + "\n"; }

    RegCall &backend_;
    std::string steps_;
};

#endif
