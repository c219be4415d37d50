// Re-linking My Articles, the booking positions and the direct order to a new catalogue.
#include "stock/catalogue_relink.h"

#include <algorithm>
#include <numeric>

#include "base/cp1252.h"
#include "base/io_error.h"
#include "base/money.h"
#include "catalogue/catalogue_commit.h"

namespace kvx {

namespace {

std::string numberText(ArticleNumber n) {
    return n == kNotInCatalogue ? std::string("—") : std::to_string(n);
}

std::string padLeft(std::string s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

// The change of a list price in percent, rounded to one decimal, computed wide: "+8,3 %".
std::string percentText(Money from, Money to) {
    if (from == 0) return "neu";
    const std::int64_t change = (std::int64_t{to} - from) * 1000;
    const std::int64_t base = from < 0 ? -std::int64_t{from} : from;
    const std::int64_t size = change < 0 ? -change : change;
    const std::int64_t tenths = (size + base / 2) / base;
    const bool down = (change < 0) != (from < 0);
    return std::string(tenths == 0 ? ""
                       : down      ? "-"
                                   : "+") +
           std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " %";
}

}  // namespace

std::size_t RelinkReport::moved() const {
    return static_cast<std::size_t>(std::count_if(entries.begin(), entries.end(), [](const RelinkedEntry& e) {
        return e.found() && (e.newNumber != e.oldNumber || e.newRecord != e.oldRecord);
    }));
}

std::size_t RelinkReport::notFound() const {
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(), [](const RelinkedEntry& e) { return !e.found(); }));
}

std::size_t RelinkReport::priceChanges() const {
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(), [](const RelinkedEntry& e) { return e.pricesChanged(); }));
}

TextPage relinkReportPage(const RelinkReport& report) {
    TextPage page;
    int line = 0;
    auto put = [&](std::string text) { page.put(1, ++line, std::move(text)); };
    put("Meine Artikel nach dem Datenimport");
    put("");
    put("Artikel: " + std::to_string(report.entries.size()) + ", neu zugeordnet: " + std::to_string(report.moved()) +
        ", nicht im Katalog: " + std::to_string(report.notFound()) +
        ", Preisänderungen: " + std::to_string(report.priceChanges()));
    if (!report.done) put("Nicht abgeschlossen: " + report.error);
    if (report.moved() > 0) {
        put("");
        put("Neu zugeordnet (Artikelnummer alt -> neu):");
        for (const RelinkedEntry& e : report.entries)
            if (e.found() && (e.newNumber != e.oldNumber || e.newRecord != e.oldRecord))
                put(padLeft(numberText(e.oldNumber), 7) + " -> " + padLeft(numberText(e.newNumber), 5) + "  " +
                    articleName(e.stored));
    }
    if (report.notFound() > 0) {
        put("");
        put("Nicht im Katalog (nicht bestellbar, Ort \"—\"):");
        for (const RelinkedEntry& e : report.entries)
            if (!e.found()) put(padLeft(numberText(e.oldNumber), 7) + "  " + articleName(e.stored));
    }
    if (report.priceChanges() > 0) {
        put("");
        put("Preisänderungen (Listenpreis je Preisstaffel, alt -> neu):");
        for (const RelinkedEntry& e : report.entries) {
            if (!e.pricesChanged()) continue;
            put(padLeft(numberText(e.newNumber), 7) + "  " + articleName(e.stored));
            for (std::size_t i = 0; i < e.stored.prices.size(); ++i) {
                const Money from = e.stored.prices[i], to = e.fresh->prices[i];
                if (from == to) continue;
                put("         Preisstaffel " + std::to_string(i + 1) + ": " + formatMoney(from) + " -> " +
                    formatMoney(to) + " (" + percentText(from, to) + ")");
            }
        }
    }
    if (!report.direct.empty()) {
        put("");
        put("Direktbestellung:");
        for (const RelinkedPosition& p : report.direct)
            put("  Position " + std::to_string(p.position + 1) + " " + p.name + ": " + numberText(p.oldNumber) +
                " -> " + (p.newNumber == kNotInCatalogue ? std::string("nicht im Katalog") : numberText(p.newNumber)));
    }
    return page;
}

CatalogueRelink::CatalogueRelink(FileSystem& fs, StockSession& session, const Catalogue& oldCatalogue)
    : m_fs(fs), m_session(session) {
    m_records.reserve(session.myArticleCount());
    session.forEachMyArticle([this](std::uint32_t, const MyArticleRecord& r) {
        m_records.push_back(r);
        m_matcher.want(ArticleIdentity::of(r.articleCopy.data(), r.articleCopy.size()));
    });
    const StockSession::CurrentDocument& direct = session.current(BookingFile::DirectOrder);
    if (!direct.loaded || !oldCatalogue.isLoaded()) return;
    for (std::size_t i = 0; i < direct.document.validPositions(); ++i) {
        const BookingPosition& p = direct.document.positions[i];
        if (p.catalogueDirect == 0 || !oldCatalogue.articles().isSelectable(p.recordNumber)) continue;
        if (m_directOld.count(p.recordNumber) != 0) continue;
        const ArticleIdentity id = ArticleIdentity::of(oldCatalogue.articles().read(p.recordNumber));
        m_matcher.want(id);
        m_directOld.emplace(p.recordNumber, id);
    }
}

void CatalogueRelink::article(std::uint32_t number, const std::uint8_t* record, std::size_t size) {
    if (number < kNotInCatalogue) m_matcher.offer(static_cast<ArticleNumber>(number), record, size);
}

ChangeSet CatalogueRelink::computeChange() {
    const auto count = static_cast<std::uint32_t>(m_records.size());
    std::vector<ArticleNumber> target(count, kNotInCatalogue);
    std::vector<bool> taken(std::size_t{kNotInCatalogue} + 1, false);
    for (std::uint32_t i = 0; i < count; ++i) {
        const MyArticleRecord& r = m_records[i];
        const std::optional<ArticleNumber> found =
            m_matcher.find(ArticleIdentity::of(r.articleCopy.data(), r.articleCopy.size()));
        // Two entries for one article (a damaged file): the first keeps it.
        if (!found || taken[*found]) continue;
        taken[*found] = true;
        target[i] = *found;
    }
    std::vector<std::uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [&target](std::uint32_t a, std::uint32_t b) { return target[a] < target[b]; });
    m_newPlace.assign(count, 0);
    std::vector<ArticleNumber> articleAt(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        m_newPlace[order[k]] = k;
        articleAt[k] = target[order[k]];
    }

    ChangeSet change;
    const std::uint64_t size = std::uint64_t{count} * MyArticleRecord::kSize;
    Bytes before(size), after(size);
    m_report.entries.clear();
    m_report.entries.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t i = order[k];
        MyArticleRecord r = m_records[i];
        r.encode(before.data() + std::size_t{i} * MyArticleRecord::kSize);
        RelinkedEntry e;
        e.oldRecord = i;
        e.newRecord = k;
        e.oldNumber = r.articleNumber;
        e.newNumber = target[i];
        e.stored = r.article();
        if (e.found()) {
            e.freshCopy = m_matcher.workingCopy(e.newNumber);
            e.fresh = CatalogueArticle::decode(e.freshCopy);
            r.mainGroup = static_cast<std::uint16_t>(e.fresh->mainGroup);
            r.upperGroup = static_cast<std::uint16_t>(e.fresh->upperGroup);
            r.goodsGroup = static_cast<std::uint16_t>(e.fresh->productGroup);
        }
        r.articleNumber = target[i];
        r.encode(after.data() + std::size_t{k} * MyArticleRecord::kSize);
        m_report.entries.push_back(std::move(e));
    }
    std::sort(m_report.entries.begin(), m_report.entries.end(),
              [](const RelinkedEntry& a, const RelinkedEntry& b) { return a.oldRecord < b.oldRecord; });
    if (after != before) change.write(m_session.myArticlesPath(), size, 0, std::move(after));
    m_session.addRelinkedDocuments(change, m_newPlace, articleAt, false);
    addDirectOrderChange(change);
    return change;
}

void CatalogueRelink::addDirectOrderChange(ChangeSet& change) {
    m_report.direct.clear();
    if (m_directOld.empty() || !m_session.isOpen(BookingFile::DirectOrder) ||
        m_session.documentCount(BookingFile::DirectOrder) == 0)
        return;
    Bytes document = m_session.readStoredDocuments(BookingFile::DirectOrder, 0, 1);
    const BookingDocument before = BookingDocument::decode(document);
    const auto lookUp = [this](ArticleNumber a) -> ArticleNumber {
        const auto it = m_directOld.find(a);
        if (it == m_directOld.end()) return a;  // named nothing in the old catalogue either
        return m_matcher.find(it->second).value_or(kNotInCatalogue);
    };
    if (!relinkStoredDirectPositions(document.data(), lookUp)) return;
    const BookingDocument after = BookingDocument::decode(document);
    for (std::size_t i = 0; i < after.validPositions(); ++i) {
        const BookingPosition& a = before.positions[i];
        const BookingPosition& b = after.positions[i];
        if (a.recordNumber != b.recordNumber)
            m_report.direct.push_back({i, a.recordNumber, b.recordNumber, cp1252ToUtf8(a.name)});
    }
    change.write(m_session.path(BookingFile::DirectOrder), BookingDocument::kSize * std::uint64_t{1}, 0,
                 std::move(document));
}

std::vector<std::string> CatalogueRelink::prepare() {
    if (m_session.writesStopped())
        throw IoError(std::string(kWritesStopped) + " Der bisherige Katalog bleibt erhalten.");
    // The documents held in memory go to their files first, so that the re-link covers them too.
    if (const StockWriteResult saved = m_session.writeBackAllCurrent(); !saved.ok)
        throw IoError(saved.message + " Der bisherige Katalog bleibt erhalten.");
    const ChangeSet change = computeChange();
    if (change.empty()) return {};
    const std::string ahead = newCatalogueFileName(kRelinkJournalFile);
    std::string error;
    if (!writeJournalFile(m_fs, ahead, change, error)) {
        (void)m_fs.remove(ahead);  // a leftover is removed by the next start
        throw IoError(error + ". Der bisherige Katalog bleibt erhalten.");
    }
    m_written = true;
    return {kRelinkJournalFile};
}

void CatalogueRelink::committed() {
    if (!m_written) {
        m_report.done = true;
        return;
    }
    const StockWriteResult w = m_session.applyRelink(m_newPlace);
    m_report.done = w.ok;
    m_report.error = w.message;
}

void CatalogueRelink::abandoned() {
    m_report.done = false;
    m_report.entries.clear();
    m_report.direct.clear();
    // A commit that could not be rolled back is finished or undone by the next start, the re-link with it:
    // until then the stock files must stay as the re-link found them.
    if (m_written && m_fs.exists(kImportMarkerFile)) m_session.stopWrites();
}

StockWriteResult takeOverCatalogueData(StockSession& session, const RelinkReport& report) {
    StockTransaction t;
    for (const RelinkedEntry& e : report.entries) {
        if (!e.found() || e.freshCopy.size() != MyArticleRecord::kCopySize) continue;
        std::optional<MyArticleRecord> r = session.readMyArticle(e.newRecord);
        if (!r || r->articleNumber != e.newNumber) continue;  // changed since; left as it is
        if (std::equal(e.freshCopy.begin(), e.freshCopy.end(), r->articleCopy.begin())) continue;
        std::copy(e.freshCopy.begin(), e.freshCopy.end(), r->articleCopy.begin());
        t.myArticles.emplace_back(e.newRecord, *r);
    }
    if (t.myArticles.empty()) return {true, {}};
    return session.commit(t);
}

}  // namespace kvx
