#include "platform/controls/form_control.h"

#include <QEvent>
#include <QKeyEvent>

#include <algorithm>

#include "platform/controls/dialog_template.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"

namespace controls {
namespace {

// Hands the dialog keys of a control's Qt widgets to the dialog.
class DialogKeyFilter final : public QObject {
public:
    DialogKeyFilter(QObject* parent, ControlLink* link) : QObject(parent), link_(link) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            // A tap gives the control the device's keyboard focus, as Qt gives its widget.
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && (widget->focusPolicy() & Qt::ClickFocus))
                link_->call<device::Window>([](device::Window* control) {
                    if (device::GetFocus() != control) device::SetFocus(control);
                });
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        bool taken = false;
        link_->call<FormControl>([&](FormControl* control) {
            taken = !control->KeepsKey(key->key()) && DialogKey(control, key->key(), key->modifiers());
        });
        return taken;
    }

private:
    ControlLink* link_;
};

}  // namespace

QFont DialogFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("NanumGothic")});
    font.setStretch(QFont::Condensed);
    font.setPixelSize(DialogFontPixels(pointSize));
    return font;
}

ControlLink* FormControl::link() {
    if (!link_) {
        link_ = new ControlLink(data().widget);
        link_->control = this;
    }
    return link_;
}

void FormControl::Host(QWidget* widget) {
    device::WindowData& d = data();
    link();
    if (!widget) return;
    widget_ = widget;
    widget->setParent(d.widget);
    // The style sheet keeps fonts from flowing down: take the dialog's own.
    if (QWidget* around = d.widget ? d.widget->parentWidget() : nullptr) {
        widget->setFont(around->font());
        for (QWidget* inner : widget->findChildren<QWidget*>()) inner->setFont(around->font());
    }
    widget->setGeometry(0, 0, d.rect.width(), d.rect.height());
    widget->setEnabled(d.enabled);
    widget->show();
    auto* filter = new DialogKeyFilter(widget, link_);
    widget->installEventFilter(filter);
    for (QWidget* inner : widget->findChildren<QWidget*>()) inner->installEventFilter(filter);
}

bool FormControl::CommonMessage(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_DESTROY:
        if (link_) link_->control = nullptr;
        return false;  // the control may have more to do
    case device::WM_SIZE:
        if (widget_) widget_->setGeometry(0, 0, SizeWidth(lParam), SizeHeight(lParam));
        return true;
    case device::WM_ENABLE:
        if (widget_) widget_->setEnabled(wParam != 0);
        device::InvalidateRect(this, nullptr, true);
        return true;
    default:
        return false;
    }
}

device::LRESULT FormControl::TitleMessage(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_SETTEXT:
        device::SetWindowText(this, lParam ? reinterpret_cast<const char16_t*>(lParam) : u"");
        return 1;
    case WM_GETTEXT:
        return device::GetWindowText(this, reinterpret_cast<char16_t*>(lParam), int(wParam));
    case WM_GETTEXTLENGTH:
        return device::LRESULT(data().title.size());
    default:
        return 0;
    }
}

void FormControl::Command(uint16_t code) {
    device::HWND parent = device::GetParent(this);
    if (parent)
        device::SendMessage(parent, device::WM_COMMAND, device::MAKEWPARAM(data().id, code),
                            reinterpret_cast<device::LPARAM>(static_cast<device::HWND>(this)));
}

std::string DumpQuoted(std::u16string_view text) {
    const QByteArray utf8 = QString::fromUtf16(text.data(), qsizetype(text.size())).toUtf8();
    std::string out;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%' || c == '"' || c == '|') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace controls
