// The simulated system: an in-memory registry that behaves as the Windows one
// where driver loading depends on it, a joystick API that names the driver key
// "msjstick.drv", and no device.
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

#include "regtree.h"
#include "system_seam.h"

namespace {

const char kHiveLocalMachine[] = "HKEY_LOCAL_MACHINE";
const char kSimDriverKeyName[] = "msjstick.drv";

class SimRegCall : public RegCall {
  public:
    explicit SimRegCall(RegTree &registry) : registry_(registry) {}

    long OpenKey(RegKey parent, const char *path, RegKey *key) override {
        RegNode *from = Node(parent);
        if (from == nullptr) return kRegInvalidHandle;
        if (key == nullptr) return kRegInvalidParameter;
        RegNode *node = RegTree::Find(*from, path != nullptr ? path : "");
        if (node == nullptr) return kRegFileNotFound;
        *key = Open(*node);
        return kRegSuccess;
    }

    long CreateKey(RegKey parent, const char *path, RegKey *key) override {
        RegNode *from = Node(parent);
        if (from == nullptr) return kRegInvalidHandle;
        if (key == nullptr) return kRegInvalidParameter;
        *key = Open(RegTree::Create(*from, path != nullptr ? path : ""));
        return kRegSuccess;
    }

    long QueryValue(RegKey key, const char *name, std::uint32_t *type, std::uint8_t *data,
                    std::uint32_t *size) override {
        RegNode *node = Node(key);
        if (node == nullptr) return kRegInvalidHandle;
        if (data != nullptr && size == nullptr) return kRegInvalidParameter;
        const RegValue *value = node->Value(name != nullptr ? name : "");
        if (value == nullptr) return kRegFileNotFound;
        if (type != nullptr) *type = value->type;
        const auto length = static_cast<std::uint32_t>(value->data.size());
        long result = kRegSuccess;
        if (data != nullptr) {
            if (*size < length) {
                result = kRegMoreData;
            } else if (length > 0) {
                std::memcpy(data, value->data.data(), length);
            }
        }
        if (size != nullptr) *size = length;
        return result;
    }

    long SetValue(RegKey key, const char *name, std::uint32_t type, const std::uint8_t *data,
                  std::uint32_t size) override {
        RegNode *node = Node(key);
        if (node == nullptr) return kRegInvalidHandle;
        if (data == nullptr && size > 0) return kRegInvalidParameter;
        std::vector<std::uint8_t> bytes;
        if (size > 0) bytes.assign(data, data + size);
        node->SetValue(name != nullptr ? name : "", type, std::move(bytes));
        return kRegSuccess;
    }

    long CloseKey(RegKey key) override {
        if (key == kRegLocalMachine) return kRegSuccess;
        return open_.erase(key) == 1 ? kRegSuccess : kRegInvalidHandle;
    }

    long FlushKey(RegKey key) override { return Node(key) != nullptr ? kRegSuccess : kRegInvalidHandle; }

    std::uint32_t JoyGetDriverKeyName(std::string *driverKey) override {
        *driverKey = kSimDriverKeyName;
        return kJoySuccess;
    }

    std::uint32_t JoyConfigChanged(std::uint32_t) override { return kJoySuccess; }

    DeviceHandle OpenDevice(const char *) override { return kInvalidDevice; }
    bool ControlDevice(DeviceHandle, std::uint32_t) override { return false; }
    bool CloseDevice(DeviceHandle) override { return false; }

    bool FullPathName(const char *path, std::string *fullPath) override {
        if (path == nullptr || *path == '\0') return false;
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(path, error);
        if (error) return false;
#ifndef _WIN32
        // The platform's full-path function drops "." and ".." as well; on
        // Windows absolute() already is that function.
        absolute = absolute.lexically_normal();
#endif
        *fullPath = absolute.string();
        return true;
    }

    void DefaultBeep() override {}

  private:
    RegNode *Node(RegKey key) {
        if (key == kRegLocalMachine) return &registry_.Root().ChildOrNew(kHiveLocalMachine);
        auto it = open_.find(key);
        return it != open_.end() ? it->second : nullptr;
    }

    RegKey Open(RegNode &node) {
        const RegKey key = nextKey_;
        nextKey_ += 4;
        open_[key] = &node;
        return key;
    }

    RegTree &registry_;
    std::map<RegKey, RegNode *> open_;
    RegKey nextKey_ = 0x100;
};

} // namespace

std::unique_ptr<RegCall> NewSimulatedRegCall(RegTree &registry) {
    return std::make_unique<SimRegCall>(registry);
}
