// Joining cells into fixed-width columns.
#include "stock/column_line.h"

#include "base/cp1252.h"

namespace kvx {

ColumnLine joinColumns(const std::vector<ColumnSpec>& specs, const std::vector<std::string>& cells) {
    ColumnLine line;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const ColumnSpec& column = specs[i];
        const std::string text = i < cells.size() ? cells[i] : std::string();
        const auto width = static_cast<std::size_t>(column.width);
        std::string cell;
        if (column.rightAligned) {
            const std::string t = column.number || text.size() <= width ? text : text.substr(0, width);
            cell = std::string(width > t.size() ? width - t.size() : 0, ' ') + t;
        } else {
            const std::size_t room = width > 0 ? width - 1 : 0;
            std::string t = column.number || text.size() <= room ? text : text.substr(0, room);
            cell = " " + t + std::string(room > t.size() ? room - t.size() : 0, ' ');
        }
        line.cells.push_back({static_cast<int>(line.text.size()) + 1, cell});
        line.text += cell;
    }
    if (line.text.size() > kMaxLineLength) line.text.resize(kMaxLineLength);
    return line;
}

void putColumnLine(TextPage& page, int line, const ColumnLine& columns) {
    for (const ColumnCell& c : columns.cells) {
        if (static_cast<std::size_t>(c.column) > kMaxLineLength) break;
        std::string text = c.text;
        const std::size_t room = kMaxLineLength - static_cast<std::size_t>(c.column) + 1;
        if (text.size() > room) text.resize(room);
        page.put(c.column, line, cp1252ToUtf8(text));
    }
}

}  // namespace kvx
