#pragma once
// The empty-folder notice ("NoImages", child 1009 of the main window): it
// takes the file area's place when the folder holds no picture.
#include <memory>

#include "platform/device/window.h"

namespace ezo {

inline constexpr char16_t kNoImagesText[] = u"There are no images in this directory.";

// The window of class "NoImages": its sentence on white; taps are swallowed.
std::unique_ptr<device::Window> MakeNoImagesWindow();

}  // namespace ezo
