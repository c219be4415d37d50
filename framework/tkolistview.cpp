// tkolistview: report-style list with row datums and row handlers.
#include "framework/tkolistview.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

#include "framework/dialog_options.h"
#include "framework/framework_trace.h"

namespace kvx {

namespace {

constexpr int kDatumRole = Qt::UserRole;
constexpr int kCaptionMax = 80;

// Hot tracking: the row under the mouse is underlined (the hand cursor is set on the viewport).
class HotTrackDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if ((option->state & QStyle::State_MouseOver) != 0) option->font.setUnderline(true);
    }
};

Qt::Alignment alignmentOf(int code) {
    switch (code) {
        case 1:
            return Qt::AlignRight | Qt::AlignVCenter;
        case 2:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

tkolistview::tkolistview(QWidget* owner, const Options& options)
    : QTableWidget(owner), m_tag(options.tag), m_readOnly(options.readOnly), m_sorted(options.sorted) {
    if (m_tag > 1) setObjectName(QStringLiteral("_") + QString::number(m_tag));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);  // writable lists edit on double click, see below
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionsClickable(!m_sorted);

    if (options.hotTrack) {
        setMouseTracking(true);
        viewport()->setCursor(Qt::PointingHandCursor);
        setItemDelegate(new HotTrackDelegate(this));
    }

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) call(m_onClick, index.row());
    });
    connect(this, &QAbstractItemView::doubleClicked, this, &tkolistview::onDoubleClicked);
    connect(this, &QTableWidget::itemChanged, this, &tkolistview::onItemChanged);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        clampSection(column, size);
        // Another column made wider or narrower: the stretch column takes up the difference.
        if (column != m_stretchColumn) fitStretchColumn();
    });
}

tkolistview::~tkolistview() {
    frameworkTrace(1, QStringLiteral("tkolistview destroy"));
}

void tkolistview::setListFont(const QFont& font) {
    setFont(font);
    m_rowHeight = fontPixelHeight(font) + 3;
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    for (int r = 0; r < rowCount(); ++r) verticalHeader()->resizeSection(r, m_rowHeight);
}

void tkolistview::addColumn(const QString& caption, int width, int alignment, bool stretch) {
    const int column = columnCount();
    insertColumn(column);
    auto* header = new QTableWidgetItem(caption.left(kCaptionMax));
    header->setTextAlignment(alignmentOf(alignment));
    setHorizontalHeaderItem(column, header);
    m_widths.push_back(std::max(width, 0));
    m_alignments.push_back(alignmentOf(alignment));
    setColumnWidth(column, m_widths.back());
    if (stretch) {
        // Only the last one stretches: an earlier one goes back to its own width.
        if (m_stretchColumn >= 0) setColumnWidth(m_stretchColumn, m_widths[static_cast<std::size_t>(m_stretchColumn)]);
        m_stretchColumn = column;
    }
    fitStretchColumn();
}

void tkolistview::fitStretchColumn() {
    if (m_stretchColumn < 0 || m_fitting) return;
    int others = 0;
    for (int c = 0; c < columnCount(); ++c) {
        if (c != m_stretchColumn && !isColumnHidden(c)) others += columnWidth(c);
    }
    const int own = m_widths[static_cast<std::size_t>(m_stretchColumn)];
    const int target = std::max(own, viewport()->width() - others);
    if (columnWidth(m_stretchColumn) == target) return;
    m_fitting = true;
    setColumnWidth(m_stretchColumn, target);
    m_fitting = false;
}

void tkolistview::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    fitStretchColumn();
}

int tkolistview::sortedInsertPosition(const QString& caption) const {
    int low = 0;
    int high = rowCount();
    while (low < high) {
        const int mid = (low + high) / 2;
        const QTableWidgetItem* it = item(mid, 0);
        const QString other = it != nullptr ? it->text() : QString();
        if (QString::compare(other, caption, Qt::CaseInsensitive) <= 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

int tkolistview::addRow(const QStringList& texts, std::uint32_t datum) {
    m_filling = true;
    const int row = m_sorted ? sortedInsertPosition(texts.value(0)) : rowCount();
    insertRow(row);
    // The datum sits on the (hidden) row header so that it exists even in a list without columns.
    auto* header = new QTableWidgetItem;
    header->setData(kDatumRole, static_cast<uint>(datum));
    setVerticalHeaderItem(row, header);
    const int cells = std::min(static_cast<int>(texts.size()), columnCount());
    for (int c = 0; c < cells; ++c) {
        auto* cell = new QTableWidgetItem(texts[c]);
        cell->setTextAlignment(m_alignments[static_cast<std::size_t>(c)]);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (c == 0 && !m_readOnly) flags |= Qt::ItemIsEditable;
        cell->setFlags(flags);
        setItem(row, c, cell);
    }
    m_filling = false;
    return row;
}

void tkolistview::clearRows() {
    clearSelection();
    setRowCount(0);
}

std::uint32_t tkolistview::rowDatum(int row) const {
    const QTableWidgetItem* header = verticalHeaderItem(row);
    return header != nullptr ? header->data(kDatumRole).toUInt() : 0;
}

int tkolistview::findRow(std::uint32_t datum) const {
    for (int r = 0; r < rowCount(); ++r) {
        if (rowDatum(r) == datum) return r;
    }
    return -1;
}

int tkolistview::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void tkolistview::selectOnly(int row) {
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void tkolistview::selectRowNumber(int n) {
    const int index = n <= 0 ? 0 : n - 1;
    if (index >= rowCount() || selectedRow() == index) {
        clearSelection();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int before = bar->value();
    selectOnly(index);
    // Rows further down are brought near the top, four rows below it, counted from where the list was.
    if (index > 10) bar->setValue(before + (index - 4) * m_rowHeight);
}

void tkolistview::call(const RowHandler& handler, int row) const {
    if (!handler || row < 0 || row >= rowCount()) return;
    const std::uint32_t datum = rowDatum(row);
    handler(static_cast<int>(datum & 0xFFFFu), static_cast<int>(datum >> 16));
}

void tkolistview::onDoubleClicked(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (m_readOnly) {
        call(m_onDoubleClick, index.row());
    } else if (QTableWidgetItem* caption = item(index.row(), 0)) {
        editItem(caption);
    }
}

void tkolistview::onItemChanged(QTableWidgetItem* changed) {
    if (m_filling || m_readOnly || changed == nullptr || changed->column() != 0 || !m_onEdit) return;
    const std::uint32_t datum = rowDatum(changed->row());
    QString text = changed->text();
    m_onEdit(static_cast<int>(datum & 0xFFFFu), static_cast<int>(datum >> 16), text);
    if (text != changed->text()) {
        const QSignalBlocker blocker(this);
        changed->setText(text);
    }
}

void tkolistview::clampSection(int column, int size) {
    if (m_fitting || column < 0 || column >= static_cast<int>(m_widths.size())) return;
    const int w = m_widths[static_cast<std::size_t>(column)];
    const int clamped = std::clamp(size, w / 2, 4 * w);
    if (clamped != size) horizontalHeader()->resizeSection(column, clamped);
}

void tkolistview::contextMenuEvent(QContextMenuEvent* event) {
    const int row = event->reason() == QContextMenuEvent::Mouse ? rowAt(event->pos().y()) : currentRow();
    if (row < 0) return;
    rightClickRow(row);
    event->accept();
}

void tkolistview::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QTableWidget::keyPressEvent(event);
    // Moving with the keys makes the row current as a click does, so commands act on the row shown.
    if (currentRow() != before && currentRow() >= 0) call(m_onClick, currentRow());
}

// ---- script driver ----

QStringList tkolistview::columnTitles() const {
    QStringList titles;
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* header = horizontalHeaderItem(c);
        titles << (header != nullptr ? header->text() : QString());
    }
    return titles;
}

QStringList tkolistview::rowTexts(int row) const {
    QStringList texts;
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* cell = item(row, c);
        texts << (cell != nullptr ? cell->text() : QString());
    }
    return texts;
}

QString tkolistview::stateText() const {
    QString out = QStringLiteral("columns: ") + columnTitles().join(QStringLiteral(" | ")) + u'\n';
    const int selected = selectedRow();
    for (int r = 0; r < rowCount(); ++r) {
        out += (r == selected ? QStringLiteral("> ") : QStringLiteral("  ")) + QString::number(r) +
               QStringLiteral(": ") + rowTexts(r).join(QStringLiteral(" | ")) + QStringLiteral(" #") +
               QString::number(rowDatum(r)) + u'\n';
    }
    return out;
}

bool tkolistview::clickRow(int row) {
    if (row < 0 || row >= rowCount()) return false;
    selectOnly(row);
    call(m_onClick, row);
    return true;
}

bool tkolistview::rightClickRow(int row) {
    if (row < 0 || row >= rowCount()) return false;
    selectOnly(row);
    call(m_onContext, row);
    return true;
}

bool tkolistview::doubleClickRow(int row) {
    if (row < 0 || row >= rowCount()) return false;
    // A real double click is a click first.
    clickRow(row);
    onDoubleClicked(model()->index(row, 0));
    return true;
}

}  // namespace kvx
