// tkotreeview: the read-only tree of the catalogue browser. Nodes carry a 32-bit datum; click, right-click
// and double-click handlers receive its two 16-bit halves. Selecting a node by datum can collapse the
// node expanded before and expand the new one. The script driver reads the nodes as text and selects by
// datum as a user would.
#pragma once

#include <QIcon>
#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <cstdint>
#include <functional>

namespace kvx {

class tkotreeview final : public QTreeWidget {
    Q_OBJECT

  public:
    using NodeHandler = std::function<void(int low, int high)>;

    explicit tkotreeview(QWidget* owner);
    ~tkotreeview() override;

    void setClickHandler(NodeHandler handler) { m_onClick = std::move(handler); }
    void setContextHandler(NodeHandler handler) { m_onContext = std::move(handler); }
    void setDoubleClickHandler(NodeHandler handler) { m_onDoubleClick = std::move(handler); }
    // Icons for the image indexes of the nodes (index into the list; -1 or out of range = none).
    void setImages(const QList<QIcon>& images) { m_images = images; }

    // A top-level node, or a child of `parent` (nullptr = top level).
    QTreeWidgetItem* addNode(const QString& text, std::uint32_t datum, int imageIndex = -1,
                             int selectedImageIndex = -1);
    QTreeWidgetItem* addChildNode(QTreeWidgetItem* parent, const QString& text, std::uint32_t datum,
                                  int imageIndex = -1, int selectedImageIndex = -1);
    void clearNodes();

    // Selects the first node with the datum (depth first) and makes it visible; a datum <= 0 (as a signed
    // 32-bit value) or an unknown one clears the selection. With `expand`, the node expanded by the last
    // such call is collapsed and the selected one expanded. Returns the selected node or nullptr.
    QTreeWidgetItem* selectNode(std::int32_t datum, bool expand);
    QTreeWidgetItem* findNode(std::uint32_t datum) const;
    static std::uint32_t nodeDatum(const QTreeWidgetItem* node);
    QTreeWidgetItem* selectedNode() const;
    // The text of the node at `pos` (viewport coordinates) when the tree shows it cut, else empty: what
    // the node's tooltip shows.
    QString cutTextAt(const QPoint& pos) const;

    // ---- script driver ----
    // One line per node in display order: two blanks per depth, "> " before the selected one, the text
    // and " #" + datum.
    QString stateText() const;
    // Selects the node with the datum and calls the click handler as a mouse click would.
    bool clickNode(std::uint32_t datum);
    bool rightClickNode(std::uint32_t datum);
    bool doubleClickNode(std::uint32_t datum);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    QTreeWidgetItem* makeNode(const QString& text, std::uint32_t datum, int imageIndex, int selectedImageIndex);
    void call(const NodeHandler& handler, const QTreeWidgetItem* node) const;
    void updateIcon(QTreeWidgetItem* node, bool selected) const;
    void onCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);

    NodeHandler m_onClick;
    NodeHandler m_onContext;
    NodeHandler m_onDoubleClick;
    QList<QIcon> m_images;
    QPersistentModelIndex m_expanded;  // survives, and goes invalid with, removal of the node
};

}  // namespace kvx
