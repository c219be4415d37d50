// My Articles after a catalogue import. Article numbers are record positions of art.dat, so a new catalogue
// moves them: every My Articles entry is looked up in the new catalogue by its identity (article_identity.h)
// and takes the new number and group numbers; artikel.dat is re-sorted by the new numbers and every booking
// position follows its record; the direct order's catalogue positions are looked up the same way. An entry
// that is not found keeps its record, data and bookings and is marked as not in the catalogue (number
// kNotInCatalogue): the list shows "—" for its place and it cannot be ordered.
//
// The change is computed while the new catalogue still lies under temporary names and is written as a
// journal that the import puts in place together with the catalogue files (ImportFollower), so that a
// crash leaves the old catalogue with the old My Articles or the new one with the re-linked My Articles.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/text_page.h"
#include "catalogue/catalogue.h"
#include "catalogue/import.h"
#include "stock/article_identity.h"
#include "stock/stock_session.h"

namespace kvx {

struct RelinkedEntry {
    std::uint32_t oldRecord = 0;
    std::uint32_t newRecord = 0;
    ArticleNumber oldNumber = 0;
    ArticleNumber newNumber = kNotInCatalogue;
    CatalogueArticle stored;                // the entry's article copy
    std::optional<CatalogueArticle> fresh;  // the new catalogue's article, when found
    Bytes freshCopy;                        // its 288-byte working copy

    bool found() const { return newNumber != kNotInCatalogue; }
    bool pricesChanged() const { return fresh && fresh->prices != stored.prices; }
};

struct RelinkedPosition {
    std::size_t position = 0;  // 0-based
    ArticleNumber oldNumber = 0;
    ArticleNumber newNumber = kNotInCatalogue;
    std::string name;  // UTF-8
};

struct RelinkReport {
    std::vector<RelinkedEntry> entries;  // in the old record order
    std::vector<RelinkedPosition> direct;
    bool done = false;  // the stock files follow the new catalogue
    std::string error;  // why not (UTF-8)

    std::size_t moved() const;
    std::size_t notFound() const;
    std::size_t priceChanges() const;
};

// The report as a page for the information form and the text file.
TextPage relinkReportPage(const RelinkReport& report);

class CatalogueRelink final : public ImportFollower {
  public:
    // Reads My Articles and the direct order and names the articles the new catalogue is searched for;
    // `oldCatalogue` (still the loaded one) gives the direct order's articles. Throws IoError.
    CatalogueRelink(FileSystem& fs, StockSession& session, const Catalogue& oldCatalogue);

    void article(std::uint32_t number, const std::uint8_t* record, std::size_t size) override;
    std::vector<std::string> prepare() override;
    void committed() override;
    void abandoned() override;

    const RelinkReport& report() const { return m_report; }

  private:
    ChangeSet computeChange();
    void addDirectOrderChange(ChangeSet& change);

    FileSystem& m_fs;
    StockSession& m_session;
    std::vector<MyArticleRecord> m_records;
    std::map<ArticleNumber, ArticleIdentity> m_directOld;  // the direct order's articles in the old catalogue
    IdentityMatcher m_matcher;
    std::vector<std::uint32_t> m_newPlace;
    bool m_written = false;
    RelinkReport m_report;
};

// "Preise übernehmen?" answered yes: the article copies of the entries found take the new catalogue's data,
// as one change.
[[nodiscard]] StockWriteResult takeOverCatalogueData(StockSession& session, const RelinkReport& report);

}  // namespace kvx
