#pragma once
// The control gallery: the pages of every control family (menus, lists,
// forms) in turn, for screenshots that are reviewed by eye. A gallery
// window steps through the pages on application button 1, so a headless
// script can show and shoot each; SaveGalleryScreens does the same in one
// call.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/device/window.h"

namespace device {
class Device;
}

namespace controls {

// A family's page maker: the page's top-level window, null past its last page.
struct GalleryFamily {
    const char* name;
    device::HWND (*create)(int page);
};
const std::vector<GalleryFamily>& GalleryFamilies();

// A hidden window that shows the first page at once and the next page on
// each press of application button 1 (the last page stays after the end).
// Its title names the page shown ("menus-0"...). Destroying it removes the
// page shown.
device::HWND CreateGalleryWindow();
// The name of the page the gallery window shows, empty when none.
std::string GalleryPageName(device::HWND gallery);

// Shows every page in turn and saves the screen as <folder>/<family>-<page>.png;
// returns the names of the files written.
std::vector<std::string> SaveGalleryScreens(device::Device& device, const std::filesystem::path& folder);

}  // namespace controls
