#include "app/resource_table.h"

namespace ezo {

void DefineProgramResources() {
    DefineProgramStrings();
    DefineProgramMenus();
    DefineProgramAccelerators();
    DefineProgramBarImages();
    DefineProgramStrips();
    DefineProgramIcon();
    DefineProgramDialogs();
    DefineProgramDialogArt();
}

}  // namespace ezo
