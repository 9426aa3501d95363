#include "platform/controls/look.h"

namespace controls {

// Trees and lists: white fields with a thin grey frame, 11-pixel text, a
// dark-blue selection with white text whether or not the control has the
// focus (the program's controls show their selection always), a grey
// header. Scroll bars keep the platform's drawing, only their colours.
QString ListsStyleSheet() {
    return QStringLiteral(
        "QTreeView {"
        "  background: white; color: black; border: 1px solid #808080;"
        "  font-family: 'DejaVu Sans', 'NanumGothic'; font-size: 11px;"
        "  selection-background-color: #0A246A; selection-color: white;"
        "  show-decoration-selected: 1; outline: 0; }"
        "QTreeView#SysTreeView32 { show-decoration-selected: 0; }"
        "QTreeView::item { padding: 0px 1px; min-height: 14px; border: 0; }"
        "QTreeView::item:selected, QTreeView::item:selected:!active {"
        "  background: #0A246A; color: white; }"
        "QTreeView:disabled { background: #F4F4F4; color: #9A9A9A; }"
        "QTreeView::item:selected:disabled { background: #B8B8B8; color: white; }"
        "QHeaderView::section {"
        "  background: #D4D0C8; color: black; padding: 0px 3px; height: 16px;"
        "  border: 0; border-right: 1px solid #808080; border-bottom: 1px solid #808080;"
        "  font-family: 'DejaVu Sans', 'NanumGothic'; font-size: 11px; }"
        "QHeaderView::section:disabled { color: #9A9A9A; }");
}

}  // namespace controls
