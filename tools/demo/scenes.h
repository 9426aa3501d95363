#pragma once
// Generated pictures for the demo device: smooth gradients with shapes, no
// text. Each scene is drawn from coordinates relative to the picture's
// height, so it looks the same at any size and always comes out the same.
#include "demo/picture.h"

namespace demo {

enum class Scene { Sunset, ColourWheel, Checker, Shapes, Hills, Night, Stripes };

// An empty picture when the size is refused (see Picture).
Picture Paint(Scene scene, int width, int height);

}  // namespace demo
