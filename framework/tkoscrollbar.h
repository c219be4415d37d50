// tkoscrollbar: a scroll bar of the base window that carries a tag and takes its range from a ScrollState
// after the scroll range rule.
#pragma once

#include <QScrollBar>

#include "framework/model/scroll_state.h"

namespace kvx {

class tkoscrollbar final : public QScrollBar {
    Q_OBJECT

  public:
    tkoscrollbar(Qt::Orientation orientation, int tag, QWidget* parent);

    int tag() const { return m_tag; }

    // Writes the (already ruled) range, changes and position into the bar without raising a scroll
    // event. With `pageSizeOption` the page step is a hundredth of the range instead of the large change.
    void applyState(const ScrollState& state, bool pageSizeOption);

  private:
    int m_tag;
};

}  // namespace kvx
