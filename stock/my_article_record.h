// The My Articles record: the 819-byte record of artikel.dat with its copy of the catalogue article as it
// was on the day the article was added, the stock quantities, and the rules computed from them (quantity
// to order, the saturating subtraction of the bookings, the range checks of the entry dialog).
// Texts in the record are Windows-1252.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/le_bytes.h"
#include "catalogue/catalogue_article.h"

namespace kvx {

inline constexpr const char* kMyArticlesFile = "artikel.dat";

// The article number of an entry whose article the catalogue no longer has (after an import): no
// catalogue holds 65535 records, so no article carries it, and it sorts such entries behind all others.
inline constexpr ArticleNumber kNotInCatalogue = 65535;
inline constexpr const char* kNotInCatalogueRefusal =
    "Der Artikel ist nicht mehr im Katalog und kann nicht bestellt werden. Bitte neu zuordnen oder löschen.";

struct MyArticleRecord {
    static constexpr std::size_t kSize = 819;
    static constexpr std::size_t kCopyOffset = 8;
    static constexpr std::size_t kCopySize = CatalogueArticle::kWorkingSize;  // 288
    static constexpr std::size_t kPathCapacity = 120, kLinkCapacity = 120, kRemarkCapacity = 250;
    // Field ranges of the entry dialog.
    static constexpr int kMaxMinimumStock = 60000, kMaxMinimumOrder = 60000;
    static constexpr int kMinStock = -1000, kMaxStock = 30000, kMaxDeliveryTime = 250;

    ArticleNumber articleNumber = 0;  // catalogue record number, the key of the file
    std::uint16_t mainGroup = 0;
    std::uint16_t upperGroup = 0;
    std::uint16_t goodsGroup = 0;
    std::array<std::uint8_t, kCopySize> articleCopy{};  // first 288 bytes of the catalogue record
    std::uint16_t minimumStock = 0;
    std::uint16_t minimumOrderQuantity = 0;
    std::uint8_t priceBreakIndex = 1;  // 1..6 when sound; a damaged file may hold anything
    std::int16_t stock = 0;
    std::int16_t demand = 0;
    std::int16_t onOrder = 0;
    std::array<std::uint8_t, 6> reserved{};
    std::int32_t cumulativeConsumption = 0;
    std::int32_t cumulativeReceipt = 0;
    std::string datasheet;  // Windows-1252, at most 120
    std::string link;       // at most 120
    std::string remark;     // at most 250
    std::uint8_t deliveryTime = 0;
    std::uint16_t creationThreshold = 0;  // threshold of the break chosen when the record was made
    std::uint16_t quantityToOrder = 0;

    // `size` must be at least kSize; a length byte beyond its field is clamped to the field.
    static MyArticleRecord decode(const std::uint8_t* record, std::size_t size);
    static MyArticleRecord decode(const Bytes& record) { return decode(record.data(), record.size()); }
    void encode(std::uint8_t* record) const;  // kSize bytes
    Bytes encode() const;

    // The article copy decoded (name, prices, VAT key, price unit as they were when the article was added).
    CatalogueArticle article() const;
    bool notInCatalogue() const { return articleNumber == kNotInCatalogue; }
    bool operator==(const MyArticleRecord&) const = default;
};

// A new record for catalogue article `number` from its 288-byte working copy: group numbers from the copy,
// the list price break = the first break priced at least 1 (1 when none is), its threshold saturated to
// 0..65535 at offset 815 and, kept within 0..60000, as the minimum order quantity.
MyArticleRecord makeMyArticleRecord(ArticleNumber number, const Bytes& workingCopy);

// Need = minimum stock + demand - stock - on order, computed wide: 0 when need <= 0, the minimum order
// quantity when need is below it, need otherwise; held at 65535 at most.
std::uint16_t quantityToOrder(const MyArticleRecord& r);
// Recomputes the field at offset 817.
void updateQuantityToOrder(MyArticleRecord& r);

// The bookings' subtraction: f - q when f > q, else 0 (also for a negative f).
std::int32_t saturatingSubtract(std::int32_t f, std::int32_t q);

// Dialog item (1 = minimum stock, 2 = stock, 3 = minimum order quantity, 8 = delivery time) of the first
// number outside the entry dialog's ranges; 0 when all are within them. Texts cannot be too long: the fields
// hold no more than their capacity.
int firstFieldOutOfRange(const MyArticleRecord& r);

// The name of the record's article (UTF-8), or "Error DSNR" + n when record n could not be read.
std::string myArticleName(const std::optional<MyArticleRecord>& record, std::uint32_t n);

}  // namespace kvx
