// tkolistview: the report-style list of the main window's views. Columns with caption, width and
// alignment; rows of texts carrying a 32-bit datum whose low half is the row's record number; click,
// right-click and double-click handlers that receive the two 16-bit halves of that datum. For the script
// driver it reports its content as text and takes clicks on a row by index as a user would give them.
#pragma once

#include <QFont>
#include <QStringList>
#include <QTableWidget>
#include <cstdint>
#include <functional>

namespace kvx {

class tkolistview final : public QTableWidget {
    Q_OBJECT

  public:
    enum class Align { Left = 0, Right = 1, Centre = 2 };

    // Each handler receives the low and the high half of the row's datum.
    using RowHandler = std::function<void(int low, int high)>;
    // Writable lists: called with the edited caption, which the handler may change.
    using EditHandler = std::function<void(int low, int high, QString& text)>;

    struct Options {
        int tag = 0;
        bool hotTrack = false;
        bool readOnly = true;
        bool sorted = false;
    };

    tkolistview(QWidget* owner, const Options& options);
    ~tkolistview() override;

    int tag() const { return m_tag; }
    bool isReadOnly() const { return m_readOnly; }

    void setClickHandler(RowHandler handler) { m_onClick = std::move(handler); }
    void setContextHandler(RowHandler handler) { m_onContext = std::move(handler); }
    void setDoubleClickHandler(RowHandler handler) { m_onDoubleClick = std::move(handler); }
    void setEditHandler(EditHandler handler) { m_onEdit = std::move(handler); }

    // The list font; the row height becomes its pixel height + 3 (14 pixels without a font).
    void setListFont(const QFont& font);
    int rowHeight() const { return m_rowHeight; }

    // Caption (up to 80 characters), width in pixels (the user may size it between w / 2 and 4 w),
    // alignment 0 left, 1 right, 2 centre (other values: left). The last column added with `stretch`
    // never leaves the list blank at the right: it is widened to the width the other columns leave free
    // (never below its own width, and without the 4 w limit), whenever the list or another column is
    // resized.
    void addColumn(const QString& caption, int width, int alignment, bool stretch = false);
    // Index of the column that takes the free width, or -1.
    int stretchColumn() const { return m_stretchColumn; }
    // First text = caption, further texts = sub-items (texts beyond the columns are dropped). Returns the
    // row's index.
    int addRow(const QStringList& texts, std::uint32_t datum);
    // Removes the rows, keeps the columns.
    void clearRows();

    // Row n (1-based; 0 also means the first): selects it when it exists and is not selected yet, and
    // then, from the twelfth row on, scrolls by (index - 4) rows; otherwise clears the selection.
    void selectRowNumber(int n);
    // Index of the first row with the datum, or -1.
    int findRow(std::uint32_t datum) const;
    std::uint32_t rowDatum(int row) const;
    // Index of the selected row, or -1.
    int selectedRow() const;

    // ---- script driver ----
    QStringList columnTitles() const;
    QStringList rowTexts(int row) const;
    // "columns: a | b", then one line per row "[sel] 3: t1 | t2 (datum)".
    QString stateText() const;
    // A click, right click or double click on row `row` (0-based): selects it and calls the handler as
    // the mouse would. False when there is no such row.
    bool clickRow(int row);
    bool rightClickRow(int row);
    bool doubleClickRow(int row);
    // Whether a caption is being edited (writable lists).
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Resizes of the viewport (the window, or a scroll bar coming or going).
    void resizeEvent(QResizeEvent* event) override;

  private:
    void call(const RowHandler& handler, int row) const;
    void selectOnly(int row);
    void onDoubleClicked(const QModelIndex& index);
    void onItemChanged(QTableWidgetItem* item);
    void clampSection(int column, int size);
    int sortedInsertPosition(const QString& caption) const;
    void fitStretchColumn();

    int m_tag;
    bool m_readOnly;
    bool m_sorted;
    int m_rowHeight = 14;
    bool m_filling = false;
    int m_stretchColumn = -1;
    bool m_fitting = false;  // the stretch column is being widened by fitStretchColumn
    std::vector<int> m_widths;
    std::vector<Qt::Alignment> m_alignments;
    RowHandler m_onClick;
    RowHandler m_onContext;
    RowHandler m_onDoubleClick;
    EditHandler m_onEdit;
};

}  // namespace kvx
