// The identity rule of catalogue articles across catalogues.
#include "stock/article_identity.h"

#include "base/short_string.h"

namespace kvx {

namespace {

constexpr std::size_t kKurzbezOffset = 6;
constexpr std::size_t kBeschreib1Offset = 181;
constexpr std::size_t kBeschreib2Offset = 207;

}  // namespace

ArticleIdentity ArticleIdentity::of(const std::uint8_t* record, std::size_t size) {
    ArticleIdentity id;
    if (size < CatalogueArticle::kWorkingSize) return id;
    id.wgId = readShortString(record, 0, CatalogueArticle::kWgIdCapacity);
    id.kurzbez1 = readShortString(record, kKurzbezOffset, CatalogueArticle::kKurzbezCapacity);
    id.beschreib1 = readShortString(record, kBeschreib1Offset, CatalogueArticle::kBeschreibCapacity);
    id.beschreib2 = readShortString(record, kBeschreib2Offset, CatalogueArticle::kBeschreibCapacity);
    return id;
}

ArticleIdentity ArticleIdentity::of(const CatalogueArticle& a) {
    return {a.wgId, a.kurzbez[0], a.beschreib1, a.beschreib2};
}

std::string ArticleIdentity::key() const {
    // The WgID holds at most 5 characters: its length first keeps "AB"+"C1" apart from "ABC"+"1".
    return std::string(1, static_cast<char>(wgId.size())) + wgId + kurzbez1;
}

std::optional<ArticleNumber> chooseIdentical(const ArticleIdentity& old,
                                             const std::vector<std::pair<ArticleNumber, ArticleIdentity>>& candidates) {
    std::optional<ArticleNumber> only;
    std::size_t matching = 0;
    for (const auto& [number, id] : candidates) {
        if (id.key() != old.key()) continue;
        if (++matching == 1) only = number;
    }
    if (matching == 1) return only;
    if (matching == 0) return std::nullopt;
    // Several with the same name in the same group: the descriptions decide.
    std::optional<ArticleNumber> described;
    std::size_t same = 0;
    for (const auto& [number, id] : candidates) {
        if (id.key() != old.key() || !id.sameDescriptions(old)) continue;
        if (++same == 1) described = number;
    }
    return same == 1 ? described : std::nullopt;
}

void IdentityMatcher::want(const ArticleIdentity& old) {
    m_wanted.try_emplace(old.key());
}

void IdentityMatcher::offer(ArticleNumber number, const std::uint8_t* record, std::size_t size) {
    if (size < CatalogueArticle::kWorkingSize || m_wanted.empty()) return;
    // Only the key is read for the many records nobody wants.
    const std::string wgId = readShortString(record, 0, CatalogueArticle::kWgIdCapacity);
    std::string key(1, static_cast<char>(wgId.size()));
    key += wgId;
    key += readShortString(record, kKurzbezOffset, CatalogueArticle::kKurzbezCapacity);
    const auto it = m_wanted.find(key);
    if (it == m_wanted.end()) return;
    it->second.emplace_back(number, ArticleIdentity::of(record, size));
    m_copies[number] = Bytes(record, record + CatalogueArticle::kWorkingSize);
}

std::optional<ArticleNumber> IdentityMatcher::find(const ArticleIdentity& old) const {
    const auto it = m_wanted.find(old.key());
    if (it == m_wanted.end()) return std::nullopt;
    return chooseIdentical(old, it->second);
}

const Bytes& IdentityMatcher::workingCopy(ArticleNumber number) const {
    static const Bytes kNone;
    const auto it = m_copies.find(number);
    return it == m_copies.end() ? kNone : it->second;
}

}  // namespace kvx
