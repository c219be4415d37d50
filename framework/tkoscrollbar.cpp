// tkoscrollbar: a tagged scroll bar fed from a ScrollState.
#include "framework/tkoscrollbar.h"

#include <QSignalBlocker>

namespace kvx {

tkoscrollbar::tkoscrollbar(Qt::Orientation orientation, int tag, QWidget* parent)
    : QScrollBar(orientation, parent), m_tag(tag) {
    setObjectName(QStringLiteral("tkoscrollbar") + QString::number(tag));
    // Until the window asks for live tracking, a drag reports its position once, on release.
    setTracking(false);
    hide();
}

void tkoscrollbar::applyState(const ScrollState& state, bool pageSizeOption) {
    const QSignalBlocker blocker(this);
    setRange(state.minimum, state.maximum);
    setSingleStep(state.smallChange);
    setPageStep(pageSizeOption ? scrollPageSize(state) : state.largeChange);
    setValue(state.position);
}

}  // namespace kvx
