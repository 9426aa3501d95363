#pragma once
// The control ids of the program's dialogs: File Info (template 154), the
// options sheet's "Setting" (132) and "Key" (135) pages, and the About box.
namespace ezo {

// File Info: one line each.
constexpr int IDC_INFO_NAME = 1050;
constexpr int IDC_INFO_FORMAT = 1051;
constexpr int IDC_INFO_SIZE = 1052;
constexpr int IDC_INFO_DIMENSIONS = 1053;
constexpr int IDC_INFO_DATE = 1054;
constexpr int IDC_INFO_TIME = 1056;

// "Setting": the start option with its file, the slide show, the store.
constexpr int IDC_START_NONE = 1014;
constexpr int IDC_START_LATEST = 1015;
constexpr int IDC_START_SELECTED = 1016;
constexpr int IDC_START_FILE = 1045;
constexpr int IDC_START_BROWSE = 1046;
constexpr int IDC_SLIDE_EFFECT = 1029;
constexpr int IDC_SLIDE_SECONDS = 1041;
constexpr int IDC_SLIDE_ARROWS = 1042;
constexpr int IDC_DELETE_THUMBNAILS = 1060;

// "Key": one list per hardware button (Key5's is not shown), and "Default".
constexpr int IDC_KEY1 = 1048;
constexpr int IDC_KEY2 = 1049;
constexpr int IDC_KEY3 = 1031;
constexpr int IDC_KEY4 = 1033;
constexpr int IDC_KEY5 = 1034;
constexpr int IDC_KEY_DEFAULT = 1059;

// The About box's second way out, beside Done.
constexpr int IDC_ABOUT_CLOSE = 1002;

}  // namespace ezo
