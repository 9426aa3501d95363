#pragma once
// The base of the control tests: a headless device on the virtual clock and a
// top-level host window below the task bar (at 0, 26 on the screen, 240 x
// 268) that writes what it hears as lines of text; helpers to make children,
// tap them and act inside the modal loop a call under test runs.
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/device_fixture.h"
#include "platform/device/activation.h"

namespace device_test {

using Events = std::vector<std::string>;

class Host final : public Window {
public:
    // The line a message is written as; none: the default handling.
    std::function<std::optional<std::string>(uint32_t msg, WPARAM, LPARAM)> describe;
    // The result of a written message, decided after the line is written.
    std::function<LRESULT(uint32_t msg, WPARAM, LPARAM)> answer;
    std::function<void(int32_t x, int32_t y)> onHeld;
    Events events;

    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        std::optional<std::string> line = describe ? describe(msg, wParam, lParam) : std::nullopt;
        if (!line) return DefWindowProc(this, msg, wParam, lParam);
        events.push_back(std::move(*line));
        return answer ? answer(msg, wParam, lParam) : 0;
    }
    void StylusHeld(int32_t x, int32_t y) override {
        if (onHeld) onHeld(x, y);
    }
};

class HostTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        auto object = std::make_unique<Host>();
        host_ = object.get();
        hostWindow_ = CreateWindowFor(std::move(object), u"Host", 0, u"Host", WS_VISIBLE, 0, 26, 240, 268, nullptr, 0);
        ASSERT_TRUE(hostWindow_);
        dev().processPending();
    }

    // A visible child of the host at (x, y, w, h) in the host.
    HWND Make(std::u16string_view className, std::u16string_view text, uint32_t style, int x, int y, int w, int h,
              int id) {
        HWND control = CreateWindow(className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hostWindow_, id);
        dev().processPending();
        return control;
    }
    LRESULT Send(HWND window, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessage(window, msg, wParam, lParam);
    }
    // Taps far enough apart in time that none is a double tap.
    void Tap(int x, int y) {
        dev().tap(x, y);
        dev().advance(1000);
    }
    void TapOn(HWND window) {
        gdi::RECT r;
        GetWindowRect(window, &r);
        Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    Events Take() {
        Events out;
        out.swap(host_->events);
        return out;
    }

    // Runs the steps one per turn of the event loop, the first once a modal
    // loop (a dialog, a message box, a menu) is up. The steps of an earlier
    // call that have not run by then are dropped, so none outlives its test.
    void Later(std::vector<std::function<void()>> steps) {
        auto queue = std::make_shared<std::vector<std::function<void()>>>(std::move(steps));
        const int batch = ++*batch_;
        std::weak_ptr<int> current = batch_;
        // Each step schedules the next; the chain holds itself only while it runs.
        auto next = std::make_shared<std::function<void(size_t)>>();
        std::weak_ptr<std::function<void(size_t)>> weakNext = next;
        *next = [queue, weakNext, current, batch](size_t i) {
            if (i >= queue->size()) return;
            auto self = weakNext.lock();
            QTimer::singleShot(0, [queue, self, current, batch, i] {
                auto token = current.lock();
                if (!token || *token != batch) return;
                if (i == 0 && !ModalWindow()) return (*self)(0);
                (*queue)[i]();
                (*self)(i + 1);
            });
        };
        (*next)(0);
    }

    Host* host_ = nullptr;
    HWND hostWindow_ = nullptr;
    std::shared_ptr<int> batch_ = std::make_shared<int>(0);
};

}  // namespace device_test
