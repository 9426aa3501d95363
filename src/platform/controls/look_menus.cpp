#include "platform/controls/look.h"

namespace controls {

QString MenusStyleSheet() { return QString(); }

}  // namespace controls
