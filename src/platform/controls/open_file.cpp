#include "platform/controls/open_file.h"

#include <QListWidget>

#include <algorithm>

#include "platform/controls/button.h"
#include "platform/controls/dialog.h"
#include "platform/controls/form_control.h"
#include "platform/controls/static_control.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"
#include "platform/files/find_file.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

constexpr int kPathId = 100;
constexpr int kListId = 101;
constexpr int kTypeId = 102;
constexpr int32_t kMargin = 4;
constexpr int32_t kLine = 16;
constexpr int32_t kButtonHeight = 20;

uint32_t lastError = 0;
HWND currentPicker = nullptr;

bool LessNoCase(const std::u16string& a, const std::u16string& b) {
    return QString::fromStdU16String(a).compare(QString::fromStdU16String(b), Qt::CaseInsensitive) < 0;
}

// The list of the picker: one QListWidget; a tap on a row chooses it.
class PickerList final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        if (CommonMessage(msg, wParam, lParam)) return 0;
        if (msg == device::WM_CREATE) {
            auto* list = new QListWidget;
            list->setObjectName(QStringLiteral("picker"));
            list->setUniformItemSizes(true);
            Host(list);
            ControlLink* l = link();
            QObject::connect(list, &QListWidget::itemClicked, l, [l](QListWidgetItem* item) {
                const int row = item->listWidget()->row(item);
                l->call<PickerList>([row](PickerList* p) { p->Chosen(row); });
            });
            return 0;
        }
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
    void Show(const std::vector<PickerEntry>& entries) {
        auto* list = static_cast<QListWidget*>(widget_.data());
        if (!list) return;
        list->clear();
        for (const PickerEntry& e : entries) {
            const QString name = QString::fromStdU16String(e.name);
            list->addItem(e.folder ? QStringLiteral("[%1]").arg(name) : name);
        }
    }
    void Chosen(int row) { Command(uint16_t(row)); }
    int CurrentRow() const {
        auto* list = static_cast<QListWidget*>(widget_.data());
        return list ? list->currentRow() : -1;
    }
};

struct Picker {
    std::u16string folder;
    std::vector<std::u16string> patterns;
    std::u16string description;
    std::vector<PickerEntry> entries;
    std::u16string chosen;
    HWND list = nullptr;
};

void Fill(Picker& picker, HWND dialog) {
    picker.entries = ListPickerFolder(picker.folder, picker.patterns);
    SetDlgItemText(dialog, kPathId, picker.folder.empty() ? u"\\" : picker.folder);
    if (auto* list = dynamic_cast<PickerList*>(picker.list)) list->Show(picker.entries);
}

// A folder row opens the folder; a file row ends the picker with the file.
void Choose(Picker& picker, HWND dialog, int row) {
    if (row < 0 || size_t(row) >= picker.entries.size()) return;
    const PickerEntry entry = picker.entries[size_t(row)];
    if (entry.folder) {
        picker.folder = JoinDevicePath(picker.folder, entry.name);
        Fill(picker, dialog);
        return;
    }
    picker.chosen = JoinDevicePath(picker.folder, entry.name);
    EndDialog(dialog, device::IDOK);
}

HWND MakeChild(HWND dialog, const char16_t* cls, std::u16string_view text, uint32_t style, gdi::RECT r, int id) {
    return device::CreateWindow(cls, text, device::WS_CHILD | device::WS_VISIBLE | style, r.left, r.top, r.width(),
                                r.height(), dialog, id);
}

intptr_t PickerProc(Picker& picker, HWND dialog, uint32_t msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        const gdi::RECT area = device::kWorkArea;
        device::MoveWindow(dialog, area.left, area.top, area.width(), area.height(), false);
        const int32_t w = area.width(), h = area.height();
        MakeChild(dialog, u"static", u"", SS_LEFTNOWORDWRAP | SS_NOPREFIX, {kMargin, kMargin, w - kMargin, kMargin + kLine},
                  kPathId);
        const int32_t buttonsTop = h - kMargin - kButtonHeight;
        const int32_t typeTop = buttonsTop - kMargin - kLine;
        picker.list = device::CreateWindowFor(std::make_unique<PickerList>(), u"PickerList", 0, u"",
                                              device::WS_CHILD | device::WS_VISIBLE | device::WS_TABSTOP, kMargin,
                                              2 * kMargin + kLine, w - 2 * kMargin, typeTop - 3 * kMargin - kLine,
                                              dialog, kListId);
        MakeChild(dialog, u"static", u"Type: " + picker.description, SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                  {kMargin, typeTop, w - kMargin, typeTop + kLine}, kTypeId);
        MakeChild(dialog, u"button", u"OK", BS_DEFPUSHBUTTON | device::WS_TABSTOP,
                  {w - 2 * (56 + kMargin), buttonsTop, w - 56 - 2 * kMargin, buttonsTop + kButtonHeight}, device::IDOK);
        MakeChild(dialog, u"button", u"Cancel", BS_PUSHBUTTON | device::WS_TABSTOP,
                  {w - 56 - kMargin, buttonsTop, w - kMargin, buttonsTop + kButtonHeight}, device::IDCANCEL);
        Fill(picker, dialog);
        return 1;
    }
    case device::WM_COMMAND: {
        const int id = device::LOWORD(wParam);
        if (id == kListId) Choose(picker, dialog, device::HIWORD(wParam));
        if (id == device::IDOK)
            if (auto* list = dynamic_cast<PickerList*>(picker.list)) Choose(picker, dialog, list->CurrentRow());
        if (id == device::IDCANCEL) EndDialog(dialog, device::IDCANCEL);
        return 1;
    }
    default:
        return 0;
    }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const char16_t* filter) {
    std::vector<FileFilter> pairs;
    if (!filter) return pairs;
    // Bounded: a filter without its final zero stops at a sane length.
    constexpr size_t kMaxFilter = 4096;
    const char16_t* p = filter;
    const char16_t* const end = filter + kMaxFilter;
    auto next = [&]() -> std::u16string {
        std::u16string s;
        while (p < end && *p) s += *p++;
        if (p < end) ++p;
        return s;
    };
    while (p < end && *p) {
        FileFilter f;
        f.description = next();
        std::u16string patterns = next();
        size_t start = 0;
        while (start <= patterns.size()) {
            const size_t semi = std::min(patterns.find(u';', start), patterns.size());
            std::u16string one = patterns.substr(start, semi - start);
            while (!one.empty() && one.front() == u' ') one.erase(0, 1);
            if (!one.empty()) f.patterns.push_back(one);
            start = semi + 1;
        }
        pairs.push_back(std::move(f));
    }
    return pairs;
}

std::u16string JoinDevicePath(std::u16string_view folder, std::u16string_view name) {
    std::u16string base(folder);
    while (!base.empty() && base.back() == u'\\') base.pop_back();
    if (name == u"..") {
        const size_t cut = base.rfind(u'\\');
        return cut == std::u16string::npos ? u"" : base.substr(0, cut);
    }
    return base + u"\\" + std::u16string(name);
}

std::vector<PickerEntry> ListPickerFolder(std::u16string_view folder, const std::vector<std::u16string>& patterns) {
    std::vector<std::u16string> folders, names;
    files::WIN32_FIND_DATA data;
    const std::u16string pattern = JoinDevicePath(folder, u"*");
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = bool(search); more; more = files::FindNextFile(search, &data)) {
        const std::u16string name = data.cFileName;
        if (data.dwFileAttributes & files::FILE_ATTRIBUTE_HIDDEN) continue;
        if (data.dwFileAttributes & files::FILE_ATTRIBUTE_DIRECTORY) {
            folders.push_back(name);
        } else if (std::any_of(patterns.begin(), patterns.end(),
                               [&](const std::u16string& p) { return files::MatchesPattern(name, p); })) {
            names.push_back(name);
        }
    }
    files::FindClose(search);
    std::sort(folders.begin(), folders.end(), LessNoCase);
    std::sort(names.begin(), names.end(), LessNoCase);
    std::vector<PickerEntry> entries;
    std::u16string trimmed(folder);
    while (!trimmed.empty() && trimmed.back() == u'\\') trimmed.pop_back();
    if (!trimmed.empty()) entries.push_back({u"..", true});
    for (auto& f : folders) entries.push_back({f, true});
    for (auto& n : names) entries.push_back({n, false});
    return entries;
}

bool GetOpenFileNameW(OPENFILENAMEW* ofn) {
    lastError = 0;
    if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) {
        lastError = CDERR_INITIALIZATION;
        return false;
    }
    Picker picker;
    const std::vector<FileFilter> filters = ParseFileFilter(ofn->lpstrFilter);
    if (!filters.empty()) {
        const size_t index = ofn->nFilterIndex >= 1 && ofn->nFilterIndex <= filters.size() ? ofn->nFilterIndex - 1 : 0;
        picker.description = filters[index].description;
        picker.patterns = filters[index].patterns;
    } else {
        picker.patterns = {u"*.*"};
    }
    if (ofn->lpstrInitialDir && *ofn->lpstrInitialDir) {
        picker.folder = ofn->lpstrInitialDir;
    } else if (files::GetFileAttributes(u"\\My Documents") & files::FILE_ATTRIBUTE_DIRECTORY &&
               files::GetFileAttributes(u"\\My Documents") != files::INVALID_FILE_ATTRIBUTES) {
        picker.folder = u"\\My Documents";
    }
    DialogTemplate t;
    t.style = DS_ABSALIGN;
    t.caption = ofn->lpstrTitle ? ofn->lpstrTitle : u"Open";
    HWND previous = currentPicker;
    const intptr_t result = DialogBoxIndirectParam(
        t, ofn->hwndOwner,
        [&picker](HWND dialog, uint32_t msg, WPARAM w, LPARAM l) -> intptr_t {
            if (msg == WM_INITDIALOG) currentPicker = dialog;
            return PickerProc(picker, dialog, msg, w, l);
        },
        0);
    currentPicker = previous;
    if (result != device::IDOK || picker.chosen.empty()) return false;
    if (picker.chosen.size() + 1 > ofn->nMaxFile) {
        ofn->lpstrFile[0] = 0;
        lastError = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::copy(picker.chosen.begin(), picker.chosen.end(), ofn->lpstrFile);
    ofn->lpstrFile[picker.chosen.size()] = 0;
    const size_t slash = picker.chosen.rfind(u'\\');
    ofn->nFileOffset = uint16_t(slash == std::u16string::npos ? 0 : slash + 1);
    const size_t dot = picker.chosen.rfind(u'.');
    ofn->nFileExtension = uint16_t(dot == std::u16string::npos || dot < ofn->nFileOffset ? 0 : dot + 1);
    return true;
}

uint32_t CommDlgExtendedError() { return lastError; }

HWND OpenFilePicker() { return device::IsWindow(currentPicker) ? currentPicker : nullptr; }

}  // namespace controls
