#pragma once
// A headless device on the virtual clock, a parent window that writes each
// command and notification it hears as one line, and a driver that plays
// steps from inside a modal loop (each step is a posted message).
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog.h"
#include "platform/controls/edit.h"
#include "platform/controls/form_classes.h"
#include "platform/controls/form_control.h"
#include "platform/controls/static_control.h"
#include "platform/controls/up_down.h"
#include "platform/device/device.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace forms_test {

using namespace controls;
using device::HWND;
using Events = std::vector<std::string>;

// "COMMAND id=1014 code=0" and the like.
std::string DescribeCommand(device::WPARAM wParam);

class Parent final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    Events events;
    device::LRESULT notifyAnswer = 0;
};

// Plays its steps one per posted message, so that they run inside whatever
// loop is running (a modal dialog's too).
class Driver final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    void Start();
    std::deque<std::function<void()>> steps;
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    device::Device& dev() { return *device_; }
    // A child of the parent (which lies at 0, 26 on the screen).
    HWND Make(std::u16string_view className, std::u16string_view text, uint32_t style, int x, int y, int w, int h,
              int id);
    device::LRESULT Send(HWND control, uint32_t msg, device::WPARAM wParam = 0, device::LPARAM lParam = 0) {
        return device::SendMessage(control, msg, wParam, lParam);
    }
    // A tap at the middle of a window, far enough from the last one not to be a double tap.
    void TapOn(HWND window);
    void Tap(int x, int y) {
        dev().tap(x, y);
        dev().advance(1000);
    }
    Events Take() {
        Events out;
        out.swap(parent_->events);
        return out;
    }
    // Steps to play inside the next modal loop.
    void Play(std::vector<std::function<void()>> steps);

    std::unique_ptr<device::Device> device_;
    HWND parentWindow_ = nullptr;
    Parent* parent_ = nullptr;
    Driver* driver_ = nullptr;
};

std::u16string TextOf(HWND window);

}  // namespace forms_test
