#pragma once
// Qt's own messages ("QStandardPaths: XDG_RUNTIME_DIR not set...", font and
// platform notes) are for developers: a normal run prints none of them
// unless EZO_DEBUG is set. A fatal one (the display connection lost, say)
// ends the run with exit status 1 and one line on stderr, not a core dump.
namespace ezo {

void QuietQtMessages();

}  // namespace ezo
