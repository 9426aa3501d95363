#include "platform/controls/list_view.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "platform/controls/list_link.h"
#include "platform/controls/tap_and_hold.h"
#include "platform/device/activation.h"
#include "platform/device/device.h"

namespace controls {
namespace {

constexpr int kParamRole = Qt::UserRole;
constexpr uint32_t kStateBits = LVIS_SELECTED | LVIS_FOCUSED;

Qt::KeyboardModifiers stylusModifiers;

class ListView;

// The desktop keyboard's modifiers. Headless there is no keyboard, and Qt's
// idea of the modifiers only echoes the last injected key.
Qt::KeyboardModifiers DesktopModifiers() {
    const device::Device* running = device::Device::current();
    if (!running || running->options().headless) return Qt::NoModifier;
    return QGuiApplication::queryKeyboardModifiers();
}

// QTreeWidget whose stylus, keys and paints also go to the control.
class ListWidget final : public QTreeWidget {
public:
    ListWidget(QWidget* parent, ControlLink* link) : QTreeWidget(parent), link_(link) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent*) override {}  // no drag selection with the stylus
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

public:
    // The header and margins follow a change of style at once.
    void relayout() { updateGeometries(); }

private:
    ControlLink* link_;
};

struct Column {
    QString title;
    int width = 60;
    int fmt = LVCFMT_LEFT;
};

class ListView final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    QWidget* hostedWidget() override { return list_; }
    void StylusHeld(int32_t x, int32_t y) override { GestureHeld(this, x, y); }

    // From the Qt widget.
    bool OnPressStart(QPoint viewportPoint, Qt::KeyboardModifiers modifiers);
    void SelectRange(int from, int to, bool clearOthers);
    void OnPressed(QPoint viewportPoint, Qt::KeyboardModifiers modifiers);
    void OnReleased(QPoint viewportPoint);
    void OnKeyMoved(Qt::KeyboardModifiers modifiers);
    bool OnShiftKey(int qtKey, Qt::KeyboardModifiers modifiers);
    // Changes made together are heard together, once they are all made.
    void BeginBatch() { ++batch_; }
    void EndBatch() {
        if (batch_ > 0 && --batch_ == 0) OnSelectionChanged();
    }
    void OnReturn();
    void OnColumnClick(int column);
    void OnSelectionChanged();
    void SyncView();

private:
    device::LRESULT OnCreate();
    void OnDestroy();
    int OnInsertColumn(int index, const LVCOLUMNW* column);
    int OnInsertItem(const LVITEMW* item);
    bool OnSetItemText(int row, const LVITEMW* item);
    int OnGetItemText(int row, LVITEMW* item) const;
    bool OnGetItem(LVITEMW* item) const;
    bool OnDeleteItem(int row);
    bool OnDeleteAllItems();
    int OnGetNextItem(int start, uint32_t flags) const;
    bool OnSetItemState(int row, const LVITEMW* item);
    int OnGetSelectedCount() const;
    uint32_t OnSetExtendedStyle(uint32_t mask, uint32_t style);
    int OnSetView(uint32_t view);
    bool OnGetItemRect(int row, gdi::RECT* rect) const;

    int RowCount() const { return list_ ? list_->topLevelItemCount() : 0; }
    QTreeWidgetItem* Row(int row) const { return list_ ? list_->topLevelItem(row) : nullptr; }
    uint32_t StateOf(int row) const;
    std::vector<uint32_t> CurrentStates() const;
    void SetCell(QTreeWidgetItem* item, int column, const QString& text) const;
    Qt::Alignment AlignmentOf(int column) const;
    void ApplySelectionBehaviour();
    void RepairMark(int from);
    bool Activate(int row, gdi::POINT client);

    QPointer<ListWidget> list_;
    ControlLink* link_ = nullptr;
    std::vector<Column> columns_;
    std::vector<uint32_t> states_;  // what the parent has heard, row by row
    uint32_t exStyle_ = 0;
    uint32_t shownType_ = ~0u;      // the style type the widget shows
    int mark_ = -1;
    int pressRow_ = -1;
    bool pressPlain_ = false;
    bool quiet_ = false;            // rows are being inserted or removed
    int batch_ = 0;
};

void ListWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Qt::KeyboardModifiers modifiers =
        (event->modifiers() | StylusModifiers() | DesktopModifiers()) & (Qt::ControlModifier | Qt::ShiftModifier);
    bool handled = false;
    link_->call<ListView>([&](ListView* view) {
        view->BeginBatch();
        handled = view->OnPressStart(at, modifiers);
    });
    if (!handled) {
        QMouseEvent withKeys(event->type(), event->position(), event->scenePosition(), event->globalPosition(),
                             event->button(), event->buttons(), modifiers);
        QTreeWidget::mousePressEvent(&withKeys);
    }
    link_->call<ListView>([&](ListView* view) {
        view->EndBatch();
        if (!handled) view->OnPressed(at, modifiers);
    });
}

void ListWidget::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    link_->call<ListView>([at](ListView* view) { view->OnReleased(at); });
}

void ListWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        link_->call<ListView>([](ListView* view) { view->OnReturn(); });
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    bool handled = false;
    link_->call<ListView>([&](ListView* view) {
        view->BeginBatch();
        handled = view->OnShiftKey(event->key(), modifiers);
    });
    if (!handled) QTreeWidget::keyPressEvent(event);
    link_->call<ListView>([modifiers](ListView* view) {
        view->EndBatch();
        view->OnKeyMoved(modifiers);
    });
}

// The program may change the style bits without telling the control; the
// frame is painted before the header and the rows, so the view follows here.
bool ListWidget::event(QEvent* event) {
    if (event->type() == QEvent::Paint) link_->call<ListView>([](ListView* view) { view->SyncView(); });
    return QTreeWidget::event(event);
}

device::LRESULT ListView::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (msg != device::WM_CREATE && msg != device::WM_DESTROY) SyncView();
    if (FollowWindow(list_, msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_DESTROY:
        OnDestroy();
        return 0;
    case LVM_INSERTCOLUMNW:
        return OnInsertColumn(int(wParam), reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_INSERTITEMW:
        return OnInsertItem(reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_SETITEMTEXTW:
        return OnSetItemText(int(wParam), reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMTEXTW:
        return OnGetItemText(int(wParam), reinterpret_cast<LVITEMW*>(lParam));
    case LVM_GETITEMW:
        return OnGetItem(reinterpret_cast<LVITEMW*>(lParam));
    case LVM_DELETEITEM:
        return OnDeleteItem(int(wParam));
    case LVM_DELETEALLITEMS:
        return OnDeleteAllItems();
    case LVM_GETITEMCOUNT:
        return RowCount();
    case LVM_GETNEXTITEM:
        return OnGetNextItem(int(device::LPARAM(wParam) == -1 ? -1 : int(wParam)), uint32_t(lParam));
    case LVM_SETITEMSTATE:
        return OnSetItemState(int(wParam), reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMSTATE:
        return (wParam < size_t(RowCount())) ? StateOf(int(wParam)) & uint32_t(lParam) : 0;
    case LVM_GETSELECTEDCOUNT:
        return OnGetSelectedCount();
    case LVM_GETSELECTIONMARK:
        return mark_;
    case LVM_SETSELECTIONMARK: {
        const int previous = mark_;
        mark_ = (lParam >= -1 && lParam < RowCount()) ? int(lParam) : mark_;
        return previous;
    }
    case LVM_GETITEMRECT:
        return OnGetItemRect(int(wParam), reinterpret_cast<gdi::RECT*>(lParam));
    case LVM_ENSUREVISIBLE:
        if (QTreeWidgetItem* row = Row(int(wParam))) list_->scrollToItem(row);
        return wParam < size_t(RowCount());
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return OnSetExtendedStyle(uint32_t(wParam), uint32_t(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return exStyle_;
    case LVM_SETVIEW:
        return OnSetView(uint32_t(wParam));
    case LVM_GETVIEW:
        return (data().style & LVS_TYPEMASK) == LVS_REPORT ? LV_VIEW_DETAILS : LV_VIEW_LIST;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

device::LRESULT ListView::OnCreate() {
    device::WindowData& d = data();
    link_ = new ControlLink(d.widget);
    link_->control = this;
    list_ = new ListWidget(d.widget, link_);
    list_->setObjectName(QStringLiteral("SysListView32"));
    list_->setColumnCount(1);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode((d.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                      : QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setHighlightSections(false);
    list_->setGeometry(0, 0, d.rect.width(), d.rect.height());
    ApplySelectionBehaviour();

    ControlLink* link = link_;
    QObject::connect(list_->header(), &QHeaderView::sectionClicked, link, [link](int column) {
        link->call<ListView>([column](ListView* view) { view->OnColumnClick(column); });
    });
    auto changed = [link] { link->call<ListView>([](ListView* view) { view->OnSelectionChanged(); }); };
    QObject::connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, link, changed);
    QObject::connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, link, changed);
    SyncView();
    return 0;
}

void ListView::OnDestroy() {
    if (link_) link_->control = nullptr;
}

// The style bits decide what the widget shows; the program may have changed them.
void ListView::SyncView() {
    if (!list_) return;
    const uint32_t type = data().style & LVS_TYPEMASK;
    if (type == shownType_) return;
    shownType_ = type;
    const bool report = type == LVS_REPORT;
    list_->setHeaderHidden(!report || (data().style & LVS_NOCOLUMNHEADER));
    for (int c = 1; c < int(columns_.size()); ++c) list_->setColumnHidden(c, !report);
    if (!columns_.empty())
        list_->setColumnWidth(0, report ? columns_[0].width : std::max(list_->viewport()->width(), columns_[0].width));
    list_->relayout();
}

int ListView::OnSetView(uint32_t view) {
    uint32_t type;
    if (view == LV_VIEW_DETAILS) type = LVS_REPORT;
    else if (view == LV_VIEW_LIST) type = LVS_LIST;
    else return -1;
    device::SetWindowStyle(this, (device::GetWindowStyle(this) & ~LVS_TYPEMASK) | type);
    SyncView();
    return 1;
}

// The row (or its first column) in client coordinates.
bool ListView::OnGetItemRect(int row, gdi::RECT* rect) const {
    QTreeWidgetItem* item = Row(row);
    if (!rect || !item) return false;
    QRect r = list_->visualItemRect(item);
    if (rect->left == LVIR_LABEL) r.setWidth(list_->columnWidth(0));
    r.translate(list_->viewport()->mapTo(list_, QPoint(0, 0)));
    *rect = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    return true;
}

Qt::Alignment ListView::AlignmentOf(int column) const {
    const int fmt = column < int(columns_.size()) ? columns_[size_t(column)].fmt & 0x3 : LVCFMT_LEFT;
    const Qt::Alignment h = fmt == LVCFMT_RIGHT ? Qt::AlignRight : fmt == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
    return h | Qt::AlignVCenter;
}

void ListView::SetCell(QTreeWidgetItem* item, int column, const QString& text) const {
    item->setText(column, text);
    item->setTextAlignment(column, AlignmentOf(column));
}

int ListView::OnInsertColumn(int index, const LVCOLUMNW* in) {
    if (!in || !list_ || index < 0) return -1;
    const int at = std::min(index, int(columns_.size()));
    Column column;
    if (in->mask & LVCF_TEXT && in->pszText) column.title = QString::fromUtf16(in->pszText);
    if (in->mask & LVCF_WIDTH) column.width = std::max(in->cx, 0);
    if (in->mask & LVCF_FMT) column.fmt = in->fmt;
    columns_.insert(columns_.begin() + at, column);
    const int count = int(columns_.size());
    list_->setColumnCount(count);
    // Texts right of the new column move over by one.
    for (int r = 0; r < RowCount(); ++r) {
        QTreeWidgetItem* item = Row(r);
        for (int c = count - 1; c > at; --c) SetCell(item, c, item->text(c - 1));
        SetCell(item, at, QString());
    }
    QTreeWidgetItem* header = list_->headerItem();
    for (int c = 0; c < count; ++c) {
        header->setText(c, columns_[size_t(c)].title);
        header->setTextAlignment(c, AlignmentOf(c));
        list_->setColumnWidth(c, columns_[size_t(c)].width);
    }
    shownType_ = ~0u;
    SyncView();
    return at;
}

int ListView::OnInsertItem(const LVITEMW* in) {
    if (!in || !list_ || in->iSubItem != 0) return -1;
    const int at = std::clamp(in->iItem, 0, RowCount());
    auto* item = new QTreeWidgetItem;
    for (int c = 0; c < std::max(1, int(columns_.size())); ++c) SetCell(item, c, QString());
    if ((in->mask & LVIF_TEXT) && in->pszText) SetCell(item, 0, QString::fromUtf16(in->pszText));
    item->setData(0, kParamRole, QVariant::fromValue<qlonglong>((in->mask & LVIF_PARAM) ? in->lParam : 0));
    quiet_ = true;
    list_->insertTopLevelItem(at, item);
    quiet_ = false;
    states_.insert(states_.begin() + at, 0);
    if (mark_ >= at) ++mark_;
    return at;
}

bool ListView::OnSetItemText(int row, const LVITEMW* in) {
    QTreeWidgetItem* item = Row(row);
    if (!item || !in || in->iSubItem < 0 || in->iSubItem >= std::max(1, int(columns_.size()))) return false;
    SetCell(item, in->iSubItem, in->pszText ? QString::fromUtf16(in->pszText) : QString());
    return true;
}

int ListView::OnGetItemText(int row, LVITEMW* out) const {
    QTreeWidgetItem* item = Row(row);
    if (!out || !out->pszText || out->cchTextMax <= 0) return 0;
    out->pszText[0] = 0;
    if (!item || out->iSubItem < 0 || out->iSubItem >= std::max(1, int(columns_.size()))) return 0;
    const std::u16string text = item->text(out->iSubItem).toStdU16String();
    const size_t n = std::min(text.size(), size_t(out->cchTextMax - 1));
    std::copy_n(text.data(), n, out->pszText);
    out->pszText[n] = 0;
    return int(n);
}

bool ListView::OnGetItem(LVITEMW* out) const {
    if (!out) return false;
    QTreeWidgetItem* item = Row(out->iItem);
    if (!item) return false;
    if (out->mask & LVIF_TEXT) OnGetItemText(out->iItem, out);
    if (out->mask & LVIF_PARAM) out->lParam = device::LPARAM(item->data(0, kParamRole).toLongLong());
    if (out->mask & LVIF_STATE) out->state = StateOf(out->iItem) & out->stateMask;
    return true;
}

bool ListView::OnDeleteItem(int row) {
    QTreeWidgetItem* item = Row(row);
    if (!item) return false;
    quiet_ = true;
    delete item;
    quiet_ = false;
    states_.erase(states_.begin() + row);
    const int oldMark = mark_;
    if (mark_ > row) --mark_;
    else if (mark_ == row) mark_ = -1;
    // Qt may have moved the focus or selection while the row went away.
    OnSelectionChanged();
    if (device::IsWindow(this) && oldMark == row) RepairMark(row);
    return true;
}

bool ListView::OnDeleteAllItems() {
    if (!list_) return false;
    quiet_ = true;
    list_->clear();
    quiet_ = false;
    states_.clear();
    mark_ = -1;
    return true;
}

uint32_t ListView::StateOf(int row) const {
    QTreeWidgetItem* item = Row(row);
    if (!item) return 0;
    const QModelIndex index = list_->indexFromItem(item, 0);
    return (list_->selectionModel()->isSelected(index) ? LVIS_SELECTED : 0) |
           (list_->currentIndex().isValid() && list_->currentIndex().row() == row ? LVIS_FOCUSED : 0);
}

std::vector<uint32_t> ListView::CurrentStates() const {
    std::vector<uint32_t> states(static_cast<size_t>(RowCount()));
    for (int r = 0; r < RowCount(); ++r) states[size_t(r)] = StateOf(r);
    return states;
}

int ListView::OnGetNextItem(int start, uint32_t flags) const {
    for (int r = std::max(start + 1, 0); r < RowCount(); ++r) {
        const uint32_t want = flags & kStateBits;
        if ((StateOf(r) & want) == want) return r;
    }
    return -1;
}

int ListView::OnGetSelectedCount() const {
    int n = 0;
    for (int r = 0; r < RowCount(); ++r) n += (StateOf(r) & LVIS_SELECTED) ? 1 : 0;
    return n;
}

bool ListView::OnSetItemState(int row, const LVITEMW* in) {
    if (!in || !list_ || row < -1 || row >= RowCount()) return false;
    QItemSelectionModel* selection = list_->selectionModel();
    const int first = row == -1 ? 0 : row;
    const int last = row == -1 ? RowCount() - 1 : row;
    BeginBatch();
    for (int r = first; r <= last; ++r) {
        const QModelIndex index = list_->model()->index(r, 0);
        if (in->stateMask & LVIS_SELECTED)
            selection->select(index, ((in->state & LVIS_SELECTED) ? QItemSelectionModel::Select
                                                                   : QItemSelectionModel::Deselect) |
                                         QItemSelectionModel::Rows);
        if ((in->stateMask & LVIS_FOCUSED) && (in->state & LVIS_FOCUSED))
            selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    EndBatch();
    if (!device::IsWindow(this)) return true;
    if (row >= 0 && mark_ == -1 && (in->stateMask & in->state & LVIS_SELECTED)) mark_ = row;
    RepairMark(std::max(mark_, 0));
    return true;
}

uint32_t ListView::OnSetExtendedStyle(uint32_t mask, uint32_t style) {
    const uint32_t previous = exStyle_;
    const uint32_t bits = mask ? mask : ~0u;
    exStyle_ = (exStyle_ & ~bits) | (style & bits);
    ApplySelectionBehaviour();
    return previous;
}

void ListView::ApplySelectionBehaviour() {
    if (!list_) return;
    list_->setSelectionBehavior((exStyle_ & LVS_EX_FULLROWSELECT) ? QAbstractItemView::SelectRows
                                                                   : QAbstractItemView::SelectItems);
}

// Keeps the mark on a selected row when there is one.
void ListView::RepairMark(int from) {
    if (mark_ >= 0 && mark_ < RowCount() && (StateOf(mark_) & LVIS_SELECTED)) return;
    const int count = RowCount();
    for (int r = std::max(from, 0); r < count; ++r)
        if (StateOf(r) & LVIS_SELECTED) return void(mark_ = r);
    for (int r = std::min(from, count) - 1; r >= 0; --r)
        if (StateOf(r) & LVIS_SELECTED) return void(mark_ = r);
    if (OnGetSelectedCount() == 0) mark_ = -1;
}

// Tells the parent about every row whose state changed since it last heard.
void ListView::OnSelectionChanged() {
    if (quiet_ || batch_ > 0 || !list_) return;
    const std::vector<uint32_t> now = CurrentStates();
    std::vector<NMLISTVIEW> changes;
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t r = 0; r < now.size(); ++r) {
            const uint32_t old = r < states_.size() ? states_[r] : 0;
            if (old == now[r]) continue;
            const bool losing = (old & ~now[r]) != 0;
            if ((pass == 0) != losing) continue;
            NMLISTVIEW change;
            change.iItem = int(r);
            change.uNewState = now[r];
            change.uOldState = old;
            change.uChanged = LVIF_STATE;
            change.lParam = device::LPARAM(Row(int(r))->data(0, kParamRole).toLongLong());
            changes.push_back(change);
        }
    }
    states_ = now;
    for (NMLISTVIEW& change : changes) {
        if (!device::IsWindow(this)) return;
        SendNotify(this, &change.hdr, LVN_ITEMCHANGED);
    }
}

bool ListView::OnPressStart(QPoint at, Qt::KeyboardModifiers modifiers) {
    device::SetFocus(this);
    if (!device::IsWindow(this) || !list_) return true;
    pressRow_ = -1;
    // Without full-row select only the first column is the row.
    const QModelIndex index = list_->indexAt(at);
    if (!(exStyle_ & LVS_EX_FULLROWSELECT) && index.isValid() && index.column() != 0) {
        list_->selectionModel()->clearSelection();
        return true;
    }
    // Shift selects from the mark through the row (Ctrl keeps the rest).
    if ((modifiers & Qt::ShiftModifier) && index.isValid() && mark_ >= 0 &&
        !(data().style & LVS_SINGLESEL)) {
        SelectRange(mark_, index.row(), !(modifiers & Qt::ControlModifier));
        return true;
    }
    return false;
}

void ListView::SelectRange(int from, int to, bool clearOthers) {
    QAbstractItemModel* model = list_->model();
    const int last = std::max(1, int(columns_.size())) - 1;
    const QItemSelection range(model->index(std::min(from, to), 0), model->index(std::max(from, to), last));
    list_->selectionModel()->select(range, (clearOthers ? QItemSelectionModel::ClearAndSelect
                                                        : QItemSelectionModel::Select) | QItemSelectionModel::Rows);
    list_->selectionModel()->setCurrentIndex(model->index(to, 0), QItemSelectionModel::NoUpdate);
    list_->scrollTo(model->index(to, 0));
}

bool ListView::OnShiftKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::ShiftModifier) || (data().style & LVS_SINGLESEL) || !list_ || RowCount() == 0)
        return false;
    const int current = list_->currentIndex().isValid() ? list_->currentIndex().row() : 0;
    int to;
    switch (key) {
    case Qt::Key_Up: to = std::max(current - 1, 0); break;
    case Qt::Key_Down: to = std::min(current + 1, RowCount() - 1); break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = RowCount() - 1; break;
    default: return false;
    }
    SelectRange(mark_ >= 0 ? mark_ : current, to, true);
    return true;
}

void ListView::OnPressed(QPoint at, Qt::KeyboardModifiers modifiers) {
    if (!list_) return;
    const QModelIndex index = list_->indexAt(at);
    pressRow_ = index.isValid() ? index.row() : -1;
    pressPlain_ = !(modifiers & (Qt::ControlModifier | Qt::ShiftModifier));
    if (pressRow_ >= 0 && !(modifiers & Qt::ShiftModifier)) mark_ = pressRow_;
    RepairMark(std::max(mark_, 0));
    if (pressRow_ < 0) return;
    const QPoint client = list_->viewport()->mapTo(list_, at);
    const SHRGINFO gesture{kSHRGINFOSize, this, {client.x(), client.y()}, SHRG_NOTIFYPARENT};
    SHRecognizeGesture(&gesture);
}

void ListView::OnReleased(QPoint at) {
    if (!list_) return;
    const int row = pressRow_;
    pressRow_ = -1;
    if (row < 0 || !pressPlain_ || GestureWasHeld(this)) return;
    const QModelIndex index = list_->indexAt(at);
    if (!index.isValid() || index.row() != row) return;
    const QPoint client = list_->viewport()->mapTo(list_, at);
    NMITEMACTIVATE click;
    click.iItem = row;
    click.iSubItem = index.column();
    click.ptAction = {client.x(), client.y()};
    SendNotify(this, &click.hdr, NM_CLICK);
    if (device::IsWindow(this) && row < RowCount()) Activate(row, {client.x(), client.y()});
}

bool ListView::Activate(int row, gdi::POINT client) {
    NMITEMACTIVATE activate;
    activate.iItem = row;
    activate.uNewState = StateOf(row);
    activate.uOldState = activate.uNewState;
    activate.ptAction = client;
    activate.lParam = device::LPARAM(Row(row)->data(0, kParamRole).toLongLong());
    SendNotify(this, &activate.hdr, LVN_ITEMACTIVATE);
    return true;
}

void ListView::OnKeyMoved(Qt::KeyboardModifiers modifiers) {
    if (!list_) return;
    const QModelIndex current = list_->currentIndex();
    if (current.isValid() && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) mark_ = current.row();
    RepairMark(std::max(mark_, 0));
}

void ListView::OnReturn() {
    if (!list_) return;
    const QModelIndex current = list_->currentIndex();
    if (current.isValid()) Activate(current.row(), {0, 0});
}

void ListView::OnColumnClick(int column) {
    NMLISTVIEW click;
    click.iItem = -1;
    click.iSubItem = column;
    SendNotify(this, &click.hdr, LVN_COLUMNCLICK);
}

}  // namespace

void SetStylusModifiers(Qt::KeyboardModifiers modifiers) { stylusModifiers = modifiers; }
Qt::KeyboardModifiers StylusModifiers() { return stylusModifiers; }

bool RegisterListViewClass() {
    return device::RegisterClass(u"SysListView32", 0, [] { return std::make_unique<ListView>(); });
}

}  // namespace controls
