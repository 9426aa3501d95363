#pragma once
// The window of a dialog, shared by the dialog calls and the property sheet.
#include <QPointer>

#include "platform/controls/dialog.h"

class QWidget;

namespace controls {

class DialogWindow : public device::Window {
public:
    DialogWindow(DLGPROC proc, BaseUnits base) : proc_(std::move(proc)), base_(base) {}
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;

    // Messages reach the procedure only once the controls exist.
    void Start() { started_ = true; }
    intptr_t CallProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam);
    void End(intptr_t result);
    bool ended() const { return ended_; }
    intptr_t result() const { return result_; }
    BaseUnits base() const { return base_; }
    // Where the focus goes when the dialog gets it.
    void SetFocusTarget(device::HWND control) { focusTarget_ = control; }
    void SetDoneButton(QWidget* button);
    bool hasDoneButton() const { return !done_.isNull(); }

private:
    void OnSetFocus();
    void OnKey(uint32_t vk);

    DLGPROC proc_;
    BaseUnits base_;
    bool started_ = false;
    bool ended_ = false;
    intptr_t result_ = 0;
    device::HWND focusTarget_ = nullptr;
    QPointer<QWidget> done_;
};

// The dialog a control belongs to (the outermost one, for sheet pages), or null.
DialogWindow* OuterDialogOf(device::HWND window);
// The controls that take Tab, in order, in the dialog and the pages inside it.
std::vector<device::HWND> TabStops(device::HWND dialog);
// The command Return gives: the default push button's id, else IDOK.
int DefaultCommand(device::HWND dialog);
// Moves the focus to the next (or previous) tab stop after the focused control.
void MoveToNextTabStop(device::HWND dialog, bool backwards);

}  // namespace controls
