#pragma once
// The real main window on a headless device (virtual clock) whose device
// root is a temporary folder the test fills before the window starts, with
// helpers to read and drive the folder tree and the file list.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "files/temp_folder.h"
#include "platform/controls/tree_view.h"
#include "platform/device/device.h"
#include "platform/device/window.h"

namespace browse_test {

using controls::HTREEITEM;
using device::HWND;

class BrowseViewsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window, which fills the tree from the device root.
    void Start();

    // Host files and folders under the device root ("a/b.jpg").
    void WriteFile(const std::string& relative, size_t size = 10) const;
    void MakeFolder(const std::string& relative) const { root_.MakeFolder(relative); }
    std::string HostPath(const std::string& relative) const { return root_ / relative; }

    // The tree.
    HTREEITEM RootItem() const;
    // The item at a device folder path ("\A\B"), walking the items as they
    // are now; null when one is missing.
    HTREEITEM Item(std::u16string_view path) const;
    std::vector<std::u16string> ChildTexts(HTREEITEM item) const;
    std::u16string Text(HTREEITEM item) const;
    bool HasButton(HTREEITEM item) const;
    bool IsExpanded(HTREEITEM item) const;
    HTREEITEM Selected() const;
    void Select(HTREEITEM item) const;
    void Expand(HTREEITEM item, uint32_t code) const;

    // The list.
    std::vector<std::u16string> RowNames() const;
    std::vector<std::u16string> Row(int row) const;
    // Sends the list's column click to the main window, as a header tap does.
    void ClickColumn(int column) const;
    // The screen point in the middle of a row's name.
    gdi::POINT RowPoint(int row) const;

    device::Device& dev() { return *device_; }

    testing_support::TempFolder root_;
    testing_support::TempFolder settings_;
    std::unique_ptr<device::Device> device_;
    HWND window_ = nullptr;
};

// A device path from UTF-8 ("\Fotos\Café.jpg").
std::u16string U16(const std::string& text);

}  // namespace browse_test
