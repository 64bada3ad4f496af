// A system seam that passes every call on to a real backend and records the
// writes, notifications and device steps in order, so that tests can check
// the sequence of a load. It also stands in for what neither backend has
// here: a driver device, a missing joystick driver, a failing write.
#ifndef KCG_TEST_RECORDING_CALLS_H
#define KCG_TEST_RECORDING_CALLS_H

#include <map>
#include <string>
#include <vector>

#include "regcall.h"

class RecordingCalls : public RegCall {
  public:
    explicit RecordingCalls(RegCall &backend) : backend_(backend) {}

    // ---- What the test arranges ----
    bool noJoystickDriver = false;   // the joystick API names no driver key
    bool devicePresent = false;      // a device answers OpenDevice
    bool deviceRefusesCodes = false; // ... but refuses every control code
    std::string failingValueName;    // SetValue of this name fails, writing nothing
    std::string fullPathOverride;    // when not empty, FullPathName answers this

    // ---- What the test checks ----
    // "set <key path>:<name>", "joyConfigChanged <flags>", "flush <key path>",
    // "device open|1|2|close", in order; HKEY_LOCAL_MACHINE is "HKLM".
    const std::vector<std::string> &Steps() const { return steps_; }
    void ClearSteps() { steps_.clear(); }
    int OpenKeyCount() const { return static_cast<int>(paths_.size()); }
    int OpenDeviceCount() const { return openDevices_; }

    long OpenKey(RegKey parent, const char *path, RegKey *key) override;
    long CreateKey(RegKey parent, const char *path, RegKey *key) override;
    long QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                    std::uint32_t *size) override;
    long SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                  std::uint32_t size) override;
    long CloseKey(RegKey key) override;
    long FlushKey(RegKey key) override;
    std::uint32_t JoyGetDriverKeyName(std::string *driverKey) override;
    std::uint32_t JoyConfigChanged(std::uint32_t flags) override;
    DeviceHandle OpenDevice(const char *name) override;
    bool ControlDevice(DeviceHandle device, std::uint32_t code) override;
    bool CloseDevice(DeviceHandle device) override;
    bool FullPathName(const char *path, std::string *fullPath) override;
    void DefaultBeep() override { backend_.DefaultBeep(); }

  private:
    std::string PathOf(RegKey key) const;
    long Opened(long result, RegKey parent, const char *path, RegKey *key);

    RegCall &backend_;
    std::vector<std::string> steps_;
    std::map<RegKey, std::string> paths_; // the keys open now
    int openDevices_ = 0;
};

#endif
