#include "app/entry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "app/start_option.h"
#include "app/start_path.h"
#include "platform/device/device.h"
#include "platform/device/messages.h"
#include "platform/device/single_instance.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"
#include "platform/headless/device_target.h"
#include "platform/headless/script_driver.h"

namespace ezo {

struct Module {};

namespace {

Module theModule;

bool IsSet(const char* value) { return value && *value; }

void PrintError(const std::string& message) { std::fprintf(stderr, "ezo: %s\n", message.c_str()); }

// The device's root folder must exist: a typo would otherwise show an empty
// device. The PATH becomes the device path handed to the program; one
// outside the root brings its own folder as the root.
bool SetUpFiles(const Options& options, std::u16string* startPath) {
    std::error_code error;
    std::string root = options.root;
    if (!root.empty() && !std::filesystem::is_directory(root, error)) {
        PrintError("--root: '" + root + "' is not a folder");
        return false;
    }
    if (root.empty()) root = files::DeviceRoot();
    startRootMoved = false;
    if (!options.path.empty()) {
        const std::filesystem::path cwd = std::filesystem::current_path(error);
        const StartPath start = ResolveStartPath(options.path, root, cwd.string());
        if (!start.error.empty()) {
            PrintError(start.error);
            return false;
        }
        startRootMoved = !std::filesystem::equivalent(start.root, root, error);
        root = start.root;
        *startPath = start.devicePath;
    }
    files::SetDeviceRoot(std::filesystem::absolute(root, error).string());
    // As an installation would; the store never creates it itself.
    files::CreateThumbnailFolder();
    if (options.memory) gdi::SetMemoryBudget(*options.memory);
    return true;
}

// The commands of a headless run: the script file, checked whole, or stdin.
std::optional<headless::ScriptSource> LoadSource(const Options& options) {
    if (options.script.empty()) return headless::ScriptSource(std::cin);
    headless::ParsedScript parsed = headless::LoadScriptFile(options.script);
    if (parsed.error) {
        std::fprintf(stderr, "%s\n", headless::FormatScriptError(options.script, *parsed.error).c_str());
        return std::nullopt;
    }
    return headless::ScriptSource(std::move(parsed.commands));
}

std::filesystem::path OutputFolder(const Options& options) {
    if (!options.output.empty()) return options.output;
    if (!options.script.empty()) return std::filesystem::path(options.script).parent_path();
    return {};
}

int CallEntry(const std::u16string& startPath, ProgramEntry entry) {
    return entry(&theModule, startPath.c_str(), device::SW_SHOW);
}

int RunHeadless(const Options& options, ProgramEntry entry) {
    std::optional<headless::ScriptSource> source = LoadSource(options);
    if (!source) return headless::kExitBadScript;
    std::u16string startPath;
    if (!SetUpFiles(options, &startPath)) return kExitUsage;

    auto device = device::Device::start({options.scale, true, true});
    if (!device) {
        PrintError("the device could not be started");
        return kExitFailure;
    }
    headless::DeviceTarget target(*device);
    const std::string name = options.script.empty() ? "<stdin>" : options.script;
    headless::ScriptDriver driver(target, std::move(*source), OutputFolder(options), name);
    driver.Start();
    const int code = CallEntry(startPath, entry);
    // A script whose commands never ran must not pass for one that did.
    if (!driver.finished()) {
        PrintError("the program ended before the script did");
        return code != 0 ? code : kExitFailure;
    }
    const int status = driver.ExitStatus();
    return status != 0 ? status : code;
}

// Ctrl+C in the terminal, or a polite kill, closes the program as its own
// Exit would, so what it saves on the way out is saved. The handler only
// writes a byte to a socket the UI thread watches. A second signal takes the
// default action, in case the program does not close.
class TerminationSignals {
public:
    TerminationSignals() {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0) return;
        writeFd = fds_[0];
        notifier_ = std::make_unique<QSocketNotifier>(fds_[1], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { OnSignal(); });
        struct sigaction action = {};
        action.sa_handler = Handler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~TerminationSignals() {
        if (!notifier_) return;
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
        writeFd = -1;
        notifier_.reset();
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    static void Handler(int) {
        const int fd = writeFd;
        const char byte = 1;
        if (fd >= 0) {
            const ssize_t written = ::write(fd, &byte, 1);
            (void)written;
        }
    }
    void OnSignal() {
        char byte;
        const ssize_t got = ::read(fds_[1], &byte, 1);
        (void)got;
        headless::CloseProgram(notifier_.get());
    }

    static inline volatile std::sig_atomic_t writeFd = -1;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction oldInt_ = {};
    struct sigaction oldTerm_ = {};
};

int RunInWindow(const Options& options, ProgramEntry entry) {
    if (!HasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"))) {
        std::fputs(NoDisplayText().c_str(), stderr);
        return kExitFailure;
    }
    std::u16string startPath;
    if (!SetUpFiles(options, &startPath)) return kExitUsage;

    auto device = device::Device::start({options.scale, false, false});
    if (!device) {
        PrintError("the device could not be started");
        return kExitFailure;
    }
    // A second start hands over to the first before its loop ever runs.
    device::SingleInstance instance;
    if (!instance.tryBecomePrimary()) return 0;
    instance.setOnActivateRequest([window = device->desktopWindow()] {
        window->showNormal();
        window->raise();
        window->activateWindow();
    });
    TerminationSignals termination;
    return CallEntry(startPath, entry);
}

}  // namespace

bool HasDisplay(const char* display, const char* waylandDisplay, const char* qtPlatform) {
    return IsSet(display) || IsSet(waylandDisplay) || IsSet(qtPlatform);
}

std::string NoDisplayText() {
    return "ezo: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset).\n"
           "Run it under a virtual display:\n"
           "    xvfb-run -a ezo [PATH] [options]\n"
           "or without a window, driven by a script:\n"
           "    ezo --headless --script FILE.ezs [--output DIR]\n";
}

int RunProgram(const Options& options, ProgramEntry entry) {
    return options.headless ? RunHeadless(options, entry) : RunInWindow(options, entry);
}

}  // namespace ezo
