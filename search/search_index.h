// The article file in the form a search scans: built once from the bytes of art.dat after the catalogue is
// opened, so that a search over 60,000 articles touches a few megabytes of prepared data instead of
// upper-casing every text of every record again. The rules are those of article_matcher.h; this form only
// answers them faster, and it answers every search exactly as reading record by record does (the scan of
// search_scan.h, kept as the reference).
//
// What it holds per record:
// - the status byte;
// - the searched texts folded for the word test (upper case, blanks deleted), each field ended by a zero
//   byte so that no word is found across two fields, and a 128-bit mask of the characters and character
//   pairs they hold: a word whose mask is not covered cannot be in the record, so most records are passed
//   over without looking at their texts;
// - the same texts upper-cased with their blanks, for the unit test, and the numbers found in front of
//   a place where a unit may start (the only places where a unit can have a value), already converted,
//   with a 64-bit mask of the characters found at those places;
// - the three dimensions.
// Criteria the form cannot answer (a word or unit holding a zero byte, a unit starting with a number
// character) are answered from the record bytes by the reference matcher, so no case is left out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_view.h"
#include "search/search_parameter_set.h"
#include "search/search_scan.h"

namespace kvx {

class SearchIndex final {
  public:
    // Builds the form of `count` records from `records` (the bytes of art.dat; records the view does not
    // fully hold read as all-zero records, as a read beyond the end does). The view stays referenced.
    static std::shared_ptr<const SearchIndex> build(std::shared_ptr<const FileView> records, std::uint32_t count);

    std::uint32_t count() const { return m_count; }
    // The view the form was built from (to tell whether the catalogue was reopened since).
    const FileView* source() const { return m_records.get(); }
    // Bytes held by the form itself (the view of art.dat not counted).
    std::size_t memoryBytes() const;
    // Record `position` as stored (329 bytes); all zero beyond the count or the view.
    const std::uint8_t* record(std::uint32_t position) const;

    // A number found in a field in front of a place where a unit may start.
    struct Candidate {
        double value = 0;        // at the precision of the bounds; meaningless unless parsed
        std::uint32_t at = 0;    // offset in the upper-cased texts of the place the unit would start
        std::uint8_t field = 0;  // index of the field among the record's searched texts
        bool parsed = false;     // false: the number text does not convert, the field has no value
        char first = 0;          // the character at `at`
    };

  private:
    friend class IndexScan;
    SearchIndex() = default;

    std::shared_ptr<const FileView> m_records;
    std::uint32_t m_count = 0;
    std::vector<std::uint8_t> m_status;
    std::string m_folded;                      // folded fields, each ended by '\0', records one after another
    std::vector<std::uint32_t> m_foldedStart;  // count + 1 offsets into m_folded
    std::vector<std::array<std::uint64_t, 2>> m_textMask;  // characters and pairs of the folded texts
    std::string m_upper;                                   // upper-cased fields, each ended by '\0'
    std::vector<Candidate> m_candidates;
    std::string m_candidateFirst;                 // Candidate::first of m_candidates, scanned without touching the rest
    std::vector<std::uint32_t> m_candidateStart;  // count + 1 offsets into m_candidates
    std::vector<std::uint64_t> m_unitMask;        // bit (first & 63) of each candidate's first character
    std::vector<std::array<double, 3>> m_dimensions;
    std::vector<std::uint8_t> m_hasDimensions;  // all three dimensions above 0 (no other record fits)
};

// As searchRange / searchAll of search_scan.h, with the same results and counters, on the prepared form.
int searchRange(const SearchIndex& index, std::uint32_t first, std::uint32_t last, int maxHits, SearchParameterSet& set,
                const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters);
int searchAll(const SearchIndex& index, int maxHits, SearchParameterSet& set,
              const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters);

}  // namespace kvx
