// Sample resources shaped like the program's: the strings, menus and bars
// 102 and 149 and 16 x 16 button images, drawn as pixel maps.
#include "platform/controls/gallery_menus.h"
#include "platform/controls/menu_bar.h"
#include "platform/controls/resources.h"

namespace controls {
namespace {

// Back to browsing: a left arrow.
const std::vector<std::string> kBack{
    "................", "................", "......k.........", ".....kk.........",
    "....kbk.........", "...kbbkkkkkkkk..", "..kbbbbbbbbbbk..", ".kbbbbbbbbbbbk..",
    "..kbbbbbbbbbbk..", "...kbbkkkkkkkk..", "....kbk.........", ".....kk.........",
    "......k.........", "................", "................", "................"};
// Previous picture: a triangle pointing left against a bar.
const std::vector<std::string> kPrevious{
    "................", "................", "...kk.......k...", "...kk......kk...",
    "...kk.....kGk...", "...kk....kGGk...", "...kk...kGGGk...", "...kk..kGGGGk...",
    "...kk..kGGGGk...", "...kk...kGGGk...", "...kk....kGGk...", "...kk.....kGk...",
    "...kk......kk...", "...kk.......k...", "................", "................"};
// Next picture: the same pointing right.
const std::vector<std::string> kNext{
    "................", "................", "...k.......kk...", "...kk......kk...",
    "...kGk.....kk...", "...kGGk....kk...", "...kGGGk...kk...", "...kGGGGk..kk...",
    "...kGGGGk..kk...", "...kGGGk...kk...", "...kGGk....kk...", "...kGk.....kk...",
    "...kk......kk...", "...k.......kk...", "................", "................"};
// Zoom in: a magnifier with a plus.
const std::vector<std::string> kZoomIn{
    "................", "....kkkkk.......", "...kwwwwwk......", "..kwwwkwwwk.....",
    "..kwwwkwwwk.....", "..kwkkkkkwk.....", "..kwwwkwwwk.....", "..kwwwkwwwk.....",
    "...kwwwwwk......", "....kkkkkkk.....", "..........kk....", "...........kk...",
    "............kk..", ".............kk.", "................", "................"};
// Zoom out: a magnifier with a minus.
const std::vector<std::string> kZoomOut{
    "................", "....kkkkk.......", "...kwwwwwk......", "..kwwwwwwwk.....",
    "..kwwwwwwwk.....", "..kwkkkkkwk.....", "..kwwwwwwwk.....", "..kwwwwwwwk.....",
    "...kwwwwwk......", "....kkkkkkk.....", "..........kk....", "...........kk...",
    "............kk..", ".............kk.", "................", "................"};
// Fit: four corners around a frame.
const std::vector<std::string> kFit{
    "................", ".kkkk......kkkk.", ".kk..........kk.", ".k.k........k.k.",
    ".k..k......k..k.", ".....kkkkkk.....", ".....kwwwwk.....", ".....kwbbwk.....",
    ".....kwbbwk.....", ".....kwwwwk.....", ".....kkkkkk.....", ".k..k......k..k.",
    ".k.k........k.k.", ".kk..........kk.", ".kkkk......kkkk.", "................"};
// Start the slide show: a play triangle in a frame.
const std::vector<std::string> kPlay{
    "................", ".kkkkkkkkkkkkkk.", ".kwwwwwwwwwwwwk.", ".kwwwkwwwwwwwwk.",
    ".kwwwkkwwwwwwwk.", ".kwwwkrkwwwwwwk.", ".kwwwkrrkwwwwwk.", ".kwwwkrrrkwwwwk.",
    ".kwwwkrrkwwwwwk.", ".kwwwkrkwwwwwwk.", ".kwwwkkwwwwwwwk.", ".kwwwkwwwwwwwwk.",
    ".kwwwwwwwwwwwwk.", ".kkkkkkkkkkkkkk.", "................", "................"};
// To thumbnails: a grid of four pictures.
const std::vector<std::string> kThumbs{
    "................", ".kkkkkk..kkkkkk.", ".kyyyyk..kccccck", ".kyGGyk..kcbbck.",
    ".kyGGyk..kcbbck.", ".kyyyyk..kccccck", ".kkkkkk..kkkkkk.", "................",
    "................", ".kkkkkk..kkkkkk.", ".kooook..kllllk.", ".korrok..klddlk.",
    ".korrok..klddlk.", ".kooook..kllllk.", ".kkkkkk..kkkkkk.", "................"};
// File information: an "i" in a circle.
const std::vector<std::string> kInfo{
    "................", ".....kkkkkk.....", "...kknnnnnnkk...", "..knnnnwwnnnnk..",
    ".knnnnnwwnnnnnk.", ".knnnnnnnnnnnnk.", "knnnnnwwwnnnnnnk", "knnnnnnwwnnnnnnk",
    "knnnnnnwwnnnnnnk", "knnnnnnwwnnnnnnk", ".knnnnnwwnnnnnk.", ".knnnnwwwwnnnnk.",
    "..knnnnnnnnnnk..", "...kknnnnnnkk...", ".....kkkkkk.....", "................"};
// Delete: a red cross.
const std::vector<std::string> kDelete{
    "................", "................", "..rr........rr..", "..rrr......rrr..",
    "...rrr....rrr...", "....rrr..rrr....", ".....rrrrrr.....", "......rrrr......",
    "......rrrr......", ".....rrrrrr.....", "....rrr..rrr....", "...rrr....rrr...",
    "..rrr......rrr..", "..rr........rr..", "................", "................"};

MenuItemTemplate FilePopup() {
    return MenuPopup(u"File", {MenuString(u"Option", 40066), MenuString(u"About", 40015), MenuSeparator(),
                               MenuString(u"Exit", 40012)});
}

MenuItemTemplate ToolPopup() {
    return MenuPopup(u"Tool", {MenuString(u"Refresh", 40095), MenuString(u"Full Screen", 40041), MenuSeparator(),
                               MenuPopup(u"Rotate", {MenuString(u"Right", 40073), MenuString(u"Left", 40074)}),
                               MenuPopup(u"Flip", {MenuString(u"HORIZONTAL", 40071), MenuString(u"VERTICAL", 40072)}),
                               MenuString(u"LandScape", 40065), MenuString(u"TitleBar", 40070, MF_CHECKED)});
}

}  // namespace

void DefineGalleryMenuResources() {
    DefineString(1, u"Ezo");
    DefineString(40057, u"File");
    DefineString(40060, u"Tool");
    DefineString(40105, u"    ");
    DefineMenu(102, {{FilePopup()}});
    DefineMenu(149, {{FilePopup(), ToolPopup()}});
    DefineMenuBar(102, {102,
                        {BarDropDown(40055, 40057, 0), BarSeparator(), BarImage(1, 40082), BarImage(2, 40076),
                         BarDisabledText(40105, 64), BarImage(3, 40081)}});
    DefineMenuBar(149, {149,
                        {BarDropDown(40055, 40057, 0), BarDropDown(40058, 40060, 1), BarSeparator(),
                         BarImage(0, 40088), BarImage(1, 40087), BarImage(2, 40084), BarImage(3, 40089),
                         BarImage(4, 40090), BarImage(5, 40040), BarImage(6, 40086)}});
    DefineBitmap(150, {kBack, {}});
    DefineBitmap(159, {kThumbs, {}});
    DefineBitmap(151, {kInfo, {}});
    DefineBitmap(153, {kDelete, {}});
    DefineBitmap(166, {kPrevious, {}});
    DefineBitmap(165, {kNext, {}});
    DefineBitmap(116, {kZoomIn, {}});
    DefineBitmap(117, {kZoomOut, {}});
    DefineBitmap(161, {kFit, {}});
    DefineBitmap(163, {kPlay, {}});
    DefineIcon(101, {kThumbs, {}});
}

}  // namespace controls
