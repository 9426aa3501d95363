#include "platform/controls/look.h"

#include <QWidget>

namespace controls {

QString DeviceStyleSheet() { return ListsStyleSheet() + FormsStyleSheet() + MenusStyleSheet(); }

void ApplyDeviceLook(QWidget* screen) {
    if (screen) screen->setStyleSheet(DeviceStyleSheet());
}

}  // namespace controls
