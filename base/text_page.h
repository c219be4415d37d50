// A page of text placed at character cells, as the painted views, the information form and printed
// pages show it. The core builds pages; the user interface draws them at (column - 1) * character width
// and (line - 1) * line height. The same page written as a text file goes through textFileLines().
#pragma once

#include <string>
#include <vector>

namespace kvx {

struct TextItem {
    int column = 1;    // 1-based
    int line = 1;      // 1-based; items on line <= 0 are not drawn
    std::string text;  // UTF-8
    // Drawn so that it ends where its last character cell ends, as numbers in a column are; its place in the
    // text file is the same either way.
    bool rightAligned = false;
};

struct TextPage {
    std::vector<TextItem> items;
    int highlightedLine = 0;  // 0 = none
    // How the highlighted line is drawn: 0 on the selection background, 1..16 with its text in that colour
    // of the program's colour table.
    int highlightColour = 0;

    void put(int column, int line, std::string text, bool rightAligned = false) {
        items.push_back({column, line, std::move(text), rightAligned});
    }
    int lineCount() const;
};

// The page as lines of a text file: each item is copied into a 255-character line buffer from its column
// on (an item that would end beyond 255 is not copied); lines are the buffers' used lengths.
std::vector<std::string> textFileLines(const TextPage& page);

}  // namespace kvx
