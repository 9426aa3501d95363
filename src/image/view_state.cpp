#include "image/view_state.h"

namespace ezo {
ViewState viewState;
}
