#include "platform/controls/look.h"

namespace controls {

QString ListsStyleSheet() { return QString(); }

}  // namespace controls
