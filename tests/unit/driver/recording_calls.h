// A system seam that passes every call on to a real backend and records what
// was done, in order, so that tests can check the sequence of a load. It can
// also stand in for what neither backend has here: a driver device, a missing
// joystick driver, a failing write.
#ifndef KCG_TEST_RECORDING_CALLS_H
#define KCG_TEST_RECORDING_CALLS_H

#include <map>
#include <string>
#include <vector>

#include "regcall.h"

struct CallEvent {
    std::string what;  // "set", "open", "create", "close", "flush", "joyConfigChanged", "device"
    std::string key;   // the key's path below HKEY_LOCAL_MACHINE, or the device step
    std::string name;  // the value name
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class RecordingCalls : public RegCall {
public:
    explicit RecordingCalls(RegCall &backend) : backend_(backend) {}

    // ---- What the test arranges ----
    bool noJoystickDriver = false;      // the joystick API names no driver key
    bool devicePresent = false;         // a device answers OpenDevice
    bool deviceRefusesCodes = false;    // ... but refuses every control code
    std::string failingValueName;       // SetValue of this name fails, writing nothing
    std::string failingCloseKeySuffix;  // CloseKey of a key whose path ends so reports failure
    std::string fullPathOverride;       // when not empty, FullPathName answers this

    // ---- What the test checks ----
    const std::vector<CallEvent> &Events() const { return events_; }
    // The events of one kind, as "key:name" for values and the key otherwise.
    std::vector<std::string> Trace(const std::string &what) const;
    // "set <key>:<name>", "joyConfigChanged", "flush", "device open|1|2|close" in order.
    std::vector<std::string> Sequence() const;
    int OpenKeyCount() const { return static_cast<int>(paths_.size()); }
    int OpenDeviceCount() const { return openDevices_; }
    int Beeps() const { return beeps_; }
    void ClearEvents() { events_.clear(); }

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
    void DefaultBeep() override;

private:
    std::string PathOf(RegKey key) const;
    void Record(const std::string &what, const std::string &key, const std::string &name = std::string());

    RegCall &backend_;
    std::vector<CallEvent> events_;
    std::map<RegKey, std::string> paths_;  // the keys open now
    int openDevices_ = 0;
    DeviceHandle nextDevice_ = 0x7100;
    int beeps_ = 0;
};

#endif
