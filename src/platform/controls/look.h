#pragma once
// The handheld's look for the Qt widgets behind the controls: small crisp
// text, white fields, a dark selection highlight, 26-pixel bars. Each family
// of controls keeps its part of the style sheet beside its code.
#include <QString>

class QWidget;

namespace controls {

QString ListsStyleSheet();  // tree, list, scroll bar
QString FormsStyleSheet();  // buttons, static text, edit, combo, up-down, dialogs, sheets
QString MenusStyleSheet();  // pop-up menus and menu bars

// The whole style sheet, applied once to the device screen.
QString DeviceStyleSheet();
void ApplyDeviceLook(QWidget* screen);

}  // namespace controls
