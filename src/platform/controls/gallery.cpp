#include "platform/controls/gallery.h"

#include <QImage>
#include <QString>

#include "platform/controls/gallery_lists.h"
#include "platform/controls/gallery_menus.h"
// The forms family's pages join the gallery once they exist.
#if __has_include("platform/controls/gallery_forms.h")
#include "platform/controls/gallery_forms.h"
#define EZO_GALLERY_FORMS 1
#endif
#include "platform/device/device.h"
#include "platform/device/hot_keys.h"
#include "platform/device/message_loop.h"

namespace controls {
namespace {

constexpr int kNextPageKey = 1;

struct Position {
    size_t family = 0;
    int page = 0;
};

std::string NameOf(Position at) { return std::string(GalleryFamilies()[at.family].name) + "-" + std::to_string(at.page); }

// Makes the page at `at`, or the first page of a later family when that
// family has no more pages; moves `at` to the page made. Null past the end.
device::HWND MakePageFrom(Position& at) {
    const auto& families = GalleryFamilies();
    for (; at.family < families.size(); ++at.family, at.page = 0)
        if (device::HWND page = families[at.family].create(at.page)) return page;
    return nullptr;
}

class GalleryWindow final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override {
        switch (msg) {
        case device::WM_CREATE:
            device::RegisterHotKey(this, kNextPageKey, device::MOD_WIN, device::VK_APP1);
            Show(Position{});
            return 0;
        case device::WM_HOTKEY:
            if (wParam == kNextPageKey) Show(Position{at_.family, at_.page + 1});
            return 0;
        case device::WM_DESTROY:
            device::UnregisterHotKey(this, kNextPageKey);
            if (device::IsWindow(page_)) device::DestroyWindow(page_);
            return 0;
        default:
            return device::DefWindowProc(this, msg, wParam, lParam);
        }
    }

    std::string pageName() const { return device::IsWindow(page_) ? NameOf(at_) : std::string(); }

private:
    void Show(Position next) {
        // The old page goes first: pages of one family may share window classes and ids.
        const Position previous = at_;
        if (device::IsWindow(page_)) device::DestroyWindow(page_);
        page_ = MakePageFrom(next);
        if (!page_) {
            next = previous;  // past the end: show the last page again
            page_ = MakePageFrom(next);
        }
        at_ = next;
        device::SetWindowText(this, QString::fromStdString(pageName()).toStdU16String());
    }

    Position at_;
    device::HWND page_ = nullptr;
};

}  // namespace

const std::vector<GalleryFamily>& GalleryFamilies() {
    static const std::vector<GalleryFamily> families{
        {"menus", CreateGalleryPageMenus},
        {"lists", CreateGalleryPageLists},
#ifdef EZO_GALLERY_FORMS
        {"forms", CreateGalleryPageForms},
#endif
    };
    return families;
}

device::HWND CreateGalleryWindow() {
    return device::CreateWindowFor(std::make_unique<GalleryWindow>(), u"Gallery", 0, u"", 0, 0, 0, 0, 0, nullptr, 0);
}

std::string GalleryPageName(device::HWND gallery) {
    auto* window = dynamic_cast<GalleryWindow*>(gallery);
    return (window && device::IsWindow(gallery)) ? window->pageName() : std::string();
}

std::vector<std::string> SaveGalleryScreens(device::Device& device, const std::filesystem::path& folder) {
    std::vector<std::string> written;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const GalleryFamily& family : GalleryFamilies()) {
        for (int page = 0;; ++page) {
            device::HWND window = family.create(page);
            if (!window) break;
            device.advance(10);
            const std::string name = std::string(family.name) + "-" + std::to_string(page) + ".png";
            if (device.grabScreen().save(QString::fromStdString((folder / name).string()), "PNG"))
                written.push_back(name);
            device::DestroyWindow(window);
            device.processPending();
        }
    }
    return written;
}

}  // namespace controls
