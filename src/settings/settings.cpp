#include "settings/settings.h"

#include <cstring>
#include <vector>

#include "platform/registry/registry.h"

namespace ezo {

namespace {

constexpr std::u16string_view kKeyPath = u"Software\\Morvex\\Ezo";
constexpr std::u16string_view kKeyValueNames[kKeyCount] = {u"Key1", u"Key2", u"Key3", u"Key4",
                                                           u"Key5"};

// Opens (creating when missing) the program's key; null key on failure.
bool OpenSettingsKey(uint32_t access, registry::RegKey& key) {
    uint32_t disposition = 0;
    return registry::RegCreateKeyEx(registry::HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, access,
                                    nullptr, key.out(), &disposition) == registry::ERROR_SUCCESS;
}

int WriteSetting(std::u16string_view valueName, uint32_t type, const uint8_t* data,
                 uint32_t size) {
    registry::RegKey key;
    if (!OpenSettingsKey(registry::KEY_WRITE, key)) return 0;
    return registry::RegSetValueEx(key.get(), valueName, 0, type, data, size) ==
                   registry::ERROR_SUCCESS
               ? 1
               : 0;
}

// Whether the value is stored at all, readable or not.
bool SettingExists(std::u16string_view valueName) {
    registry::RegKey key;
    if (!OpenSettingsKey(registry::KEY_READ, key)) return false;
    uint32_t size = 0;
    return registry::RegQueryValueEx(key.get(), valueName, nullptr, nullptr, nullptr, &size) ==
           registry::ERROR_SUCCESS;
}

}  // namespace

int32_t ReadSettingDword(std::u16string_view valueName, int32_t defaultValue) {
    registry::RegKey key;
    if (!OpenSettingsKey(registry::KEY_READ, key)) return 0;
    uint8_t data[4] = {};
    uint32_t type = 0;
    uint32_t size = sizeof data;
    const long result = registry::RegQueryValueEx(key.get(), valueName, nullptr, &type, data, &size);
    // A value of another type is not a number: treat it as missing.
    if (result != registry::ERROR_SUCCESS || type != registry::REG_DWORD || size != sizeof data) {
        return defaultValue;
    }
    int32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    return value;
}

int ReadSettingString(std::u16string_view valueName, std::u16string_view defaultText,
                      std::u16string& buffer) {
    registry::RegKey key;
    if (!OpenSettingsKey(registry::KEY_READ, key)) return 0;
    // A cleared buffer of 260 characters takes at most 259, so the text
    // always ends in a zero, whether or not the stored data has one.
    char16_t text[kMaxSettingText + 1] = {};
    uint32_t type = 0;
    uint32_t size = kMaxSettingText * sizeof(char16_t);
    const long result = registry::RegQueryValueEx(key.get(), valueName, nullptr, &type,
                                                  reinterpret_cast<uint8_t*>(text), &size);
    if (result != registry::ERROR_SUCCESS || type != registry::REG_SZ) {
        buffer.assign(defaultText.substr(0, kMaxSettingText));
        return 0;
    }
    buffer.assign(text);
    return 1;
}

int WriteSettingDword(std::u16string_view valueName, int32_t value) {
    uint8_t data[4];
    std::memcpy(data, &value, sizeof data);
    return WriteSetting(valueName, registry::REG_DWORD, data, sizeof data);
}

int WriteSettingString(std::u16string_view valueName, std::u16string_view text) {
    std::vector<uint8_t> data(text.size() * 2);
    if (!data.empty()) std::memcpy(data.data(), text.data(), data.size());
    return WriteSetting(valueName, registry::REG_SZ, data.data(), uint32_t(data.size()));
}

void LoadSettings(Settings& settings) {
    settings.slideSeconds = ReadSettingDword(u"Slide", 0);
    if (settings.slideSeconds == 0) settings.slideSeconds = 3;

    settings.openMode = ReadSettingDword(u"OpenMode", 0);
    if (settings.openMode == OpenLatestFile) {
        settings.keepStoredFile = !ReadSettingString(u"OpenFile", u"", settings.latestFile) && SettingExists(u"OpenFile");
    } else if (settings.openMode == OpenSelectedFile) {
        settings.keepStoredFile = !ReadSettingString(u"OpenFile", u"", settings.selectedFile) && SettingExists(u"OpenFile");
    } else {
        settings.openMode = OpenNothingLoaded;
        ReadSettingString(u"OpenFile", u"", settings.latestFile);
    }

    if (ReadSettingDword(u"refine", 0) == 1) {
        for (int i = 0; i < kKeyCount; ++i) {
            settings.keyActions[i] = ReadSettingDword(kKeyValueNames[i], 0);
        }
    }
}

int SaveSettings(const Settings& settings, std::u16string_view currentFolder) {
    const int32_t mode = settings.openMode;
    const bool fileMode = mode == OpenLatestFile || mode == OpenSelectedFile;
    int ok = WriteSettingDword(u"OpenMode", fileMode ? mode : OpenNothing);
    const std::u16string_view file = mode == OpenLatestFile     ? std::u16string_view(settings.latestFile)
                                     : mode == OpenSelectedFile ? std::u16string_view(settings.selectedFile)
                                                                : currentFolder;
    // What the next start could not read back, or an empty file standing in
    // for one it could not read, would only overwrite the stored file.
    const bool unreadable = file.size() > size_t(kMaxSettingText);
    const bool unchosen = fileMode && settings.keepStoredFile && file.empty();
    if (!unreadable && !unchosen) ok &= WriteSettingString(u"OpenFile", file);
    ok &= WriteSettingDword(u"refine", 1);
    for (int i = 0; i < kKeyCount; ++i) {
        ok &= WriteSettingDword(kKeyValueNames[i], settings.keyActions[i]);
    }
    ok &= WriteSettingDword(u"Slide", settings.slideSeconds);
    return ok;
}

}  // namespace ezo
