#include "platform/controls/look.h"

namespace controls {

// Buttons, text, edits, combo boxes, up-down arrows, tabs and the picker:
// white faces and fields with thin dark frames, a dark-blue highlight with
// white text, grey for what is disabled. Text size comes from the dialog's
// font, so that "System" 8 and 10 keep their sizes.
QString FormsStyleSheet() {
    return QStringLiteral(
        "QPushButton#button, QPushButton#doneButton {"
        "  background: white; color: black; border: 1px solid black; border-radius: 2px; padding: 0px 3px; }"
        "QPushButton#button:default { border: 2px solid black; }"
        "QPushButton#button:pressed, QPushButton#doneButton:pressed { background: #0A246A; color: white; }"
        "QPushButton#button:disabled { color: #9A9A9A; border-color: #9A9A9A; }"
        "QPushButton#doneButton { font-weight: bold; border-radius: 4px; }"
        "QWidget#doneBand { background: rgb(0, 0, 132); }"
        "QRadioButton#button, QCheckBox#button { color: black; background: transparent; spacing: 3px; }"
        "QRadioButton#button:disabled, QCheckBox#button:disabled { color: #9A9A9A; }"
        "QRadioButton#button::indicator, QCheckBox#button::indicator {"
        "  width: 9px; height: 9px; border: 1px solid black; background: white; }"
        "QRadioButton#button::indicator { border-radius: 5px; }"
        "QRadioButton#button::indicator:checked { background: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5,"
        "  fx: 0.5, fy: 0.5, stop: 0 black, stop: 0.45 black, stop: 0.55 white, stop: 1 white); }"
        "QCheckBox#button::indicator:checked { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,"
        "  stop: 0 white, stop: 0.2 white, stop: 0.21 black, stop: 0.79 black, stop: 0.8 white, stop: 1 white); }"
        "QRadioButton#button::indicator:disabled, QCheckBox#button::indicator:disabled {"
        "  border-color: #9A9A9A; background: #F4F4F4; }"
        "QGroupBox#button { border: 1px solid #808080; margin-top: 6px; color: black; }"
        "QGroupBox#button::title { subcontrol-origin: margin; left: 4px; padding: 0px 2px; }"
        // Static text paints its background, as the handheld's does: a label
        // laid over a group box's caption hides it.
        "QLabel#static { color: black; background: white; }"
        "QLabel#static:disabled { color: #9A9A9A; }"
        "QLineEdit#edit { background: white; color: black; border: 1px solid #808080; padding: 0px 2px;"
        "  selection-background-color: #0A246A; selection-color: white; }"
        "QLineEdit#edit[bordered=\"false\"] { border: 0; }"
        "QLineEdit#edit:disabled, QLineEdit#edit:read-only { background: #F4F4F4; color: #9A9A9A; }"
        "QLineEdit#edit:read-only:enabled { color: black; }"
        "QComboBox#combobox { background: white; color: black; border: 1px solid #808080; padding: 0px 2px;"
        "  selection-background-color: #0A246A; selection-color: white; }"
        "QComboBox#combobox:disabled { background: #F4F4F4; color: #9A9A9A; }"
        "QComboBox#combobox::drop-down { width: 13px; border-left: 1px solid #808080; background: #D4D0C8; }"
        // A styled drop-down loses the native arrow: a small black triangle
        // drawn from borders takes its place.
        "QComboBox#combobox::down-arrow { width: 0px; height: 0px; border-left: 4px solid #D4D0C8;"
        "  border-right: 4px solid #D4D0C8; border-top: 4px solid black; }"
        "QComboBox#combobox::down-arrow:disabled { border-top-color: #9A9A9A; }"
        "QWidget#comboDrop QListView { background: white; color: black; border: 1px solid black;"
        "  selection-background-color: #0A246A; selection-color: white; outline: 0; }"
        "QWidget#updown QToolButton { background: #D4D0C8; border: 1px solid #808080; }"
        "QWidget#updown QToolButton:pressed { background: #0A246A; }"
        "QTabBar#tabs { background: #D4D0C8; }"
        "QTabBar#tabs::tab { background: #D4D0C8; color: black; border: 1px solid #808080; padding: 2px 8px; }"
        "QTabBar#tabs::tab:selected { background: white; }"
        "QListWidget#picker { background: white; color: black; border: 1px solid #808080;"
        "  selection-background-color: #0A246A; selection-color: white; outline: 0; }");
}

}  // namespace controls
