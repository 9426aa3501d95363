#pragma once
// The host of the form control tests: it writes each command it hears as one
// line, with the form controls and the device look in place.
#include "device/host_fixture.h"
#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog.h"
#include "platform/controls/edit.h"
#include "platform/controls/form_classes.h"
#include "platform/controls/form_control.h"
#include "platform/controls/static_control.h"
#include "platform/controls/up_down.h"

namespace forms_test {

using namespace controls;
using device::HWND;
using device_test::Events;

// "COMMAND id=1014 code=0" and the like.
std::string DescribeCommand(device::WPARAM wParam);

class FormsTest : public device_test::HostTest {
protected:
    void SetUp() override;
};

}  // namespace forms_test
