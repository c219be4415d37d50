// Article information pages and price breaks.
#include "catalogue/article_pages.h"

#include <cmath>
#include <cstdio>

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

namespace {

constexpr int kCataloguePageValueColumn = 14;  // 13 characters right of the labels
constexpr int kMyArticlePageValueColumn = 16;  // 15 characters right of the labels
// The price table's columns: wide enough for "Brutto(€)" and a price with "%".
constexpr int kTableColumnStep = 10;

std::string placeName(const GroupTables& groups, int productGroup) {
    return cp1252ToUtf8(cutText(groups.productGroupName(productGroup), 10));
}

std::string rightAligned(long long value, std::size_t width) {
    std::string s = std::to_string(value);
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

std::string shortDecimal(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", value);
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

}  // namespace

std::string furtherNamesText(const CatalogueArticle& a) {
    std::string text = a.kurzbez[1];
    for (std::size_t i = 2; i < a.kurzbez.size(); ++i)
        if (!a.kurzbez[i].empty()) text += ", " + a.kurzbez[i];
    return cp1252ToUtf8(text);
}

double equivalentQuantity(const CatalogueArticle& a, int i) {
    if (i < 2 || i > CatalogueArticle::kBreaks) return 0;
    const auto k = static_cast<std::size_t>(i - 1);
    const Money previous = a.prices[k - 1];
    if (previous <= 0) return 0;
    return std::ceil(static_cast<double>(a.quantities[k]) * a.prices[k] / previous);
}

std::string equivalentQuantityText(const CatalogueArticle& a, int i) {
    const double n = equivalentQuantity(a, i);
    if (i < 2 || i > CatalogueArticle::kBreaks) return "";
    const auto k = static_cast<std::size_t>(i - 1);
    // Without a price of the break before there is nothing to compare with.
    if (a.prices[k - 1] <= 0) return "";
    const std::int32_t threshold = a.quantities[k];
    // 0 <= n < threshold keeps the product below 2^62 and the divisor positive (damaged records may
    // carry negative thresholds or prices).
    if (threshold <= 0 || n < 0 || !(n < threshold)) return "";
    const auto whole = static_cast<long long>(n);
    const long long amount = static_cast<long long>(a.prices[k - 1]) * whole / threshold;
    return rightAligned(whole, 4) + "(" + priceText(a, false, static_cast<Money>(amount)) + ")";
}

int addPriceLines(TextPage& page, int line, int valueColumn, const CatalogueArticle& a) {
    bool hasBreaks = false;
    for (std::size_t i = 1; i < a.prices.size(); ++i) hasBreaks = hasBreaks || a.prices[i] > 0;
    if (!hasBreaks) {
        page.put(1, line, "Brutto");
        page.put(valueColumn, line++, priceText(a, false, a.prices[0]) + " €");
        page.put(1, line, "Netto");
        page.put(valueColumn, line++, priceText(a, true, a.prices[0]) + " €");
        return line;
    }
    page.put(1, line, "Preisstaffel");
    const char* headings[] = {"ab Menge", "Brutto(€)", "Netto[€]", "g. Menge"};
    for (int c = 0; c < 4; ++c) page.put(valueColumn + c * kTableColumnStep, line, headings[c]);
    ++line;
    for (int i = 1; i <= CatalogueArticle::kBreaks; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        if (a.prices[k] <= 0) continue;
        page.put(1, line, "Preis" + std::to_string(i));
        page.put(valueColumn, line, std::to_string(a.quantities[k]));
        page.put(valueColumn + kTableColumnStep, line, priceText(a, false, a.prices[k]));
        page.put(valueColumn + 2 * kTableColumnStep, line, priceText(a, true, a.prices[k]));
        if (i >= 2) {
            const std::string g = equivalentQuantityText(a, i);
            if (!g.empty()) page.put(valueColumn + 3 * kTableColumnStep, line, g);
        }
        ++line;
    }
    return line;
}

std::string dimensionsText(const CatalogueArticle& a) {
    return shortDecimal(a.dimension(0)) + "x" + shortDecimal(a.dimension(1)) + "x" + shortDecimal(a.dimension(2));
}

TextPage catalogueArticlePage(const GroupTables& groups, ArticleNumber n, const CatalogueArticle& a) {
    TextPage page;
    const int v = kCataloguePageValueColumn;
    int line = 1;
    auto add = [&](const char* label, std::string value) {
        page.put(1, line, label);
        page.put(v, line++, std::move(value));
    };
    add("Art-Nr", std::to_string(n));
    add("Ort", placeName(groups, a.productGroupNumber()));
    add("Name", articleName(a));
    add("Weitere Namen", furtherNamesText(a));
    add("Beschreibung", descriptionText(a));
    add("Status", statusText(a.artikelstat));
    add("Schlüsssel1", std::to_string(a.schlue100));
    add("Schlüsssel2", std::to_string(a.stkvpe));
    add("Mwst", vatText(a.schlumwst));
    line = addPriceLines(page, line, v, a);
    if (a.dimension(0) > 0) add("Maße", dimensionsText(a));
    return page;
}

TextPage myArticlePage(const GroupTables& groups, const MyArticlePageValues& values) {
    TextPage page;
    const int v = kMyArticlePageValueColumn;
    int line = 1;
    auto add = [&](const char* label, std::string value) {
        page.put(1, line, label);
        page.put(v, line++, std::move(value));
    };
    const CatalogueArticle& a = values.copy;
    add("Nr", std::to_string(values.entryIndex + 1));
    add("Art-Nr", std::to_string(values.articleNumber));
    add("Ort", placeName(groups, values.productGroup));
    add("Name", articleName(a));
    add("Weitere Namen", furtherNamesText(a));
    add("Beschreibung", descriptionText(a));
    add("Minbestand", std::to_string(values.minStock));
    add("MinBestellMenge", std::to_string(values.minOrderQuantity));
    add("Datenblatt", values.datasheet);
    add("Link", values.link);
    add("Bemerkung", values.remark);
    line = addPriceLines(page, line, v, a);
    page.put(1, line++, "Aktuell:");
    add("Bestand", std::to_string(values.stock));
    add("Bedarf", std::to_string(values.demand));
    add("Bestellt", std::to_string(values.onOrder));
    add("Bestellen", std::to_string(values.toOrder));
    return page;
}

TextPage missingMyArticlePage(int k) {
    TextPage page;
    page.put(1, 1, "Meine Artikel, Datensatz nicht vorhanden: " + std::to_string(k));
    return page;
}

}  // namespace kvx
