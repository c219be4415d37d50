// Writes the generated catalogue as the distributor's four script files: JavaScript array sources with
// one record per line between apostrophes, fields separated by '@', UTF-8, CR LF line ends.
#pragma once

#include <string>

#include "tools/catgen/catalogue_builder.h"

namespace kvx::catgen {

constexpr std::size_t kMaxLineBytes = 255;  // the importer reads at most this much of a line

struct CatalogueDate {
    int year = 2026;
    int month = 12;
    int day = 1;
};

// The text of each file.
std::string mainGroupFile(const GeneratedCatalogue& catalogue);
std::string upperGroupFile(const GeneratedCatalogue& catalogue);
std::string productGroupFile(const GeneratedCatalogue& catalogue);
std::string articleFile(const GeneratedCatalogue& catalogue, const CatalogueDate& date);

// The record text of one article line (without the enclosing apostrophes), shortened if needed so that the
// whole line stays within kMaxLineBytes.
std::string articleRecord(const ArticleLine& article);

}  // namespace kvx::catgen
