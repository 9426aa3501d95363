#pragma once
// Calls the drawing code makes into the shell, which owns the menus. Both do
// nothing until the shell installs them.
#include <functional>

namespace ezo {

// The LandScape item's check mark in the Tool menus of the four view menu
// bars should show `checked`.
extern std::function<void(bool checked)> onLandscapeCheckChanged;

// Hide the browse menu bar of the report list (full-screen draws do this).
extern std::function<void()> onHideReportBrowseBar;

void NotifyLandscapeCheckChanged(bool checked);
void NotifyHideReportBrowseBar();

// Turns landscape display off if it is on, and has the check marks follow.
void SwitchLandscapeOff();

}  // namespace ezo
