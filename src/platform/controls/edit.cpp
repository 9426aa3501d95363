#include "platform/controls/edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "platform/controls/form_control.h"
#include "platform/device/message_loop.h"

namespace controls {
namespace {

using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

class Edit;

// QLineEdit that offers the up and down arrows to an attached control first.
class LineWidget final : public QLineEdit {
public:
    explicit LineWidget(EditKeyHandler* handler) : handler_(handler) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const uint32_t vk = event->key() == Qt::Key_Up     ? device::VK_UP
                            : event->key() == Qt::Key_Down ? device::VK_DOWN
                                                           : 0;
        if (vk && *handler_ && (*handler_)(vk)) return;
        QLineEdit::keyPressEvent(event);
    }

private:
    EditKeyHandler* handler_;
};

class Edit final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;
    void OnEdited(const QString& text);
    EditKeyHandler arrowKeys;

private:
    LRESULT OnCreate();
    LRESULT OnSetText(const char16_t* text);
    QLineEdit* line() const { return static_cast<QLineEdit*>(widget_.data()); }
};

LRESULT Edit::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (CommonMessage(msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_SETTEXT:
        return OnSetText(reinterpret_cast<const char16_t*>(lParam));
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return TitleMessage(msg, wParam, lParam);
    case EM_SETREADONLY:
        if (line()) line()->setReadOnly(wParam != 0);
        return 1;
    case EM_LIMITTEXT:
        if (line()) line()->setMaxLength(wParam ? int(std::min<WPARAM>(wParam, 32767)) : 32767);
        return 0;
    case EM_SETSEL:
        if (line()) {
            const int start = int(intptr_t(wParam));
            if (start < 0) line()->deselect();
            else line()->setSelection(start, int(lParam) < 0 ? line()->text().size() : int(lParam) - start);
        }
        return 0;
    case device::WM_SETFOCUS:
        Command(EN_SETFOCUS);
        return 0;
    case device::WM_KILLFOCUS:
        Command(EN_KILLFOCUS);
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

LRESULT Edit::OnCreate() {
    const uint32_t style = data().style;
    auto* edit = new LineWidget(&arrowKeys);
    edit->setObjectName(QStringLiteral("edit"));
    edit->setText(QString::fromStdU16String(data().title));
    edit->setReadOnly(style & ES_READONLY);
    edit->setFrame(style & device::WS_BORDER);
    edit->setProperty("bordered", bool(style & device::WS_BORDER));
    edit->setAlignment((style & ES_RIGHT) ? Qt::AlignRight : (style & ES_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
    if (style & ES_NUMBER)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    Host(edit);
    ControlLink* l = link();
    QObject::connect(edit, &QLineEdit::textEdited, l, [l](const QString& text) {
        l->call<Edit>([&text](Edit* e) { e->OnEdited(text); });
    });
    return 0;
}

void Edit::OnEdited(const QString& text) {
    data().title = text.toStdU16String();
    Command(EN_CHANGE);
}

LRESULT Edit::OnSetText(const char16_t* text) {
    const std::u16string value = text ? std::u16string(text) : std::u16string();
    data().title = value;
    if (line()) {
        const QSignalBlocker quiet(line());
        line()->setText(QString::fromStdU16String(value));
        line()->setCursorPosition(0);
    }
    Command(EN_CHANGE);
    return 1;
}

}  // namespace

bool SetEditArrowKeyHandler(device::HWND edit, EditKeyHandler handler) {
    auto* e = device::IsWindow(edit) ? dynamic_cast<Edit*>(edit) : nullptr;
    if (!e) return false;
    e->arrowKeys = std::move(handler);
    return true;
}

bool RegisterEditClass() {
    return device::RegisterClass(u"edit", 0, [] { return std::make_unique<Edit>(); });
}

}  // namespace controls
