#include "platform/controls/tree_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTreeWidget>

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/controls/list_link.h"
#include "platform/controls/look.h"
#include "platform/controls/tap_and_hold.h"
#include "platform/device/activation.h"

namespace controls {
namespace {

constexpr int kHandleRole = Qt::UserRole;
constexpr int kParamRole = Qt::UserRole + 1;
constexpr int kChildrenRole = Qt::UserRole + 2;

class TreeView;

// QTreeWidget whose stylus and keys go to the control, which decides what
// they do and tells the parent first.
class TreeWidget final : public QTreeWidget {
public:
    TreeWidget(QWidget* parent, ControlLink* link) : QTreeWidget(parent), link_(link) {}

    // The item an arrow, Home, End or page key moves the caret to, or null.
    QTreeWidgetItem* itemAfterKey(int qtKey) {
        CursorAction action;
        switch (qtKey) {
        case Qt::Key_Up: action = MoveUp; break;
        case Qt::Key_Down: action = MoveDown; break;
        case Qt::Key_Home: action = MoveHome; break;
        case Qt::Key_End: action = MoveEnd; break;
        case Qt::Key_PageUp: action = MovePageUp; break;
        case Qt::Key_PageDown: action = MovePageDown; break;
        default: return nullptr;
        }
        return itemFromIndex(moveCursor(action, Qt::NoModifier));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ControlLink* link_;
};

class TreeView final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    QWidget* hostedWidget() override { return tree_; }
    void StylusHeld(int32_t x, int32_t y) override { GestureHeld(this, x, y); }

    void OnPress(QPoint viewportPoint);
    void OnDoubleTap(QPoint viewportPoint);
    void OnKey(int qtKey);

private:
    device::LRESULT OnCreate();
    void OnDestroy();
    HTREEITEM OnInsertItem(const TVINSERTSTRUCTW* insert);
    bool OnDeleteItem(HTREEITEM handle);
    HTREEITEM OnGetNextItem(uint32_t code, HTREEITEM handle) const;
    bool OnSelectItem(uint32_t code, HTREEITEM handle);
    bool OnGetItem(TVITEMW* item) const;
    bool OnSetItem(const TVITEMW* item);
    bool OnEnsureVisible(HTREEITEM handle);
    bool OnGetItemRect(bool labelOnly, gdi::RECT* rect) const;

    // The operations that notify the parent.
    bool Expand(QTreeWidgetItem* item, uint32_t code);
    bool SelectItem(QTreeWidgetItem* item, uint32_t cause);

    QTreeWidgetItem* ItemOf(HTREEITEM handle) const;
    static HTREEITEM HandleOf(const QTreeWidgetItem* item);
    static bool HasButton(const QTreeWidgetItem* item);
    TVITEMW Describe(HTREEITEM handle) const;
    void Forget(QTreeWidgetItem* item);
    void ShowSelection();
    // Where on its row a point lies: left of the label, only the button counts.
    enum class Part { Indent, Button, Label };
    Part HitPart(QTreeWidgetItem* item, QPoint viewportPoint) const;
    int SiblingCount(QTreeWidgetItem* parent) const;
    QTreeWidgetItem* Sibling(QTreeWidgetItem* parent, int index) const;

    QPointer<TreeWidget> tree_;
    ControlLink* link_ = nullptr;
    std::unordered_map<HTREEITEM, QTreeWidgetItem*> items_;
    uintptr_t nextHandle_ = 0x100;
    HTREEITEM selected_ = nullptr;
};

void TreeWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    link_->call<TreeView>([at](TreeView* view) { view->OnPress(at); });
}

void TreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    link_->call<TreeView>([at](TreeView* view) { view->OnDoubleTap(at); });
}

void TreeWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    link_->call<TreeView>([key](TreeView* view) { view->OnKey(key); });
}

// The style sheet paints a selected row's branch area in the selection's
// colour; the handheld highlights the label only, so the +/- box of a
// selected folder stays readable on the field's own background.
void TreeWidget::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    painter->save();
    painter->fillRect(rect, palette().base());
    painter->setPen(palette().color(QPalette::Text));
    QTreeWidget::drawBranches(painter, rect, index);
    painter->restore();
}

// A horizontal scroll bar that appears (a wide folder name came into view)
// takes the bottom of the view: a selected folder that showed stays in view.
void TreeWidget::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    QTreeWidgetItem* current = currentItem();
    const int before = event->oldSize().height();
    const int now = event->size().height();
    if (!current || event->size() != viewport()->size() || now >= before) return;
    const QRect row = visualItemRect(current);
    if (row.top() >= 0 && row.bottom() < before && row.bottom() >= now) scrollToItem(current);
}

std::u16string_view TextOf(const char16_t* text) {
    return text ? std::u16string_view(text) : std::u16string_view();
}

std::u16string_view ViewOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

QStyle* TreeStyle() {
    // The classic style draws the dotted lines and the boxed plus and minus.
    static QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
    return style;
}

device::LRESULT TreeView::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (FollowWindow(tree_, msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_DESTROY:
        OnDestroy();
        return 0;
    case TVM_INSERTITEMW:
        return reinterpret_cast<device::LRESULT>(OnInsertItem(reinterpret_cast<const TVINSERTSTRUCTW*>(lParam)));
    case TVM_DELETEITEM:
        return OnDeleteItem(reinterpret_cast<HTREEITEM>(lParam));
    case TVM_EXPAND:
        return Expand(ItemOf(reinterpret_cast<HTREEITEM>(lParam)), uint32_t(wParam));
    case TVM_GETNEXTITEM:
        return reinterpret_cast<device::LRESULT>(OnGetNextItem(uint32_t(wParam), reinterpret_cast<HTREEITEM>(lParam)));
    case TVM_SELECTITEM:
        return OnSelectItem(uint32_t(wParam), reinterpret_cast<HTREEITEM>(lParam));
    case TVM_GETITEMW:
        return OnGetItem(reinterpret_cast<TVITEMW*>(lParam));
    case TVM_SETITEMW:
        return OnSetItem(reinterpret_cast<const TVITEMW*>(lParam));
    case TVM_ENSUREVISIBLE:
        return OnEnsureVisible(reinterpret_cast<HTREEITEM>(lParam));
    case TVM_GETCOUNT:
        return device::LRESULT(items_.size());
    case TVM_GETITEMRECT:
        return OnGetItemRect(wParam != 0, reinterpret_cast<gdi::RECT*>(lParam));
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

device::LRESULT TreeView::OnCreate() {
    device::WindowData& d = data();
    link_ = new ControlLink(d.widget);
    link_->control = this;
    tree_ = new TreeWidget(d.widget, link_);
    tree_->setObjectName(QStringLiteral("SysTreeView32"));
    if ((d.style & TVS_HASLINES) && TreeStyle()) tree_->setStyle(TreeStyle());
    tree_->setColumnCount(1);
    tree_->setHeaderHidden(true);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setItemsExpandable(false);  // expansion goes through the control
    tree_->setExpandsOnDoubleClick(false);
    tree_->setRootIsDecorated(d.style & TVS_LINESATROOT);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setIndentation(13);
    tree_->setUniformRowHeights(true);
    tree_->setAnimated(false);
    tree_->setGeometry(0, 0, d.rect.width(), d.rect.height());
    return 0;
}

void TreeView::OnDestroy() {
    if (link_) link_->control = nullptr;
    items_.clear();
    selected_ = nullptr;
}

QTreeWidgetItem* TreeView::ItemOf(HTREEITEM handle) const {
    auto it = items_.find(handle);
    return it == items_.end() ? nullptr : it->second;
}

HTREEITEM TreeView::HandleOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<HTREEITEM>(uintptr_t(item->data(0, kHandleRole).toULongLong())) : nullptr;
}

bool TreeView::HasButton(const QTreeWidgetItem* item) {
    return item && (item->data(0, kChildrenRole).toInt() != 0 || item->childCount() > 0);
}

int TreeView::SiblingCount(QTreeWidgetItem* parent) const {
    return parent ? parent->childCount() : tree_->topLevelItemCount();
}

QTreeWidgetItem* TreeView::Sibling(QTreeWidgetItem* parent, int index) const {
    if (index < 0 || index >= SiblingCount(parent)) return nullptr;
    return parent ? parent->child(index) : tree_->topLevelItem(index);
}

HTREEITEM TreeView::OnInsertItem(const TVINSERTSTRUCTW* insert) {
    if (!insert || !tree_) return nullptr;
    QTreeWidgetItem* parent = nullptr;
    if (insert->hParent && insert->hParent != TVI_ROOT) {
        parent = ItemOf(insert->hParent);
        if (!parent) return nullptr;
    }
    const TVITEMW& in = insert->item;
    const std::u16string_view text = (in.mask & TVIF_TEXT) ? TextOf(in.pszText) : std::u16string_view();

    const int count = SiblingCount(parent);
    int at = count;
    if (insert->hInsertAfter == TVI_FIRST) {
        at = 0;
    } else if (insert->hInsertAfter == TVI_SORT) {
        // Before the first sibling that sorts after it; equal texts keep insertion order.
        for (int i = 0; i < count; ++i) {
            const QString sibling = Sibling(parent, i)->text(0);
            if (CompareItemText(ViewOf(sibling), text) > 0) {
                at = i;
                break;
            }
        }
    } else if (QTreeWidgetItem* after = ItemOf(insert->hInsertAfter); after && after->parent() == parent) {
        at = (parent ? parent->indexOfChild(after) : tree_->indexOfTopLevelItem(after)) + 1;
    }

    auto* item = new QTreeWidgetItem;
    const HTREEITEM handle = reinterpret_cast<HTREEITEM>(nextHandle_);
    nextHandle_ += 0x10;
    item->setText(0, QString::fromUtf16(text.data(), qsizetype(text.size())));
    item->setData(0, kHandleRole, QVariant::fromValue<qulonglong>(reinterpret_cast<uintptr_t>(handle)));
    item->setData(0, kParamRole, QVariant::fromValue<qlonglong>((in.mask & TVIF_PARAM) ? in.lParam : 0));
    item->setData(0, kChildrenRole, (in.mask & TVIF_CHILDREN) && in.cChildren != 0 ? 1 : 0);
    item->setChildIndicatorPolicy((in.mask & TVIF_CHILDREN) && in.cChildren != 0
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (parent)
        parent->insertChild(at, item);
    else
        tree_->insertTopLevelItem(at, item);
    items_.emplace(handle, item);
    return handle;
}

void TreeView::Forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i) Forget(item->child(i));
    const HTREEITEM handle = HandleOf(item);
    items_.erase(handle);
    if (selected_ == handle) selected_ = nullptr;
}

bool TreeView::OnDeleteItem(HTREEITEM handle) {
    if (!tree_) return false;
    if (handle == TVI_ROOT) {
        items_.clear();
        selected_ = nullptr;
        tree_->clear();
        return true;
    }
    QTreeWidgetItem* item = ItemOf(handle);
    if (!item) return false;
    const HTREEITEM wasSelected = selected_;
    QTreeWidgetItem* parent = item->parent();
    Forget(item);
    delete item;
    // Showing the selection lays the whole tree out: only when it went with
    // the item, or deleting thousands of children one by one takes minutes.
    if (selected_ != wasSelected) ShowSelection();
    // The selection goes to the deleted item's parent, so the parent program
    // hears of a selection that still exists.
    if (wasSelected && !selected_ && parent) SelectItem(parent, TVC_UNKNOWN);
    return true;
}

HTREEITEM TreeView::OnGetNextItem(uint32_t code, HTREEITEM handle) const {
    if (!tree_) return nullptr;
    QTreeWidgetItem* item = (handle && handle != TVI_ROOT) ? ItemOf(handle) : nullptr;
    switch (code) {
    case TVGN_ROOT:
        return HandleOf(tree_->topLevelItem(0));
    case TVGN_CARET:
        return selected_;
    case TVGN_CHILD:
        if (!item) return (handle && handle != TVI_ROOT) ? nullptr : HandleOf(tree_->topLevelItem(0));
        return HandleOf(item->child(0));
    case TVGN_PARENT:
        return item ? HandleOf(item->parent()) : nullptr;
    case TVGN_NEXT:
    case TVGN_PREVIOUS: {
        if (!item) return nullptr;
        QTreeWidgetItem* parent = item->parent();
        const int index = parent ? parent->indexOfChild(item) : tree_->indexOfTopLevelItem(item);
        return HandleOf(Sibling(parent, index + (code == TVGN_NEXT ? 1 : -1)));
    }
    default:
        return nullptr;
    }
}

bool TreeView::OnSelectItem(uint32_t code, HTREEITEM handle) {
    if (code != TVGN_CARET) return false;
    QTreeWidgetItem* item = ItemOf(handle);
    if (handle && !item) return false;
    return SelectItem(item, TVC_UNKNOWN);
}

TVITEMW TreeView::Describe(HTREEITEM handle) const {
    TVITEMW out;
    QTreeWidgetItem* item = ItemOf(handle);
    if (!item) return out;
    out.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    out.hItem = handle;
    out.state = (handle == selected_ ? TVIS_SELECTED : 0) | (item->isExpanded() ? TVIS_EXPANDED : 0);
    out.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
    out.lParam = device::LPARAM(item->data(0, kParamRole).toLongLong());
    return out;
}

bool TreeView::OnGetItem(TVITEMW* out) const {
    if (!out) return false;
    QTreeWidgetItem* item = ItemOf(out->hItem);
    if (!item) return false;
    if ((out->mask & TVIF_TEXT) && out->pszText && out->cchTextMax > 0) {
        const std::u16string text = item->text(0).toStdU16String();
        const size_t n = std::min(text.size(), size_t(out->cchTextMax - 1));
        std::copy_n(text.data(), n, out->pszText);
        out->pszText[n] = 0;
    }
    if (out->mask & TVIF_PARAM) out->lParam = device::LPARAM(item->data(0, kParamRole).toLongLong());
    if (out->mask & TVIF_STATE) out->state = Describe(out->hItem).state & (out->stateMask ? out->stateMask : ~0u);
    if (out->mask & TVIF_CHILDREN) out->cChildren = HasButton(item) ? 1 : 0;
    return true;
}

bool TreeView::OnSetItem(const TVITEMW* in) {
    if (!in) return false;
    QTreeWidgetItem* item = ItemOf(in->hItem);
    if (!item) return false;
    if (in->mask & TVIF_TEXT) {
        const std::u16string_view text = TextOf(in->pszText);
        item->setText(0, QString::fromUtf16(text.data(), qsizetype(text.size())));
    }
    if (in->mask & TVIF_PARAM) item->setData(0, kParamRole, QVariant::fromValue<qlonglong>(in->lParam));
    if (in->mask & TVIF_CHILDREN) {
        item->setData(0, kChildrenRole, in->cChildren != 0 ? 1 : 0);
        item->setChildIndicatorPolicy(in->cChildren != 0 ? QTreeWidgetItem::ShowIndicator
                                                         : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    return true;
}

bool TreeView::OnEnsureVisible(HTREEITEM handle) {
    QTreeWidgetItem* item = ItemOf(handle);
    if (!item) return false;
    // Collapsed ancestors open the way the user would open them, outermost first.
    std::vector<HTREEITEM> ancestors;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) ancestors.push_back(HandleOf(p));
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        QTreeWidgetItem* p = ItemOf(*it);
        if (p && !p->isExpanded() && !Expand(p, TVE_EXPAND)) return false;
        if (!device::IsWindow(this)) return false;
    }
    if ((item = ItemOf(handle))) tree_->scrollToItem(item);
    return item != nullptr;
}

// The row of the item (or only its label) in client coordinates.
bool TreeView::OnGetItemRect(bool labelOnly, gdi::RECT* rect) const {
    if (!rect || !tree_) return false;
    HTREEITEM handle = nullptr;
    std::memcpy(&handle, rect, sizeof handle);
    QTreeWidgetItem* item = ItemOf(handle);
    if (!item) return false;
    QRect r = tree_->visualItemRect(item);
    if (!labelOnly) r.setLeft(0), r.setRight(tree_->viewport()->width() - 1);
    const QPoint origin = tree_->viewport()->mapTo(tree_, QPoint(0, 0));
    r.translate(origin);
    *rect = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    return true;
}

bool TreeView::Expand(QTreeWidgetItem* item, uint32_t code) {
    if (!item || !tree_) return false;
    uint32_t action = code & 0x3;
    if (action == TVE_TOGGLE) action = item->isExpanded() ? TVE_COLLAPSE : TVE_EXPAND;
    if (action != TVE_EXPAND && action != TVE_COLLAPSE) return false;
    if ((action == TVE_EXPAND) == item->isExpanded()) return true;
    if (action == TVE_EXPAND && !HasButton(item)) return false;

    const HTREEITEM handle = HandleOf(item);
    NMTREEVIEWW before;
    before.action = action;
    before.itemNew = Describe(handle);
    if (SendNotify(this, &before.hdr, TVN_ITEMEXPANDINGW) != 0) return false;
    if (!device::IsWindow(this) || !(item = ItemOf(handle))) return false;
    // The parent may have found nothing to show.
    if (action == TVE_EXPAND && item->childCount() == 0) return false;
    item->setExpanded(action == TVE_EXPAND);

    NMTREEVIEWW after;
    after.action = action;
    after.itemNew = Describe(handle);
    SendNotify(this, &after.hdr, TVN_ITEMEXPANDEDW);
    return true;
}

void TreeView::ShowSelection() {
    if (!tree_) return;
    if (QTreeWidgetItem* item = ItemOf(selected_)) {
        tree_->setCurrentItem(item);
        tree_->scrollToItem(item);
    } else {
        tree_->clearSelection();
        tree_->setCurrentItem(nullptr);
    }
}

bool TreeView::SelectItem(QTreeWidgetItem* item, uint32_t cause) {
    const HTREEITEM target = HandleOf(item);
    const HTREEITEM previous = selected_;
    if (target == previous) return true;
    NMTREEVIEWW before;
    before.action = cause;
    before.itemOld = Describe(previous);
    before.itemNew = Describe(target);
    if (SendNotify(this, &before.hdr, TVN_SELCHANGINGW) != 0) return false;
    if (!device::IsWindow(this) || (target && !ItemOf(target))) return false;
    selected_ = target;
    ShowSelection();

    NMTREEVIEWW after;
    after.action = cause;
    after.itemOld = Describe(ItemOf(previous) ? previous : nullptr);
    after.itemNew = Describe(target);
    SendNotify(this, &after.hdr, TVN_SELCHANGEDW);
    return true;
}

TreeView::Part TreeView::HitPart(QTreeWidgetItem* item, QPoint at) const {
    const QRect label = tree_->visualItemRect(item);
    if (at.x() >= label.left()) return Part::Label;
    const bool button = HasButton(item) && (data().style & TVS_HASBUTTONS);
    return button && at.x() >= label.left() - tree_->indentation() ? Part::Button : Part::Indent;
}

void TreeView::OnPress(QPoint at) {
    device::SetFocus(this);
    if (!device::IsWindow(this) || !tree_) return;
    QTreeWidgetItem* item = tree_->itemAt(at);
    if (!item) return;
    const Part part = HitPart(item, at);
    if (part == Part::Button) Expand(item, TVE_TOGGLE);
    if (part != Part::Label) return;
    // A hold on the label is the context-menu gesture.
    const QPoint client = tree_->viewport()->mapTo(tree_, at);
    const SHRGINFO gesture{kSHRGINFOSize, this, {client.x(), client.y()}, SHRG_NOTIFYPARENT};
    SHRecognizeGesture(&gesture);
    SelectItem(item, TVC_BYMOUSE);
}

void TreeView::OnDoubleTap(QPoint at) {
    if (!tree_) return;
    QTreeWidgetItem* item = tree_->itemAt(at);
    if (!item) return;
    const HTREEITEM handle = HandleOf(item);
    const Part part = HitPart(item, at);
    if (part == Part::Indent || (part == Part::Label && !SelectItem(item, TVC_BYMOUSE))) return;
    if (device::IsWindow(this)) Expand(ItemOf(handle), TVE_TOGGLE);
}

void TreeView::OnKey(int key) {
    if (!tree_) return;
    QTreeWidgetItem* current = ItemOf(selected_);
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (QTreeWidgetItem* target = tree_->itemAfterKey(key)) SelectItem(target, TVC_BYKEYBOARD);
        break;
    case Qt::Key_Left:
        if (!current) break;
        if (current->isExpanded())
            Expand(current, TVE_COLLAPSE);
        else if (current->parent())
            SelectItem(current->parent(), TVC_BYKEYBOARD);
        break;
    case Qt::Key_Right:
        if (!current) break;
        if (!current->isExpanded() && HasButton(current))
            Expand(current, TVE_EXPAND);
        else if (current->childCount() > 0)
            SelectItem(current->child(0), TVC_BYKEYBOARD);
        break;
    default:
        break;
    }
}

}  // namespace

int CompareItemText(std::u16string_view a, std::u16string_view b) {
    // Views, not copies: sorting thousands of folders compares often.
    const QStringView left(a.data(), qsizetype(a.size()));
    const QStringView right(b.data(), qsizetype(b.size()));
    const int c = left.compare(right, Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool RegisterTreeViewClass() {
    return device::RegisterClass(u"SysTreeView32", device::CS_DBLCLKS, [] { return std::make_unique<TreeView>(); });
}

}  // namespace controls
