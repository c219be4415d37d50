// Rows of fixed-width columns for the stock pages and reports, and the text-file form of a page: Windows-1252
// lines ending in CR LF, written atomically.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/text_page.h"
#include "base/user_interface.h"
#include "base/view_port.h"

namespace kvx {

// One row of fixed-width columns put on a page cell by cell from `column` on: a right-aligned cell is placed
// after blanks that pad it to its width and drawn flush right, so that the columns stay in line in any font; a
// left-aligned cell is a blank, the text cut to width - 1 characters, and blanks behind. A right-aligned cell
// longer than its width pushes the rest of the row on rather than being cut. Widths count characters.
void putRow(TextPage& page, int column, int line, const std::vector<ListColumn>& columns,
            const std::vector<std::string>& cells);
// The column titles as a row.
void putTitleRow(TextPage& page, int column, int line, const std::vector<ListColumn>& columns);
// A rule of '-' as wide as the columns together.
std::string ruleFor(const std::vector<ListColumn>& columns);
// `text` (UTF-8) cut to `width` characters.
std::string cutUtf8(const std::string& text, std::size_t width);

// Amount in thousandths with two decimals.
std::string amountText(std::int64_t thousandths);
// A date, empty for 0.
std::string dateText(std::int32_t dateNumber);

// The page's lines in Windows-1252, each followed by CR LF.
std::string pageFileBytes(const TextPage& page);
// Asks for the file with `request`, then writes the page to it atomically. A file that cannot be written is
// reported as an error naming the file and the reason. True when the file was written.
bool savePageAsText(FileSystem& fs, UserInterface& ui, const FileRequest& request, const TextPage& page);

}  // namespace kvx
