#include "device_notify.h"

const char kDriverDeviceName[] = "\\\\.\\VELIX.VXD";

bool DriverBeginLoad(DriverContext &context) {
    if (context.device != kInvalidDevice) context.sys.CloseDevice(context.device);
    context.device = context.sys.OpenDevice(kDriverDeviceName);
    if (context.device == kInvalidDevice) return false;
    return context.sys.ControlDevice(context.device, kDriverBeginCode);
}

bool DriverEndLoad(DriverContext &context) {
    if (context.device == kInvalidDevice) return false;
    const bool accepted = context.sys.ControlDevice(context.device, kDriverEndCode);
    context.sys.CloseDevice(context.device);
    context.device = kInvalidDevice;
    return accepted;
}
