// Column rows and page text files.
#include "stock/report_text.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/date_number.h"
#include "base/money.h"

namespace kvx {

std::string cutUtf8(const std::string& text, std::size_t width) {
    std::u32string chars = utf8Decode(text);
    if (chars.size() <= width) return text;
    chars.resize(width);
    return utf8Encode(chars);
}

void putRow(TextPage& page, int column, int line, const std::vector<ListColumn>& columns,
            const std::vector<std::string>& cells) {
    int at = column;  // where the next cell starts, in characters
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t width = static_cast<std::size_t>(std::max(columns[c].width, 1));
        const std::string cell = c < cells.size() ? cells[c] : std::string();
        if (columns[c].rightAligned) {
            const std::size_t length = utf8Length(cell);
            at += static_cast<int>(width > length ? width - length : 0);
            if (!cell.empty()) page.put(at, line, cell, true);
            at += static_cast<int>(length);
        } else {
            const std::string t = cutUtf8(cell, width - 1);
            page.put(at, line, " " + t + std::string(width - 1 - utf8Length(t), ' '));
            at += static_cast<int>(width);
        }
    }
}

void putTitleRow(TextPage& page, int column, int line, const std::vector<ListColumn>& columns) {
    std::vector<std::string> titles;
    for (const ListColumn& c : columns) titles.push_back(c.title);
    putRow(page, column, line, columns, titles);
}

std::string ruleFor(const std::vector<ListColumn>& columns) {
    std::size_t width = 0;
    for (const ListColumn& c : columns) width += static_cast<std::size_t>(std::max(c.width, 1));
    return std::string(width, '-');
}

std::string amountText(std::int64_t thousandths) {
    return formatMoney(thousandths, 2);
}

std::string dateText(std::int32_t dateNumber) {
    return dateNumber == 0 ? std::string() : formatDateNumber(dateNumber);
}

std::string pageFileBytes(const TextPage& page) {
    std::string bytes;
    for (const std::string& line : textFileLines(page)) bytes += utf8ToCp1252(line) + "\r\n";
    return bytes;
}

bool savePageAsText(FileSystem& fs, UserInterface& ui, const FileRequest& request, const TextPage& page) {
    const std::optional<std::string> path = ui.chooseFile(request);
    if (!path) return false;
    const std::string bytes = pageFileBytes(page);
    std::string error;
    if (!writeWholeFileAtomically(fs, *path, bytes.data(), bytes.size(), error)) {
        ui.error("Die Textdatei " + *path + " ist nicht anlegbar!\n" + error);
        return false;
    }
    return true;
}

}  // namespace kvx
