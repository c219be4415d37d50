// tkotreeview: read-only tree with node datums and node handlers.
#include "framework/tkotreeview.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

#include "framework/framework_trace.h"

namespace kvx {

namespace {

constexpr int kDatumRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;

void appendNodeText(const QTreeWidgetItem* node, int depth, const QTreeWidgetItem* selected, QString& out) {
    out += QString(depth * 2, u' ') + (node == selected ? QStringLiteral("> ") : QString()) + node->text(0) +
           QStringLiteral(" #") + QString::number(tkotreeview::nodeDatum(node)) + u'\n';
    for (int i = 0; i < node->childCount(); ++i) appendNodeText(node->child(i), depth + 1, selected, out);
}

QTreeWidgetItem* findIn(QTreeWidgetItem* node, std::uint32_t datum) {
    if (tkotreeview::nodeDatum(node) == datum) return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QTreeWidgetItem* found = findIn(node->child(i), datum)) return found;
    }
    return nullptr;
}

}  // namespace

tkotreeview::tkotreeview(QWidget* owner) : QTreeWidget(owner) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node, int) { call(m_onClick, node); });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node, int) { call(m_onDoubleClick, node); });
    connect(this, &QTreeWidget::currentItemChanged, this, &tkotreeview::onCurrentChanged);
}

tkotreeview::~tkotreeview() {
    frameworkTrace(1, QStringLiteral("tkotreeview destroy"));
}

QTreeWidgetItem* tkotreeview::makeNode(const QString& text, std::uint32_t datum, int imageIndex,
                                       int selectedImageIndex) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, kDatumRole, static_cast<uint>(datum));
    node->setData(0, kImageRole, imageIndex);
    node->setData(0, kSelectedImageRole, selectedImageIndex);
    node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    updateIcon(node, false);
    return node;
}

QTreeWidgetItem* tkotreeview::addNode(const QString& text, std::uint32_t datum, int imageIndex,
                                      int selectedImageIndex) {
    QTreeWidgetItem* node = makeNode(text, datum, imageIndex, selectedImageIndex);
    addTopLevelItem(node);
    return node;
}

QTreeWidgetItem* tkotreeview::addChildNode(QTreeWidgetItem* parent, const QString& text, std::uint32_t datum,
                                           int imageIndex, int selectedImageIndex) {
    if (parent == nullptr) return addNode(text, datum, imageIndex, selectedImageIndex);
    QTreeWidgetItem* node = makeNode(text, datum, imageIndex, selectedImageIndex);
    parent->addChild(node);
    return node;
}

void tkotreeview::clearNodes() {
    clear();
    m_expanded = QPersistentModelIndex();
}

void tkotreeview::updateIcon(QTreeWidgetItem* node, bool selected) const {
    const int index = node->data(0, selected ? kSelectedImageRole : kImageRole).toInt();
    node->setIcon(0, index >= 0 && index < m_images.size() ? m_images[index] : QIcon());
}

void tkotreeview::onCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (previous != nullptr) updateIcon(previous, false);
    if (current != nullptr) updateIcon(current, true);
}

std::uint32_t tkotreeview::nodeDatum(const QTreeWidgetItem* node) {
    return node != nullptr ? node->data(0, kDatumRole).toUInt() : 0;
}

QTreeWidgetItem* tkotreeview::findNode(std::uint32_t datum) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (QTreeWidgetItem* found = findIn(topLevelItem(i), datum)) return found;
    }
    return nullptr;
}

QTreeWidgetItem* tkotreeview::selectedNode() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QTreeWidgetItem* tkotreeview::selectNode(std::int32_t datum, bool expand) {
    QTreeWidgetItem* node = datum > 0 ? findNode(static_cast<std::uint32_t>(datum)) : nullptr;
    if (node == nullptr) {
        clearSelection();
        return nullptr;
    }
    if (expand) {
        if (QTreeWidgetItem* old = itemFromIndex(m_expanded)) old->setExpanded(false);
        node->setExpanded(true);
        m_expanded = QPersistentModelIndex(indexFromItem(node));
    }
    setCurrentItem(node);
    // Makes the node visible, expanding its ancestors where a collapse above hid it.
    scrollToItem(node);
    return node;
}

QString tkotreeview::cutTextAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid()) return QString();
    // What the node needs in full against what the viewport shows of its row.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const int needed = itemDelegateForIndex(index)->sizeHint(option, index).width();
    const int shown = option.rect.intersected(viewport()->rect()).width();
    return needed > shown ? index.data(Qt::DisplayRole).toString() : QString();
}

bool tkotreeview::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = cutTextAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
        }
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void tkotreeview::call(const NodeHandler& handler, const QTreeWidgetItem* node) const {
    if (!handler || node == nullptr) return;
    const std::uint32_t datum = nodeDatum(node);
    handler(static_cast<int>(datum & 0xFFFFu), static_cast<int>(datum >> 16));
}

void tkotreeview::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* node = event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
    if (node == nullptr) return;
    setCurrentItem(node);
    call(m_onContext, node);
    event->accept();
}

void tkotreeview::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    // Moving with the keys makes the node current as a click does.
    if (currentItem() != before && currentItem() != nullptr) call(m_onClick, currentItem());
}

// ---- script driver ----

QString tkotreeview::stateText() const {
    QString out;
    const QTreeWidgetItem* selected = selectedNode();
    for (int i = 0; i < topLevelItemCount(); ++i) appendNodeText(topLevelItem(i), 0, selected, out);
    return out;
}

bool tkotreeview::clickNode(std::uint32_t datum) {
    QTreeWidgetItem* node = findNode(datum);
    if (node == nullptr) return false;
    setCurrentItem(node);
    scrollToItem(node);
    call(m_onClick, node);
    return true;
}

bool tkotreeview::rightClickNode(std::uint32_t datum) {
    QTreeWidgetItem* node = findNode(datum);
    if (node == nullptr) return false;
    setCurrentItem(node);
    call(m_onContext, node);
    return true;
}

bool tkotreeview::doubleClickNode(std::uint32_t datum) {
    QTreeWidgetItem* node = findNode(datum);
    if (node == nullptr) return false;
    clickNode(datum);
    // What the view does on a double click: toggle the node, then tell the handler.
    node->setExpanded(!node->isExpanded());
    call(m_onDoubleClick, node);
    return true;
}

}  // namespace kvx
