// tkosplitter: the splitter between the group tree and the list. The first pane keeps the given size
// (width or height) when the window is resized; the user can drag the handle, but not collapse a pane.
#pragma once

#include <QSplitter>

namespace kvx {

class tkosplitter final : public QSplitter {
    Q_OBJECT

  public:
    enum class Side { Left, Top, Right, Bottom };

    // `size` is the width (left, right) or height (top, bottom) of the pane on `side`.
    tkosplitter(Side side, int size, QWidget* owner);

    // The fixed-size pane on the splitter's side and the pane that takes the rest.
    void setPanes(QWidget* sidePane, QWidget* restPane);
    // Current size of the pane on the splitter's side.
    int sidePaneSize() const;
    // Puts `pane` in the place of the pane at `index` (0 or 1) with the place's size and role (fixed side
    // or rest), so that the handle stays where the user left it. Returns the pane given up, now without a
    // parent, or nullptr when `pane` is there already.
    QWidget* replacePane(int index, QWidget* pane);

  private:
    Side m_side;
    int m_size;
};

}  // namespace kvx
