// Drawing pages of text at character cells: on the main window's canvas, on printed pages and in the
// information form. Column c and line l are drawn at x = (c - 1) * character width + left margin and
// y = (l - 1) * line height + top margin.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <optional>

#include "base/font_description.h"
#include "base/text_page.h"

class QPainter;

namespace kvx {

struct CellSize {
    int charWidth = 8;
    int lineHeight = 14;
    int halfLine() const { return lineHeight / 2; }
};

// From the absolute font height h in pixels (10 when 0): line height 1.4 h, character width 0.7 h, each
// rounded to the nearest integer, ties to even.
CellSize cellSizeForHeight(int pixelHeight);
CellSize cellSizeFromFont(const QFont& font);

// Colour `number` of the program's colour table (17 entries): 0 the default text colour (black), then
// black, maroon, green, olive, navy, purple, teal, gray, silver, red, lime, blue, yellow, fuchsia, aqua and
// white; numbers outside 0..16 give the default.
QColor programColour(int number);

// A font from a description, or nothing when the description names no font (3 characters or fewer).
std::optional<QFont> fontFromDescription(const FontDescription& description);

struct TextViewGeometry {
    CellSize cell;
    int leftMargin = 4;
    int topMargin = 4;
    int firstLine = 1;     // the page line shown at the top (vertical scrolling)
    int visibleLines = 0;  // 0 = all
};

// Draws the page; the highlighted line gets a selection background, or its text the page's highlight
// colour when it names one. A right-aligned item ends where its last cell ends; an item of three or more '-'
// only is drawn as a line through its cells.
void drawTextPage(QPainter& painter, const TextPage& page, const TextViewGeometry& geometry);

// The page as text lines (for transcripts and text files).
QStringList textPageLines(const TextPage& page);

}  // namespace kvx
