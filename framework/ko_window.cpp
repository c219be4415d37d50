// TKowindow: the base window with scroll bars, view stack, help commands and menu bar.
#include "framework/ko_window.h"

#include <QEvent>
#include <QMenuBar>
#include <QStyle>

#include "framework/framework_trace.h"
#include "framework/messages.h"
#include "framework/tkoscrollbar.h"

namespace kvx {

TKowindow::TKowindow(QWidget* owner, int windowNumber) : QMainWindow(owner), m_windowNumber(windowNumber) {
    frameworkTrace(1, QStringLiteral("vor kowindow.createnew ") + QString::number(m_windowNumber));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    m_vertical.state = kInitialVerticalScroll;
    m_horizontal.state = kInitialHorizontalScroll;
    frameworkTrace(1, QStringLiteral("nach kowindow.createnew ") + QString::number(m_windowNumber));
}

TKowindow::~TKowindow() {
    frameworkTrace(1, QStringLiteral("Kowindow destroy"));
}

void TKowindow::setupwindow() {
    frameworkTrace(1, QStringLiteral("vor kowindow.setupwindow"));
    m_list = nullptr;
    m_views.current().datum = 0;
    frameworkTrace(1, QStringLiteral("nach kowindow.setupwindow"));
}

bool TKowindow::canclose() {
    frameworkTrace(1, QStringLiteral("Kowindow.canclose"));
    return true;
}

// ---- help ----

void TKowindow::helpContents() {
    if (m_helpEnabled) showHelpTopic(0);
}

void TKowindow::helpOnCurrentContext() {
    if (m_helpEnabled) showHelpContext(m_helpContext);
}

void TKowindow::helpIndexSearch() {
    // The keyword search belongs to the help engine, which this platform does not have.
    if (m_helpEnabled) showNoHelp();
}

void TKowindow::showHelpContext(int context) {
    if (context == 0) return;
    if (m_helpEnabled && context >= 1 && context <= 999) {
        showHelpTopic(context);
    } else {
        showNoHelp();
    }
}

void TKowindow::showHelpTopic(int /*context*/) {
    showNoHelp();
}

void TKowindow::showNoHelp() {
    showInformation(QStringLiteral("Zu diesem Thema ist keine Hilfe vorhanden"));
}

// ---- scroll bars ----

TKowindow::Bar& TKowindow::bar(Qt::Orientation orientation) {
    return orientation == Qt::Vertical ? m_vertical : m_horizontal;
}

const TKowindow::Bar& TKowindow::bar(Qt::Orientation orientation) const {
    return orientation == Qt::Vertical ? m_vertical : m_horizontal;
}

tkoscrollbar* TKowindow::createScrollBar(int tag, Qt::Orientation orientation, int minimum, int maximum, int position,
                                         int largeChange, int smallChange) {
    Bar& b = bar(orientation);
    delete b.widget;
    b.widget = new tkoscrollbar(orientation, tag, this);
    b.widget->setTracking(b.liveTracking);
    b.state = applyScrollRangeRule({position, position, minimum, maximum, largeChange, smallChange});
    b.widget->applyState(b.state, m_pageSizeOption);
    tkoscrollbar* widget = b.widget;
    connect(widget, &QScrollBar::valueChanged, this,
            [this, orientation](int value) { userScroll(orientation, value); });
    layoutScrollBars();
    return widget;
}

tkoscrollbar* TKowindow::scrollBar(Qt::Orientation orientation) const {
    return bar(orientation).widget;
}

void TKowindow::setRange(Qt::Orientation orientation, const ScrollState& state, bool hideBelowMinimum) {
    Bar& b = bar(orientation);
    b.state = applyScrollRangeRule(state);
    if (b.widget == nullptr) return;
    b.widget->applyState(b.state, m_pageSizeOption);
    if (hideBelowMinimum) b.widget->setVisible(scrollBarVisible(b.state));
    layoutScrollBars();
}

void TKowindow::setVerticalRange(int minimum, int maximum, int position, int largeChange, int smallChange) {
    setRange(Qt::Vertical, {position, m_vertical.state.lastApplied, minimum, maximum, largeChange, smallChange}, true);
}

void TKowindow::setHorizontalRange(int minimum, int maximum, int position, int largeChange, int smallChange) {
    setRange(Qt::Horizontal, {position, m_horizontal.state.lastApplied, minimum, maximum, largeChange, smallChange},
             true);
}

void TKowindow::applyPositions() {
    for (Bar* b : {&m_vertical, &m_horizontal}) {
        b->state = applyScrollRangeRule(b->state);
        b->state.lastApplied = b->state.position;
        if (b->widget != nullptr) b->widget->applyState(b->state, m_pageSizeOption);
    }
}

const ScrollState& TKowindow::scrollState(Qt::Orientation orientation) const {
    return bar(orientation).state;
}

bool TKowindow::scrollChanged(Qt::Orientation orientation) const {
    return bar(orientation).changed;
}

void TKowindow::clearScrollChanged(Qt::Orientation orientation) {
    bar(orientation).changed = false;
}

void TKowindow::setLiveTracking(Qt::Orientation orientation, bool on) {
    Bar& b = bar(orientation);
    b.liveTracking = on;
    if (b.widget != nullptr) b.widget->setTracking(on);
}

void TKowindow::userScroll(Qt::Orientation orientation, int position) {
    Bar& b = bar(orientation);
    if (scrollTo(b.state, position)) {
        b.changed = true;
        repaintView();
    }
}

// ---- views ----

void TKowindow::captureWidgetState() {
    ViewLevel& level = m_views.current();
    // isHidden, not isVisible: the state must be right while the window itself is not shown yet.
    level.listVisible = m_list != nullptr && !m_list->isHidden();
    level.verticalBarVisible = m_vertical.widget != nullptr && !m_vertical.widget->isHidden();
    level.horizontalBarVisible = m_horizontal.widget != nullptr && !m_horizontal.widget->isHidden();
    level.vertical = m_vertical.state;
    level.horizontal = m_horizontal.state;
}

void TKowindow::restoreWidgetState() {
    const ViewLevel& level = m_views.current();
    if (m_list != nullptr) m_list->setVisible(level.listVisible);
    m_vertical.state = level.vertical;
    m_horizontal.state = level.horizontal;
    setRange(Qt::Vertical, level.vertical, false);
    setRange(Qt::Horizontal, level.horizontal, false);
    if (m_vertical.widget != nullptr) m_vertical.widget->setVisible(level.verticalBarVisible);
    if (m_horizontal.widget != nullptr) m_horizontal.widget->setVisible(level.horizontalBarVisible);
    layoutScrollBars();
}

void TKowindow::enterView(std::uint16_t viewNumber, std::uint16_t menuNumber, const QString& title,
                          bool hideScrollBars) {
    frameworkTrace(1, QStringLiteral("vor kowindow.submenu"));
    captureWidgetState();
    m_views.enter(viewNumber, menuNumber, title.toStdString(), hideScrollBars);
    setWindowTitle(composeCaption(captionPath()));
    restoreWidgetState();
    repaintView();
    frameworkTrace(1, QStringLiteral("nach kowindow.submenu"));
}

void TKowindow::enterViewWithRange(std::uint16_t viewNumber, std::uint16_t menuNumber, const QString& title,
                                   bool hideScrollBars, int minimum, int maximum, int position, int largeChange,
                                   int smallChange) {
    enterView(viewNumber, menuNumber, title, hideScrollBars);
    setVerticalRange(minimum, maximum, position, largeChange, smallChange);
}

bool TKowindow::leaveView() {
    frameworkTrace(1, QStringLiteral("vor kowindow.submenuende"));
    if (!m_views.leave()) return false;
    // The caption follows the path back, so it never names a view that was left.
    setWindowTitle(composeCaption(captionPath()));
    restoreWidgetState();
    repaintView();
    frameworkTrace(1, QStringLiteral("nach kowindow.submenuende"));
    return true;
}

QString TKowindow::composeCaption(const QString& path) const {
    return path + m_captionSuffix;
}

// ---- menu ----

void TKowindow::buildMainMenu(int topMenu, const MenuSource& source, int glyphCount, const MenuGlyphProvider& glyphs,
                              const MenuClickHandler& onClick) {
    m_menuTree = buildMenuTree(topMenu, source, glyphCount);
    buildMenuBar(*menuBar(), m_menuTree, onClick, glyphs);
}

void TKowindow::repaintView() {
    update();
    if (centralWidget() != nullptr) centralWidget()->update();
}

// ---- layout ----

void TKowindow::layoutScrollBars() {
    QWidget* central = centralWidget();
    if (central != m_watchedCentral.data()) {
        if (m_watchedCentral) m_watchedCentral->removeEventFilter(this);
        m_watchedCentral = central;
        if (central != nullptr) central->installEventFilter(this);
    }
    // The bars lie over the right and bottom edge of the client area.
    const QRect area = central != nullptr ? central->geometry() : rect();
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool vShown = m_vertical.widget != nullptr && !m_vertical.widget->isHidden();
    const bool hShown = m_horizontal.widget != nullptr && !m_horizontal.widget->isHidden();
    if (m_vertical.widget != nullptr) {
        m_vertical.widget->setGeometry(area.right() + 1 - thickness, area.top(), thickness,
                                       area.height() - (hShown ? thickness : 0));
        m_vertical.widget->raise();
    }
    if (m_horizontal.widget != nullptr) {
        m_horizontal.widget->setGeometry(area.left(), area.bottom() + 1 - thickness,
                                         area.width() - (vShown ? thickness : 0), thickness);
        m_horizontal.widget->raise();
    }
}

void TKowindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutScrollBars();
}

void TKowindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    layoutScrollBars();
}

bool TKowindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedCentral.data() && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        layoutScrollBars();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kvx
