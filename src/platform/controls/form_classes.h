#pragma once
// The window classes of the form controls.

namespace controls {

// Registers "button", "static", "edit", "combobox", "msctls_updown32" and
// "SysTabControl32"; a class already registered stays as it is.
void RegisterFormControlClasses();

}  // namespace controls
