#include "image/view_hooks.h"

#include "image/view_state.h"

namespace ezo {

std::function<void(bool)> onLandscapeCheckChanged;
std::function<void()> onHideReportBrowseBar;

void NotifyLandscapeCheckChanged(bool checked) {
    if (onLandscapeCheckChanged) onLandscapeCheckChanged(checked);
}

void NotifyHideReportBrowseBar() {
    if (onHideReportBrowseBar) onHideReportBrowseBar();
}

void SwitchLandscapeOff() {
    if (!viewState.landscapeMode) return;
    viewState.landscapeMode = 0;
    NotifyLandscapeCheckChanged(false);
}

}  // namespace ezo
