// The system seam of driver loading: every call that the registry store, the
// load and the device notification make to the operating system.
//
// Two implementations exist. The Win32 one makes the real calls; the
// simulated one keeps an in-memory registry (regtree.h), answers the joystick
// API with the driver key name "msjstick.drv" and has no device. Driver code
// sees only this interface, so the same code and the same tests run on both.
//
// Results are the system's own codes: registry calls return Windows error
// codes (kRegSuccess on success), joystick calls multimedia results (kJoySuccess
// on success).
#ifndef KCG_SYSTEM_SEAM_H
#define KCG_SYSTEM_SEAM_H

#include <cstdint>
#include <memory>
#include <string>

class RegTree;

// An open registry key. kRegLocalMachine is always open and is never closed.
using RegKey = std::uintptr_t;
constexpr RegKey kRegLocalMachine = 0x80000002u;

// An open device; kInvalidDevice when none.
using DeviceHandle = std::intptr_t;
constexpr DeviceHandle kInvalidDevice = -1;

// Windows error codes the registry calls return.
constexpr long kRegSuccess = 0;
constexpr long kRegFileNotFound = 2; // the key or value does not exist
constexpr long kRegAccessDenied = 5;
constexpr long kRegInvalidHandle = 6; // the key is not open
constexpr long kRegInvalidParameter = 87;
constexpr long kRegMoreData = 234; // the value is longer than the buffer

// Registry value types.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Multimedia results of the joystick calls.
constexpr std::uint32_t kJoySuccess = 0;
constexpr std::uint32_t kJoyNoDriver = 6; // no joystick driver answers

class RegCall {
  public:
    virtual ~RegCall() = default;

    // RegOpenKeyA: opens the existing key at path (one or more levels joined
    // by backslashes) below parent. Fails with kRegFileNotFound when a level
    // is missing; creates nothing.
    virtual long OpenKey(RegKey parent, const char *path, RegKey *key) = 0;

    // RegCreateKeyA: opens the key at path below parent, creating every
    // missing level of it.
    virtual long CreateKey(RegKey parent, const char *path, RegKey *key) = 0;

    // RegQueryValueExA: *size is the buffer's size on entry and the value's
    // stored length on return. With a null data pointer only the length is
    // returned. A value longer than the buffer returns kRegMoreData and leaves
    // the buffer's content undefined. type may be null.
    virtual long QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                            std::uint32_t *size) = 0;

    // RegSetValueExA: stores exactly size bytes of data under name, with type.
    virtual long SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                          std::uint32_t size) = 0;

    // RegCloseKey.
    virtual long CloseKey(RegKey key) = 0;

    // RegFlushKey: writes the key's changes to disk.
    virtual long FlushKey(RegKey key) = 0;

    // joyGetDevCapsA for the joystick id -1, which names the joystick driver's
    // registry key whether or not a device is present. On success *driverKey
    // is the record's szRegKey text.
    virtual std::uint32_t JoyGetDriverKeyName(std::string *driverKey) = 0;

    // joyConfigChanged: the joystick driver reloads its settings from the registry.
    virtual std::uint32_t JoyConfigChanged(std::uint32_t flags) = 0;

    // CreateFileA of a virtual device: no access rights, no sharing, no
    // security attributes, creation disposition 0, FILE_FLAG_DELETE_ON_CLOSE.
    // Returns kInvalidDevice when the device cannot be opened.
    virtual DeviceHandle OpenDevice(const char *name) = 0;

    // DeviceIoControl with code and no input or output buffers; true when the
    // device accepted the code.
    virtual bool ControlDevice(DeviceHandle device, std::uint32_t code) = 0;

    // CloseHandle of a device.
    virtual bool CloseDevice(DeviceHandle device) = 0;

    // The absolute form of path, as the platform's full-path function gives
    // it, however long. False when the platform cannot give one.
    virtual bool FullPathName(const char *path, std::string *fullPath) = 0;

    // MessageBeep(0).
    virtual void DefaultBeep() = 0;
};

// The simulated system over registry, which the caller owns and which must
// outlive the result. Keys that are still open when the result is destroyed
// are simply forgotten.
std::unique_ptr<RegCall> NewSimulatedRegCall(RegTree &registry);

#ifdef _WIN32
// The real system calls.
std::unique_ptr<RegCall> NewWin32RegCall();
#endif

#endif
