#include "app/program_entry.h"

#include "app/main_window.h"
#include "app/resource_table.h"
#include "app/start_option.h"
#include "platform/controls/form_classes.h"
#include "platform/controls/list_classes.h"
#include "platform/controls/look.h"
#include "platform/controls/message_box_control.h"
#include "platform/controls/resources.h"
#include "platform/device/activation.h"
#include "platform/device/device.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen.h"
#include "platform/device/window_api.h"
#include "settings/settings.h"
#include "shell/main_layout.h"
#include "shell/resource_ids.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/no_images.h"
#include "thumbs/thumb_grid.h"

namespace ezo {
namespace {

constexpr int kNameSize = 100;

controls::HINSTANCE programModule = nullptr;

std::u16string LoadName(uint32_t id) {
    char16_t buffer[kNameSize] = {};
    controls::LoadString(programModule, id, buffer, kNameSize);
    return buffer;
}

// Whether the thumbnail pass of the running main window has ended and its
// every thumbnail is drawn.
bool ThumbnailsSettled() {
    device::HWND window = device::FindWindow(kMainWindowClass, nullptr);
    return !window || ThumbnailPassSettled(ProgramOf(window));
}

// One entry runs per device, so the source is added once per device.
void AddDeviceHooks() {
    if (device::Device* device = device::Device::current()) {
        device->addDumpSource(DumpShellState);
        device->setSettledCheck(ThumbnailsSettled);
    }
}

}  // namespace

void SetProgramModule(controls::HINSTANCE instance) { programModule = instance; }
controls::HINSTANCE ProgramModule() { return programModule; }

bool RegisterProgramClasses() {
    DefineProgramResources();
    if (device::Screen* screen = device::Screen::current()) controls::ApplyDeviceLook(screen);
    controls::RegisterListControlClasses();
    controls::RegisterFormControlClasses();
    controls::InstallMessageBox();
    const std::u16string className = LoadName(IDS_CLASS_NAME);
    bool ok = device::RegisterClass(className, kProgramClassStyle, [] { return std::make_unique<MainWindow>(); });
    ok = device::RegisterClass(u"Thumb", kProgramClassStyle, MakeThumbWindow) && ok;
    ok = device::RegisterClass(u"NoImages", kProgramClassStyle, MakeNoImagesWindow) && ok;
    return ok;
}

device::HWND CreateMainWindow(int showCommand) {
    device::HWND window = device::CreateWindow(LoadName(IDS_CLASS_NAME), LoadName(IDS_TITLE), device::WS_VISIBLE,
                                               device::CW_USEDEFAULT, device::CW_USEDEFAULT, device::CW_USEDEFAULT,
                                               device::CW_USEDEFAULT, nullptr, 0);
    if (!window) return nullptr;
    gdi::RECT r;
    device::GetWindowRect(window, &r);
    // Keep the window clear of the menu bar at the bottom.
    if (MenuBar(ProgramOf(window).shell, IDR_BAR_REPORT)) device::MoveWindow(window, r.left, r.top, r.right, r.bottom - kMenuBarHeight, false);
    device::ShowWindow(window, showCommand);
    device::UpdateWindow(window);
    return window;
}

int EzoMain(HINSTANCE instance, const char16_t* commandLine, int showCommand) {
    SetProgramModule(instance);
    // The start-up already hands a second start over; this guards a second entry call.
    if (device::HWND running = device::FindWindow(LoadName(IDS_CLASS_NAME), nullptr)) {
        device::SetForegroundWindow(running);
        return 0;
    }
    startPath = commandLine ? commandLine : u"";
    std::u16string storedFile;
    const bool keepStoredFile = startRootMoved && ReadSettingString(u"OpenFile", u"", storedFile);
    RegisterProgramClasses();
    AddDeviceHooks();
    if (!CreateMainWindow(showCommand)) return 0;
    const int code = device::RunMessageLoop();
    if (keepStoredFile) WriteSettingString(u"OpenFile", storedFile);
    return code;
}

}  // namespace ezo
