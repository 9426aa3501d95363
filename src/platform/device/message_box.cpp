#include "platform/device/message_box.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/device/screen_layout.h"

namespace device {
namespace {

constexpr int32_t kBoxWidth = 200;
constexpr int32_t kCaptionHeight = 18;
constexpr int32_t kButtonWidth = 60;
constexpr int32_t kButtonHeight = 20;
constexpr int32_t kMargin = 8;

bool Inside(const gdi::RECT& r, int32_t x, int32_t y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

QFont BoxFont() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

QRect ToQRect(const gdi::RECT& r) { return QRect(r.left, r.top, r.width(), r.height()); }

class MessageBoxWindow final : public Window {
public:
    MessageBoxWindow(std::u16string_view text, std::u16string_view caption, unsigned type)
        : text_(QString::fromStdU16String(std::u16string(text))),
          caption_(QString::fromStdU16String(std::u16string(caption))), type_(type) {
        const QFontMetrics metrics(BoxFont());
        const QRect bounds = metrics.boundingRect(QRect(0, 0, kBoxWidth - 2 * kMargin, kScreenHeight),
                                                  Qt::TextWordWrap, text_);
        layout_ = LayoutMessageBox(type, bounds.height());
    }
    const MessageBoxLayout& layout() const { return layout_; }

    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_PAINT: Paint(); return 0;
        case WM_LBUTTONUP:
            if (int button = MessageBoxButtonAt(layout_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
                EndModalLoop(this, button);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) EndModalLoop(this, IDOK);
            if (wParam == VK_ESCAPE) EndModalLoop(this, layout_.cancel.empty() ? IDOK : IDCANCEL);
            return 0;
        case WM_CLOSE: EndModalLoop(this, layout_.cancel.empty() ? IDOK : IDCANCEL); return 0;
        default: return DefWindowProc(this, msg, wParam, lParam);
        }
    }

private:
    void Paint() {
        PAINTSTRUCT ps;
        BeginPaint(this, &ps);
        if (gdi::Bitmap* store = BackingStore(this)) {
            QImage image(store->pixels(), store->width(), store->height(), store->stride(), QImage::Format_RGB32);
            QPainter painter(&image);
            painter.setFont(BoxFont());
            painter.fillRect(image.rect(), Qt::white);
            painter.setPen(Qt::black);
            painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
            painter.fillRect(ToQRect(layout_.caption), QColor(0, 0, 132));
            painter.setPen(Qt::white);
            painter.drawText(ToQRect(layout_.caption).adjusted(4, 0, 0, 0), Qt::AlignVCenter, caption_);
            painter.setPen(Qt::black);
            painter.drawText(ToQRect(layout_.text), Qt::TextWordWrap, text_);
            DrawButton(painter, layout_.ok, QStringLiteral("OK"));
            if (!layout_.cancel.empty()) DrawButton(painter, layout_.cancel, QStringLiteral("Cancel"));
        }
        EndPaint(this, &ps);
    }

    static void DrawButton(QPainter& painter, const gdi::RECT& r, const QString& label) {
        painter.fillRect(ToQRect(r), QColor(212, 208, 200));
        painter.drawRect(ToQRect(r).adjusted(0, 0, -1, -1));
        painter.drawText(ToQRect(r), Qt::AlignCenter, label);
    }

    QString text_;
    QString caption_;
    unsigned type_;
    MessageBoxLayout layout_;
};

}  // namespace

MessageBoxLayout LayoutMessageBox(unsigned type, int32_t textHeight) {
    const int32_t maxText = kWorkArea.height() - kCaptionHeight - kButtonHeight - 4 * kMargin;
    textHeight = std::clamp(textHeight, 12, maxText);
    const int32_t height = kCaptionHeight + textHeight + kButtonHeight + 3 * kMargin;
    MessageBoxLayout l;
    const int32_t left = (kScreenWidth - kBoxWidth) / 2;
    const int32_t top = kWorkArea.top + (kWorkArea.height() - height) / 2;
    l.box = {left, top, left + kBoxWidth, top + height};
    l.caption = {1, 1, kBoxWidth - 1, kCaptionHeight};
    l.text = {kMargin, kCaptionHeight + kMargin, kBoxWidth - kMargin, kCaptionHeight + kMargin + textHeight};
    const int32_t buttonsTop = l.text.bottom + kMargin;
    const bool twoButtons = (type & 0xF) == MB_OKCANCEL;
    const int32_t buttonsWidth = twoButtons ? 2 * kButtonWidth + kMargin : kButtonWidth;
    const int32_t okLeft = (kBoxWidth - buttonsWidth) / 2;
    l.ok = {okLeft, buttonsTop, okLeft + kButtonWidth, buttonsTop + kButtonHeight};
    if (twoButtons) {
        const int32_t cancelLeft = l.ok.right + kMargin;
        l.cancel = {cancelLeft, buttonsTop, cancelLeft + kButtonWidth, buttonsTop + kButtonHeight};
    }
    return l;
}

int MessageBoxButtonAt(const MessageBoxLayout& layout, int32_t x, int32_t y) {
    if (Inside(layout.ok, x, y)) return IDOK;
    if (!layout.cancel.empty() && Inside(layout.cancel, x, y)) return IDCANCEL;
    return 0;
}

int ShowMessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    auto object = std::make_unique<MessageBoxWindow>(text, caption, type);
    const gdi::RECT box = object->layout().box;
    HWND window = CreateWindowFor(std::move(object), u"MessageBox", 0, caption, 0, box.left, box.top,
                                  box.width(), box.height(), GetTopLevel(owner), 0);
    if (!window) return 0;
    const int result = RunModalLoop(window);
    DestroyWindow(window);
    return result ? result : IDCANCEL;
}

}  // namespace device
