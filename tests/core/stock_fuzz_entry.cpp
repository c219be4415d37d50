// The stock fuzz entry: record decoders, pricing and renumbering on arbitrary bytes; damaged files opened,
// read and changed by a stock session.
#include "stock_fuzz_entry.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "tests/support/catalogue_ram_fs.h"
#include "stock/stock_session.h"

namespace kvx::test {

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

Bytes padded(const std::uint8_t* data, std::size_t size, std::size_t to) {
    Bytes b(data, data + std::min(size, to));
    b.resize(to, 0);
    return b;
}

void fuzzRecords(const std::uint8_t* data, std::size_t size) {
    const Bytes articleBytes = padded(data, size, MyArticleRecord::kSize);
    const MyArticleRecord r = MyArticleRecord::decode(articleBytes);
    check(MyArticleRecord::decode(r.encode()) == r);
    check(r.datasheet.size() <= 120 && r.link.size() <= 120 && r.remark.size() <= 250);
    const std::uint16_t toOrder = quantityToOrder(r);
    check(toOrder == 0 || toOrder >= std::min<int>(r.minimumOrderQuantity, 65535));
    const MyArticleRecord fresh =
        makeMyArticleRecord(r.articleNumber, Bytes(r.articleCopy.begin(), r.articleCopy.end()));
    check(fresh.priceBreakIndex >= 1 && fresh.priceBreakIndex <= 6 && fresh.minimumOrderQuantity <= 60000);

    const Bytes documentBytes = padded(data, size, BookingDocument::kSize);
    BookingDocument d = BookingDocument::decode(documentBytes);
    check(d.validPositions() <= 50);
    check(BookingDocument::decode(d.encode()) == d);
    const PriceData prices = PriceData::of(r.article());
    for (std::size_t i = 0; i < d.validPositions(); ++i) {
        const std::uint32_t q = d.positions[i].quantity;
        const UnitPrice u = unitPrice(prices, q);
        check(u.breakIndex >= 1 && u.breakIndex <= 6);
        const int k = priceBreakIndex(prices, q);
        check(k >= 1 && k <= 6);
        if (const auto n = cheaperQuantity(prices, q)) check(*n > q && *n <= 60000);
        if (const auto p = priceByQuantity(prices, q)) check(p->net % 10 == 0 || p->net == p->gross);
        std::string refusal;
        const BookingDocument before = d;
        if (!pricePosition(d, i, prices, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal))
            check(d == before && !refusal.empty());
    }
    Bytes stored = d.encode();
    const std::uint32_t r0 = size > 1 ? getU16(data, 0) : 0;
    check(renumberPositions(d, r0) == renumberStoredDocument(stored.data(), r0));
    check(stored == d.encode());
}

void fuzzFiles(std::string_view rest) {
    const std::size_t sep = rest.find("#|#");
    RamFileSystem ram;
    ram.put("meinart/artikel.dat", std::string(rest.substr(0, sep)));
    if (sep != std::string_view::npos) ram.put("meinart/bestell.dat", std::string(rest.substr(sep + 3)));
    const std::string articlesBefore = ram.get("meinart/artikel.dat");
    const std::string ordersBefore = ram.get("meinart/bestell.dat");
    FixedClock clock({2026, 12, 8}, 0);
    SettingsRecord settings;
    Catalogue catalogue;
    StockSession s(ram, clock, settings, catalogue, "meinart");
    check(s.open().empty());
    check(s.index().size() == s.myArticleCount());
    for (std::uint32_t n = 0; n <= s.myArticleCount(); ++n) {
        check(s.readMyArticle(n).has_value() == (n < s.myArticleCount()));
        s.myArticleName(n);
    }
    for (std::uint32_t n = 0; n < s.documentCount(BookingFile::Orders); ++n) {
        const BookingDocument d = *s.readDocument(BookingFile::Orders, n);
        for (std::size_t i = 0; i < d.validPositions(); ++i) {
            const bool names = d.positions[i].catalogueDirect == 0 && d.positions[i].recordNumber < s.myArticleCount();
            check(s.priceDataFor(d.positions[i]).has_value() == names);
        }
    }
    check(ram.get("meinart/artikel.dat") == articlesBefore && ram.get("meinart/bestell.dat") == ordersBefore);

    const ArticleNumber a = rest.size() >= 2
                                ? static_cast<ArticleNumber>(static_cast<std::uint8_t>(rest[rest.size() - 2]) |
                                                             static_cast<std::uint8_t>(rest.back()) << 8)
                                : 1;
    MyArticleRecord record;
    record.articleNumber = a;
    const std::uint32_t countBefore = s.myArticleCount();
    const InsertResult r = s.insertMyArticle(record);
    if (r.ok) {
        check(s.myArticleCount() == countBefore + 1 && s.index().at(r.recordNumber + 1) == a);
        check(ram.get("meinart/artikel.dat").size() == std::size_t{s.myArticleCount()} * MyArticleRecord::kSize);
        check(!ram.exists("meinart/journal.dat"));
    } else {
        check(ram.get("meinart/artikel.dat") == articlesBefore && ram.get("meinart/bestell.dat") == ordersBefore);
    }
}

}  // namespace

void fuzzStockInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    if (data[0] == 1) {
        fuzzFiles(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
        return;
    }
    fuzzRecords(data + 1, size - 1);
}

}  // namespace kvx::test
