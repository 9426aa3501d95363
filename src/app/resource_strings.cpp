// The string table.
#include "shell/resource_ids.h"
#include "app/resource_table.h"
#include "platform/controls/resources.h"

namespace ezo {

void DefineProgramStrings() {
    using controls::DefineString;
    DefineString(IDS_TITLE, u"Ezo");
    DefineString(IDS_CLASS_NAME, u"Ezo");
    DefineString(IDS_FILE, u"File");
    DefineString(IDS_TOOL, u"Tool");
    // The browse bars' disabled spacers: blank text that keeps Delete apart
    // from the buttons before it, so it is not hit by mistake.
    DefineString(IDS_BLANK_REPORT, u"        ");
    DefineString(IDS_BLANK_THUMBNAILS, u"        ");
    DefineString(IDS_BLANK_LIST, u"        ");
}

}  // namespace ezo
