#include "forms_fixture.h"

#include "platform/controls/look.h"
#include "platform/device/screen.h"

namespace forms_test {

std::string DescribeCommand(device::WPARAM wParam) {
    return "COMMAND id=" + std::to_string(device::LOWORD(wParam)) + " code=" + std::to_string(device::HIWORD(wParam));
}

void FormsTest::SetUp() {
    HostTest::SetUp();
    RegisterFormControlClasses();
    ApplyDeviceLook(device::Screen::current());
    host_->describe = [](uint32_t msg, device::WPARAM wParam, device::LPARAM) {
        return msg == device::WM_COMMAND ? std::optional(DescribeCommand(wParam)) : std::nullopt;
    };
}

}  // namespace forms_test
