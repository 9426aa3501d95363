#include "platform/controls/combo_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QStandardItemModel>

#include <algorithm>

#include "platform/controls/form_control.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

constexpr int kDataRole = Qt::UserRole;

class ComboBox;

// QComboBox whose list drops down as a device window of ours.
class ComboWidget final : public QComboBox {
public:
    explicit ComboWidget(ControlLink* link) : link_(link) {}
    void showPopup() override;
    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ControlLink* link_;
};

// The dropped list: a frame whose list shows the box's items. Taps outside
// the list (the window holds the stylus capture) close it.
class DropFrame final : public QWidget {
public:
    DropFrame(QAbstractItemModel* model, ControlLink* link);
    QListView* list() const { return list_; }

protected:
    void resizeEvent(QResizeEvent*) override { list_->setGeometry(rect()); }
    void mousePressEvent(QMouseEvent*) override;

private:
    QListView* list_;
    ControlLink* link_;
};

class DropWindow final : public device::Window {
public:
    explicit DropWindow(DropFrame* frame) : frame_(frame) {}
    QWidget* hostedWidget() override { return frame_; }
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == device::WM_CREATE && frame_) {
            frame_->setParent(data().widget);
            frame_->setGeometry(0, 0, data().rect.width(), data().rect.height());
            frame_->show();
        }
        return device::DefWindowProc(this, msg, wParam, lParam);
    }

private:
    QPointer<DropFrame> frame_;
};

class ComboBox final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;
    bool KeepsKey(int qtKey) const override {
        return IsWindow(drop_) && (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Escape);
    }
    void DropDown();
    // Closes the list; row >= 0 picks that row.
    void CloseUp(int row);
    bool OnListKey(int qtKey);
    void OnUserSelection() { Command(CBN_SELCHANGE); }
    std::string DumpDetails() override {
        std::string entries;
        for (const std::u16string& text : Texts()) entries += (entries.empty() ? "" : "|") + DumpQuoted(text);
        const int selected = box_ ? box_->currentIndex() : -1;
        return " selected=" + std::to_string(selected) + " entries=\"" + entries + "\"";
    }
    void OnEditChanged(const QString& text) {
        data().title = text.toStdU16String();
        Command(CBN_EDITCHANGE);
    }

private:
    LRESULT OnCreate();
    void OnDestroy();
    int Count() const { return box_ ? box_->count() : 0; }
    bool Valid(intptr_t index) const { return index >= 0 && index < Count(); }
    LRESULT AddString(const char16_t* text);
    LRESULT InsertString(intptr_t index, const char16_t* text);
    LRESULT DeleteString(intptr_t index);
    LRESULT SetCurSel(intptr_t index);
    LRESULT GetText(intptr_t index, char16_t* buffer) const;
    LRESULT FindExact(intptr_t start, const char16_t* text) const;
    LRESULT WindowText(uint32_t msg, WPARAM wParam, LPARAM lParam);
    std::vector<std::u16string> Texts() const;
    void Quietly(const std::function<void()>& change);
    void SyncTitle();

    QPointer<ComboWidget> box_;
    int32_t droppedHeight_ = 0;
    HWND drop_ = nullptr;
    int openedAt_ = -1;
};

DropFrame::DropFrame(QAbstractItemModel* model, ControlLink* link) : link_(link) {
    setObjectName(QStringLiteral("comboDrop"));
    list_ = new QListView(this);
    list_->setModel(model);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setMouseTracking(false);
    ControlLink* l = link;
    QObject::connect(list_, &QListView::clicked, this, [l](const QModelIndex& index) {
        const int row = index.row();
        l->call<ComboBox>([row](ComboBox* box) { box->CloseUp(row); });
    });
}

void DropFrame::mousePressEvent(QMouseEvent*) {
    link_->call<ComboBox>([](ComboBox* box) { box->CloseUp(-1); });
}

void ComboWidget::showPopup() {
    link_->call<ComboBox>([](ComboBox* box) { box->DropDown(); });
}

void ComboWidget::hidePopup() {
    link_->call<ComboBox>([](ComboBox* box) { box->CloseUp(-1); });
}

void ComboWidget::keyPressEvent(QKeyEvent* event) {
    bool taken = false;
    const int key = event->key();
    link_->call<ComboBox>([&](ComboBox* box) { taken = box->OnListKey(key); });
    if (!taken) QComboBox::keyPressEvent(event);
}

LRESULT ComboBox::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (msg == device::WM_SIZE) {
        if (box_) box_->setGeometry(0, 0, data().rect.width(), data().rect.height());
        return 0;
    }
    if (CommonMessage(msg, wParam, lParam)) return 0;
    const auto text = reinterpret_cast<const char16_t*>(lParam);
    switch (msg) {
    case device::WM_CREATE: return OnCreate();
    case device::WM_DESTROY: OnDestroy(); return 0;
    case CB_ADDSTRING: return AddString(text);
    case CB_INSERTSTRING: return InsertString(intptr_t(wParam), text);
    case CB_DELETESTRING: return DeleteString(intptr_t(wParam));
    case CB_RESETCONTENT: Quietly([this] { box_->clear(); }); SyncTitle(); return 0;
    case CB_GETCOUNT: return Count();
    case CB_SETCURSEL: return SetCurSel(intptr_t(wParam));
    case CB_GETCURSEL: return box_ && box_->currentIndex() >= 0 ? box_->currentIndex() : CB_ERR;
    case CB_GETLBTEXT: return GetText(intptr_t(wParam), reinterpret_cast<char16_t*>(lParam));
    case CB_GETLBTEXTLEN: return Valid(intptr_t(wParam)) ? box_->itemText(int(wParam)).size() : CB_ERR;
    case CB_SETITEMDATA:
        if (!Valid(intptr_t(wParam))) return CB_ERR;
        box_->setItemData(int(wParam), QVariant::fromValue<qlonglong>(lParam), kDataRole);
        return 0;
    case CB_GETITEMDATA:
        return Valid(intptr_t(wParam)) ? LRESULT(box_->itemData(int(wParam), kDataRole).toLongLong()) : CB_ERR;
    case CB_FINDSTRINGEXACT: return FindExact(intptr_t(wParam), text);
    case CB_SHOWDROPDOWN:
        if (wParam) DropDown(); else CloseUp(-1);
        return 1;
    case CB_GETDROPPEDSTATE: return device::IsWindow(drop_) ? 1 : 0;
    case device::WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return WindowText(msg, wParam, lParam);
    case device::WM_SETFOCUS: Command(CBN_SETFOCUS); return 0;
    case device::WM_KILLFOCUS:
        CloseUp(-1);
        Command(CBN_KILLFOCUS);
        return 0;
    case device::WM_SHOWWINDOW:
        if (!wParam) CloseUp(-1);
        return 0;
    default: return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

LRESULT ComboBox::OnCreate() {
    ControlLink* l = link();
    auto* box = new ComboWidget(l);
    box->setObjectName(QStringLiteral("combobox"));
    box->setFocusPolicy(Qt::StrongFocus);
    box->setMaxVisibleItems(30);
    const uint32_t kind = data().style & 3;
    if (kind == CBS_DROPDOWN || kind == CBS_SIMPLE) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited, l, [l](const QString& t) {
            l->call<ComboBox>([&t](ComboBox* c) { c->OnEditChanged(t); });
        });
    }
    box_ = box;
    Host(box);
    QObject::connect(box, &QComboBox::currentIndexChanged, l, [l](int) {
        l->call<ComboBox>([](ComboBox* c) { c->OnUserSelection(); });
    });
    // The created height holds the dropped list; the box is one line high.
    droppedHeight_ = data().rect.height();
    const int32_t line = std::min(droppedHeight_, int32_t(box->fontMetrics().height() + 8));
    const gdi::RECT r = data().rect;
    device::MoveWindow(this, r.left, r.top, r.width(), std::max(line, 1), false);
    return 0;
}

void ComboBox::OnDestroy() {
    if (device::IsWindow(drop_)) device::DestroyWindow(drop_);
    drop_ = nullptr;
}

std::vector<std::u16string> ComboBox::Texts() const {
    std::vector<std::u16string> texts;
    for (int i = 0; i < Count(); ++i) texts.push_back(box_->itemText(i).toStdU16String());
    return texts;
}

void ComboBox::Quietly(const std::function<void()>& change) {
    if (!box_) return;
    const QSignalBlocker quiet(box_);
    change();
}

void ComboBox::SyncTitle() {
    if (!box_) return;
    data().title = box_->currentText().toStdU16String();
}

LRESULT ComboBox::AddString(const char16_t* text) {
    if (!box_ || !text) return CB_ERR;
    const int at = (data().style & CBS_SORT) ? SortedInsertIndex(Texts(), text) : Count();
    return InsertString(at, text);
}

LRESULT ComboBox::InsertString(intptr_t index, const char16_t* text) {
    if (!box_ || !text) return CB_ERR;
    if (index < 0) index = Count();
    if (index > Count()) return CB_ERR;
    Quietly([&] {
        const int current = box_->currentIndex();
        box_->insertItem(int(index), QString::fromStdU16String(text));
        // QComboBox selects the first item added to an empty box; the handheld selects nothing.
        if (current < 0) box_->setCurrentIndex(-1);
    });
    SyncTitle();
    return index;
}

LRESULT ComboBox::DeleteString(intptr_t index) {
    if (!Valid(index)) return CB_ERR;
    Quietly([&] {
        const bool wasCurrent = box_->currentIndex() == index;
        box_->removeItem(int(index));
        if (wasCurrent) box_->setCurrentIndex(-1);
    });
    SyncTitle();
    return Count();
}

LRESULT ComboBox::SetCurSel(intptr_t index) {
    if (!box_) return CB_ERR;
    const bool valid = Valid(index);
    Quietly([&] { box_->setCurrentIndex(valid ? int(index) : -1); });
    SyncTitle();
    return valid ? index : CB_ERR;
}

LRESULT ComboBox::GetText(intptr_t index, char16_t* buffer) const {
    if (!Valid(index) || !buffer) return CB_ERR;
    const std::u16string text = box_->itemText(int(index)).toStdU16String();
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    return LRESULT(text.size());
}

LRESULT ComboBox::FindExact(intptr_t start, const char16_t* text) const {
    if (!text) return CB_ERR;
    const QString wanted = QString::fromStdU16String(text);
    const int n = Count();
    for (int k = 1; k <= n; ++k) {
        const int i = int((start + k) % n + n) % n;
        if (box_->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return CB_ERR;
}

LRESULT ComboBox::WindowText(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (msg == device::WM_SETTEXT) {
        const QString text = QString::fromStdU16String(lParam ? reinterpret_cast<const char16_t*>(lParam) : u"");
        if (!box_ || !box_->isEditable()) return CB_ERR;
        box_->setEditText(text);
        data().title = text.toStdU16String();
        return 1;
    }
    if (box_ && box_->isEditable()) data().title = box_->currentText().toStdU16String();
    return TitleMessage(msg, wParam, lParam);
}

void ComboBox::DropDown() {
    if (device::IsWindow(drop_) || !box_ || !device::IsWindowEnabled(this)) return;
    Command(CBN_DROPDOWN);
    if (!device::IsWindow(this) || !box_) return;
    gdi::RECT box;
    device::GetWindowRect(this, &box);
    const int32_t rowHeight = box_->fontMetrics().height() + 4;
    const gdi::RECT r = DropDownRect(box, droppedHeight_ - box.height(), Count(), rowHeight);
    auto* frame = new DropFrame(box_->model(), link());
    frame->setFont(box_->font());
    frame->list()->setCurrentIndex(box_->model()->index(box_->currentIndex(), 0));
    HWND owner = device::GetTopLevel(this);
    drop_ = device::CreateWindowFor(std::make_unique<DropWindow>(frame), u"ComboLBox", 0, u"", 0, r.left, r.top,
                                    r.width(), r.height(), owner, 0);
    if (!drop_) {
        delete frame;
        return;
    }
    // Disabled, the list is never activated (the dialog stays active); the
    // stylus reaches it through the capture.
    device::EnableWindow(drop_, false);
    device::ShowWindow(drop_, device::SW_SHOWNA);
    device::SetCapture(drop_);
    openedAt_ = box_->currentIndex();
}

void ComboBox::CloseUp(int row) {
    if (!device::IsWindow(drop_)) return;
    HWND drop = drop_;
    drop_ = nullptr;
    if (device::GetCapture() == drop) device::ReleaseCapture();
    device::DestroyWindow(drop);
    if (row >= 0 && Valid(row) && box_ && row != box_->currentIndex()) {
        Quietly([&] { box_->setCurrentIndex(row); });
        SyncTitle();
        Command(CBN_SELCHANGE);
        if (!device::IsWindow(this)) return;
    }
    Command(CBN_CLOSEUP);
}

bool ComboBox::OnListKey(int qtKey) {
    if (!device::IsWindow(drop_)) return false;
    auto* window = static_cast<DropWindow*>(drop_);
    auto* frame = static_cast<DropFrame*>(window->hostedWidget());
    if (!frame) return false;
    QListView* list = frame->list();
    const int current = list->currentIndex().row();
    switch (qtKey) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next = std::clamp(current + (qtKey == Qt::Key_Up ? -1 : 1), 0, std::max(Count() - 1, 0));
        list->setCurrentIndex(box_->model()->index(next, 0));
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: CloseUp(current); return true;
    case Qt::Key_Escape: CloseUp(-1); return true;
    default: return false;
    }
}

}  // namespace

int SortedInsertIndex(const std::vector<std::u16string>& texts, std::u16string_view text) {
    const QString wanted = QString::fromUtf16(text.data(), qsizetype(text.size()));
    int at = 0;
    for (const std::u16string& t : texts) {
        if (QString::fromStdU16String(t).compare(wanted, Qt::CaseInsensitive) > 0) break;
        ++at;
    }
    return at;
}

gdi::RECT DropDownRect(const gdi::RECT& box, int32_t droppedHeight, int32_t rows, int32_t rowHeight) {
    const int32_t wanted = std::max(rows, 1) * rowHeight + 2;
    int32_t height = std::max(std::min(wanted, droppedHeight), rowHeight + 2);
    const int32_t bottomRoom = device::kScreenHeight - box.bottom;
    const int32_t topRoom = box.top - device::kTaskBarHeight;
    if (height > bottomRoom && topRoom > bottomRoom) {
        height = std::min(height, topRoom);
        return {box.left, box.top - height, box.right, box.top};
    }
    height = std::min(height, bottomRoom);
    return {box.left, box.bottom, box.right, box.bottom + height};
}

bool RegisterComboBoxClass() {
    return device::RegisterClass(u"combobox", 0, [] { return std::make_unique<ComboBox>(); });
}

}  // namespace controls
