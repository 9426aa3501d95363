#pragma once
// Every resource id and command id of the program, in one place. The
// numbers are fixed: settings, menu-bar layouts and window code all meet on
// them. Resources are defined by DefineProgramResources (resource_table.h).
//
// Prefixes: IDS_ string, IDR_ menu / menu bar / accelerator table, IDB_
// bitmap, IDI_ icon, IDD_ dialog template, IDM_ command from a menu, a bar
// button or an accelerator, IDC_ child window whose id also arrives as a
// command (owner-drawn buttons) or as a notification sender.
#include <cstdint>

namespace ezo {

// ---- Strings ------------------------------------------------------------------

constexpr uint32_t IDS_TITLE = 1;               // "Ezo": the main window's title
constexpr uint32_t IDS_CLASS_NAME = 3;          // "Ezo": the main window's class name
constexpr uint32_t IDS_FILE = 40057;            // caption of the File drop-down
constexpr uint32_t IDS_TOOL = 40060;            // caption of the Tool drop-down
constexpr uint32_t IDS_BLANK_REPORT = 40105;    // blank spacer text of bar 102
constexpr uint32_t IDS_BLANK_THUMBNAILS = 40107;  // ... of bar 156
constexpr uint32_t IDS_BLANK_LIST = 40109;      // ... of bar 157

// ---- Menus and menu bars --------------------------------------------------------
// Each bar has a menu of the same id: pop-up 0 is File, pop-up 1 (view bars
// only) is Tool.

constexpr int IDR_BAR_REPORT = 102;          // browse, report view
constexpr int IDR_BAR_THUMBNAILS = 156;      // browse, thumbnail view
constexpr int IDR_BAR_LIST = 157;            // browse, list view
constexpr int IDR_BAR_VIEW = 149;            // view: fit off, no slide show (viewBarBits 0)
constexpr int IDR_BAR_VIEW_SLIDE = 167;      // view: slide show running (viewBarBits 1)
constexpr int IDR_BAR_VIEW_FIT = 168;        // view: fit on (viewBarBits 2)
constexpr int IDR_BAR_VIEW_FIT_SLIDE = 169;  // view: fit on, slide show running (viewBarBits 3)

// The seven bars in the order the main window creates them.
constexpr int kMenuBarsInCreationOrder[] = {IDR_BAR_REPORT,     IDR_BAR_THUMBNAILS, IDR_BAR_LIST,
                                            IDR_BAR_VIEW,       IDR_BAR_VIEW_FIT_SLIDE, IDR_BAR_VIEW_FIT,
                                            IDR_BAR_VIEW_SLIDE};

constexpr int kFilePopup = 0;  // pop-up index of File in a bar's menu
constexpr int kToolPopup = 1;  // pop-up index of Tool in a view bar's menu

// The tap-and-hold pop-up of the file list and the thumbnail grid: one
// pop-up (index 0) holding Delete and File Info.
constexpr int IDR_FILE_CONTEXT_MENU = 200;

// Ctrl+Q, Ctrl+A, Tab and Shift+Tab.
constexpr int IDR_ACCELERATORS = 3;

// ---- Icon and bitmaps -------------------------------------------------------------

constexpr int IDI_EZO = 101;  // the application icon, 32 x 32

// 16 x 16 bar button images; each shows what its button does.
constexpr int IDB_ZOOM_IN = 116;
constexpr int IDB_ZOOM_OUT = 117;
constexpr int IDB_BACK = 150;             // back to browsing
constexpr int IDB_FILE_INFO = 151;
constexpr int IDB_DELETE = 153;
constexpr int IDB_REPORT_VIEW = 158;      // switch to the report view
constexpr int IDB_THUMBNAIL_VIEW = 159;   // switch to thumbnails
constexpr int IDB_LIST_VIEW = 160;        // switch to the plain list
constexpr int IDB_FIT = 161;
constexpr int IDB_ACTUAL_SIZE = 162;
constexpr int IDB_SLIDE_START = 163;
constexpr int IDB_SLIDE_STOP = 164;
constexpr int IDB_NEXT = 165;
constexpr int IDB_PREVIOUS = 166;

// Strip of the full-screen overlay buttons: five 12 x 12 images.
constexpr int IDB_OVERLAY_BUTTONS = 175;
constexpr int kOverlayImageSize = 12;
constexpr int kOverlayZoomOut = 0;
constexpr int kOverlayZoomIn = 1;
constexpr int kOverlayFit = 2;
constexpr int kOverlayFitOn = 3;  // the fit button while fitButtonOn
constexpr int kOverlayLeaveFullScreen = 4;
constexpr int kOverlayImageCount = 5;

// Strip of the splitter buttons: three 8 x 8 images (the buttons are 7 x 7).
constexpr int IDB_SPLIT_BUTTONS = 148;
constexpr int kSplitImageSize = 8;
constexpr int kSplitMiddle = 0;
constexpr int kSplitTreeHidden = 1;
constexpr int kSplitFilesHidden = 2;
constexpr int kSplitImageCount = 3;

// Bitmaps of later windows: the grid's placeholder (11 x 8), the About
// box's picture and the File Info dialog's file picture.
constexpr int IDB_THUMB_PLACEHOLDER = 136;
constexpr int IDB_ABOUT_PICTURE = 176;
constexpr int IDB_FILE_INFO_PICTURE = 178;

// ---- Dialog templates ---------------------------------------------------------------

constexpr int IDD_ABOUT = 103;
constexpr int IDD_SETTING = 132;
constexpr int IDD_KEY = 135;
constexpr int IDD_FILE_INFO = 154;

// ---- Commands -------------------------------------------------------------------------

constexpr uint16_t IDM_QUIT = 1;              // Ctrl+Q
constexpr uint16_t IDM_CTRL_A = 40003;        // Ctrl+A; nothing handles it
constexpr uint16_t IDM_SWITCH_PANE = 40201;   // Tab, Shift+Tab: tree <-> file area
constexpr uint16_t IDM_BLANK = 64;            // the disabled spacer of the browse bars

// Drop-down buttons (they open their pop-up; no command reaches the window).
constexpr uint16_t IDM_FILE_MENU = 40055;
constexpr uint16_t IDM_TOOL_MENU = 40058;

// File pop-up.
constexpr uint16_t IDM_OPTION = 40066;
constexpr uint16_t IDM_ABOUT = 40015;
constexpr uint16_t IDM_EXIT = 40012;

// Tool pop-up.
constexpr uint16_t IDM_REFRESH = 40095;
constexpr uint16_t IDM_FULL_SCREEN = 40041;
constexpr uint16_t IDM_ROTATE_RIGHT = 40073;
constexpr uint16_t IDM_ROTATE_LEFT = 40074;
constexpr uint16_t IDM_FLIP_HORIZONTAL = 40071;
constexpr uint16_t IDM_FLIP_VERTICAL = 40072;
constexpr uint16_t IDM_LANDSCAPE = 40065;
constexpr uint16_t IDM_TITLE_BAR = 40070;

// View bar buttons.
constexpr uint16_t IDM_BACK_TO_BROWSE = 40088;
constexpr uint16_t IDM_PREVIOUS = 40087;
constexpr uint16_t IDM_NEXT = 40084;
constexpr uint16_t IDM_ZOOM_IN = 40089;
constexpr uint16_t IDM_ZOOM_OUT = 40090;
constexpr uint16_t IDM_FIT = 40040;                // bars 149 and 167
constexpr uint16_t IDM_ACTUAL_SIZE = 40061;        // bar 168
constexpr uint16_t IDM_ACTUAL_SIZE_SLIDE = 40092;  // bar 169
constexpr uint16_t IDM_SLIDE_START = 40086;
constexpr uint16_t IDM_SLIDE_STOP = 40093;

// Browse bar buttons and the tap-and-hold pop-up.
constexpr uint16_t IDM_TO_THUMBNAILS = 40082;  // bar 102
constexpr uint16_t IDM_TO_LIST = 40085;        // bar 156
constexpr uint16_t IDM_TO_REPORT = 40080;      // bar 157
constexpr uint16_t IDM_FILE_INFO = 40076;
constexpr uint16_t IDM_DELETE = 40081;

// ---- Child windows -------------------------------------------------------------------

constexpr int IDC_FILE_LIST = 1000;
constexpr int IDC_LEAVE_FULL_SCREEN = 1001;   // overlay button
constexpr int IDC_FOLDER_TREE = 1003;
constexpr int IDC_THUMB_GRID = 1004;
constexpr int IDC_OVERLAY_ZOOM_IN = 1005;
constexpr int IDC_OVERLAY_ZOOM_OUT = 1006;
constexpr int IDC_OVERLAY_FIT = 1008;
constexpr int IDC_NO_IMAGES = 1009;
constexpr int IDC_SPLIT_TREE_HIDDEN = 5303;
constexpr int IDC_SPLIT_MIDDLE = 5304;
constexpr int IDC_SPLIT_FILES_HIDDEN = 5305;

}  // namespace ezo
