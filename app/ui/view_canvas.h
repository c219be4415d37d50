// The client area of the painted views: draws the start page, or the current text page at character
// cells, and reports clicks by text line.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/main_views.h"
#include "base/text_page.h"
#include "framework/text_view.h"

namespace kvx {

class ViewCanvas final : public QWidget {
    Q_OBJECT

  public:
    explicit ViewCanvas(QWidget* parent);

    void setPage(TextPage page) {
        m_page = std::move(page);
        m_start.reset();
        m_fontLines.clear();
        update();
    }
    // Lines each drawn in a font of its own, spaced by two line heights of the font drawn before (the
    // font view).
    struct FontLine {
        QFont font;
        QString text;
    };
    void setFontLines(std::vector<FontLine> lines) {
        m_page = {};
        m_start.reset();
        m_fontLines = std::move(lines);
        update();
    }
    const std::vector<FontLine>& fontLines() const { return m_fontLines; }
    const TextPage& page() const { return m_page; }
    // The start view: centred lines in their own fonts and the stock block in the page font.
    void setStartPage(StartPage page) {
        m_fontLines.clear();
        m_start = std::move(page);
        update();
    }
    const std::optional<StartPage>& startPage() const { return m_start; }
    void setPageFont(const QFont& font) {
        m_font = font;
        update();
    }
    const QFont& pageFont() const { return m_font; }
    // Line of a click at vertical position y: (y + 5) / line height, rounded.
    int lineAt(int y) const;
    // Reports the page line under a click (the first line shown counts from firstLine).
    std::function<void(int line, bool doubleClick)> onLineClick;
    // The page line shown at the top (vertical scrolling of long pages); 1 when not set.
    std::function<int()> firstLine;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void paintStartPage(QPainter& painter);
    void paintFontLines(QPainter& painter);
    int topLine() const;

    TextPage m_page;
    std::optional<StartPage> m_start;
    std::vector<FontLine> m_fontLines;
    QFont m_font;
    CellSize m_cell;  // of the font the last paint drew with
};

}  // namespace kvx
