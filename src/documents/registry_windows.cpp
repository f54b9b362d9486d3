// The real registry, only on Windows.
#ifdef _WIN32
#include "documents/registry.h"

#include <windows.h>

#include <vector>

namespace brevane {

RegistryValue ReadRegistryValue(RegistryRoot root, std::string_view subKey, std::string_view valueName) {
    HKEY rootKey = root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY key = nullptr;
    const std::string subKeyText(subKey);
    const std::string nameText(valueName);
    if (RegOpenKeyExA(rootKey, subKeyText.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::string();

    RegistryValue result = std::string();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, nameText.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        if (type == REG_SZ) {
            std::vector<char> buffer(size + 1, '\0');
            DWORD fetched = size;
            if (RegQueryValueExA(key, nameText.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                 &fetched) == ERROR_SUCCESS)
                result = std::string(buffer.data()); // up to the first NUL
        } else if (type == REG_DWORD) {
            DWORD number = 0;
            DWORD fetched = sizeof number;
            if (RegQueryValueExA(key, nameText.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number),
                                 &fetched) == ERROR_SUCCESS &&
                fetched == sizeof number)
                result = static_cast<std::int32_t>(number);
        }
    }
    RegCloseKey(key);
    return result;
}

} // namespace brevane
#endif
