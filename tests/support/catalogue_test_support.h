// Shared pieces of the catalogue tests: a small hand-made catalogue (as record files and as script
// sources) and builders for script-file lines.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_records.h"
#include "tests/support/temp_dir.h"

namespace kvx::test {

// Joins fields with "@" into an article line "'...'," as art.js holds it.
std::string articleLine(const std::vector<std::string>& fields);
// A complete article line: WgID, name, description, status, VAT key, price of break 1.
std::string simpleArticleLine(const std::string& wgId, const std::string& name, const std::string& description,
                              int status = 1, int vatKey = 1, int price = 1000);

// Writes records to a file below the directory.
void writeRecordFile(const TempDir& dir, const std::string& path, const std::vector<Bytes>& records);

// The small catalogue: main groups A (upper 1..2) and B (upper 3); upper groups A1 (products 1..2),
// A2 (product 3), B1 (product 4); product groups W1 (articles 1..2), W2 (3..5), K1 (6..7), G1 (8..10);
// ten articles whose WgID is their group's key.
struct SmallCatalogue {
    std::vector<MainGroup> mains;
    std::vector<KeyedGroup> uppers;
    std::vector<KeyedGroup> products;
    std::vector<CatalogueArticle> articles;
};
SmallCatalogue smallCatalogue();
// As record files whg.dat, wog.dat, wgg.dat, art.dat.
void writeSmallCatalogueFiles(const TempDir& dir);
// As script files in zelvodaten/ (CR LF lines, closing "];" lines).
void writeSmallCatalogueSources(const TempDir& dir);

// The whole content of a file, "" when missing.
std::string fileBytes(const TempDir& dir, const std::string& path);

}  // namespace kvx::test
