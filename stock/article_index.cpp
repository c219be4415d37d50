// Look-ups in the index of My Articles.
#include "stock/article_index.h"

#include <algorithm>

namespace kvx {

ArticleIndex ArticleIndex::fromFileBytes(const std::uint8_t* data, std::size_t size, std::size_t recordSize) {
    std::vector<ArticleNumber> numbers;
    if (recordSize < 2) return ArticleIndex(std::move(numbers));
    const std::size_t count = size / recordSize;
    numbers.reserve(count);
    for (std::size_t i = 0; i < count; ++i) numbers.push_back(getU16(data, i * recordSize));
    return ArticleIndex(std::move(numbers));
}

bool ArticleIndex::load(File& file, std::uint32_t count, std::size_t recordSize, ArticleIndex& index,
                        std::string& error) {
    constexpr std::size_t kBlockRecords = 1024;
    std::vector<ArticleNumber> numbers;
    numbers.reserve(count);
    Bytes block;
    for (std::uint32_t first = 0; first < count; first += kBlockRecords) {
        const std::size_t records = std::min<std::size_t>(kBlockRecords, count - first);
        block.resize(records * recordSize);
        const long long got = file.readAt(std::uint64_t{first} * recordSize, block.data(), block.size());
        if (got < 0 || static_cast<std::size_t>(got) != block.size()) {
            error = got < 0 ? file.lastError() : std::string("Read beyond end of file");
            return false;
        }
        for (std::size_t i = 0; i < records; ++i) numbers.push_back(getU16(block.data(), i * recordSize));
    }
    index.m_numbers = std::move(numbers);
    return true;
}

std::uint32_t ArticleIndex::find(ArticleNumber a) const {
    // Linear, so that a file that is not sorted still finds what it holds.
    const auto it = std::find(m_numbers.begin(), m_numbers.end(), a);
    return it == m_numbers.end() ? 0 : static_cast<std::uint32_t>(it - m_numbers.begin()) + 1;
}

std::uint32_t ArticleIndex::insertionPoint(ArticleNumber a) const {
    const auto it = std::find_if(m_numbers.begin(), m_numbers.end(), [a](ArticleNumber n) { return n > a; });
    return static_cast<std::uint32_t>(it - m_numbers.begin()) + 1;
}

void ArticleIndex::insert(std::uint32_t k, ArticleNumber a) {
    const std::size_t at = std::min<std::size_t>(k == 0 ? 0 : k - 1, m_numbers.size());
    m_numbers.insert(m_numbers.begin() + static_cast<std::ptrdiff_t>(at), a);
}

bool ArticleIndex::isSorted() const {
    return std::adjacent_find(m_numbers.begin(), m_numbers.end(),
                              [](ArticleNumber x, ArticleNumber y) { return x >= y; }) == m_numbers.end();
}

}  // namespace kvx
