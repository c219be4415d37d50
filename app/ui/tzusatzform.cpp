// The information form.
#include "app/ui/tzusatzform.h"

#include <QPainter>

#include "framework/text_view.h"

namespace kvx {

namespace {
constexpr int kMargin = 6;
}

tzusatzform::tzusatzform(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool), m_mainWindow(mainWindow) {
    setWindowTitle(QStringLiteral("Info"));
    setAutoFillBackground(true);
    QPalette p = palette();
    // The system colours of information texts (tool tips).
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    resize(300, 300);
    hide();
}

void tzusatzform::setDetailFont(const QFont& font) {
    m_font = font;
    update();
}

void tzusatzform::showPage(const InfoPage& page) {
    m_page = page;
    setWindowTitle(QString::fromStdString(page.title));
    const CellSize cell = cellSizeFromFont(m_font);
    resize(kInfoFormWidthChars * cell.charWidth + 2 * kMargin, page.lines * cell.lineHeight + 2 * kMargin);
    show();
    update();
    if (m_mainWindow != nullptr) m_mainWindow->activateWindow();
}

QStringList tzusatzform::describe() const {
    QStringList out{QStringLiteral("info \"%1\" type %2, %3 lines%4")
                        .arg(windowTitle())
                        .arg(m_page.type)
                        .arg(m_page.lines)
                        .arg(isHidden() ? QStringLiteral(", hidden") : QString())};
    for (const QString& line : textPageLines(m_page.page)) out << QStringLiteral("| ") + line;
    return out;
}

void tzusatzform::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(m_font);
    painter.setPen(palette().color(QPalette::WindowText));
    TextViewGeometry g;
    g.cell = cellSizeFromFont(m_font);
    g.leftMargin = kMargin;
    g.topMargin = kMargin;
    drawTextPage(painter, m_page.page, g);
}

}  // namespace kvx
