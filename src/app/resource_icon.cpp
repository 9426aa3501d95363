// The application icon: a framed landscape photograph.
#include "shell/resource_ids.h"
#include "app/resource_pixel_art.h"
#include "app/resource_table.h"

namespace ezo {
namespace {

const PixelRows kIcon{
    "................................",
    "................................",
    "................................",
    "................................",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kwkkkkkkkkkkkkkkkkkkkkkkkkkkwk.",
    ".kwksssssssssssssssssssssssskwk.",
    ".kwkssssssssssssssssssyyyssskwk.",
    ".kwksssssssssssssssssyyyyysskwk.",
    ".kwkssssssswsssssssssyyyyysskwk.",
    ".kwksssssswwwssssssssyyyyysskwk.",
    ".kwkssssswwwwwssssssssyyyssskwk.",
    ".kwkssssaaaaaaasssssAssssssskwk.",
    ".kwksssaaaaaaaaasssAAAsssssskwk.",
    ".kwkssaaaaaaaaaaasAAAAAssssskwk.",
    ".kwksaaaaaaaaaaaaaAAAAAAsssskwk.",
    ".kwkaaaaaaaaaaaaaaaAAAAAAssskwk.",
    ".kwkaaaaaaaaaaaaaaaaAAAAAAsskwk.",
    ".kwkaaaaaaaaaaaaaaaaaAAAAAAskwk.",
    ".kwkaaaaaaaaaaaaaaaaaaAAAAAAkwk.",
    ".kwkaaaaaaaaaaaaaaaaaaaAAAAAkwk.",
    ".kwkGGGGGGGGGGGGGGGGGGGGGGGGkwk.",
    ".kwkGGGGDGGGGDGGGGDGGGGDGGGGkwk.",
    ".kwkDGGGGDGGGGDGGGGDGGGGDGGGkwk.",
    ".kwkkkkkkkkkkkkkkkkkkkkkkkkkkwk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "................................",
    "................................",
    "................................",
    "................................",
};

}  // namespace

void DefineProgramIcon() { controls::DefineIcon(IDI_EZO, ProgramArt(kIcon)); }

}  // namespace ezo
