#include "image/transition.h"

namespace ezo {

TransitionState transition;

void StartTransition(device::HWND) {}
void TransitionTick(device::HWND) {}
void StopTransition(device::HWND) {}

}  // namespace ezo
