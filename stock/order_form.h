// The order form: one order (of bestell.dat, or the direct order) as the page sent to the distributor. The
// header block (company data, the distributor's address, the delivery data), the table of positions with its
// two sum rows, and the footer; shown in the order text view, printed page by page, and written as a text
// file (Windows-1252, CR LF) through the atomic whole-file write. Texts are built in Windows-1252 and turned
// into UTF-8 where they reach the user interface.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/text_page.h"
#include "settings/settings_record.h"
#include "stock/column_line.h"
#include "stock/orders.h"

namespace kvx {

// The distributor's side of the form. Its contact block is ours to supply: neutral sample values, kept here
// and nowhere else.
inline constexpr const char* kDistributorName = "Zelvo-electronics";
inline constexpr const char* kDistributorFax = "+49 (0)30 555 0199";
inline constexpr const char* kDistributorEmail = "bestellung@zelvo-electronics.example";
inline constexpr const char* kDistributorStreet = "Beispielstraße 12";
inline constexpr const char* kDistributorTown = "10115 Musterstadt";

inline constexpr std::size_t kFormSeparatorLength = 80;

// The delivery-data texts of the form (UTF-8); "?" for a value outside the table.
std::string shippingKindText(int value);
std::string paymentKindText(int value);
std::string backOrderText(int value);

struct OrderForm {
    std::vector<std::string> header;  // the 20 header lines, Windows-1252
    std::array<ColumnLine, 2> titles;
    std::vector<ColumnLine> positions;
    std::array<ColumnLine, 2> sums;   // "BruttoSumme", "NettoSumme"
    std::vector<std::string> footer;  // the 4 footer lines
};

// The form of `order`; the footer date is the order date, today when the order has none.
OrderForm buildOrderForm(StockSession& session, const SettingsRecord& settings, const BookingDocument& order,
                         DateNumber today);
// The text-file layout, line by line (Windows-1252, without line ends): the header, an empty line and a
// separator, the title rows, a separator, the positions, a separator, the sums, an empty line, the footer.
std::vector<ColumnLine> orderTextLines(const OrderForm& form);
// The same as the bytes of the text file: every line ended by CR LF.
std::string orderTextFile(const OrderForm& form);
// The print layout: the header, an empty line, the title rows, a rule, the positions, a rule, the sums, an
// empty line, the footer.
std::vector<ColumnLine> orderPrintLines(const OrderForm& form);
// Page `page` (from 1) of `lines` with `linesPerPage` lines; true when another page follows.
bool drawFormPage(const std::vector<ColumnLine>& lines, int page, int linesPerPage, TextPage& out);
// Lines as a painted page (UTF-8).
TextPage formPage(const std::vector<ColumnLine>& lines);

// "Bestelltext Zeigen": the order text page, or nothing with the information kNoArticles.
std::optional<TextPage> showOrderText(OrderContext& c, const BookingDocument& order);
// "Drucken..": the question "Bestellung <n + 1> drucken?", then the print dialog and the pages. True when
// printed.
bool printOrder(OrderContext& c, const BookingDocument& order, std::uint32_t number);
// "Als Textdatei speichern": the default name (the direct order: the first free "Bestell<k>.TXT" in the text
// folder; an order: "Bestellung<n + 1>.TXT") when the order has none, the save dialog, the file written
// whole; a bare name goes into the text folder, a path with a folder is used as it is. The chosen name is stored in the
// order (an order of bestell.dat is written back; the direct order is marked changed). A file that cannot be written is
// reported with its name and the reason, and an older file of that name stays as it was. True when saved.
bool saveOrderText(OrderContext& c, FileSystem& fs, DocumentRef order);

}  // namespace kvx
