#pragma once
// A headless device on the virtual clock, a top-level parent window that
// writes each notification and scroll request it receives as one line of
// text, and helpers to talk to the controls.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/list_classes.h"
#include "platform/controls/list_view.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tap_and_hold.h"
#include "platform/controls/tree_view.h"
#include "platform/device/device.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace lists_test {

using namespace controls;
using device::HWND;
using Events = std::vector<std::string>;

std::string CodeName(uint32_t code);

// Writes what it hears; answer decides the result of a notification.
class Parent final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;

    Events events;
    std::function<device::LRESULT(const NMHDR&)> answer;
};

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    device::Device& dev() { return *device_; }
    // A child control of the parent at (x, y, w, h) in the parent, which
    // lies at the screen's top-left corner.
    HWND Make(std::u16string_view className, uint32_t style, int x, int y, int w, int h, int id);
    device::LRESULT Send(HWND control, uint32_t msg, device::WPARAM wParam = 0, device::LPARAM lParam = 0) {
        return device::SendMessage(control, msg, wParam, lParam);
    }
    // Taps far enough apart in time that none is a double tap.
    void Tap(int x, int y) {
        dev().tap(x, y);
        dev().advance(1000);
    }
    Events Take() {
        Events out;
        out.swap(parent_->events);
        return out;
    }

    std::unique_ptr<device::Device> device_;
    HWND parentWindow_ = nullptr;
    Parent* parent_ = nullptr;
};

// Tree helpers.
HTREEITEM InsertItem(HWND tree, HTREEITEM parent, std::u16string_view text, int children = 0,
                     HTREEITEM after = TVI_SORT);
std::u16string ItemText(HWND tree, HTREEITEM item);
// Texts of the children of item (TVI_ROOT: the top level), in order.
std::vector<std::u16string> ChildTexts(HWND tree, HTREEITEM item);

// List helpers.
void InsertColumn(HWND list, int index, std::u16string_view title, int width, int fmt = LVCFMT_LEFT);
int InsertRow(HWND list, int index, std::u16string_view text);
std::u16string RowText(HWND list, int row, int column = 0);
std::vector<int> SelectedRows(HWND list);

}  // namespace lists_test
