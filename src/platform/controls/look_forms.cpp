#include "platform/controls/look.h"

namespace controls {

QString FormsStyleSheet() { return QString(); }

}  // namespace controls
