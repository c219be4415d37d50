// Coding of the article record, the article table and the article's list texts.
#include "catalogue/catalogue_article.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/io_error.h"
#include "base/short_string.h"

namespace kvx {

namespace {

constexpr std::size_t kKurzbezOffset = 6;
constexpr std::size_t kKurzbezStride = 25;
constexpr std::size_t kDimensionOffset = 156;
constexpr std::size_t kQuantityOffset = 240;
constexpr std::size_t kPriceOffset = 264;
constexpr std::size_t kAdditionalOffset = 288;

}  // namespace

CatalogueArticle CatalogueArticle::decode(const std::uint8_t* record, std::size_t size) {
    CatalogueArticle a;
    if (size < kWorkingSize) return a;
    a.wgId = readShortString(record, 0, kWgIdCapacity);
    for (std::size_t i = 0; i < a.kurzbez.size(); ++i)
        a.kurzbez[i] = readShortString(record, kKurzbezOffset + i * kKurzbezStride, kKurzbezCapacity);
    for (std::size_t i = 0; i < 3; ++i) std::copy_n(record + kDimensionOffset + 6 * i, 6, a.dimensions[i].begin());
    a.mainGroup = getI16(record, 174);
    a.upperGroup = getI16(record, 176);
    a.productGroup = getI16(record, 178);
    a.beschreib1 = readShortString(record, 181, kBeschreibCapacity);
    a.beschreib2 = readShortString(record, 207, kBeschreibCapacity);
    a.artikelstat = getU8(record, 233);
    a.schlue100 = getI16(record, 234);
    a.schlumwst = getI16(record, 236);
    a.stkvpe = getI16(record, 238);
    for (std::size_t i = 0; i < kBreaks; ++i) {
        a.quantities[i] = getI32(record, kQuantityOffset + 4 * i);
        a.prices[i] = getI32(record, kPriceOffset + 4 * i);
    }
    if (size >= kRecordSize) {
        for (std::size_t i = 0; i < a.additional.size(); ++i)
            a.additional[i] = getI32(record, kAdditionalOffset + 4 * i);
        a.additionalCount = getU8(record, 328);
    }
    return a;
}

void CatalogueArticle::encode(std::uint8_t* record) const {
    std::fill(record, record + kRecordSize, std::uint8_t{0});
    writeShortString(record, 0, kWgIdCapacity, wgId);
    for (std::size_t i = 0; i < kurzbez.size(); ++i)
        writeShortString(record, kKurzbezOffset + i * kKurzbezStride, kKurzbezCapacity, kurzbez[i]);
    for (std::size_t i = 0; i < 3; ++i)
        std::copy(dimensions[i].begin(), dimensions[i].end(), record + kDimensionOffset + 6 * i);
    putI16(record, 174, mainGroup);
    putI16(record, 176, upperGroup);
    putI16(record, 178, productGroup);
    writeShortString(record, 181, kBeschreibCapacity, beschreib1);
    writeShortString(record, 207, kBeschreibCapacity, beschreib2);
    putU8(record, 233, artikelstat);
    putI16(record, 234, schlue100);
    putI16(record, 236, schlumwst);
    putI16(record, 238, stkvpe);
    for (std::size_t i = 0; i < kBreaks; ++i) {
        putI32(record, kQuantityOffset + 4 * i, quantities[i]);
        putI32(record, kPriceOffset + 4 * i, prices[i]);
    }
    for (std::size_t i = 0; i < additional.size(); ++i) putI32(record, kAdditionalOffset + 4 * i, additional[i]);
    putU8(record, 328, additionalCount);
}

Bytes CatalogueArticle::encode() const {
    Bytes b(kRecordSize);
    encode(b.data());
    return b;
}

ArticleTable::~ArticleTable() = default;

bool ArticleTable::open(FileSystem& fs, const std::string& path) {
    close();
    auto file = std::make_unique<RecordFile>(fs, path, CatalogueArticle::kRecordSize);
    if (!file->open() || file->overflowed()) return false;
    m_file = std::move(file);
    return true;
}

void ArticleTable::close() {
    m_view.reset();
    if (m_file) m_file->close();
    m_file.reset();
}

CatalogueArticle ArticleTable::read(std::uint32_t n) const {
    if (n >= count()) return CatalogueArticle{};
    Bytes rec;
    m_file->read(n, rec);
    return CatalogueArticle::decode(rec);
}

std::shared_ptr<const FileView> ArticleTable::view() const {
    if (!m_file) throw IoError("File not open: " + std::string(kArticleFile));
    if (!m_view) m_view = m_file->viewRecords();
    return m_view;
}

Bytes ArticleTable::readWorkingCopy(std::uint32_t n) const {
    if (n >= count()) return Bytes(CatalogueArticle::kWorkingSize, 0);
    Bytes rec;
    m_file->read(n, rec);
    rec.resize(CatalogueArticle::kWorkingSize);
    return rec;
}

std::string articleName(const CatalogueArticle& a) {
    return cp1252ToUtf8(a.kurzbez[0]);
}

std::string descriptionTextCp1252(const CatalogueArticle& a) {
    std::string text = a.beschreib1;
    if (!a.beschreib2.empty()) text += "; " + a.beschreib2;
    return text;
}

std::string descriptionText(const CatalogueArticle& a) {
    return cp1252ToUtf8(descriptionTextCp1252(a));
}

std::string statusText(int status) {
    switch (status) {
        case 1:
            return "Lager";
        case 2:
            return "Abverkauf";
        case 3:
            return "Bestell";
        case 4:
            return "Auslauf";
        default:
            return "Status " + std::to_string(status);
    }
}

std::string vatText(int vatKey) {
    if (vatKey == 1 || vatKey == 2) return std::to_string(vatPercent(vatKey)) + "% (St" + std::to_string(vatKey) + ")";
    return "StSchlü " + std::to_string(vatKey);
}

Money netPrice(const CatalogueArticle& a, Money gross) {
    return netFromGross(gross, a.schlumwst);
}

std::string priceText(const CatalogueArticle& a, bool net, Money gross) {
    const Money value = net ? netPrice(a, gross) : gross;
    std::string text = formatMoney(value, 2);
    if (a.stkvpe > 1) text += "%";
    return text;
}

Money listPrice(const CatalogueArticle& a) {
    for (const Money p : a.prices)
        if (p >= 1) return p;
    return a.prices[0];
}

std::string listPriceText(const CatalogueArticle& a, bool net) {
    return priceText(a, net, listPrice(a));
}

bool checkArticleNumber(long n, std::uint16_t count, bool rightClick, UserInterface& ui) {
    if (n >= 0 && n < count) return true;
    std::string text = "Falsche Artikelnr:" + std::to_string(n);
    if (!rightClick) text += " " + std::to_string(count);
    ui.inform(text);
    return false;
}

bool selectListArticle(const ArticleTable& table, long n, bool rightClick, UserInterface& ui,
                       ArticleSelection& current) {
    if (!checkArticleNumber(n, table.count(), rightClick, ui)) return false;
    const CatalogueArticle a = table.read(static_cast<std::uint32_t>(n));
    current = {static_cast<ArticleNumber>(n), a.mainGroupNumber(), a.upperGroupNumber(), a.productGroupNumber()};
    return true;
}

std::vector<ListColumn> catalogueListColumns(bool net) {
    return {{"Nr", 4, true},
            {"A-Nr", 6, true},
            {"Ort", 10, false},
            {"Name", 16, false},
            {"Beschreibung", 40, false, true},
            {std::string(net ? "NPreis" : "BPreis") + "(€)", 9, true},
            {"Status", 10, false}};
}

bool passesStatusFilter(int status, const StatusFilter& filter) {
    if (status < 1 || status > 5) return true;
    return filter[static_cast<std::size_t>(status - 1)] != 0;
}

std::vector<CatalogueListRow> catalogueListRows(const ArticleTable& table, int first, int last,
                                                const StatusFilter& filter, bool net) {
    std::vector<CatalogueListRow> rows;
    if (last < first || last - first + 1 > 1001) return rows;
    for (int n = std::max(first, 0); n <= last; ++n) {
        const CatalogueArticle a = table.read(static_cast<std::uint32_t>(n));
        if (!passesStatusFilter(a.artikelstat, filter)) continue;
        std::string description = descriptionText(a);
        if (a.dimension(0) > 0) description += " Maße!";
        CatalogueListRow row;
        row.articleNumber = static_cast<ArticleNumber>(n);
        row.cells = {std::to_string(rows.size() + 1),
                     std::to_string(n),
                     cp1252ToUtf8(a.wgId),
                     articleName(a),
                     description,
                     listPriceText(a, net),
                     statusText(a.artikelstat)};
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace kvx
