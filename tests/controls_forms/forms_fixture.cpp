#include "forms_fixture.h"

#include "platform/controls/look.h"
#include "platform/device/screen.h"

namespace forms_test {

std::string DescribeCommand(device::WPARAM wParam) {
    return "COMMAND id=" + std::to_string(device::LOWORD(wParam)) + " code=" + std::to_string(device::HIWORD(wParam));
}

namespace {

std::optional<std::string> Describe(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (msg == device::WM_COMMAND) return DescribeCommand(wParam);
    if (msg == device::WM_VSCROLL)
        return "VSCROLL code=" + std::to_string(device::LOWORD(wParam)) + " pos=" + std::to_string(device::HIWORD(wParam));
    if (msg != device::WM_NOTIFY) return std::nullopt;
    const auto& nm = *reinterpret_cast<const NMHDR*>(lParam);
    std::string line = "NOTIFY id=" + std::to_string(nm.idFrom) + " code=" + std::to_string(int32_t(nm.code));
    if (nm.code == UDN_DELTAPOS) {
        const auto& ud = reinterpret_cast<const NMUPDOWN&>(nm);
        line += " pos=" + std::to_string(ud.iPos) + " delta=" + std::to_string(ud.iDelta);
    }
    return line;
}

}  // namespace

void FormsTest::SetUp() {
    HostTest::SetUp();
    RegisterFormControlClasses();
    ApplyDeviceLook(device::Screen::current());
    host_->describe = Describe;
    host_->answer = [this](uint32_t msg, device::WPARAM, device::LPARAM) {
        return msg == device::WM_NOTIFY ? notifyAnswer_ : 0;
    };
}

std::u16string TextOf(HWND window) {
    char16_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

}  // namespace forms_test
