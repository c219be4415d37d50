// The client area of the painted views: draws the current text page at character cells and reports
// clicks by text line.
#pragma once

#include <QWidget>
#include <functional>

#include "base/text_page.h"
#include "framework/text_view.h"

namespace kvx {

class ViewCanvas final : public QWidget {
    Q_OBJECT

  public:
    explicit ViewCanvas(QWidget* parent);

    void setPage(TextPage page) {
        m_page = std::move(page);
        update();
    }
    const TextPage& page() const { return m_page; }
    void setPageFont(const QFont& font) {
        m_font = font;
        update();
    }
    // Line of a click at vertical position y: (y + 5) / line height, rounded.
    int lineAt(int y) const;
    std::function<void(int line, bool doubleClick)> onLineClick;
    // Optional painter for views that draw more than text (the start page).
    std::function<void(QPainter&)> customPaint;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    TextPage m_page;
    QFont m_font;
};

}  // namespace kvx
