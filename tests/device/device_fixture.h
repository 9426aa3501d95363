#pragma once
// A headless device on the virtual clock for each test, and a window that
// records the messages it receives.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/device/device.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/device/window.h"
#include "platform/gdi/paint.h"

namespace device_test {

using namespace device;

struct Logged {
    std::string window;
    uint32_t msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    friend bool operator==(const Logged&, const Logged&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Logged& m) {
        return os << m.window << " msg=0x" << std::hex << m.msg << " w=0x" << m.wParam << " l=0x" << m.lParam
                  << std::dec;
    }
};

using Log = std::vector<Logged>;

class Recorder final : public Window {
public:
    Recorder(std::string name, Log* log, std::set<uint32_t> watched)
        : name_(std::move(name)), log_(log), watched_(std::move(watched)) {}

    // Runs before the default handling; returning true ends the message.
    std::function<bool(uint32_t msg, WPARAM, LPARAM)> onMessage;

    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        if (watched_.count(msg)) log_->push_back({name_, msg, wParam, lParam});
        if (onMessage && onMessage(msg, wParam, lParam)) return 0;
        return DefWindowProc(this, msg, wParam, lParam);
    }

private:
    std::string name_;
    Log* log_;
    std::set<uint32_t> watched_;
};

struct Made {
    HWND window;
    Recorder* recorder;
};

inline Made MakeRecorder(const std::string& name, Log* log, std::set<uint32_t> watched, uint32_t style,
                         gdi::RECT rect, HWND parent = nullptr, int32_t id = 0, uint32_t classStyle = CS_DBLCLKS) {
    auto object = std::make_unique<Recorder>(name, log, std::move(watched));
    Recorder* recorder = object.get();
    const std::u16string title(name.begin(), name.end());
    HWND window = CreateWindowFor(std::move(object), u"Recorder", classStyle, title, style, rect.left, rect.top,
                                  rect.width(), rect.height(), parent, id);
    return {window, window ? recorder : nullptr};
}

// Paints its whole client area in one colour on WM_PAINT.
inline void PaintIn(Made& made, gdi::COLORREF color, std::vector<gdi::RECT>* painted = nullptr) {
    HWND window = made.window;
    made.recorder->onMessage = [window, color, painted](uint32_t msg, WPARAM, LPARAM) {
        if (msg != WM_PAINT) return false;
        PAINTSTRUCT ps;
        gdi::HDC dc = BeginPaint(window, &ps);
        if (painted) painted->push_back(ps.rcPaint);
        gdi::RECT all{0, 0, 1000, 1000};
        gdi::BrushPtr brush = gdi::CreateSolidBrush(color);
        gdi::FillRect(dc, &all, brush.get());
        EndPaint(window, &ps);
        return true;
    };
}

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        device_ = Device::start({.scale = 1, .headless = true, .virtualClock = true});
        ASSERT_TRUE(device_);
    }
    void TearDown() override { device_.reset(); }

    Device& dev() { return *device_; }
    std::unique_ptr<Device> device_;
};

}  // namespace device_test
