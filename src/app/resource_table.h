#pragma once
// The program's resources: strings, menus, menu-bar layouts, the
// accelerator table, bitmaps and the icon, registered under the ids of
// resource_ids.h.
#include <span>

namespace ezo {

// Registers every resource of the program (replacing any of the same id).
// Called once at start, before the main window is created.
void DefineProgramResources();

// The parts, each registering its own kind.
void DefineProgramStrings();
void DefineProgramMenus();        // menus, menu-bar layouts, tap-and-hold pop-up
void DefineProgramAccelerators();
void DefineProgramBarImages();    // the 16 x 16 bar button images
void DefineProgramStrips();       // overlay and split strips, the grid's placeholder
void DefineProgramIcon();
void DefineProgramDialogs();    // the dialog templates
void DefineProgramDialogArt();  // the About box's and File Info's pictures

// The bitmaps a menu bar takes as its button images, by image index (for
// SetMenuBarImages right after the bar is made); empty for an unknown bar.
std::span<const int> MenuBarImages(int barId);

}  // namespace ezo
