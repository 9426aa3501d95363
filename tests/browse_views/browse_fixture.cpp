#include "browse_fixture.h"

#include <fstream>

#include <QString>

#include "app/program_entry.h"
#include "app/shell/shell_state.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "image/view_state.h"
#include "platform/controls/list_view.h"
#include "platform/device/message_loop.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace browse_test {
namespace {

char theModule;  // stands for the program module

device::LRESULT SendTo(HWND window, uint32_t msg, device::WPARAM wParam, const void* lParam) {
    return device::SendMessage(window, msg, wParam, reinterpret_cast<device::LPARAM>(lParam));
}

HTREEITEM Next(HTREEITEM item, uint32_t code) {
    return reinterpret_cast<HTREEITEM>(SendTo(ezo::shell.tree, controls::TVM_GETNEXTITEM, code, item));
}

}  // namespace

std::u16string U16(const std::string& text) { return QString::fromUtf8(text.c_str()).toStdU16String(); }

void BrowseViewsTest::SetUp() {
    ASSERT_FALSE(root_.path().empty());
    files::SetDeviceRoot(root_.path());
    registry::SetRegistryFile(settings_ / "registry.reg");
    device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device_);
    ezo::viewState = ezo::ViewState{};
    ezo::settings = ezo::Settings{};
    ezo::shell = ezo::Shell{};
    ezo::shell.instance = &theModule;
    ezo::fileList.ascending = 1;
    ezo::currentFolder.clear();
    ezo::RegisterProgramClasses();
}

void BrowseViewsTest::TearDown() {
    device_.reset();
    ezo::FreeFileList();
    ezo::fileList = {};
    registry::SetRegistryFile("");
    files::SetDeviceRoot("");
}

void BrowseViewsTest::Start() {
    window_ = ezo::CreateMainWindow(device::SW_SHOW);
    ASSERT_TRUE(window_);
    dev().processPending();
}

void BrowseViewsTest::WriteFile(const std::string& relative, size_t size) const {
    std::ofstream(root_ / relative, std::ios::binary) << std::string(size, 'x');
}

HTREEITEM BrowseViewsTest::RootItem() const { return Next(nullptr, controls::TVGN_ROOT); }

HTREEITEM BrowseViewsTest::Item(std::u16string_view path) const {
    HTREEITEM item = RootItem();
    size_t start = 0;
    while (item && start < path.size()) {
        if (path[start] == u'\\') {
            ++start;
            continue;
        }
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        const std::u16string_view name = path.substr(start, end - start);
        HTREEITEM child = Next(item, controls::TVGN_CHILD);
        while (child && Text(child) != name) child = Next(child, controls::TVGN_NEXT);
        item = child;
        start = end;
    }
    return item;
}

std::vector<std::u16string> BrowseViewsTest::ChildTexts(HTREEITEM item) const {
    std::vector<std::u16string> texts;
    if (!item) return texts;
    for (HTREEITEM c = Next(item, controls::TVGN_CHILD); c; c = Next(c, controls::TVGN_NEXT)) texts.push_back(Text(c));
    return texts;
}

std::u16string BrowseViewsTest::Text(HTREEITEM item) const {
    char16_t buffer[260] = {};
    controls::TVITEMW query;
    query.mask = controls::TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = 260;
    return SendTo(ezo::shell.tree, controls::TVM_GETITEMW, 0, &query) ? buffer : u"";
}

bool BrowseViewsTest::HasButton(HTREEITEM item) const {
    controls::TVITEMW query;
    query.mask = controls::TVIF_CHILDREN;
    query.hItem = item;
    SendTo(ezo::shell.tree, controls::TVM_GETITEMW, 0, &query);
    return query.cChildren != 0;
}

bool BrowseViewsTest::IsExpanded(HTREEITEM item) const {
    controls::TVITEMW query;
    query.mask = controls::TVIF_STATE;
    query.hItem = item;
    query.stateMask = controls::TVIS_EXPANDED;
    SendTo(ezo::shell.tree, controls::TVM_GETITEMW, 0, &query);
    return query.state & controls::TVIS_EXPANDED;
}

HTREEITEM BrowseViewsTest::Selected() const { return Next(nullptr, controls::TVGN_CARET); }

void BrowseViewsTest::Select(HTREEITEM item) const {
    SendTo(ezo::shell.tree, controls::TVM_SELECTITEM, controls::TVGN_CARET, item);
}

void BrowseViewsTest::Expand(HTREEITEM item, uint32_t code) const {
    SendTo(ezo::shell.tree, controls::TVM_EXPAND, code, item);
}

std::vector<std::u16string> BrowseViewsTest::Row(int row) const {
    std::vector<std::u16string> texts;
    for (int column = 0; column < 4; ++column) {
        char16_t buffer[260] = {};
        controls::LVITEMW item;
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 260;
        SendTo(ezo::shell.fileList, controls::LVM_GETITEMTEXTW, device::WPARAM(row), &item);
        texts.emplace_back(buffer);
    }
    return texts;
}

std::vector<std::u16string> BrowseViewsTest::RowNames() const {
    std::vector<std::u16string> names;
    const int rows = int(device::SendMessage(ezo::shell.fileList, controls::LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r) names.push_back(Row(r)[0]);
    return names;
}

void BrowseViewsTest::ClickColumn(int column) const {
    controls::NMLISTVIEW click;
    click.iSubItem = column;
    controls::SendNotify(ezo::shell.fileList, &click.hdr, controls::LVN_COLUMNCLICK);
}

gdi::POINT BrowseViewsTest::RowPoint(int row) const {
    gdi::RECT r;
    r.left = controls::LVIR_LABEL;
    SendTo(ezo::shell.fileList, controls::LVM_GETITEMRECT, device::WPARAM(row), &r);
    return device::ClientToScreen(ezo::shell.fileList, {r.left + 20, (r.top + r.bottom) / 2});
}

}  // namespace browse_test
