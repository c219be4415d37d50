// The catalogue article: the 329-byte record of art.dat, the open article table, and the texts derived
// from an article for lists and pages. Record texts are Windows-1252; every function that returns text
// for display says so and returns UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/le_bytes.h"
#include "base/money.h"
#include "base/real48.h"
#include "base/record_file.h"
#include "base/user_interface.h"
#include "base/view_port.h"

namespace kvx {

inline constexpr const char* kArticleFile = "art.dat";

using ArticleNumber = std::uint16_t;

struct CatalogueArticle {
    static constexpr std::size_t kRecordSize = 329;
    static constexpr std::size_t kWorkingSize = 288;  // what every reader uses
    static constexpr std::size_t kWgIdCapacity = 5;
    static constexpr std::size_t kKurzbezCapacity = 24;
    static constexpr std::size_t kBeschreibCapacity = 25;
    static constexpr int kBreaks = 6;

    std::string wgId;                         // product-group key, column "Ort"
    std::array<std::string, 6> kurzbez;       // designations; [0] is the name
    std::array<Real48Bytes, 3> dimensions{};  // millimetres, kept as stored
    std::int16_t mainGroup = 0;
    std::int16_t upperGroup = 0;
    std::int16_t productGroup = 0;
    std::string beschreib1;
    std::string beschreib2;
    std::uint8_t artikelstat = 0;
    std::int16_t schlue100 = 0;
    std::int16_t schlumwst = 0;                // VAT key
    std::int16_t stkvpe = 0;                   // above 1: prices per hundred pieces
    std::array<std::int32_t, 6> quantities{};  // price-break thresholds, 0 = unused
    std::array<Money, 6> prices{};             // gross unit prices, 0 = unused
    std::array<std::int32_t, 10> additional{};
    std::uint8_t additionalCount = 0;

    // Decodes `size` bytes: at least the 288-byte working copy; the additional values are read only from
    // a whole record and stay zero otherwise.
    static CatalogueArticle decode(const std::uint8_t* record, std::size_t size);
    static CatalogueArticle decode(const Bytes& record) { return decode(record.data(), record.size()); }
    // All 329 bytes; texts are cut to their capacity.
    void encode(std::uint8_t* record) const;
    Bytes encode() const;

    // The stored group numbers read as the unsigned 16-bit numbers the group files count with.
    int mainGroupNumber() const { return static_cast<std::uint16_t>(mainGroup); }
    int upperGroupNumber() const { return static_cast<std::uint16_t>(upperGroup); }
    int productGroupNumber() const { return static_cast<std::uint16_t>(productGroup); }

    double dimension(int i) const { return real48ToDouble(dimensions[static_cast<std::size_t>(i)].data()); }
    bool operator==(const CatalogueArticle&) const = default;
};

// The open art.dat. Reads beyond the count give an all-zero record, never an error.
class ArticleTable final {
  public:
    ArticleTable() = default;
    ~ArticleTable();
    ArticleTable(const ArticleTable&) = delete;
    ArticleTable& operator=(const ArticleTable&) = delete;

    // Opens an existing file for reading and writing; false when it is missing, unreadable or holds more
    // than 65535 records.
    [[nodiscard]] bool open(FileSystem& fs, const std::string& path = kArticleFile);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    std::uint16_t count() const { return m_file ? m_file->count() : 0; }
    long long modificationTime() const { return m_file ? m_file->modificationTime() : 0; }

    // Throws IoError on a read error.
    CatalogueArticle read(std::uint32_t n) const;
    // The 288-byte working copy of record n (zero beyond the count), as My Articles stores it.
    Bytes readWorkingCopy(std::uint32_t n) const;

    // The bytes of all records for a scan, mapped on first use and kept until close(), so that an import
    // (which closes and reopens the table) brings a fresh view. Throws IoError when they cannot be read.
    std::shared_ptr<const FileView> view() const;

    // 1..count-1 are selectable; record 0 never is.
    bool isSelectable(long n) const { return n > 0 && n < count(); }

  private:
    std::unique_ptr<RecordFile> m_file;
    mutable std::shared_ptr<const FileView> m_view;
};

// Texts of an article, UTF-8.
std::string articleName(const CatalogueArticle& a);
// beschreib1, then "; " and beschreib2 when that is not empty.
std::string descriptionText(const CatalogueArticle& a);
// The same in Windows-1252, for texts written to files.
std::string descriptionTextCp1252(const CatalogueArticle& a);
std::string statusText(int status);
// "19% (St1)", "7% (St2)", "StSchlü 5".
std::string vatText(int vatKey);

// Price of break i (0-based) converted to net when asked, two decimals, "%" after it when stkvpe > 1.
Money netPrice(const CatalogueArticle& a, Money gross);
std::string priceText(const CatalogueArticle& a, bool net, Money gross);
// Price of the first break whose price is at least 1 (break 1 if none is).
Money listPrice(const CatalogueArticle& a);
std::string listPriceText(const CatalogueArticle& a, bool net);

// The "Falsche Artikelnr:" check of the catalogue list callbacks. Shows the message and answers false
// for a number outside 1..count-1; after a right click the message carries the number only.
bool checkArticleNumber(long n, std::uint16_t count, bool rightClick, UserInterface& ui);

// The current catalogue article with the group numbers read from its record.
struct ArticleSelection {
    ArticleNumber number = 0;
    int mainGroup = 0;
    int upperGroup = 0;
    int productGroup = 0;
};
// A click, right click or double click on a catalogue list row: checks the number ("Falsche Artikelnr:")
// and makes it the current article. The caller shows the "Artikel" page after a right or double click.
bool selectListArticle(const ArticleTable& table, long n, bool rightClick, UserInterface& ui,
                       ArticleSelection& current);

// Catalogue list (kind 3).
std::vector<ListColumn> catalogueListColumns(bool net);

struct CatalogueListRow {
    ArticleNumber articleNumber = 0;
    std::vector<std::string> cells;  // UTF-8, one per column
};

// Status filter: status 0 passes; status s in 1..5 passes when filter[s - 1] is non-zero; higher
// statuses pass.
using StatusFilter = std::array<std::uint8_t, 5>;
bool passesStatusFilter(int status, const StatusFilter& filter);

// Rows for the record indices first..last: empty when the range holds more than 1001 records or is
// empty. Indices below 0 are skipped; indices at or beyond the count show the all-zero record.
std::vector<CatalogueListRow> catalogueListRows(const ArticleTable& table, int first, int last,
                                                const StatusFilter& filter, bool net);

}  // namespace kvx
