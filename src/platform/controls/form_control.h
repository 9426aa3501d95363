#pragma once
// What the form controls (buttons, static text, edit, combo box, up-down)
// share: the Qt widget a control shows, the link back from Qt to the window,
// commands to the parent as WM_COMMAND (id, code << 16, control), and the
// dialog keys (Return, Escape, Tab) that a Qt widget hands to its dialog.
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/controls/list_link.h"
#include "platform/device/window.h"

namespace controls {

// Text messages the window system leaves to the controls.
constexpr uint32_t WM_GETTEXT = 0x000D;
constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;

// Style bit that starts a group of controls (radio groups, tab order).
constexpr uint32_t WS_GROUP = 0x00020000;

class FormControl : public device::Window {
public:
    QWidget* hostedWidget() override { return widget_; }
    // True for a dialog key (Return, Escape) the control keeps for itself now.
    virtual bool KeepsKey(int qtKey) const { return false; }

    // The text messages on the window's title, for controls without their own text.
    device::LRESULT TitleMessage(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam);

protected:
    // Shows widget in the window (null: the control draws itself into its
    // backing store). Call from WM_CREATE.
    void Host(QWidget* widget);
    // Handles what every control handles the same way; false for others.
    bool CommonMessage(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam);
    // WM_COMMAND to the parent with the notification code in the high word.
    void Command(uint16_t code);
    // The link from Qt back to this window, made on first use.
    ControlLink* link();

    QPointer<QWidget> widget_;

private:
    ControlLink* link_ = nullptr;
};

// Gives Return, Escape and Tab typed into a control's Qt widget to the
// dialog around it; installed on the widget (and its children) by Host.
// True when the key was taken.
bool DialogKey(device::HWND control, int qtKey, Qt::KeyboardModifiers modifiers);

// The font of a dialog with a "System" font of pointSize: a narrow sans
// serif, with the Hangul font for Korean text.
QFont DialogFont(int pointSize);

// Text for the device dump's window lines: UTF-8 with control characters,
// '%', '"' and '|' written as '%' and two hex digits, so that it stays on
// its line and inside its quotes, and '|' can separate entries.
std::string DumpQuoted(std::u16string_view text);

// The parts of a size packed in WM_SIZE's lParam.
inline int32_t SizeWidth(device::LPARAM l) { return device::LOWORD(uintptr_t(l)); }
inline int32_t SizeHeight(device::LPARAM l) { return device::HIWORD(uintptr_t(l)); }

}  // namespace controls
