#pragma once
// Where a run keeps its settings, its single-instance socket and its
// thumbnails: the user's folders, or those the command line names.
#include <QString>

#include "app/options.h"

namespace ezo {

// Points the settings and the thumbnail store at --config and --cache. A
// headless run without --config reads the user's settings but never writes
// them: a script must not change what the user chose.
void UseProgramFolders(const Options& options);

// The single-instance socket: in the --config folder, else the user's.
QString InstanceSocketName(const Options& options);

}  // namespace ezo
