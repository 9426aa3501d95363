#include "app/entry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include <QTimer>
#include <QWidget>

#include "app/later_start.h"
#include "app/start_option.h"
#include "app/start_folders.h"
#include "app/start_path.h"
#include "app/termination_signals.h"
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
    UseProgramFolders(options);
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

// The host path a later start hands over: PATH as it really is, so that the
// running program, in another folder, finds the same file.
std::string HostPathToHandOver(const Options& options) {
    if (options.path.empty()) return {};
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(std::filesystem::absolute(options.path, error), error);
    return error ? std::filesystem::absolute(options.path).lexically_normal().string() : real.string();
}

// The later start's end: 0 when the running program took the request, 2
// with its reason when it refused the PATH.
int HandedOver(const device::SingleInstance& instance) {
    if (instance.refusal().empty()) return 0;
    PrintError(instance.refusal());
    return kExitUsage;
}

int RunInWindow(const Options& options, ProgramEntry entry) {
    if (!HasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"))) {
        std::fputs(NoDisplayText().c_str(), stderr);
        return kExitFailure;
    }
    std::u16string startPath;
    if (!SetUpFiles(options, &startPath)) return kExitUsage;

    // A later start hands its PATH over before it opens any window.
    device::SingleInstance instance(InstanceSocketName(options));
    if (instance.claim(HostPathToHandOver(options)) == device::SingleInstance::Role::Secondary)
        return HandedOver(instance);

    auto device = device::Device::start({options.scale, false, false});
    if (!device) {
        PrintError("the device could not be started");
        return kExitFailure;
    }
    instance.setOnActivateRequest(BringToFront);
    instance.setOnOpenRequest(TakeLaterStartPath);
    // Listening starts with the message loop, once the main window exists;
    // later starts keep trying until then.
    QTimer::singleShot(0, device.get()->desktopWindow(), [&instance] { instance.listen(); });
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
