// The order form: column joining, the delivery-data texts, the text file compared byte for byte with the
// expected files (gross and net display, a name cut to 17 characters, "%" for prices per hundred, a delivery
// value outside its table), the default names and the chosen name of the text file, a failed save under a
// fault at every call leaving the older file, the printed pages and the order text view.
#include "stock/order_form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/cp1252.h"
#include "tests/core/order_test_world.h"

namespace kvx {
namespace {

using test::Cancel;
using test::OrderWorld;

std::string expectedFile(const std::string& name) {
    const char* source = std::getenv("KVX_SOURCE_DIR");
    const std::filesystem::path root = source
                                           ? std::filesystem::path(source)
                                           : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream in(root / "tests" / "core" / "data" / "order_form" / name / "expected.txt", std::ios::binary);
    EXPECT_TRUE(in) << "no expected file for " << name;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void setSettingsBytes(SettingsRecord& s, std::size_t offset, const std::vector<std::uint8_t>& values) {
    std::string bytes(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
    for (std::size_t i = 0; i < values.size(); ++i) bytes[offset + i] = static_cast<char>(values[i]);
    s.loadBytes(bytes);
}

void setCompany(SettingsRecord& s) {
    s.setText(SettingsRecord::kCompanyName, 40, "Werkstatt M\xFCller");
    s.setText(SettingsRecord::kCompanyStreet, 40,
              "Hauptstra\xDF"
              "e 5");
    s.setText(SettingsRecord::kCompanyTown, 40, "12345 Irgendwo");
    s.setText(SettingsRecord::kCompanyPhone, 20, "0123 456789");
    s.setText(SettingsRecord::kCompanyEmail, 40, "info@werkstatt.example");
    s.setText(SettingsRecord::kTextFolder, 120, "texte/");
}

// Articles 2 (breaks), 3 (per hundred) and 4 (24-character name); an order of 9, 250 and 1 pieces.
void putFormOrder(OrderWorld& w, DateNumber orderDate) {
    w.putMyArticles({{2}, {3}, {4}});
    BookingDocument d = w.orderOf({{0, 9}, {1, 250}, {2, 1}}, orderDate == 0 ? 0 : 1);
    d.bookedDate = orderDate;
    w.putOrders({w.orderOf({{0, 1}}), d});
}

TEST(OrderForm, ColumnsArePaddedCutOrWidened) {
    const std::vector<ColumnSpec> specs = {{5, true, true}, {6, false, false}, {4, true, true}};
    struct Row {
        std::vector<std::string> cells;
        std::string text;
        std::vector<int> columns;
    };
    const Row rows[] = {
        {{"1", "ab", "7"}, "    1 ab      7", {1, 6, 12}},
        {{"12345", "abcdefgh", "1"}, "12345 abcde   1", {1, 6, 12}},
        {{"123456", "x", "12.50%"}, "123456 x    12.50%", {1, 7, 13}},  // numbers widen their column
        {{}, "               ", {1, 6, 12}},
    };
    for (const Row& row : rows) {
        const ColumnLine line = joinColumns(specs, row.cells);
        EXPECT_EQ(line.text, row.text);
        std::vector<int> columns;
        for (const ColumnCell& c : line.cells) columns.push_back(c.column);
        EXPECT_EQ(columns, row.columns) << row.text;
    }
    const ColumnLine longLine = joinColumns({{300, false, false}}, {std::string(400, 'x')});
    EXPECT_EQ(longLine.text.size(), 255u) << "a joined line is cut at 255 characters";
    TextPage page;
    putColumnLine(page, 1, longLine);
    EXPECT_EQ(textFileLines(page)[0].size(), 255u);
}

TEST(OrderForm, DeliveryDataTexts) {
    struct Row {
        int value;
        const char *shipping, *payment, *backOrder;
    };
    const Row rows[] = {
        {0, "GermanParcel", "Nachnahme", "Voll-Lieferung"},
        {1, "UPS", "Vorkasse", "Teil-Lieferung"},
        {2, "Post", "Bar", "keine Rückstände"},
        {3, "Stadtbote", "Auf Rechnung", "?"},
        {4, "Abholung", "?", "?"},
        {5, "?", "?", "?"},
        {255, "?", "?", "?"},
        {-1, "?", "?", "?"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(shippingKindText(row.value), row.shipping) << row.value;
        EXPECT_EQ(paymentKindText(row.value), row.payment) << row.value;
        EXPECT_EQ(backOrderText(row.value), row.backOrder) << row.value;
    }
}

TEST(OrderForm, TextFileMatchesTheExpectedBytes) {
    struct Row {
        const char* name;
        bool net;
        std::vector<std::uint8_t> delivery;  // order type, destination, shipping, payment
        DateNumber orderDate;
    };
    const Row rows[] = {
        {"gross", false, {2, 0, 1, 3}, 1261203},
        {"net_undated_outside_tables", true, {3, 0, 7, 4}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        setCompany(w.settings);
        setSettingsBytes(w.settings, SettingsRecord::kPriceDisplay, {static_cast<std::uint8_t>(row.net)});
        setSettingsBytes(w.settings, SettingsRecord::kDeliveryData, row.delivery);
        putFormOrder(w, row.orderDate);
        w.open();
        const std::string bytes = orderTextFile(buildOrderForm(*w.session, w.settings, w.order, test::kToday));
        EXPECT_EQ(bytes, expectedFile(row.name));
    }
}

TEST(OrderForm, SavedAsTextWithItsName) {
    struct Row {
        const char* name;
        bool direct;
        std::string stored;  // the order's name before
        std::vector<std::string> existing;
        std::string offered, title;   // in the dialog
        std::string chosen, written;  // answered, and the file that is written
    };
    const Row rows[] = {
        {"order, default name",
         false,
         "",
         {},
         "texte/Bestellung2.TXT",
         "Bestellung 2 als Text speichern",
         "texte/Bestellung2.TXT",
         "texte/Bestellung2.TXT"},
        {"order, a name without a folder",
         false,
         "",
         {},
         "texte/Bestellung2.TXT",
         "Bestellung 2 als Text speichern",
         "liste.txt",
         "texte/liste.txt"},
        {"order, an absolute name",
         false,
         "texte/alt.TXT",
         {},
         "texte/alt.TXT",
         "Bestellung 2 als Text speichern",
         "/ablage/b.TXT",
         "/ablage/b.TXT"},
        {"direct order, first free name",
         true,
         "",
         {"texte/Bestell1.TXT", "texte/Bestell2.TXT"},
         "texte/Bestell3.TXT",
         "Bestellung 1 als Text speichern",
         "texte/Bestell3.TXT",
         "texte/Bestell3.TXT"},
        {"direct order, its name",
         true,
         "texte/Bestell1.txt",
         {},
         "texte/Bestell1.txt",
         "Bestellung 1 als Text speichern",
         "texte/Bestell1.txt",
         "texte/Bestell1.txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        setCompany(w.settings);
        putFormOrder(w, 0);
        for (const std::string& e : row.existing) w.ram.put(e, "alt");
        w.open();
        OrderContext c = w.context();
        if (row.direct) {
            w.direct = w.order;
            w.direct.directOrder = 1;
        }
        DocumentRef doc = row.direct ? w.directRef() : w.ref();
        doc.document.textFile = row.stored;
        const BookingDocument before = doc.document;
        w.ui.answers = {row.chosen};
        ASSERT_TRUE(saveOrderText(c, w.ram, doc));
        EXPECT_EQ(w.ui.lastFileRequest.path, row.offered);
        EXPECT_EQ(w.ui.lastFileRequest.title, row.title);
        EXPECT_TRUE(w.ui.lastFileRequest.save);
        EXPECT_EQ(w.ui.lastFileRequest.suffixes, std::vector<std::string>{".TXT"});
        EXPECT_EQ(w.ram.get(row.written), orderTextFile(buildOrderForm(*w.session, w.settings, before, test::kToday)));
        EXPECT_EQ(doc.document.textFile, row.written);
        EXPECT_FALSE(w.ram.exists(row.written + ".tmp"));
        if (row.direct) {
            EXPECT_EQ(w.directChanged, row.stored != row.written) << "a new name is written when the view is left";
        } else {
            EXPECT_FALSE(w.changed);
            StockSession again(w.ram, w.clock, w.settings, w.catalogue, "meinart");
            ASSERT_TRUE(again.open().empty());
            EXPECT_EQ(again.readDocument(BookingFile::Orders, 1)->textFile, row.written) << "written back";
        }
        EXPECT_TRUE(w.ui.linesStartingWith("error").empty());
    }
}

TEST(OrderForm, SaveRefusals) {
    OrderWorld w;
    setCompany(w.settings);
    putFormOrder(w, 0);
    w.open();
    OrderContext c = w.context();
    // Cancelled: nothing written; the default name stays with the order.
    w.ui.answers = {Cancel{}};
    EXPECT_FALSE(saveOrderText(c, w.ram, w.ref()));
    EXPECT_FALSE(w.ram.exists("texte/Bestellung2.TXT"));
    EXPECT_EQ(w.order.textFile, "texte/Bestellung2.TXT");
    // A name too long for the order's field is refused before anything is written.
    const std::string longName = "/" + std::string(90, 'a') + ".TXT";
    w.ui.answers = {longName};
    EXPECT_FALSE(saveOrderText(c, w.ram, w.ref()));
    EXPECT_FALSE(w.ram.exists(longName));
    EXPECT_EQ(w.ui.linesStartingWith("error").size(), 1u);
    // Without positions nothing is shown, printed or saved.
    BookingDocument empty = BookingDocument::initialised(test::kToday);
    std::uint32_t n = 0;
    bool changed = false;
    w.ui.log.clear();
    EXPECT_FALSE(saveOrderText(c, w.ram, {empty, n, changed}));
    EXPECT_FALSE(printOrder(c, empty, 0));
    EXPECT_FALSE(showOrderText(c, empty));
    EXPECT_EQ(w.ui.log, std::vector<std::string>(3, "info: Keine Artikel"));
}

TEST(OrderForm, AFailedSaveLeavesTheOlderFileAndSaysWhy) {
    const std::string target = "texte/Bestellung2.TXT";
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            const std::string where = "kind " + std::to_string(static_cast<int>(kind)) + " call " + std::to_string(n);
            OrderWorld w;
            setCompany(w.settings);
            putFormOrder(w, 0);
            w.ram.put(target, "older");
            w.open();
            FaultyFileSystem fs(w.ram);
            OrderContext c = w.context();
            w.order.textFile = target;
            const std::string expected = orderTextFile(buildOrderForm(*w.session, w.settings, w.order, test::kToday));
            fs.failAt(n, kind);
            w.ui.answers = {target};
            const bool ok = saveOrderText(c, fs, w.ref());
            const bool reached = fs.calls() >= n;
            fs.dropUnsyncedWrites();
            const std::string now = w.ram.get(target);
            ASSERT_TRUE(now == "older" || now == expected) << where;
            if (ok) {
                EXPECT_EQ(now, expected) << "reported saved but lost, " << where;
            } else {
                const std::vector<std::string> errors = w.ui.linesStartingWith("error[");
                ASSERT_EQ(errors.size(), 1u) << where;
                EXPECT_NE(errors[0].find(target), std::string::npos) << errors[0];
                EXPECT_TRUE(errors[0].find("I/O error 5") != std::string::npos ||
                            errors[0].find("Disk full") != std::string::npos)
                    << errors[0];
            }
            if (!reached) {
                EXPECT_TRUE(ok) << where;
                break;
            }
        }
    }
}

TEST(OrderForm, PrintedPagesAndTheTextView) {
    OrderWorld w;
    setCompany(w.settings);
    w.putMyArticles({{1}});
    std::vector<std::pair<std::uint16_t, std::uint16_t>> fifty(50, {0, 1});
    w.putOrders({w.orderOf(fifty)});
    w.open();
    OrderContext c = w.context();
    w.ui.answers = {false};
    EXPECT_FALSE(printOrder(c, w.order, w.number));
    EXPECT_EQ(w.ui.log, std::vector<std::string>{"ask[]: Bestellung 1 drucken? -> Nein"});

    w.ui.log.clear();
    w.ui.answers = {true, true};
    EXPECT_TRUE(printOrder(c, w.order, w.number));
    const std::vector<ColumnLine> lines =
        orderPrintLines(buildOrderForm(*w.session, w.settings, w.order, test::kToday));
    ASSERT_EQ(lines.size(), 82u) << "20 + 1 + 2 + 1 + 50 + 1 + 2 + 1 + 4";
    std::vector<std::string> expected = {"ask[]: Bestellung 1 drucken? -> Ja", "print: Bestellung 1"};
    for (std::size_t k = 0; k < lines.size(); ++k) {
        expected.push_back("page " + std::to_string(k < 60 ? 1 : 2) + ": " + cp1252ToUtf8(lines[k].text));
    }
    EXPECT_EQ(w.ui.log, expected);
    EXPECT_EQ(lines[20].text, "");
    EXPECT_EQ(lines[21].text.substr(0, 20), " Pos.  Art-Nr Artike") << "the title rows follow an empty line";
    EXPECT_EQ(lines[23].text, std::string(73, '-')) << "a rule as wide as the table";

    const std::optional<TextPage> view = showOrderText(c, w.order);
    ASSERT_TRUE(view);
    const std::vector<std::string> viewLines = textFileLines(*view);
    ASSERT_EQ(viewLines.size(), 20u + 2 + 2 + 1 + 50 + 1 + 2 + 1 + 4);
    EXPECT_EQ(viewLines[0], "Werkstatt Müller");
    EXPECT_EQ(viewLines[19], "Rückstandsbehandlung: Voll-Lieferung");
    EXPECT_EQ(viewLines[21], std::string(80, '-'));
}

}  // namespace
}  // namespace kvx
