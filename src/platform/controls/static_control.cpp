#include "platform/controls/static_control.h"

#include <QLabel>

#include "platform/controls/form_control.h"
#include "platform/controls/image_list.h"
#include "platform/controls/resources.h"
#include "platform/device/painting.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/paint.h"

namespace controls {
namespace {

using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

BitmapResourceLoader& Loader() {
    static BitmapResourceLoader loader;
    return loader;
}

bool IsPicture(uint32_t type) { return type == SS_BITMAP || type == SS_ICON; }

Qt::Alignment AlignmentOf(uint32_t type) {
    switch (type) {
    case SS_CENTER: return Qt::AlignHCenter | Qt::AlignTop;
    case SS_RIGHT: return Qt::AlignRight | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

class Static final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;

private:
    uint32_t type() const { return data().style & SS_TYPEMASK; }
    LRESULT OnCreate();
    LRESULT OnSetImage(gdi::HBITMAP image);
    void OnPaint();

    gdi::BitmapPtr owned_;          // loaded from the resources
    gdi::HBITMAP image_ = nullptr;  // what shows (owned_ or the caller's)
};

LRESULT Static::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (CommonMessage(msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_SETTEXT:
        TitleMessage(msg, wParam, lParam);
        if (auto* label = qobject_cast<QLabel*>(widget_.data())) label->setText(QString::fromStdU16String(data().title));
        return 1;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return TitleMessage(msg, wParam, lParam);
    case STM_SETIMAGE:
        return OnSetImage(reinterpret_cast<gdi::HBITMAP>(lParam));
    case STM_SETICON:
        return OnSetImage(reinterpret_cast<gdi::HBITMAP>(wParam));
    case STM_GETIMAGE:
    case STM_GETICON:
        return LRESULT(image_);
    case device::WM_PAINT:
        OnPaint();
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

LRESULT Static::OnCreate() {
    if (IsPicture(type())) {
        Host(nullptr);
        const int id = ResourceIdOf(data().title);
        if (id >= 0) owned_ = LoadBitmapResource(id);
        image_ = owned_.get();
        return 0;
    }
    auto* label = new QLabel(QString::fromStdU16String(data().title));
    label->setObjectName(QStringLiteral("static"));
    label->setAlignment(AlignmentOf(type()));
    label->setWordWrap(type() != SS_LEFTNOWORDWRAP);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    Host(label);
    return 0;
}

LRESULT Static::OnSetImage(gdi::HBITMAP image) {
    gdi::HBITMAP previous = image_;
    image_ = image;
    if (previous == owned_.get()) previous = nullptr;  // ours: not the caller's to free
    device::InvalidateRect(this, nullptr, true);
    return LRESULT(previous);
}

void Static::OnPaint() {
    device::PAINTSTRUCT ps;
    device::BeginPaint(this, &ps);
    const gdi::RECT client{0, 0, data().rect.width(), data().rect.height()};
    gdi::FillRect(ps.hdc, &client, gdi::GetStockBrush(gdi::WHITE_BRUSH));
    if (image_) {
        int32_t x = 0, y = 0;
        if (data().style & SS_CENTERIMAGE) {
            x = (client.width() - image_->width()) / 2;
            y = (client.height() - image_->height()) / 2;
        }
        if (type() == SS_ICON) {
            if (auto icon = ImageList::FromBitmap(*image_, image_->width(), kIconTransparent)) icon->draw(0, ps.hdc, x, y);
        } else {
            gdi::DeviceContextPtr source = gdi::CreateCompatibleDC(ps.hdc);
            gdi::SelectScope<gdi::HBITMAP> select(source.get(), image_);
            gdi::BitBlt(ps.hdc, x, y, image_->width(), image_->height(), source.get(), 0, 0, gdi::SRCCOPY);
        }
    }
    device::EndPaint(this, &ps);
}

}  // namespace

void SetBitmapResourceLoader(BitmapResourceLoader loader) { Loader() = std::move(loader); }

gdi::BitmapPtr LoadBitmapResource(int id) {
    if (Loader()) return Loader()(id);
    if (gdi::BitmapPtr bitmap = LoadBitmap(nullptr, id)) return bitmap;
    return LoadIconBitmap(nullptr, id);
}

int ResourceIdOf(std::u16string_view text) {
    if (text.size() < 2 || text.size() > 6 || text[0] != u'#') return -1;
    int id = 0;
    for (char16_t c : text.substr(1)) {
        if (c < u'0' || c > u'9') return -1;
        id = id * 10 + (c - u'0');
    }
    return id;
}

bool RegisterStaticClass() {
    return device::RegisterClass(u"static", 0, [] { return std::make_unique<Static>(); });
}

}  // namespace controls
