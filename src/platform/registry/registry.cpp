#include "platform/registry/registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>

#include "platform/files/name_case.h"
#include "platform/registry/atomic_file.h"

namespace registry {

namespace {

// Larger files are read only this far and kept aside as damaged; writes
// that would pass it are refused, so the program never writes a file it
// would not read back whole.
constexpr size_t kMaxFileBytes = 4 << 20;

struct OpenKey {
    std::u16string folded;
    uint32_t access = 0;
};

struct Store {
    std::mutex mutex;
    std::string file;
    bool loaded = false;
    // A damaged file that could not be moved aside is never written over;
    // changes then fail.
    bool writesBlocked = false;
    // A change could not be written (and was not made); told once.
    bool saveFailed = false;
    bool inMemory = false;  // changes are never written
    RegKeyMap keys;
    std::map<uint32_t, OpenKey> handles;
    uint32_t nextHandle = 1;
};

Store& TheStore() {
    static Store store;
    return store;
}

std::string DefaultFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home && *home ? home : "") + "/.config";
    }
    return folder + "/ezo/registry.reg";
}

std::string FileOf(const Store& store) { return store.file.empty() ? DefaultFile() : store.file; }

void MakeParentFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    }
}

// One line on standard error: what happened to the settings file. The
// program goes on either way; the user should know their settings' fate.
void Tell(const std::string& path, const std::string& what) {
    std::fprintf(stderr, "ezo: settings file %s: %s\n", path.c_str(), what.c_str());
}

enum class ReadResult { Missing, Read, Unusable };

// Reads at most kMaxFileBytes; *tooLarge tells that more was there, error
// why the file is unusable (0: it is no regular file).
ReadResult ReadCapped(const std::string& path, std::string& text, bool& tooLarge, int& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    error = errno;
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Unusable;
    struct stat st;
    ReadResult result = ReadResult::Read;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = ReadResult::Unusable;
        error = 0;  // no error: not a regular file
    }
    text.clear();
    tooLarge = false;
    char buffer[65536];
    while (result == ReadResult::Read) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result = ReadResult::Unusable;
            error = errno;
        }
        if (got <= 0) break;
        const size_t room = kMaxFileBytes - text.size();
        text.append(buffer, std::min(size_t(got), room));
        if (size_t(got) > room) {
            tooLarge = true;
            break;
        }
    }
    ::close(fd);
    if (tooLarge) {
        // Only whole lines count.
        const size_t lastNewline = text.rfind('\n');
        text.resize(lastNewline == std::string::npos ? 0 : lastNewline + 1);
    }
    return result;
}

// Moves path to target unless target exists.
bool MoveWithoutReplacing(const std::string& path, const std::string& target) {
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without that rename: a link fails when the target exists.
    if (::link(path.c_str(), target.c_str()) != 0) return false;
    ::unlink(path.c_str());
    return true;
}

// Renames a damaged file to "<file>.damaged-<UTC time>[-n]", never over
// another file. Where it went; nothing when it stays where it is.
std::optional<std::string> KeepAside(const std::string& path) {
    char stamp[32];
    const time_t now = std::time(nullptr);
    tm fields{};
    gmtime_r(&now, &fields);
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &fields);
    const std::string base = path + ".damaged-" + stamp;
    for (int n = 0; n < 1000; ++n) {
        const std::string target = n == 0 ? base : base + "-" + std::to_string(n);
        if (MoveWithoutReplacing(path, target)) return target;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

// Writes the keys; the errno value of a failed write goes to *error.
long Persist(const Store& store, const RegKeyMap& keys, int* error = nullptr) {
    const std::string text = FormatRegistryText(keys);
    if (text.size() > kMaxFileBytes) {
        if (error) *error = EFBIG;
        return ERROR_OUTOFMEMORY;
    }
    const std::string path = FileOf(store);
    MakeParentFolders(path);
    int failure = 0;
    if (WriteFileAtomically(path, text, &failure)) return ERROR_SUCCESS;
    if (error) *error = failure;
    return failure == ENOSPC || failure == EDQUOT ? ERROR_DISK_FULL : ERROR_WRITE_FAULT;
}

// Why a file is set aside, for the line that tells of it.
std::string ProblemOf(ReadResult read, int error, bool tooLarge) {
    if (read == ReadResult::Unusable && error == 0) return "is not a regular file";
    if (read == ReadResult::Unusable) return std::string("cannot be read (") + std::strerror(error) + ")";
    return tooLarge ? "is too large" : "is damaged";
}

void Load(Store& store) {
    if (store.loaded) return;
    store.loaded = true;
    const std::string path = FileOf(store);
    if (!store.inMemory) RemoveStaleTemporaries(path);
    std::string text;
    bool tooLarge = false;
    int error = 0;
    const ReadResult read = ReadCapped(path, text, tooLarge, error);
    if (read == ReadResult::Missing) return;
    ParsedRegistry parsed = ParseRegistryText(read == ReadResult::Read ? text : std::string());
    store.keys = std::move(parsed.keys);
    if (store.inMemory || (read == ReadResult::Read && !tooLarge && !parsed.damaged())) return;
    const std::string problem = ProblemOf(read, error, tooLarge);
    const std::optional<std::string> aside = KeepAside(path);
    const int moveError = errno;
    if (!aside) {
        Tell(path, problem + " and cannot be moved aside (" + std::strerror(moveError) +
                       "); no setting will be saved over it");
        store.writesBlocked = true;
        return;
    }
    Tell(path, problem + "; kept as " + *aside +
                   (store.keys.empty() ? "; the settings start from their defaults"
                                       : "; the settings read from it are kept"));
    Persist(store, store.keys);  // best effort; the next change writes again
}

void NoteSaveFailure(Store& store, const std::string& why) {
    if (!store.saveFailed) Tell(FileOf(store), "the settings cannot be saved (" + why + ")");
    store.saveFailed = true;
}

// Makes a change to a copy of the keys and keeps it only once it is on disk.
long Commit(Store& store, RegKeyMap next) {
    if (store.inMemory) {
        store.keys = std::move(next);
        return ERROR_SUCCESS;
    }
    if (store.writesBlocked) {
        store.saveFailed = true;  // told when the file was found damaged
        return ERROR_WRITE_FAULT;
    }
    int error = 0;
    const long result = Persist(store, next, &error);
    if (result == ERROR_SUCCESS) {
        store.keys = std::move(next);
    } else {
        NoteSaveFailure(store, std::strerror(error));
    }
    return result;
}

std::optional<std::u16string> FoldedPathOf(const Store& store, HKEY key) {
    if (key == HKEY_CURRENT_USER) return std::u16string();
    const auto found = store.handles.find(key.id);
    if (found == store.handles.end()) return std::nullopt;
    return found->second.folded;
}

bool KeyExists(const Store& store, const std::u16string& folded) {
    return folded.empty() || store.keys.count(folded) > 0;
}

// The full path of subKey below parent, as written; null when not valid.
std::optional<std::u16string> SubKeyPath(const Store& store, HKEY parent,
                                         std::u16string_view subKey) {
    const std::optional<std::u16string> folded = FoldedPathOf(store, parent);
    if (!folded || !IsValidKeyPath(subKey)) return std::nullopt;
    const auto found = store.keys.find(*folded);
    std::u16string path = found == store.keys.end() ? std::u16string() : found->second.path;
    if (!subKey.empty()) {
        if (!path.empty()) path += u'\\';
        path += subKey;
    }
    if (!IsValidKeyPath(path)) return std::nullopt;
    return path;
}

HKEY NewHandle(Store& store, std::u16string folded, uint32_t access) {
    // Handle numbers stay below the predefined roots and skip open ones.
    uint32_t id = store.nextHandle;
    while (id == 0 || id >= HKEY_CURRENT_USER.id || store.handles.count(id)) {
        id = id == 0 || id >= HKEY_CURRENT_USER.id ? 1 : id + 1;
    }
    store.nextHandle = id + 1;
    store.handles[id] = OpenKey{std::move(folded), access};
    return HKEY{id};
}

// The open key behind a handle, checked for the access asked.
long Access(const Store& store, HKEY key, uint32_t needed, std::u16string& folded) {
    if (key == HKEY_CURRENT_USER) {
        folded.clear();
        return ERROR_SUCCESS;
    }
    const auto found = store.handles.find(key.id);
    if (found == store.handles.end()) return ERROR_INVALID_HANDLE;
    if ((found->second.access & needed) != needed) return ERROR_ACCESS_DENIED;
    folded = found->second.folded;
    return ERROR_SUCCESS;
}

size_t ValueCount(const RegKeyMap& keys) {
    size_t count = 0;
    for (const auto& entry : keys) count += entry.second.values.size();
    return count;
}

}  // namespace

long RegCreateKeyEx(HKEY parent, std::u16string_view subKey, uint32_t reserved,
                    const char16_t* keyClass, uint32_t options, uint32_t access, void* security,
                    HKEY* result, uint32_t* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = HKEY{};
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    Load(store);
    if (parent != HKEY_CURRENT_USER && !store.handles.count(parent.id)) return ERROR_INVALID_HANDLE;
    const std::optional<std::u16string> path = SubKeyPath(store, parent, subKey);
    if (!path) return ERROR_INVALID_PARAMETER;
    std::u16string folded = FoldKeyPath(*path);
    const bool existed = KeyExists(store, folded);
    if (!existed) {
        RegKeyMap next = store.keys;
        if (!EnsureKey(next, *path)) return ERROR_OUTOFMEMORY;
        if (const long failed = Commit(store, std::move(next))) return failed;
    }
    if (disposition) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = NewHandle(store, std::move(folded), access);
    return ERROR_SUCCESS;
}

long RegOpenKeyEx(HKEY parent, std::u16string_view subKey, uint32_t options, uint32_t access,
                  HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = HKEY{};
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    Load(store);
    if (parent != HKEY_CURRENT_USER && !store.handles.count(parent.id)) return ERROR_INVALID_HANDLE;
    const std::optional<std::u16string> path = SubKeyPath(store, parent, subKey);
    if (!path) return ERROR_INVALID_PARAMETER;
    std::u16string folded = FoldKeyPath(*path);
    if (!KeyExists(store, folded)) return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(store, std::move(folded), access);
    return ERROR_SUCCESS;
}

long RegQueryValueEx(HKEY key, std::u16string_view name, uint32_t* reserved, uint32_t* type,
                     uint8_t* data, uint32_t* size) {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    Load(store);
    std::u16string folded;
    if (const long denied = Access(store, key, KEY_QUERY_VALUE, folded)) return denied;
    if (data && !size) return ERROR_INVALID_PARAMETER;
    const auto found = store.keys.find(folded);
    if (found == store.keys.end()) return ERROR_FILE_NOT_FOUND;
    const RegValue* value = FindValue(found->second, name);
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (type) *type = value->type;
    const uint32_t needed = uint32_t(value->data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data && needed > 0) std::memcpy(data, value->data.data(), needed);
    if (size) *size = needed;
    return ERROR_SUCCESS;
}

long RegSetValueEx(HKEY key, std::u16string_view name, uint32_t reserved, uint32_t type,
                   const uint8_t* data, uint32_t size) {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    Load(store);
    std::u16string folded;
    if (const long denied = Access(store, key, KEY_SET_VALUE, folded)) return denied;
    if (!IsValidValueName(name) || size > kMaxValueBytes || (!data && size > 0)) {
        return ERROR_INVALID_PARAMETER;
    }
    const auto found = store.keys.find(folded);
    const std::u16string path = found == store.keys.end() ? u"" : found->second.path;
    if (!KeyExists(store, folded)) return ERROR_FILE_NOT_FOUND;
    RegKeyMap next = store.keys;
    RegKeyData* target = EnsureKey(next, path);
    if (!target) return ERROR_OUTOFMEMORY;
    std::vector<uint8_t> bytes(data, data + size);
    if (RegValue* existing = FindValue(*target, name)) {
        existing->type = type;
        existing->data = std::move(bytes);
    } else {
        if (target->values.size() >= kMaxValuesPerKey || ValueCount(next) >= kMaxValues) {
            return ERROR_OUTOFMEMORY;
        }
        target->values.push_back(RegValue{std::u16string(name), type, std::move(bytes)});
    }
    return Commit(store, std::move(next));
}

long RegDeleteValue(HKEY key, std::u16string_view name) {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    Load(store);
    std::u16string folded;
    if (const long denied = Access(store, key, KEY_SET_VALUE, folded)) return denied;
    RegKeyMap next = store.keys;
    const auto found = next.find(folded);
    if (found == next.end()) return ERROR_FILE_NOT_FOUND;
    std::vector<RegValue>& values = found->second.values;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (files::EqualNoCase(it->name, name)) {
            values.erase(it);
            return Commit(store, std::move(next));
        }
    }
    return ERROR_FILE_NOT_FOUND;
}

long RegCloseKey(HKEY key) {
    if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    return store.handles.erase(key.id) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void SetRegistryFile(std::string hostPath) {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    store.file = std::move(hostPath);
    store.inMemory = false;
    store.loaded = false;
    store.writesBlocked = false;
    store.saveFailed = false;
    store.keys.clear();
    store.handles.clear();
}

std::string RegistryFile() {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    return FileOf(store);
}

void KeepRegistryInMemory(bool keepInMemory) {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    store.inMemory = keepInMemory;
}

bool RegistrySaveFailed() {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    return store.saveFailed;
}

}  // namespace registry
