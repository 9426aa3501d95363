#pragma once
// A later `ezo [PATH]` while Ezo runs: the running program comes to the
// front and shows the PATH as a first start with it would (a picture opens
// for viewing, a folder is revealed in the tree), or refuses it.
#include <string>

namespace ezo {

// The running program's answer to a later start's host path: empty when it
// takes it, else why not. A taken path is shown once the current message is
// handled; refused are paths outside the device root (the running program
// keeps its root), names the device cannot hold, and any path while a dialog
// waits for an answer.
std::string TakeLaterStartPath(const std::string& hostPath);

// Shows the device screen's desktop window in front.
void BringToFront();

}  // namespace ezo
