#include "windows_registry.h"

#include <windows.h>

#include <string>
#include <vector>

#include "registry_store.h"

namespace {

void CopyKey(HKEY key, RegNode &node) {
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::vector<std::uint8_t> data(size);
        nameLength = sizeof name;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS) {
            break;
        }
        data.resize(size);
        node.SetValue(name, type, std::move(data));
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY child = nullptr;
        if (RegOpenKeyA(key, name, &child) != ERROR_SUCCESS) continue;
        CopyKey(child, node.ChildOrNew(name));
        RegCloseKey(child);
    }
}

bool WriteKey(HKEY parent, const RegNode &node) {
    HKEY key = nullptr;
    if (RegCreateKeyA(parent, node.Name().c_str(), &key) != ERROR_SUCCESS) return false;
    bool written = true;
    for (const RegValue &value : node.Values()) {
        written = RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                                 static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS &&
                  written;
    }
    for (const auto &child : node.Children())
        written = WriteKey(key, *child) && written;
    RegCloseKey(key);
    return written;
}

bool RemoveJoystickRoot() {
    const LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, kJoyRootPath);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace

void CopyJoystickKeys(RegTree &tree) {
    HKEY root = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kJoyRootPath, &root) != ERROR_SUCCESS) return; // nothing there
    CopyKey(root, tree.Create(std::string("HKEY_LOCAL_MACHINE\\") + kJoyRootPath));
    RegCloseKey(root);
}

bool PutAsideJoystickKeys(RegTree &saved) {
    CopyJoystickKeys(saved);
    return RemoveJoystickRoot();
}

bool RestoreJoystickKeys(const RegTree &saved) {
    if (!RemoveJoystickRoot()) return false;
    const RegNode *root = saved.Find(std::string("HKEY_LOCAL_MACHINE\\") + kJoyRootPath);
    if (root == nullptr) return true;
    const std::string parentPath(kJoyRootPath, std::string(kJoyRootPath).rfind('\\'));
    HKEY parent = nullptr;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, parentPath.c_str(), &parent) != ERROR_SUCCESS) return false;
    const bool written = WriteKey(parent, *root);
    RegCloseKey(parent);
    return written;
}
