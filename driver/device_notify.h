// The Kavelin driver's virtual device, told when a load of settings begins
// and ends, so that it does not act on half-written registry values.
#ifndef KCG_DEVICE_NOTIFY_H
#define KCG_DEVICE_NOTIFY_H

#include <cstdint>

#include "system_seam.h"

extern const char kDriverDeviceName[]; // "\\.\VELIX.VXD"

// Control codes, sent with no input and no output buffer.
constexpr std::uint32_t kDriverBeginCode = 1;
constexpr std::uint32_t kDriverEndCode = 2;

// What driver loading works with: the system calls and the one handle to the
// driver's device, valid between a successful begin and the next end. The
// owner (the editor, or one run of the kcg tool) keeps it for as long as it
// loads settings.
struct DriverContext {
    explicit DriverContext(RegCall &calls) : sys(calls) {}
    DriverContext(const DriverContext &) = delete;
    DriverContext &operator=(const DriverContext &) = delete;

    RegCall &sys;
    DeviceHandle device = kInvalidDevice;
};

// Opens the device and sends the begin code. True when the device was opened
// and accepted the code. A handle still held from an unfinished begin is
// closed first, so that none leaks.
bool DriverBeginLoad(DriverContext &context);

// Sends the end code and closes the device. False at once when no device is
// open; otherwise true when the device accepted the code. The handle is
// closed either way.
bool DriverEndLoad(DriverContext &context);

#endif
