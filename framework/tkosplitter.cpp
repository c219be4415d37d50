// tkosplitter: splitter with one fixed-size pane.
#include "framework/tkosplitter.h"

namespace kvx {

namespace {

Qt::Orientation orientationOf(tkosplitter::Side side) {
    return side == tkosplitter::Side::Left || side == tkosplitter::Side::Right ? Qt::Horizontal : Qt::Vertical;
}

bool sideFirst(tkosplitter::Side side) {
    return side == tkosplitter::Side::Left || side == tkosplitter::Side::Top;
}

}  // namespace

tkosplitter::tkosplitter(Side side, int size, QWidget* owner)
    : QSplitter(orientationOf(side), owner), m_side(side), m_size(size) {
    setChildrenCollapsible(false);
    setOpaqueResize(true);
}

void tkosplitter::setPanes(QWidget* sidePane, QWidget* restPane) {
    const bool first = sideFirst(m_side);
    addWidget(first ? sidePane : restPane);
    addWidget(first ? restPane : sidePane);
    const int sideIndex = first ? 0 : 1;
    setStretchFactor(sideIndex, 0);
    setStretchFactor(1 - sideIndex, 1);
    // The rest pane's share is a placeholder; QSplitter gives it whatever space is left.
    setSizes(first ? QList<int>{m_size, 1000} : QList<int>{1000, m_size});
}

QWidget* tkosplitter::replacePane(int index, QWidget* pane) {
    QWidget* old = replaceWidget(index, pane);
    if (old == nullptr) return nullptr;
    // QSplitter keeps the place's size, but the stretch factor lives in the pane's size policy: without
    // it the new pane would share the free space at the next resize and the handle would jump.
    const int sideIndex = sideFirst(m_side) ? 0 : 1;
    setStretchFactor(index, index == sideIndex ? 0 : 1);
    return old;
}

int tkosplitter::sidePaneSize() const {
    const QList<int> s = sizes();
    if (s.size() < 2) return 0;
    return sideFirst(m_side) ? s[0] : s[1];
}

}  // namespace kvx
