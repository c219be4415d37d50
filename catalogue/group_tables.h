// The catalogue's group levels in memory: main groups (whg.dat) and upper groups (wog.dat) are read
// whole; product groups (wgg.dat) stay in an open record file and are read on demand. Every range
// query and reverse look-up checks its number, so a damaged file gives empty or count-based spans and
// "?" names, never an access outside a table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/record_file.h"
#include "catalogue/group_records.h"

namespace kvx {

inline constexpr const char* kMainGroupFile = "whg.dat";
inline constexpr const char* kUpperGroupFile = "wog.dat";
inline constexpr const char* kProductGroupFile = "wgg.dat";

// An inclusive pair of 16-bit numbers (group numbers or 1-based article numbers). last < first means
// empty; the arithmetic wraps at 16 bits like the stored numbers do.
struct NumberSpan {
    std::uint16_t first = 0;
    std::uint16_t last = 0;
    // last - first + 1, may be 0 or negative for an empty or inconsistent span.
    int size() const { return static_cast<int>(last) - static_cast<int>(first) + 1; }
    bool operator==(const NumberSpan&) const = default;
};

class GroupTables final {
  public:
    GroupTables() = default;
    ~GroupTables();
    GroupTables(const GroupTables&) = delete;
    GroupTables& operator=(const GroupTables&) = delete;

    // Whole-file loads; false without a message when the file is missing, unreadable or holds more
    // records than 16-bit numbers address. A failed load leaves the table empty.
    [[nodiscard]] bool loadMainGroups(FileSystem& fs, const std::string& path = kMainGroupFile);
    [[nodiscard]] bool loadUpperGroups(FileSystem& fs, const std::string& path = kUpperGroupFile);
    // Opens wgg.dat for random access (kept open until closeProductGroups()).
    [[nodiscard]] bool openProductGroups(FileSystem& fs, const std::string& path = kProductGroupFile);
    void closeProductGroups();
    void clear();

    // The article count the last product group's span ends at; set when art.dat is opened.
    void setArticleCount(std::uint16_t count) { m_articleCount = count; }
    std::uint16_t articleCount() const { return m_articleCount; }

    std::uint16_t mainCount() const { return static_cast<std::uint16_t>(m_main.size()); }
    std::uint16_t upperCount() const { return static_cast<std::uint16_t>(m_upper.size()); }
    std::uint16_t productCount() const;

    // Records by number (1-based). Out of range: main and upper give an all-zero record; product gives
    // first 0 and the name "?". A read error of wgg.dat throws IoError.
    MainGroup mainGroup(int m) const;
    UpperGroup upperGroup(int u) const;
    ProductGroup productGroup(int g) const;

    // Upper groups of main group m; m outside 1..count gives the upper-group count for both.
    NumberSpan upperSpanOfMain(int m) const;
    // Product groups of upper group u; u outside 1..count gives the product-group count for both.
    NumberSpan productSpanOfUpper(int u) const;
    // 1-based article numbers of product group g; the last group ends at the article count; g outside
    // 1..count gives the article count for both.
    NumberSpan articleSpanOfProduct(int g) const;
    // Articles of the product groups g1..g2; ends at the article count when g2 is the last group.
    NumberSpan articleSpanOfProductRun(int g1, int g2) const;

    // The last upper group whose first product group is <= g (0 when none).
    int upperOfProduct(int g) const;
    // The last main group whose first upper group is <= u (0 when none).
    int mainOfUpper(int u) const;

    // Display names, Windows-1252, at most 80 characters: key, a blank, name. A main group outside
    // 1..count shows "??", a product group "?".
    std::string mainGroupName(int m) const;
    std::string upperGroupName(int u) const;
    std::string productGroupName(int g) const;

    // Derived article ranges (1-based article numbers); recompute after loading and after an import.
    void computeRanges();
    NumberSpan mainArticleRange(int m) const;
    NumberSpan upperArticleRange(int u) const;

  private:
    std::vector<MainGroup> m_main;    // group n at index n - 1
    std::vector<UpperGroup> m_upper;  // group n at index n - 1
    std::unique_ptr<RecordFile> m_productFile;
    std::uint16_t m_articleCount = 0;
    std::vector<NumberSpan> m_mainRanges;   // index n - 1
    std::vector<NumberSpan> m_upperRanges;  // index n - 1
};

}  // namespace kvx
