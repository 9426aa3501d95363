#pragma once
// Start-up of the Linux program: from parsed options to a running device,
// then the program's own entry with its instance, command line and show
// command, and back to an exit code.
#include <string>

#include "app/options.h"

namespace ezo {

// The module handle the program keeps for its resources. The Linux program
// is one module, so this is an opaque token that is never null.
struct Module;
using HINSTANCE = Module*;

// The program's entry: returns its exit code.
using ProgramEntry = int (*)(HINSTANCE instance, const char16_t* commandLine, int showCommand);

constexpr int kExitFailure = 1;

// True when a window can be opened: an X or Wayland display, or a Qt
// platform chosen by the user. Arguments are the environment values (null
// when unset).
bool HasDisplay(const char* display, const char* waylandDisplay, const char* qtPlatform);
std::string NoDisplayText();

// Sets the device up as the options say and runs entry on it. Prints its own
// messages on stderr. The entry's command line is options.path as a device
// path ("\My Documents\a.jpg"; a folder ends in "\"), empty without one.
// Exit codes: the entry's, 0 when a running instance took the PATH (or was
// asked to come to the front), 1 without a display, 2 for a bad root, a
// missing PATH, a PATH the running instance refused or a bad script, 1 for a
// script command that failed or a program that ended before its script.
int RunProgram(const Options& options, ProgramEntry entry);

}  // namespace ezo
