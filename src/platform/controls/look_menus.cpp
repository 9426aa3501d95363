#include "platform/controls/look.h"

namespace controls {

// Pop-up menus: white with a black frame, 11-pixel text, a dark-blue
// highlight with white text, grey separators and grayed items. Menu bars: a
// grey band with a dark line on top, bold captions, flat image buttons that
// darken while pressed.
QString MenusStyleSheet() {
    return QStringLiteral(
        "QMenu#ezoPopupMenu {"
        "  background: white; color: black; border: 1px solid black; padding: 1px;"
        "  font-family: 'DejaVu Sans', 'NanumGothic'; font-size: 11px; }"
        "QMenu#ezoPopupMenu::item { padding: 3px 16px 3px 18px; background: transparent; }"
        "QMenu#ezoPopupMenu::item:selected { background: #0A246A; color: white; }"
        "QMenu#ezoPopupMenu::item:disabled { color: #9A9A9A; }"
        "QMenu#ezoPopupMenu::separator { height: 1px; background: #808080; margin: 2px 3px; }"
        "QMenu#ezoPopupMenu::indicator { width: 9px; height: 9px; left: 5px; }"
        "QMenu#ezoPopupMenu::right-arrow { width: 8px; height: 8px; right: 4px; }"
        "QWidget#ezoMenuBar { background: #D4D0C8; border-top: 1px solid #808080; }"
        "QToolButton#ezoBarMenuButton, QToolButton#ezoBarTextButton {"
        "  border: 0; padding: 0px 5px; color: black; background: transparent;"
        "  font-family: 'DejaVu Sans', 'NanumGothic'; font-size: 11px; font-weight: bold; }"
        "QToolButton#ezoBarTextButton { font-weight: normal; }"
        "QToolButton#ezoBarMenuButton:pressed, QToolButton#ezoBarMenuButton:checked,"
        "QToolButton#ezoBarMenuButton[down=\"true\"] { background: #0A246A; color: white; }"
        "QToolButton#ezoBarTextButton:disabled, QToolButton#ezoBarMenuButton:disabled { color: #9A9A9A; }"
        "QToolButton#ezoBarImageButton { border: 0; padding: 0px; background: transparent; }"
        "QToolButton#ezoBarImageButton:pressed { background: #808080; }"
        "QFrame#ezoBarSeparator { border: 0; border-left: 1px solid #808080;"
        "  border-right: 1px solid white; margin: 4px 2px; }");
}

}  // namespace controls
