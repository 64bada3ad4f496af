// The real system calls behind the driver-loading seam.
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <vector>

#include "system_seam.h"

namespace {

// joyConfigChanged is exported by winmm but not declared by every SDK's
// headers, so it is looked up once per call instead.
using JoyConfigChangedProc = MMRESULT(WINAPI *)(DWORD);

HKEY ToHkey(RegKey key) {
    return key == kRegLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

RegKey FromHkey(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

HANDLE ToHandle(DeviceHandle device) {
    return reinterpret_cast<HANDLE>(device);
}

// Converts between the process's code page and UTF-16 so that the wide
// full-path function, which has no MAX_PATH limit, can be used.
std::wstring Widen(const char *text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

bool Narrow(const std::wstring &wide, std::string *text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return false;
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length - 1));
    *text = narrow;
    return true;
}

class Win32RegCall : public RegCall {
  public:
    long OpenKey(RegKey parent, const char *path, RegKey *key) override {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyA(ToHkey(parent), path, &opened);
        if (result == ERROR_SUCCESS) *key = FromHkey(opened);
        return result;
    }

    long CreateKey(RegKey parent, const char *path, RegKey *key) override {
        HKEY opened = nullptr;
        const LONG result = RegCreateKeyA(ToHkey(parent), path, &opened);
        if (result == ERROR_SUCCESS) *key = FromHkey(opened);
        return result;
    }

    long QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                    std::uint32_t *size) override {
        DWORD valueType = REG_NONE;
        DWORD length = size != nullptr ? *size : 0;
        const LONG result = RegQueryValueExA(ToHkey(key), name, nullptr, &valueType, data,
                                             size != nullptr ? &length : nullptr);
        if (type != nullptr) *type = valueType;
        if (size != nullptr) *size = length;
        return result;
    }

    long SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                  std::uint32_t size) override {
        return RegSetValueExA(ToHkey(key), name, 0, type, data, size);
    }

    long CloseKey(RegKey key) override {
        if (key == kRegLocalMachine) return ERROR_SUCCESS;
        return RegCloseKey(ToHkey(key));
    }

    long FlushKey(RegKey key) override { return RegFlushKey(ToHkey(key)); }

    std::uint32_t JoyGetDriverKeyName(std::string *driverKey) override {
        JOYCAPSA caps = {};
        // The id -1 (0xFFFFFFFF on a 32-bit system) names the driver's key
        // whether or not a joystick is attached.
        const MMRESULT result = joyGetDevCapsA(static_cast<UINT_PTR>(-1), &caps, sizeof caps);
        if (result == JOYERR_NOERROR) {
            caps.szRegKey[sizeof caps.szRegKey - 1] = '\0';
            *driverKey = caps.szRegKey;
        }
        return result;
    }

    std::uint32_t JoyConfigChanged(std::uint32_t flags) override {
        HMODULE winmm = GetModuleHandleA("winmm.dll");
        if (winmm == nullptr) winmm = LoadLibraryA("winmm.dll");
        if (winmm == nullptr) return MMSYSERR_ERROR;
        // Through a generic function pointer, the documented way to convert FARPROC.
        auto proc = reinterpret_cast<JoyConfigChangedProc>(
            reinterpret_cast<void (*)()>(GetProcAddress(winmm, "joyConfigChanged")));
        if (proc == nullptr) return MMSYSERR_ERROR;
        return proc(flags);
    }

    DeviceHandle OpenDevice(const char *name) override {
        HANDLE device = CreateFileA(name, 0, 0, nullptr, 0, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (device == INVALID_HANDLE_VALUE) return kInvalidDevice;
        return reinterpret_cast<DeviceHandle>(device);
    }

    bool ControlDevice(DeviceHandle device, std::uint32_t code) override {
        // Windows NT faults without a byte-count pointer when no overlapped
        // structure is given, so one is passed although no bytes come back.
        DWORD returned = 0;
        return DeviceIoControl(ToHandle(device), code, nullptr, 0, nullptr, 0, &returned, nullptr) != 0;
    }

    bool CloseDevice(DeviceHandle device) override { return CloseHandle(ToHandle(device)) != 0; }

    bool FullPathName(const char *path, std::string *fullPath) override {
        if (path == nullptr || *path == '\0') return false;
        const std::wstring wide = Widen(path);
        if (wide.empty()) return false;
        std::vector<wchar_t> buffer(MAX_PATH);
        for (;;) {
            const DWORD length =
                GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
            if (length == 0) return false;
            if (length < buffer.size()) return Narrow(std::wstring(buffer.data(), length), fullPath);
            buffer.resize(length); // the length needed, terminator included
        }
    }

    void DefaultBeep() override { MessageBeep(0); }
};

} // namespace

std::unique_ptr<RegCall> NewWin32RegCall() {
    return std::make_unique<Win32RegCall>();
}
