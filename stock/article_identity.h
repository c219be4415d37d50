// Which article of a new catalogue is the same article as one of the old: the product group key (WgID)
// and the first designation (kurzbez 1) must match; when several new articles match, the descriptions
// (beschreib 1 and 2) decide; when still several match, or none, the article is not found. Article
// numbers are record positions and change from one catalogue to the next, so they never count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue_article.h"

namespace kvx {

// The texts the rule compares, Windows-1252 as stored.
struct ArticleIdentity {
    std::string wgId;
    std::string kurzbez1;
    std::string beschreib1;
    std::string beschreib2;

    // From a record or a 288-byte working copy (`size` >= CatalogueArticle::kWorkingSize).
    static ArticleIdentity of(const std::uint8_t* record, std::size_t size);
    static ArticleIdentity of(const CatalogueArticle& a);
    // WgID and kurzbez 1, the part that must match.
    std::string key() const;
    bool sameDescriptions(const ArticleIdentity& other) const {
        return beschreib1 == other.beschreib1 && beschreib2 == other.beschreib2;
    }
};

// The rule applied to the new articles whose key matches `old` (in any order): the one article, or
// nothing.
std::optional<ArticleNumber> chooseIdentical(const ArticleIdentity& old,
                                             const std::vector<std::pair<ArticleNumber, ArticleIdentity>>& candidates);

// Finds old articles in a new catalogue read once, record by record. The old articles are named first
// (want), then every record of the new catalogue is offered (offer); only records whose key someone wants
// are kept, with their working copy. find() then applies the rule.
class IdentityMatcher final {
  public:
    void want(const ArticleIdentity& old);
    bool wantsAnything() const { return !m_wanted.empty(); }
    // Record `number` of the new art.dat (at least the working copy).
    void offer(ArticleNumber number, const std::uint8_t* record, std::size_t size);

    std::optional<ArticleNumber> find(const ArticleIdentity& old) const;
    // The working copy of a new article that was kept (one that some wanted key matched); empty otherwise.
    const Bytes& workingCopy(ArticleNumber number) const;

  private:
    std::unordered_map<std::string, std::vector<std::pair<ArticleNumber, ArticleIdentity>>> m_wanted;  // by key
    std::unordered_map<ArticleNumber, Bytes> m_copies;
};

}  // namespace kvx
