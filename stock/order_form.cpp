// Building, showing, printing and saving the order form.
#include "stock/order_form.h"

#include "base/cp1252.h"
#include "base/money.h"
#include "base/short_string.h"

namespace kvx {

namespace {

const char* const kShippingKinds[] = {"GermanParcel", "UPS", "Post", "Stadtbote", "Abholung"};
const char* const kPaymentKinds[] = {"Nachnahme", "Vorkasse", "Bar", "Auf Rechnung"};
const char* const kBackOrders[] = {"Voll-Lieferung", "Teil-Lieferung", "keine Rückstände"};

template <std::size_t N>
std::string tableText(const char* const (&table)[N], int value) {
    return value >= 0 && static_cast<std::size_t>(value) < N ? table[value] : "?";
}

const std::vector<ColumnSpec> kFormColumns = {{5, true, true}, {8, true, true}, {18, false, false}, {6, true, true},
                                              {8, true, true}, {8, true, true}, {20, false, false}};

std::string cp(const std::string& utf8) {
    return utf8ToCp1252(utf8);
}

ColumnLine plainLine(const std::string& cp1252) {
    ColumnLine line;
    line.text = cp1252.size() > kMaxLineLength ? cp1252.substr(0, kMaxLineLength) : cp1252;
    if (!line.text.empty()) line.cells.push_back({1, line.text});
    return line;
}

std::string folderPrefix(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

}  // namespace

std::string shippingKindText(int value) {
    return tableText(kShippingKinds, value);
}

std::string paymentKindText(int value) {
    return tableText(kPaymentKinds, value);
}

std::string backOrderText(int value) {
    return tableText(kBackOrders, value);
}

OrderForm buildOrderForm(StockSession& session, const SettingsRecord& settings, const BookingDocument& order,
                         DateNumber today) {
    using S = SettingsRecord;
    const std::uint8_t* delivery = settings.data() + S::kDeliveryData;
    OrderForm f;
    f.header = {settings.text(S::kCompanyName, 40),
                settings.text(S::kCompanyStreet, 40),
                settings.text(S::kCompanyTown, 40),
                "",
                "TEL: " + settings.text(S::kCompanyPhone, 20),
                "EMAIL: " + settings.text(S::kCompanyEmail, 40),
                "",
                cp(std::string("Bitte faxen an ") + kDistributorFax),
                cp(std::string("oder mailen an ") + kDistributorEmail),
                "",
                "oder einsenden an:",
                "",
                cp(std::string("  ") + kDistributorName),
                cp(std::string("  ") + kDistributorStreet),
                cp(std::string("  ") + kDistributorTown),
                "",
                "Bestellung, Preisangaben in EURO incl. MWST.",
                cp("Lieferung per         " + shippingKindText(delivery[2])),
                cp("Zahlungsweise:        " + paymentKindText(delivery[3])),
                cp("Rückstandsbehandlung: " + backOrderText(delivery[0]))};
    const bool net = settings.netPrices();
    f.titles[0] = joinColumns(
        kFormColumns, {"Pos.", "Art-Nr", "Artikel", "Menge", net ? "NPreis" : "BPreis", "GPreis", " Beschreibung"});
    f.titles[1] = joinColumns(kFormColumns, {"", "", "", "", cp("(€)"), cp("(€)"), ""});
    for (std::size_t i = 0; i < order.validPositions(); ++i) {
        const BookingPosition& p = order.positions[i];
        f.positions.push_back(joinColumns(
            kFormColumns, {std::to_string(i + 1), std::to_string(p.catalogueNumber), p.name, std::to_string(p.quantity),
                           cp(positionUnitPriceText(p, session.priceDataFor(p), net)), positionTotalText(p, net),
                           " " + p.description}));
    }
    f.sums[0] = joinColumns(kFormColumns, {"", "", "BruttoSumme", "", "", formatMoney(order.grossOrdered), ""});
    f.sums[1] = joinColumns(kFormColumns, {"", "", "NettoSumme", "", "", formatMoney(order.netOrdered), ""});
    const DateNumber date = order.bookedDate != 0 ? order.bookedDate : today;
    f.footer = {"Die Lieferung erfolgt auf Grundlage der Allgemeinen",
                cp("Geschäftsbedingungen von ") + kDistributorName + ".", "",
                formatDateNumber(date) + " Unterschrift:"};
    return f;
}

std::vector<ColumnLine> orderTextLines(const OrderForm& f) {
    const ColumnLine separator = plainLine(std::string(kFormSeparatorLength, '-'));
    std::vector<ColumnLine> lines;
    for (const std::string& h : f.header) lines.push_back(plainLine(h));
    lines.push_back(plainLine(""));
    lines.push_back(separator);
    lines.push_back(f.titles[0]);
    lines.push_back(f.titles[1]);
    lines.push_back(separator);
    lines.insert(lines.end(), f.positions.begin(), f.positions.end());
    lines.push_back(separator);
    lines.push_back(f.sums[0]);
    lines.push_back(f.sums[1]);
    lines.push_back(plainLine(""));
    for (const std::string& l : f.footer) lines.push_back(plainLine(l));
    return lines;
}

std::string orderTextFile(const OrderForm& form) {
    std::string bytes;
    for (const ColumnLine& line : orderTextLines(form)) bytes += line.text + "\r\n";
    return bytes;
}

std::vector<ColumnLine> orderPrintLines(const OrderForm& f) {
    const ColumnLine rule = plainLine(std::string(f.titles[0].text.size(), '-'));
    std::vector<ColumnLine> lines;
    for (const std::string& h : f.header) lines.push_back(plainLine(h));
    lines.push_back(plainLine(""));
    lines.push_back(f.titles[0]);
    lines.push_back(f.titles[1]);
    lines.push_back(rule);
    lines.insert(lines.end(), f.positions.begin(), f.positions.end());
    lines.push_back(rule);
    lines.push_back(f.sums[0]);
    lines.push_back(f.sums[1]);
    lines.push_back(plainLine(""));
    for (const std::string& l : f.footer) lines.push_back(plainLine(l));
    return lines;
}

bool drawFormPage(const std::vector<ColumnLine>& lines, int page, int linesPerPage, TextPage& out) {
    if (page < 1 || linesPerPage < 1) return false;
    const std::size_t first = static_cast<std::size_t>(page - 1) * static_cast<std::size_t>(linesPerPage);
    for (std::size_t k = first; k < lines.size() && k < first + static_cast<std::size_t>(linesPerPage); ++k)
        putColumnLine(out, static_cast<int>(k - first) + 1, lines[k]);
    return first + static_cast<std::size_t>(linesPerPage) < lines.size();
}

TextPage formPage(const std::vector<ColumnLine>& lines) {
    TextPage page;
    for (std::size_t k = 0; k < lines.size(); ++k) putColumnLine(page, static_cast<int>(k) + 1, lines[k]);
    return page;
}

std::optional<TextPage> showOrderText(OrderContext& c, const BookingDocument& order) {
    if (order.validPositions() == 0) {
        c.ui.inform(kNoArticles);
        return std::nullopt;
    }
    return formPage(orderTextLines(buildOrderForm(c.session, c.settings, order, c.clock.todayNumber())));
}

bool printOrder(OrderContext& c, const BookingDocument& order, std::uint32_t number) {
    if (order.validPositions() == 0) {
        c.ui.inform(kNoArticles);
        return false;
    }
    if (refuseVanishedPositions(c.ui, order)) return false;
    const std::string title = "Bestellung " + std::to_string(number + 1);
    if (!c.ui.ask(title + " drucken?")) return false;
    std::vector<ColumnLine> lines =
        orderPrintLines(buildOrderForm(c.session, c.settings, order, c.clock.todayNumber()));
    PrintJob job;
    job.title = title;
    const FontDescription font = c.settings.font(FontSlot::Print);
    if (font.hasFont()) job.fontName = cp1252ToUtf8(font.name);
    job.fontSize = font.size;
    job.firstPage = 1;
    job.lastPage = 20;
    job.request = PrintRequest::forPages(job.lastPage);
    job.drawPage = [lines = std::move(lines)](int page, int linesPerPage, TextPage& out) {
        return drawFormPage(lines, page, linesPerPage, out);
    };
    return c.ui.print(job);
}

bool saveOrderText(OrderContext& c, FileSystem& fs, DocumentRef order) {
    BookingDocument& d = order.document;
    if (d.validPositions() == 0) {
        c.ui.inform(kNoArticles);
        return false;
    }
    if (refuseVanishedPositions(c.ui, d)) return false;
    const bool direct = d.directOrder != 0;
    const std::uint32_t number = direct ? 0 : order.number;
    const std::string folder = folderPrefix(c.settings.textFolder());  // Windows-1252
    if (d.textFile.empty()) {
        std::string name = folder + "Bestellung" + std::to_string(number + 1) + ".TXT";
        // The direct order's counter has no place in the settings block: the first name not taken counts on.
        for (int k = 1; direct && k <= 65535; ++k) {
            name = folder + "Bestell" + std::to_string(k) + ".TXT";
            if (!fs.exists(cp1252ToUtf8(name))) break;
        }
        d.textFile = cutText(name, BookingDocument::kTextFileCapacity);
        order.changed = true;
    }
    FileRequest request;
    request.save = true;
    request.title = "Bestellung " + std::to_string(number + 1) + " als Text speichern";
    request.path = cp1252ToUtf8(d.textFile);
    request.suffixes = {".TXT"};
    const std::optional<std::string> chosen = c.ui.chooseFile(request);
    if (!chosen || chosen->empty()) return false;
    // A bare name goes into the text folder; a path with a folder is used as it is.
    const std::string path = chosen->find('/') != std::string::npos ? *chosen : cp1252ToUtf8(folder) + *chosen;
    const std::string stored = utf8ToCp1252(path);
    if (stored.size() > BookingDocument::kTextFileCapacity) {
        c.ui.error("Der Dateiname ist länger als 80 Zeichen und kann nicht in der Bestellung stehen: " + path);
        return false;
    }
    const std::string bytes = orderTextFile(buildOrderForm(c.session, c.settings, d, c.clock.todayNumber()));
    std::string error;
    if (!writeWholeFileAtomically(fs, path, bytes.data(), bytes.size(), error)) {
        c.ui.error(error);
        return false;
    }
    if (d.textFile != stored) {
        d.textFile = stored;
        order.changed = true;
    }
    if (!direct) (void)saveCurrentOrder(c, order);  // a failure was shown; the name stays for the next write-back
    return true;
}

}  // namespace kvx
