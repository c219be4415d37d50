// Re-linking and removing a My Articles entry by hand.
#include "stock/my_article_relink.h"

#include <algorithm>
#include <numeric>

#include "base/io_error.h"
#include "stock/orders.h"

namespace kvx {

namespace {

constexpr std::uint32_t kDocumentBlock = 256;  // documents read at a time
constexpr std::size_t kUsesNamed = 5;          // places named in the refusal; the rest are counted

std::string documentName(BookingFile file, std::uint32_t number) {
    const std::string n = std::to_string(std::uint64_t{number} + 1);
    switch (file) {
        case BookingFile::Orders:
            return "Bestellung " + n;
        case BookingFile::Demand:
            return "Bedarf " + n;
        case BookingFile::Consumption:
            return "Verbrauch " + n;
        case BookingFile::Calculations:
            return "Kalkulation " + n;
        case BookingFile::DirectOrder:
            return "Direktbestellung";
    }
    return n;
}

bool names(const BookingDocument& d, std::uint32_t n) {
    for (std::size_t i = 0; i < d.validPositions(); ++i)
        if (d.positions[i].catalogueDirect == 0 && d.positions[i].recordNumber == n) return true;
    return false;
}

// The records in their new order and where each old one went, with record `n` (the new `record`, or nothing
// when it is removed) at its sorted place.
struct Arrangement {
    std::vector<MyArticleRecord> records;
    std::vector<std::uint32_t> newPlace;
    std::uint32_t rewritten = StockSession::kNoRecord;
};

Arrangement arrange(StockSession& s, std::uint32_t n, const std::optional<MyArticleRecord>& record) {
    std::vector<MyArticleRecord> old;
    old.reserve(s.myArticleCount());
    s.forEachMyArticle([&old](std::uint32_t, const MyArticleRecord& r) { old.push_back(r); });
    std::vector<std::uint32_t> order;  // old record numbers in the new order
    order.reserve(old.size());
    for (std::uint32_t i = 0; i < old.size(); ++i)
        if (i != n) order.push_back(i);
    if (record) {
        // After every entry with a smaller or equal number: entries without an article stay behind it.
        const auto at = std::partition_point(
            order.begin(), order.end(), [&](std::uint32_t i) { return old[i].articleNumber <= record->articleNumber; });
        order.insert(at, n);
        old[n] = *record;
    }
    Arrangement a;
    a.newPlace.assign(old.size(), StockSession::kNoRecord);
    a.records.reserve(order.size());
    for (std::uint32_t k = 0; k < order.size(); ++k) {
        a.newPlace[order[k]] = k;
        a.records.push_back(old[order[k]]);
    }
    if (record) a.rewritten = a.newPlace[n];
    return a;
}

}  // namespace

std::vector<std::string> myArticleUses(StockSession& s, std::uint32_t n) {
    std::vector<std::string> uses;
    for (BookingFile bf : {BookingFile::Orders, BookingFile::Demand, BookingFile::Consumption,
                           BookingFile::Calculations, BookingFile::DirectOrder}) {
        const StockSession::CurrentDocument& current = s.current(bf);
        const std::uint32_t count = s.isOpen(bf) ? s.documentCount(bf) : 0;
        std::vector<std::uint32_t> found;
        for (std::uint32_t first = 0; first < count; first += kDocumentBlock) {
            const std::uint32_t k = std::min(kDocumentBlock, count - first);
            const Bytes block = s.readStoredDocuments(bf, first, k);
            for (std::uint32_t i = 0; i < k; ++i) {
                if (current.loaded && current.number == first + i) continue;  // as held in memory, below
                const BookingDocument d = BookingDocument::decode(
                    block.data() + std::size_t{i} * BookingDocument::kSize, BookingDocument::kSize);
                if (names(d, n)) found.push_back(first + i);
            }
        }
        if (current.loaded && names(current.document, n)) found.push_back(current.number);
        std::sort(found.begin(), found.end());
        for (std::uint32_t d : found) uses.push_back(documentName(bf, d));
    }
    return uses;
}

bool relinkMyArticle(StockSession& s, UserInterface& ui, std::uint32_t n, std::optional<ArticleNumber> picked) {
    const std::optional<MyArticleRecord> entry = s.readMyArticle(n);
    if (!entry) return false;
    if (!picked || !s.catalogue().articles().isSelectable(*picked)) {
        ui.inform(kNoArticleChosen);
        return false;
    }
    const ArticleNumber a = *picked;
    const std::string entryName = articleName(entry->article());
    const std::string label =
        "Katalogartikel " + std::to_string(a) + " " + articleName(s.catalogue().articles().read(a));
    if (entry->articleNumber == a) {
        ui.inform(entryName + " ist bereits dem " + label + " zugeordnet");
        return false;
    }
    if (s.index().find(a) != 0) {
        ui.inform(std::string(kArticleAlreadyPresent) + ": " + label);
        return false;
    }
    if (!ui.ask(entryName + " dem " + label + " zuordnen?")) return false;
    std::optional<MyArticleRecord> fresh = s.makeRecordFor(a);
    if (!fresh) return false;
    MyArticleRecord record = *entry;
    record.articleNumber = fresh->articleNumber;
    record.mainGroup = fresh->mainGroup;
    record.upperGroup = fresh->upperGroup;
    record.goodsGroup = fresh->goodsGroup;
    record.articleCopy = fresh->articleCopy;
    // The entry's own price break, unless the new article has no price there.
    const CatalogueArticle article = record.article();
    const std::size_t own = record.priceBreakIndex;
    if (own < 1 || own > article.prices.size() || article.prices[own - 1] < 1)
        record.priceBreakIndex = fresh->priceBreakIndex;
    Arrangement arrangement;
    try {
        arrangement = arrange(s, n, record);
    } catch (const IoError& e) {
        ui.error(e.what());
        return false;
    }
    return reportWrite(ui, s.rearrangeMyArticles(arrangement.records, arrangement.newPlace, arrangement.rewritten));
}

bool removeMyArticle(StockSession& s, UserInterface& ui, std::uint32_t n) {
    const std::optional<MyArticleRecord> entry = s.readMyArticle(n);
    if (!entry) return false;
    const std::string entryName = articleName(entry->article());
    Arrangement arrangement;
    try {
        const std::vector<std::string> uses = myArticleUses(s, n);
        if (!uses.empty()) {
            std::string text = entryName + kRemoveStillUsed;
            for (std::size_t i = 0; i < uses.size() && i < kUsesNamed; ++i) text += (i == 0 ? "" : ", ") + uses[i];
            if (uses.size() > kUsesNamed) text += " und " + std::to_string(uses.size() - kUsesNamed) + " weitere";
            ui.inform(text + ". Bitte zuerst die Positionen löschen.");
            return false;
        }
        if (!ui.ask(entryName + " aus Meine Artikel löschen?")) return false;
        arrangement = arrange(s, n, std::nullopt);
    } catch (const IoError& e) {
        ui.error(e.what());
        return false;
    }
    return reportWrite(ui, s.rearrangeMyArticles(arrangement.records, arrangement.newPlace, arrangement.rewritten));
}

}  // namespace kvx
