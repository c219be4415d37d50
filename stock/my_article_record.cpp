// Field-by-field coding of the My Articles record and its derived quantities.
#include "stock/my_article_record.h"

#include <algorithm>
#include <cstring>

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

namespace {

constexpr std::size_t kMinimumStock = 296, kMinimumOrder = 298, kBreakIndex = 300, kStock = 301, kDemand = 303,
                      kOnOrder = 305, kReserved = 307, kConsumption = 313, kReceipt = 317, kDatasheet = 321,
                      kLink = 442, kRemark = 563, kDeliveryTime = 814, kCreationThreshold = 815, kQuantityToOrder = 817;

std::uint16_t saturateTo16(std::int64_t v) {
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(v, 0, 65535));
}

}  // namespace

MyArticleRecord MyArticleRecord::decode(const std::uint8_t* rec, std::size_t size) {
    MyArticleRecord r;
    if (size < kSize) return r;
    r.articleNumber = getU16(rec, 0);
    r.mainGroup = getU16(rec, 2);
    r.upperGroup = getU16(rec, 4);
    r.goodsGroup = getU16(rec, 6);
    std::memcpy(r.articleCopy.data(), rec + kCopyOffset, kCopySize);
    r.minimumStock = getU16(rec, kMinimumStock);
    r.minimumOrderQuantity = getU16(rec, kMinimumOrder);
    r.priceBreakIndex = getU8(rec, kBreakIndex);
    r.stock = getI16(rec, kStock);
    r.demand = getI16(rec, kDemand);
    r.onOrder = getI16(rec, kOnOrder);
    std::memcpy(r.reserved.data(), rec + kReserved, r.reserved.size());
    r.cumulativeConsumption = getI32(rec, kConsumption);
    r.cumulativeReceipt = getI32(rec, kReceipt);
    r.datasheet = readShortString(rec, kDatasheet, kPathCapacity);
    r.link = readShortString(rec, kLink, kLinkCapacity);
    r.remark = readShortString(rec, kRemark, kRemarkCapacity);
    r.deliveryTime = getU8(rec, kDeliveryTime);
    r.creationThreshold = getU16(rec, kCreationThreshold);
    r.quantityToOrder = getU16(rec, kQuantityToOrder);
    return r;
}

void MyArticleRecord::encode(std::uint8_t* rec) const {
    std::memset(rec, 0, kSize);
    putU16(rec, 0, articleNumber);
    putU16(rec, 2, mainGroup);
    putU16(rec, 4, upperGroup);
    putU16(rec, 6, goodsGroup);
    std::memcpy(rec + kCopyOffset, articleCopy.data(), kCopySize);
    putU16(rec, kMinimumStock, minimumStock);
    putU16(rec, kMinimumOrder, minimumOrderQuantity);
    putU8(rec, kBreakIndex, priceBreakIndex);
    putI16(rec, kStock, stock);
    putI16(rec, kDemand, demand);
    putI16(rec, kOnOrder, onOrder);
    std::memcpy(rec + kReserved, reserved.data(), reserved.size());
    putI32(rec, kConsumption, cumulativeConsumption);
    putI32(rec, kReceipt, cumulativeReceipt);
    writeShortString(rec, kDatasheet, kPathCapacity, datasheet);
    writeShortString(rec, kLink, kLinkCapacity, link);
    writeShortString(rec, kRemark, kRemarkCapacity, remark);
    putU8(rec, kDeliveryTime, deliveryTime);
    putU16(rec, kCreationThreshold, creationThreshold);
    putU16(rec, kQuantityToOrder, quantityToOrder);
}

Bytes MyArticleRecord::encode() const {
    Bytes bytes(kSize, 0);
    encode(bytes.data());
    return bytes;
}

CatalogueArticle MyArticleRecord::article() const {
    return CatalogueArticle::decode(articleCopy.data(), articleCopy.size());
}

MyArticleRecord makeMyArticleRecord(ArticleNumber number, const Bytes& workingCopy) {
    MyArticleRecord r;
    r.articleNumber = number;
    std::copy_n(workingCopy.begin(), std::min(workingCopy.size(), MyArticleRecord::kCopySize), r.articleCopy.begin());
    const CatalogueArticle a = r.article();
    r.mainGroup = static_cast<std::uint16_t>(a.mainGroup);
    r.upperGroup = static_cast<std::uint16_t>(a.upperGroup);
    r.goodsGroup = static_cast<std::uint16_t>(a.productGroup);
    int k = 1;
    for (int i = 1; i <= CatalogueArticle::kBreaks; ++i) {
        if (a.prices[static_cast<std::size_t>(i - 1)] >= 1) {
            k = i;
            break;
        }
    }
    r.priceBreakIndex = static_cast<std::uint8_t>(k);
    // A 32-bit threshold such as 100000 is held at 65535, never cut to its low 16 bits (34464).
    r.creationThreshold = saturateTo16(a.quantities[static_cast<std::size_t>(k - 1)]);
    r.minimumOrderQuantity =
        static_cast<std::uint16_t>(std::min<int>(r.creationThreshold, MyArticleRecord::kMaxMinimumOrder));
    return r;
}

std::uint16_t quantityToOrder(const MyArticleRecord& r) {
    // Unsigned minimum quantities up to 60000 do not fit signed 16-bit arithmetic: compute wide.
    const std::int64_t need = std::int64_t{r.minimumStock} + r.demand - r.stock - r.onOrder;
    if (need <= 0) return 0;
    return saturateTo16(need < r.minimumOrderQuantity ? r.minimumOrderQuantity : need);
}

void updateQuantityToOrder(MyArticleRecord& r) {
    r.quantityToOrder = quantityToOrder(r);
}

std::int32_t saturatingSubtract(std::int32_t f, std::int32_t q) {
    return f > q ? f - q : 0;
}

int firstFieldOutOfRange(const MyArticleRecord& r) {
    if (r.minimumStock > MyArticleRecord::kMaxMinimumStock) return 1;
    if (r.stock < MyArticleRecord::kMinStock || r.stock > MyArticleRecord::kMaxStock) return 2;
    if (r.minimumOrderQuantity > MyArticleRecord::kMaxMinimumOrder) return 3;
    if (r.deliveryTime > MyArticleRecord::kMaxDeliveryTime) return 8;
    return 0;
}

std::string myArticleName(const std::optional<MyArticleRecord>& record, std::uint32_t n) {
    if (!record) return "Error DSNR" + std::to_string(n);
    return articleName(record->article());
}

}  // namespace kvx
