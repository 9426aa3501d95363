#include "app/entry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include <QString>
#include <QWidget>

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

// The device's root folder must exist: a typo would otherwise show an empty device.
bool SetUpFiles(const Options& options) {
    if (!options.root.empty()) {
        std::error_code error;
        if (!std::filesystem::is_directory(options.root, error)) {
            PrintError("--root: '" + options.root + "' is not a folder");
            return false;
        }
        files::SetDeviceRoot(std::filesystem::absolute(options.root, error).string());
    }
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

int CallEntry(const Options& options, ProgramEntry entry) {
    const std::u16string commandLine = QString::fromLocal8Bit(options.path.c_str()).toStdU16String();
    return entry(&theModule, commandLine.c_str(), device::SW_SHOW);
}

int RunHeadless(const Options& options, ProgramEntry entry) {
    std::optional<headless::ScriptSource> source = LoadSource(options);
    if (!source) return headless::kExitBadScript;
    if (!SetUpFiles(options)) return kExitUsage;

    auto device = device::Device::start({options.scale, true, true});
    if (!device) {
        PrintError("the device could not be started");
        return kExitFailure;
    }
    headless::DeviceTarget target(*device);
    const std::string name = options.script.empty() ? "<stdin>" : options.script;
    headless::ScriptDriver driver(target, std::move(*source), OutputFolder(options), name);
    driver.Start();
    const int code = CallEntry(options, entry);
    // The entry may end before the script has run to its end.
    if (!driver.finished()) return code;
    const int status = driver.ExitStatus();
    return status != 0 ? status : code;
}

int RunInWindow(const Options& options, ProgramEntry entry) {
    if (!HasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"))) {
        std::fputs(NoDisplayText().c_str(), stderr);
        return kExitFailure;
    }
    if (!SetUpFiles(options)) return kExitUsage;

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
    return CallEntry(options, entry);
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
