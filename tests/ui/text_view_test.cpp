// Drawing text pages at character cells: numbers flagged right-aligned end where their last cell ends,
// whatever the font's glyph widths, and a rule of '-' runs through all its cells.
#include "framework/text_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace kvx {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 80;

QImage draw(const TextPage& page, const TextViewGeometry& g) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawTextPage(painter, page, g);
    return image;
}

// The leftmost and rightmost dark pixel of the band of page line `line`; {-1, -1} when it is blank.
std::pair<int, int> inkOfLine(const QImage& image, const TextViewGeometry& g, int line) {
    int left = -1, right = -1;
    const int top = (line - 1) * g.cell.lineHeight + g.topMargin;
    for (int y = top; y < top + g.cell.lineHeight && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (left < 0 || x < left) left = x;
                right = std::max(right, x);
            }
    return {left, right};
}

TEST(TextView, RightAlignedNumbersEndAtTheirLastCellAndRulesFillTheirCells) {
    TextViewGeometry g;
    g.cell = cellSizeForHeight(12);  // cells wider than most glyphs
    TextPage page;
    // "1" and "1.1.1.1" both end in cell 12. The dots are far narrower than their cells: drawn from its first
    // cell on, the second would end more than a cell short.
    page.put(12, 1, "1", true);
    page.put(6, 2, "1.1.1.1", true);
    page.put(3, 3, "----------");
    const QImage image = draw(page, g);
    const int cellEnd = 12 * g.cell.charWidth + g.leftMargin;
    const auto one = inkOfLine(image, g, 1);
    const auto dotted = inkOfLine(image, g, 2);
    ASSERT_GE(one.second, 0);
    ASSERT_GE(dotted.second, 0);
    // Flush right: both end within a glyph's side bearing of the cell end, and at the same place.
    EXPECT_LE(one.second, cellEnd);
    EXPECT_GE(one.second, cellEnd - 3);
    EXPECT_LE(std::abs(one.second - dotted.second), 1);
    // The rule covers its ten cells from the first to the last pixel.
    const auto rule = inkOfLine(image, g, 3);
    EXPECT_EQ(rule.first, 2 * g.cell.charWidth + g.leftMargin);
    EXPECT_EQ(rule.second, 12 * g.cell.charWidth + g.leftMargin - 1);
}

}  // namespace
}  // namespace kvx
