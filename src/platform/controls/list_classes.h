#pragma once
// The window classes of the tree, list and scroll-bar controls.

namespace controls {

// Registers "SysTreeView32", "SysListView32" and "scrollbar"; a class that
// is already registered stays as it is.
void RegisterListControlClasses();

}  // namespace controls
