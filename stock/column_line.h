// Table lines of the order views and the order form: cells joined into columns of fixed width. A right-aligned
// cell is padded on the left to its width; a left-aligned one is a blank and the text padded on the right to
// the width minus 1. A text longer than its room is cut, except numbers: an amount is never cut, its column
// widens for it on that line and the later columns move to the right. Texts are Windows-1252 (one byte,
// one character).
#pragma once

#include <string>
#include <vector>

#include "base/text_page.h"

namespace kvx {

struct ColumnSpec {
    int width = 0;
    bool rightAligned = false;
    bool number = false;  // never cut
};

struct ColumnCell {
    int column = 1;    // 1-based character position in the line
    std::string text;  // padded to its width
};

struct ColumnLine {
    std::vector<ColumnCell> cells;
    std::string text;  // the joined line, cut at 255 characters
};

inline constexpr std::size_t kMaxLineLength = 255;

// Joins `cells` (one per column; missing ones are empty) into a line.
ColumnLine joinColumns(const std::vector<ColumnSpec>& specs, const std::vector<std::string>& cells);

// Puts each cell of the line on `page` at its column on `line`, converted to UTF-8.
void putColumnLine(TextPage& page, int line, const ColumnLine& columns);

}  // namespace kvx
