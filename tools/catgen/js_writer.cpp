// The four script files of the distributor's web catalogue.
#include "tools/catgen/js_writer.h"

#include <cstdio>
#include <vector>

namespace kvx::catgen {

namespace {

constexpr const char* kEol = "\r\n";

// Apostrophes end a record and at signs separate fields: neither may appear inside a field.
std::string clean(const std::string& text) {
    std::string out;
    for (char c : text) out += (c == '\'' || c == '@') ? '-' : c;
    return out;
}

std::string joinFields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += '@';
        out += clean(fields[i]);
    }
    return out;
}

std::vector<std::string> articleFields(const ArticleLine& a, std::size_t keptNames, bool withNet, bool withMaker) {
    std::vector<std::string> f;
    f.push_back(a.groupKey);
    for (std::size_t i = 0; i < a.names.size(); ++i) f.push_back(i < keptNames ? a.names[i] : std::string());
    f.push_back(withMaker ? a.maker : std::string());
    f.push_back(a.description1);
    f.push_back(a.description2);
    f.push_back(std::to_string(a.status));
    f.push_back(std::to_string(a.key100));
    f.push_back(std::to_string(a.vatKey));
    f.push_back(std::to_string(a.priceUnit));
    for (std::size_t i = 0; i < 6; ++i) {
        if (i < a.breaks.size()) {
            f.push_back(std::to_string(a.breaks[i].quantity));
            f.push_back(std::to_string(a.breaks[i].gross));
            f.push_back(withNet ? std::to_string(a.breaks[i].net) : std::string());
        } else {
            f.insert(f.end(), 3, std::string());
        }
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", a.internalId);
    f.push_back(hex);
    for (const auto& value : a.moreValues) f.push_back(value ? std::to_string(*value) : std::string());
    return f;
}

// Header comment, array opening, the records, the closing line and a blank line, as a web catalogue's
// generator leaves them.
std::string arrayFile(const std::string& comment, const std::string& arrayName,
                      const std::vector<std::string>& records) {
    std::string out = "// " + comment + kEol + "var " + arrayName + " = [" + kEol;
    for (std::size_t i = 0; i < records.size(); ++i) {
        out += "'" + records[i] + "'" + (i + 1 < records.size() ? "," : "") + kEol;
    }
    out += std::string("];") + kEol + kEol;
    return out;
}

std::vector<std::string> groupRecords(const std::vector<GroupLine>& groups) {
    std::vector<std::string> records;
    for (const GroupLine& g : groups) records.push_back(joinFields({g.key, g.name, std::to_string(g.number)}));
    return records;
}

}  // namespace

std::string articleRecord(const ArticleLine& article) {
    constexpr std::size_t kFrame = 3;  // two apostrophes and the comma
    // Shorten in order of least loss: further designations, the informative net prices, the maker.
    for (std::size_t kept = article.names.size(); kept >= 1; --kept) {
        std::string record = joinFields(articleFields(article, kept, true, true));
        if (record.size() + kFrame <= kMaxLineBytes) return record;
    }
    std::string record = joinFields(articleFields(article, 1, false, true));
    if (record.size() + kFrame <= kMaxLineBytes) return record;
    return joinFields(articleFields(article, 1, false, false));
}

std::string mainGroupFile(const GeneratedCatalogue& catalogue) {
    return arrayFile("Zelvo Online-Katalog: Warenhauptgruppen", "wh", groupRecords(catalogue.mainGroups));
}

std::string upperGroupFile(const GeneratedCatalogue& catalogue) {
    return arrayFile("Zelvo Online-Katalog: Warenobergruppen", "wo", groupRecords(catalogue.upperGroups));
}

std::string productGroupFile(const GeneratedCatalogue& catalogue) {
    return arrayFile("Zelvo Online-Katalog: Warengruppen", "wg", groupRecords(catalogue.productGroups));
}

std::string articleFile(const GeneratedCatalogue& catalogue, const CatalogueDate& date) {
    char comment[160];
    std::snprintf(comment, sizeof comment,
                  "Zelvo Online-Katalog: Artikeldaten https://www.zelvo.de/Katalog/%04d/%02d/%02d Stand %02d.%02d.%04d",
                  date.year, date.month, date.day, date.day, date.month, date.year);
    std::vector<std::string> records;
    records.reserve(catalogue.articles.size());
    for (const ArticleLine& a : catalogue.articles) records.push_back(articleRecord(a));
    return arrayFile(comment, "art", records);
}

}  // namespace kvx::catgen
