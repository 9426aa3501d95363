#include "platform/controls/list_classes.h"

#include "platform/controls/list_view.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tree_view.h"

namespace controls {

void RegisterListControlClasses() {
    RegisterTreeViewClass();
    RegisterListViewClass();
    RegisterScrollBarClass();
}

}  // namespace controls
