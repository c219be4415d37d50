// The catalogue article numbers of all My Articles records in record order, read at start from the first
// field of every record and kept parallel to artikel.dat on every insertion. Positions are 1-based:
// entry k belongs to record k - 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/le_bytes.h"
#include "catalogue/catalogue_article.h"

namespace kvx {

class ArticleIndex final {
  public:
    ArticleIndex() = default;
    explicit ArticleIndex(std::vector<ArticleNumber> numbers) : m_numbers(std::move(numbers)) {}

    // From the bytes of artikel.dat: the first 16-bit field of every whole record of `recordSize` bytes; a
    // torn last record is not counted.
    static ArticleIndex fromFileBytes(const std::uint8_t* data, std::size_t size, std::size_t recordSize);
    // Reads the first field of records 0..count-1 of an open artikel.dat, a block of records at a time (the
    // file is never held whole). False with `error` (the system's reason) when a read fails or comes short.
    [[nodiscard]] static bool load(File& file, std::uint32_t count, std::size_t recordSize, ArticleIndex& index,
                                   std::string& error);

    std::uint32_t size() const { return static_cast<std::uint32_t>(m_numbers.size()); }
    bool empty() const { return m_numbers.empty(); }
    // Article number of 1-based position k (1..size()).
    ArticleNumber at(std::uint32_t k) const { return m_numbers[k - 1]; }
    const std::vector<ArticleNumber>& numbers() const { return m_numbers; }

    // 1-based position of article `a`, 0 when it is not in My Articles.
    std::uint32_t find(ArticleNumber a) const;
    // The first 1-based position whose entry is greater than `a`; size() + 1 when there is none.
    std::uint32_t insertionPoint(ArticleNumber a) const;
    // Puts `a` at 1-based position k (1..size()+1), moving the later entries up.
    void insert(std::uint32_t k, ArticleNumber a);
    // False when the numbers are not strictly ascending (a damaged or hand-edited file).
    bool isSorted() const;
    void clear() { m_numbers.clear(); }

  private:
    std::vector<ArticleNumber> m_numbers;
};

}  // namespace kvx
