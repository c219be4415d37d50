// The scan of the article file: records in ascending position, the availability filter, the text test and
// the numeric (or dimension) test, up to 500 hits kept in the SearchResultList, with the three counters.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/le_bytes.h"
#include "search/search_parameter_set.h"

namespace kvx {

inline constexpr int kMaxSearchHits = 500;

// Count and 1000 slots; slot k (1-based) holds the position of hit k. Slots beyond the count keep values
// of an earlier search and mean nothing. Its 2002 bytes are the whole of suchidx.dat.
struct SearchResultList {
    static constexpr std::size_t kSize = 2002;
    static constexpr std::size_t kSlots = 1000;

    std::uint16_t count = 0;
    std::array<std::uint16_t, kSlots> positions{};  // positions[0] is slot 1

    // A count above 1000 (a damaged file) reads as an empty list.
    static SearchResultList decode(const Bytes& bytes);
    Bytes encode() const;
    std::uint16_t slot(int k) const { return positions[static_cast<std::size_t>(k - 1)]; }
};

struct SearchCounters {
    std::uint16_t scanned = 0;         // "Durchsucht"
    std::uint16_t textMatches = 0;     // "Textkrit. Ok"
    std::uint16_t numericMatches = 0;  // "NumKrit. Ok"
};

// Where the scan gets its records: positions at or beyond the count give all-zero records.
class ArticleSource {
  public:
    virtual ~ArticleSource() = default;
    virtual std::uint32_t count() const = 0;
    // Record `position` (329 bytes); valid until the next call. Throws IoError on a read error.
    virtual const std::uint8_t* record(std::uint32_t position) = 0;
};

// Reads art.dat by position through the FileSystem, a block of records at a time (a scan asks for
// ascending positions, so one read serves many records).
class FileArticleSource final : public ArticleSource {
  public:
    // Throws IoError when the file cannot be opened.
    FileArticleSource(FileSystem& fs, const std::string& path, std::uint32_t count);
    std::uint32_t count() const override { return m_count; }
    const std::uint8_t* record(std::uint32_t position) override;

  private:
    std::unique_ptr<File> m_file;
    std::uint32_t m_count;
    Bytes m_block;
    std::uint32_t m_blockFirst = 0;
    std::uint32_t m_blockRecords = 0;
    Bytes m_zero;
};

// Records held in memory (tests, benchmarks): `records` is count * 329 bytes.
class MemoryArticleSource final : public ArticleSource {
  public:
    explicit MemoryArticleSource(Bytes records);
    std::uint32_t count() const override { return m_count; }
    const std::uint8_t* record(std::uint32_t position) override;

  private:
    Bytes m_records;
    std::uint32_t m_count;
    Bytes m_zero;
};

// Normalises `set` in place, resets `counters` and scans positions first..last (inclusive) of `source`,
// admitting status s (1..5) when filter byte s - 1 is set. Returns the hit count; nothing is scanned when
// first > last.
int searchRange(ArticleSource& source, std::uint32_t first, std::uint32_t last, int maxHits, SearchParameterSet& set,
                const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters);
// Positions 0 .. count - 1.
int searchAll(ArticleSource& source, int maxHits, SearchParameterSet& set,
              const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters);

// "Keine Artikel! Krit:<description>\r Durchsucht:n[ Textkrit. Ok:n][ NumKrit. Ok:n]" (UTF-8).
std::string noHitMessage(const SearchParameterSet& set, const std::string& descriptionCp1252,
                         const SearchCounters& counters);

}  // namespace kvx
