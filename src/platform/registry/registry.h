#pragma once
// The handheld's registry calls over HKEY_CURRENT_USER, kept in one text
// file (see registry_text.h), by default $XDG_CONFIG_HOME/ezo/registry.reg.
// The file is read once, at the first call; every change is written to it at
// once and atomically, and a change whose write fails is not made. A damaged
// file is read as far as it is sound, renamed aside as
// "<file>.damaged-<UTC time>" and replaced by what was read; one that cannot
// be moved aside is left whole, and changes fail rather than overwrite it.
// Each of these, and the first change that cannot be written, is told in one
// line on standard error naming the file. Temporary files that a write cut
// short left beside the file are removed when it is read.
// Key paths and value names ignore case.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry/registry_text.h"

namespace registry {

// Error codes as on the handheld.
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_OUTOFMEMORY = 14;
constexpr long ERROR_WRITE_FAULT = 29;
constexpr long ERROR_DISK_FULL = 112;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_MORE_DATA = 234;

constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
constexpr uint32_t KEY_SET_VALUE = 0x0002;
constexpr uint32_t KEY_CREATE_SUB_KEY = 0x0004;
constexpr uint32_t KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr uint32_t KEY_NOTIFY = 0x0010;
constexpr uint32_t KEY_READ = 0x20019;
constexpr uint32_t KEY_WRITE = 0x20006;
constexpr uint32_t KEY_ALL_ACCESS = 0xF003F;

constexpr uint32_t REG_CREATED_NEW_KEY = 1;
constexpr uint32_t REG_OPENED_EXISTING_KEY = 2;

// A key handle: an open key, or a predefined root.
struct HKEY {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(HKEY, HKEY) = default;
};
constexpr HKEY HKEY_CURRENT_USER{0x80000001};

long RegCreateKeyEx(HKEY parent, std::u16string_view subKey, uint32_t reserved,
                    const char16_t* keyClass, uint32_t options, uint32_t access, void* security,
                    HKEY* result, uint32_t* disposition);
long RegOpenKeyEx(HKEY parent, std::u16string_view subKey, uint32_t options, uint32_t access,
                  HKEY* result);
// With data null, *size receives the size needed. A buffer smaller than the
// value fails with ERROR_MORE_DATA, *size set to the size needed and nothing
// written into data.
long RegQueryValueEx(HKEY key, std::u16string_view name, uint32_t* reserved, uint32_t* type,
                     uint8_t* data, uint32_t* size);
long RegSetValueEx(HKEY key, std::u16string_view name, uint32_t reserved, uint32_t type,
                   const uint8_t* data, uint32_t size);
long RegDeleteValue(HKEY key, std::u16string_view name);
long RegCloseKey(HKEY key);

// Owns an open key and closes it.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    HKEY get() const { return key_; }
    HKEY* out() {
        Close();
        return &key_;
    }
    void Close() {
        if (key_) RegCloseKey(key_);
        key_ = HKEY{};
    }

private:
    HKEY key_;
};

// Where the file lives. Setting it forgets what was loaded and every open
// handle, so the next call reads the new file, and writes changes again.
void SetRegistryFile(std::string hostPath);
std::string RegistryFile();
// With keepInMemory the file is read but never written, nor set aside when
// damaged: changes last as long as the program (a scripted run on the
// user's own settings).
void KeepRegistryInMemory(bool keepInMemory);
// True once a change could not be written to the file (a full disk, a
// read-only folder, a damaged file kept in place), since the file was set.
bool RegistrySaveFailed();

}  // namespace registry
