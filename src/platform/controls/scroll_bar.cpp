#include "platform/controls/scroll_bar.h"

#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

#include "platform/controls/list_link.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"

namespace controls {
namespace {

class ScrollBar;

// QScrollBar that reports the end of every press.
class BarWidget final : public QScrollBar {
public:
    BarWidget(Qt::Orientation orientation, QWidget* parent, ControlLink* link)
        : QScrollBar(orientation, parent), link_(link) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ControlLink* link_;
    bool pressed_ = false;
};

class ScrollBar final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    QWidget* hostedWidget() override { return bar_; }

    void OnAction(int action);
    void OnThumbPressed() { tracking_ = true; }
    // The thumb follows the stylus; the parent hears where it is.
    void OnThumbMoved(int position) { Notify(SB_THUMBTRACK, position); }
    void OnThumbReleased();
    void OnPressEnded() { Notify(SB_ENDSCROLL, 0); }

private:
    device::LRESULT OnCreate();
    void OnDestroy();
    int32_t OnSetScrollInfo(const SCROLLINFO* info);
    bool OnGetScrollInfo(SCROLLINFO* info) const;
    int32_t OnSetPos(int32_t pos);
    void Apply();
    void Notify(uint16_t code, int32_t pos);

    QPointer<BarWidget> bar_;
    ControlLink* link_ = nullptr;
    // The handheld's view of the bar; Qt only shows it.
    int32_t min_ = 0, max_ = 100, pos_ = 0;
    uint32_t page_ = 0;
    bool tracking_ = false;
};

// The bar holds the stylus from press to lift, wherever it wanders.
void BarWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    link_->call<ScrollBar>([](ScrollBar* bar) { device::SetCapture(bar); });
    QScrollBar::mousePressEvent(event);
}

void BarWidget::mouseReleaseEvent(QMouseEvent* event) {
    QScrollBar::mouseReleaseEvent(event);
    if (!pressed_) return;
    pressed_ = false;
    link_->call<ScrollBar>([](ScrollBar* bar) {
        if (device::GetCapture() == bar) device::ReleaseCapture();
        bar->OnPressEnded();
    });
}

device::LRESULT ScrollBar::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (FollowWindow(bar_, msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_DESTROY:
        OnDestroy();
        return 0;
    case SBM_SETSCROLLINFO:
        return OnSetScrollInfo(reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO:
        return OnGetScrollInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    case SBM_SETPOS:
        return OnSetPos(int32_t(wParam));
    case SBM_GETPOS:
        return pos_;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

device::LRESULT ScrollBar::OnCreate() {
    device::WindowData& d = data();
    link_ = new ControlLink(d.widget);
    link_->control = this;
    bar_ = new BarWidget((d.style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, d.widget, link_);
    bar_->setGeometry(0, 0, d.rect.width(), d.rect.height());
    bar_->setFocusPolicy(Qt::NoFocus);
    ControlLink* link = link_;
    QObject::connect(bar_, &QAbstractSlider::actionTriggered, link, [link](int action) {
        link->call<ScrollBar>([action](ScrollBar* bar) { bar->OnAction(action); });
    });
    QObject::connect(bar_, &QAbstractSlider::sliderMoved, link, [link](int position) {
        link->call<ScrollBar>([position](ScrollBar* bar) { bar->OnThumbMoved(position); });
    });
    QObject::connect(bar_, &QAbstractSlider::sliderPressed, link, [link] {
        link->call<ScrollBar>([](ScrollBar* bar) { bar->OnThumbPressed(); });
    });
    QObject::connect(bar_, &QAbstractSlider::sliderReleased, link, [link] {
        link->call<ScrollBar>([](ScrollBar* bar) { bar->OnThumbReleased(); });
    });
    Apply();
    return 0;
}

void ScrollBar::OnDestroy() {
    if (link_) link_->control = nullptr;
}

void ScrollBar::Apply() {
    if (!bar_) return;
    const QSignalBlocker quiet(bar_);
    bar_->setTracking(false);
    bar_->setRange(min_, MaxScrollPos(min_, max_, page_));
    bar_->setPageStep(int(std::max<uint32_t>(page_, 1)));
    bar_->setSingleStep(1);
    if (!tracking_) bar_->setValue(pos_);
}

int32_t ScrollBar::OnSetScrollInfo(const SCROLLINFO* info) {
    if (!info) return pos_;
    if (info->fMask & SIF_RANGE) min_ = info->nMin, max_ = std::max(info->nMax, info->nMin);
    if (info->fMask & SIF_PAGE) page_ = info->nPage;
    if (info->fMask & SIF_POS) pos_ = info->nPos;
    pos_ = std::clamp(pos_, min_, MaxScrollPos(min_, max_, page_));
    const bool needed = ScrollNeeded(min_, max_, page_);
    if (info->fMask & SIF_DISABLENOSCROLL) device::EnableWindow(this, needed);
    else if (needed && !device::IsWindowEnabled(this)) device::EnableWindow(this, true);
    Apply();
    return pos_;
}

bool ScrollBar::OnGetScrollInfo(SCROLLINFO* info) const {
    if (!info) return false;
    if (info->fMask & SIF_RANGE) info->nMin = min_, info->nMax = max_;
    if (info->fMask & SIF_PAGE) info->nPage = page_;
    if (info->fMask & SIF_POS) info->nPos = pos_;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = (tracking_ && bar_) ? bar_->sliderPosition() : pos_;
    return true;
}

int32_t ScrollBar::OnSetPos(int32_t pos) {
    const int32_t previous = pos_;
    pos_ = std::clamp(pos, min_, MaxScrollPos(min_, max_, page_));
    Apply();
    return previous;
}

void ScrollBar::Notify(uint16_t code, int32_t pos) {
    device::HWND parent = device::GetParent(this);
    const uint32_t msg = (data().style & SBS_VERT) ? device::WM_VSCROLL : device::WM_HSCROLL;
    if (parent) device::SendMessage(parent, msg, device::MAKEWPARAM(code, pos), reinterpret_cast<device::LPARAM>(this));
}

void ScrollBar::OnAction(int action) {
    uint16_t code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    default:
        return;
    }
    // The bar stays where it is until the parent moves it.
    if (bar_) bar_->setSliderPosition(pos_);
    Notify(code, 0);
}

void ScrollBar::OnThumbReleased() {
    if (!tracking_ || !bar_) return;
    const int32_t at = bar_->sliderPosition();
    Notify(SB_THUMBPOSITION, at);
    if (!device::IsWindow(this)) return;
    tracking_ = false;
    // The thumb rests where the parent put it.
    Apply();
}

device::LRESULT SendToBar(device::HWND window, uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (!device::IsWindow(window) || !dynamic_cast<ScrollBar*>(window)) return 0;
    return device::SendMessage(window, msg, wParam, lParam);
}

}  // namespace

int32_t MaxScrollPos(int32_t nMin, int32_t nMax, uint32_t nPage) {
    const int64_t top = int64_t(nMax) - int64_t(nPage == 0 ? 1 : nPage) + 1;
    return int32_t(std::max<int64_t>(nMin, top));
}

bool ScrollNeeded(int32_t nMin, int32_t nMax, uint32_t nPage) {
    return int64_t(nMax) - int64_t(nMin) + 1 > int64_t(nPage) && nMax > nMin;
}

int32_t SetScrollInfo(device::HWND window, int bar, const SCROLLINFO* info, bool) {
    if (bar != SB_CTL) return 0;
    return int32_t(SendToBar(window, SBM_SETSCROLLINFO, 0, reinterpret_cast<device::LPARAM>(info)));
}

bool GetScrollInfo(device::HWND window, int bar, SCROLLINFO* info) {
    if (bar != SB_CTL) return false;
    return SendToBar(window, SBM_GETSCROLLINFO, 0, reinterpret_cast<device::LPARAM>(info)) != 0;
}

int32_t SetScrollPos(device::HWND window, int bar, int32_t pos, bool) {
    if (bar != SB_CTL) return 0;
    return int32_t(SendToBar(window, SBM_SETPOS, device::WPARAM(uint32_t(pos)), 0));
}

int32_t GetScrollPos(device::HWND window, int bar) {
    if (bar != SB_CTL) return 0;
    return int32_t(SendToBar(window, SBM_GETPOS, 0, 0));
}

bool RegisterScrollBarClass() {
    return device::RegisterClass(u"scrollbar", 0, [] { return std::make_unique<ScrollBar>(); });
}

}  // namespace controls
