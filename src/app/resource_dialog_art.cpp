// The dialogs' pictures: the About box's wordmark (176) and File Info's
// small picture-file sign (178).
#include "app/resource_pixel_art.h"
#include "app/resource_table.h"
#include "shell/resource_ids.h"

namespace ezo {
namespace {

// "EZO" in the accent blue, letters two pixels a dot.
const PixelRows kAboutWordmark{
    "aaaaaaaaaawwaaaaaaaaaawwwwaaaaaaww",
    "aaaaaaaaaawwaaaaaaaaaawwwwaaaaaaww",
    "aawwwwwwwwwwwwwwwwwwaawwaawwwwwwaa",
    "aawwwwwwwwwwwwwwwwwwaawwaawwwwwwaa",
    "aawwwwwwwwwwwwwwwwaawwwwaawwwwwwaa",
    "aawwwwwwwwwwwwwwwwaawwwwaawwwwwwaa",
    "aaaaaaaawwwwwwwwaawwwwwwaawwwwwwaa",
    "aaaaaaaawwwwwwwwaawwwwwwaawwwwwwaa",
    "aawwwwwwwwwwwwaawwwwwwwwaawwwwwwaa",
    "aawwwwwwwwwwwwaawwwwwwwwaawwwwwwaa",
    "aawwwwwwwwwwaawwwwwwwwwwaawwwwwwaa",
    "aawwwwwwwwwwaawwwwwwwwwwaawwwwwwaa",
    "aaaaaaaaaawwaaaaaaaaaawwwwaaaaaaww",
    "aaaaaaaaaawwaaaaaaaaaawwwwaaaaaaww",
};

// A page with a folded corner holding a landscape.
const PixelRows kFileInfoSign{
    "kkkkkkkkkwwww",
    "kwwwwwwwkkwww",
    "kwsssssskwkww",
    "kwssssysskkkw",
    "kwssssssssskw",
    "kwssssssssskw",
    "kwsssaasssskw",
    "kwssaaaasAskw",
    "kwsaaaaaAAAkw",
    "kwaaaaaaaAAkw",
    "kwGGGGGGGGGkw",
    "kkkkkkkkkkkkw",
};

}  // namespace

void DefineProgramDialogArt() {
    controls::DefineBitmap(IDB_ABOUT_PICTURE, ProgramArt(kAboutWordmark));
    controls::DefineBitmap(IDB_FILE_INFO_PICTURE, ProgramArt(kFileInfoSign));
}

}  // namespace ezo
