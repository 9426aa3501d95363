#include "platform/controls/form_classes.h"

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/property_sheet.h"
#include "platform/controls/static_control.h"
#include "platform/controls/up_down.h"

namespace controls {

void RegisterFormControlClasses() {
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterEditClass();
    RegisterComboBoxClass();
    RegisterUpDownClass();
    RegisterTabControlClass();
}

}  // namespace controls
