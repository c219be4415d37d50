// Prices of booking positions from an article's price breaks: the break for a quantity, the unit price
// walk, the totals by quantity and by single piece, the document sums, the minimum order quantity of a
// position, the cheaper-quantity advice and the three quantity inputs. Amounts are thousandths of a euro;
// every product and sum is computed in 64 bits, and a total that leaves the 32-bit field is refused.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/money.h"
#include "base/user_interface.h"
#include "catalogue/catalogue_article.h"
#include "stock/booking_document.h"

namespace kvx {

// What pricing needs of an article: the six breaks, the VAT key and the price unit.
struct PriceData {
    std::array<std::int32_t, 6> thresholds{};
    std::array<Money, 6> prices{};
    int vatKey = 0;
    int priceUnit = 0;  // above 1: prices per hundred pieces

    static PriceData of(const CatalogueArticle& a);
    // Threshold of break k (1..6) as a quantity: negative counts as 0, above 65535 as 65535.
    std::uint32_t threshold(int k) const;
    Money price(int k) const { return prices[static_cast<std::size_t>(k - 1)]; }
};

// Break for quantity q (the advice's rule): from break 6 down, the first whose threshold t is 0 < t <= q;
// else the lowest break with a positive threshold; 1 when there is none.
int priceBreakIndex(const PriceData& d, std::uint32_t q);

struct UnitPrice {
    Money price = 0;
    int breakIndex = 0;
};
// The unit price walk for quantity q: from break 1 on, move to the next break while its threshold is reached
// (or the current break has no price); a break without price ends the walk only when no later break has one.
UnitPrice unitPrice(const PriceData& d, std::uint32_t q);

struct PositionPrice {
    Money unit = 0;
    Money gross = 0;
    Money net = 0;
    int breakIndex = 0;
};
// q x unit price (per hundred when the price unit is above 1, truncated), its net amount. Nothing when the
// total does not fit a signed 32-bit field.
[[nodiscard]] std::optional<PositionPrice> priceByQuantity(const PriceData& d, std::uint32_t q);
// The same with the unit price for one piece (demand and consumption).
[[nodiscard]] std::optional<PositionPrice> priceBySinglePiece(const PriceData& d, std::uint32_t q);

// The refusal when a total would not fit: names the article and the quantity.
std::string amountTooLargeText(const std::string& articleName, std::uint32_t q);

enum class PricedQuantity { Ordered, Delivered };
enum class PricingMode { ByQuantity, BySinglePiece };

// Prices position `index` for its ordered or delivered quantity and rebuilds the document sums. When a total
// or a sum would not fit its field, nothing is changed and `refusal` says why (article name as in the
// position, UTF-8).
[[nodiscard]] bool pricePosition(BookingDocument& doc, std::size_t index, const PriceData& d, PricedQuantity which,
                                 PricingMode mode, std::string& refusal);

struct DocumentSums {
    std::int64_t grossOrdered = 0, netOrdered = 0, grossDelivered = 0, netDelivered = 0;
    bool fits() const;
};
DocumentSums sumsOf(const BookingDocument& doc);
// Stores the sums of the valid positions; false (document unchanged) when one does not fit 32 bits.
[[nodiscard]] bool updateSums(BookingDocument& doc);

// Reprices every valid position (both quantities when `both`, else the ordered one) with the price data the
// callback finds for it; positions it finds none for (naming nothing) keep their totals. All or nothing.
using PriceLookup = std::function<std::optional<PriceData>(const BookingPosition&)>;
[[nodiscard]] bool repriceDocument(BookingDocument& doc, const PriceLookup& lookup, PricingMode mode, bool both,
                                   std::string& refusal);

// Minimum order quantity of a position: the threshold of the first break priced at least 1 (break 6 when
// none is), as a quantity (0..65535).
std::uint32_t minimumOrderQuantity(const PriceData& d);

// The cheaper-quantity advice for q: the threshold N of the next break when N pieces at its price cost no more
// than q pieces at the current one. Never a quantity above 60000, the largest that can be entered.
std::optional<std::uint32_t> cheaperQuantity(const PriceData& d, std::uint32_t q);
// N + " sind günstiger als " + q + " Stück! Günstigere Menge bestellen?"
std::string cheaperQuantityQuestion(std::uint32_t advised, std::uint32_t q);

// The number inputs. Order positions: caption name + " Menge eingeben" (+ " mind.:" + minimum when the
// minimum order quantity is above 1), label "Menge", minimum order quantity (at least 1, at most 60000) to
// 60000. Demand, consumption and calculation: 1..60000, no advice. Delivered quantity: " Liefermenge eingeben".
NumberRequest orderQuantityRequest(const std::string& name, std::uint32_t minimumOrder, std::uint32_t current);
NumberRequest bookingQuantityRequest(const std::string& name, std::uint32_t current);
NumberRequest deliveredQuantityRequest(const std::string& name, std::uint32_t current);

}  // namespace kvx
