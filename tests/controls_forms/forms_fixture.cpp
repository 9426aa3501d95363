#include "forms_fixture.h"

#include "platform/controls/look.h"
#include "platform/device/screen.h"

namespace forms_test {

constexpr uint32_t kStep = device::WM_USER + 1;

std::string DescribeCommand(device::WPARAM wParam) {
    return "COMMAND id=" + std::to_string(device::LOWORD(wParam)) + " code=" + std::to_string(device::HIWORD(wParam));
}

device::LRESULT Parent::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_COMMAND:
        events.push_back(DescribeCommand(wParam));
        return 0;
    case device::WM_NOTIFY: {
        const auto& nm = *reinterpret_cast<const NMHDR*>(lParam);
        std::string line = "NOTIFY id=" + std::to_string(nm.idFrom) + " code=" + std::to_string(int32_t(nm.code));
        if (nm.code == UDN_DELTAPOS) {
            const auto& ud = reinterpret_cast<const NMUPDOWN&>(nm);
            line += " pos=" + std::to_string(ud.iPos) + " delta=" + std::to_string(ud.iDelta);
        }
        events.push_back(line);
        return notifyAnswer;
    }
    case device::WM_VSCROLL:
        events.push_back("VSCROLL code=" + std::to_string(device::LOWORD(wParam)) +
                         " pos=" + std::to_string(device::HIWORD(wParam)));
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

device::LRESULT Driver::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (msg != kStep) return device::DefWindowProc(this, msg, wParam, lParam);
    if (steps.empty()) return 0;
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
    if (!steps.empty()) device::PostMessage(this, kStep, 0, 0);
    return 0;
}

void Driver::Start() { device::PostMessage(this, kStep, 0, 0); }

void FormsTest::SetUp() {
    device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device_);
    RegisterFormControlClasses();
    ApplyDeviceLook(device::Screen::current());
    auto object = std::make_unique<Parent>();
    parent_ = object.get();
    parentWindow_ = device::CreateWindowFor(std::move(object), u"FormsParent", 0, u"Parent", device::WS_VISIBLE, 0,
                                            26, 240, 268, nullptr, 0);
    ASSERT_TRUE(parentWindow_);
    auto driver = std::make_unique<Driver>();
    driver_ = driver.get();
    ASSERT_TRUE(device::CreateWindowFor(std::move(driver), u"FormsDriver", 0, u"", 0, 0, 0, 0, 0, nullptr, 0));
}

void FormsTest::TearDown() { device_.reset(); }

HWND FormsTest::Make(std::u16string_view className, std::u16string_view text, uint32_t style, int x, int y, int w,
                     int h, int id) {
    HWND control = device::CreateWindow(className, text, device::WS_CHILD | device::WS_VISIBLE | style, x, y, w, h,
                                        parentWindow_, id);
    dev().processPending();
    return control;
}

void FormsTest::TapOn(HWND window) {
    gdi::RECT r;
    device::GetWindowRect(window, &r);
    Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void FormsTest::Play(std::vector<std::function<void()>> steps) {
    driver_->steps.assign(steps.begin(), steps.end());
    driver_->Start();
}

std::u16string TextOf(HWND window) {
    char16_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

}  // namespace forms_test
