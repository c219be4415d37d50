// The information pages of an article: the catalogue article page ("Artikel"), the price lines with the
// price-break table, and the My Articles page built from the entry's copy of the article.
#pragma once

#include <cstdint>
#include <string>

#include "base/text_page.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_tables.h"

namespace kvx {

// Designation 2, then ", " and each non-empty designation 3..6 (UTF-8).
std::string furtherNamesText(const CatalogueArticle& a);

// Equivalent quantity of break i (1-based, 2..6): the smallest whole number not below
// threshold(i) * price(i) / price(i-1); 0 when price(i-1) is not positive or i is out of range.
double equivalentQuantity(const CatalogueArticle& a, int i);
// "g. Menge" of break i: n right-aligned in 4, "(", the gross price text of price(i-1) * n / threshold(i),
// ")" when n is below the threshold; empty otherwise.
std::string equivalentQuantityText(const CatalogueArticle& a, int i);

// The price lines from `line` on (label at column 1, values from `valueColumn`); returns the next free
// line. Without prices beyond break 1: "Brutto" and "Netto" lines; otherwise the "Preisstaffel" table.
int addPriceLines(TextPage& page, int line, int valueColumn, const CatalogueArticle& a);

// Dimensions as "d1xd2xd3", each with up to three decimals and no trailing zeros.
std::string dimensionsText(const CatalogueArticle& a);

// Information page of catalogue article n (title "Artikel").
TextPage catalogueArticlePage(const GroupTables& groups, ArticleNumber n, const CatalogueArticle& a);

// What the My Articles page shows besides the article copy; filled by the owner of My Articles.
struct MyArticlePageValues {
    int entryIndex = 0;  // k, shown as k + 1
    ArticleNumber articleNumber = 0;
    int productGroup = 0;
    CatalogueArticle copy;
    long minStock = 0;
    long minOrderQuantity = 0;
    std::string datasheet;  // UTF-8
    std::string link;       // UTF-8
    std::string remark;     // UTF-8
    long stock = 0;
    long demand = 0;
    long onOrder = 0;
    long toOrder = 0;
};
TextPage myArticlePage(const GroupTables& groups, const MyArticlePageValues& v);
// The page when entry k cannot be read.
TextPage missingMyArticlePage(int k);

}  // namespace kvx
