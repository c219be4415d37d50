// Group tables, spans, reverse look-ups and display names.
#include "catalogue/group_tables.h"

#include <algorithm>

#include "base/io_error.h"
#include "base/short_string.h"

namespace kvx {

namespace {

constexpr std::size_t kDisplayNameCapacity = 80;

// Reads every record of a group file; false when it cannot be opened or read, or when it holds more
// records than a 16-bit group number reaches.
template <typename Record>
bool readAllRecords(FileSystem& fs, const std::string& path, std::vector<Record>& out) {
    out.clear();
    RecordFile file(fs, path, Record::kSize);
    if (!file.open() || file.overflowed()) return false;
    try {
        Bytes rec;
        out.reserve(file.count());
        for (std::uint32_t n = 0; n < file.count(); ++n) {
            file.read(n, rec);
            out.push_back(Record::decode(rec.data()));
        }
    } catch (const IoError&) {
        out.clear();
        return false;
    }
    return true;
}

std::uint16_t minus1(std::uint16_t v) {
    return static_cast<std::uint16_t>(v - 1);
}

}  // namespace

GroupTables::~GroupTables() = default;

bool GroupTables::loadMainGroups(FileSystem& fs, const std::string& path) {
    const bool ok = readAllRecords(fs, path, m_main);
    m_mainRanges.clear();
    return ok;
}

bool GroupTables::loadUpperGroups(FileSystem& fs, const std::string& path) {
    const bool ok = readAllRecords(fs, path, m_upper);
    m_upperRanges.clear();
    return ok;
}

bool GroupTables::openProductGroups(FileSystem& fs, const std::string& path) {
    closeProductGroups();
    auto file = std::make_unique<RecordFile>(fs, path, ProductGroup::kSize);
    if (!file->open() || file->overflowed()) return false;
    m_productFile = std::move(file);
    return true;
}

void GroupTables::closeProductGroups() {
    if (m_productFile) m_productFile->close();
    m_productFile.reset();
}

void GroupTables::clear() {
    m_main.clear();
    m_upper.clear();
    closeProductGroups();
    m_mainRanges.clear();
    m_upperRanges.clear();
    m_articleCount = 0;
}

std::uint16_t GroupTables::productCount() const {
    return m_productFile ? m_productFile->count() : 0;
}

MainGroup GroupTables::mainGroup(int m) const {
    if (m < 1 || m > mainCount()) return MainGroup{};
    return m_main[static_cast<std::size_t>(m - 1)];
}

UpperGroup GroupTables::upperGroup(int u) const {
    if (u < 1 || u > upperCount()) return UpperGroup{};
    return m_upper[static_cast<std::size_t>(u - 1)];
}

ProductGroup GroupTables::productGroup(int g) const {
    if (g < 1 || g > productCount()) return ProductGroup{"", "?", 0};
    Bytes rec;
    m_productFile->read(static_cast<std::uint32_t>(g - 1), rec);
    return ProductGroup::decode(rec.data());
}

NumberSpan GroupTables::upperSpanOfMain(int m) const {
    const std::uint16_t count = upperCount();
    if (m < 1 || m > mainCount()) return {count, count};
    const std::uint16_t first = mainGroup(m).firstUpper;
    const std::uint16_t last = m == mainCount() ? count : minus1(mainGroup(m + 1).firstUpper);
    return {first, last};
}

NumberSpan GroupTables::productSpanOfUpper(int u) const {
    const std::uint16_t count = productCount();
    if (u < 1 || u > upperCount()) return {count, count};
    const std::uint16_t first = upperGroup(u).first;
    const std::uint16_t last = u == upperCount() ? count : minus1(upperGroup(u + 1).first);
    return {first, last};
}

NumberSpan GroupTables::articleSpanOfProduct(int g) const {
    if (g < 1 || g > productCount()) return {m_articleCount, m_articleCount};
    const std::uint16_t first = productGroup(g).first;
    const std::uint16_t last = g == productCount() ? m_articleCount : minus1(productGroup(g + 1).first);
    return {first, last};
}

NumberSpan GroupTables::articleSpanOfProductRun(int g1, int g2) const {
    const int count = productCount();
    // A run reaching the last product group ends where that group ends (the article count), so that
    // the upper and main ranges cover exactly their product groups.
    const std::uint16_t first = (g1 < 1 || g1 > count) ? m_articleCount : productGroup(g1).first;
    const std::uint16_t last = (g2 < 1 || g2 >= count) ? m_articleCount : minus1(productGroup(g2 + 1).first);
    return {first, last};
}

int GroupTables::upperOfProduct(int g) const {
    int found = 0;
    for (int u = 1; u <= upperCount() && m_upper[static_cast<std::size_t>(u - 1)].first <= g; ++u) found = u;
    return found;
}

int GroupTables::mainOfUpper(int u) const {
    int found = 0;
    for (int m = 1; m <= mainCount() && m_main[static_cast<std::size_t>(m - 1)].firstUpper <= u; ++m) found = m;
    return found;
}

std::string GroupTables::mainGroupName(int m) const {
    if (m < 1 || m > mainCount()) return "??";
    const MainGroup g = mainGroup(m);
    return cutText(std::string(1, g.key) + " " + g.name, kDisplayNameCapacity);
}

std::string GroupTables::upperGroupName(int u) const {
    const UpperGroup g = upperGroup(u);
    return cutText(g.key + " " + g.name, kDisplayNameCapacity);
}

std::string GroupTables::productGroupName(int g) const {
    if (g < 1 || g > productCount()) return "?";
    const ProductGroup p = productGroup(g);
    return cutText(p.key + " " + p.name, kDisplayNameCapacity);
}

void GroupTables::computeRanges() {
    m_upperRanges.assign(upperCount(), NumberSpan{});
    for (int u = 1; u <= upperCount(); ++u) {
        const NumberSpan products = productSpanOfUpper(u);
        m_upperRanges[static_cast<std::size_t>(u - 1)] = articleSpanOfProductRun(products.first, products.last);
    }
    m_mainRanges.assign(mainCount(), NumberSpan{});
    for (int m = 1; m <= mainCount(); ++m) {
        const NumberSpan uppers = upperSpanOfMain(m);
        const int g1 = productSpanOfUpper(uppers.first).first;
        const int g2 = productSpanOfUpper(uppers.last).last;
        m_mainRanges[static_cast<std::size_t>(m - 1)] = articleSpanOfProductRun(g1, g2);
    }
}

NumberSpan GroupTables::mainArticleRange(int m) const {
    if (m < 1 || static_cast<std::size_t>(m) > m_mainRanges.size()) return {};
    return m_mainRanges[static_cast<std::size_t>(m - 1)];
}

NumberSpan GroupTables::upperArticleRange(int u) const {
    if (u < 1 || static_cast<std::size_t>(u) > m_upperRanges.size()) return {};
    return m_upperRanges[static_cast<std::size_t>(u - 1)];
}

}  // namespace kvx
