// Position pricing and the quantity inputs.
#include "stock/position_pricing.h"

#include <algorithm>
#include <limits>

#include "base/cp1252.h"

namespace kvx {

namespace {

constexpr std::uint32_t kMaxInputQuantity = 60000;

bool fitsMoney(std::int64_t v) {
    return v >= std::numeric_limits<Money>::min() && v <= std::numeric_limits<Money>::max();
}

std::optional<PositionPrice> totalFor(const PriceData& d, std::uint32_t q, UnitPrice u) {
    std::int64_t gross = std::int64_t{q} * u.price;
    if (d.priceUnit > 1) gross /= 100;  // truncates toward zero
    if (!fitsMoney(gross)) return std::nullopt;
    const Money g = static_cast<Money>(gross);
    return PositionPrice{u.price, g, netFromGross(g, d.vatKey), u.breakIndex};
}

}  // namespace

PriceData PriceData::of(const CatalogueArticle& a) {
    PriceData d;
    d.thresholds = a.quantities;
    d.prices = a.prices;
    d.vatKey = a.schlumwst;
    d.priceUnit = a.stkvpe;
    return d;
}

std::uint32_t PriceData::threshold(int k) const {
    // A 32-bit threshold is held at 65535 instead of being cut to its low 16 bits (100000 is not 34464).
    return static_cast<std::uint32_t>(std::clamp<std::int32_t>(thresholds[static_cast<std::size_t>(k - 1)], 0, 65535));
}

int priceBreakIndex(const PriceData& d, std::uint32_t q) {
    for (int k = 6; k >= 1; --k) {
        const std::int64_t t = d.thresholds[static_cast<std::size_t>(k - 1)];
        if (t > 0 && t <= q) return k;
    }
    for (int k = 1; k <= 6; ++k)
        if (d.thresholds[static_cast<std::size_t>(k - 1)] > 0) return k;
    return 1;
}

UnitPrice unitPrice(const PriceData& d, std::uint32_t q) {
    UnitPrice u;
    int k = 0;
    for (;;) {
        ++k;
        if (d.price(k) > 0) u.price = d.price(k);
        if (k == 6) break;
        // Compared in full: a threshold of 100000 is never reached by a 16-bit quantity.
        std::int64_t t = d.thresholds[static_cast<std::size_t>(k)];
        if (t <= 0) t = 65535;
        // An unpriced break ends the list only when no later break has a price: articles whose first two
        // breaks are unpriced would otherwise be priced at 0.
        bool laterPriced = false;
        for (int j = k + 1; j <= 6; ++j) laterPriced = laterPriced || d.price(j) > 0;
        if (!laterPriced) break;
        if (!(t <= q || d.price(k) <= 0)) break;
    }
    u.breakIndex = k;
    return u;
}

std::optional<PositionPrice> priceByQuantity(const PriceData& d, std::uint32_t q) {
    return totalFor(d, q, unitPrice(d, q));
}

std::optional<PositionPrice> priceBySinglePiece(const PriceData& d, std::uint32_t q) {
    return totalFor(d, q, unitPrice(d, 1));
}

std::string amountTooLargeText(const std::string& articleName, std::uint32_t q) {
    return "Artikel " + articleName + ": der Betrag für " + std::to_string(q) +
           " Stück ist zu groß. Die Menge wird nicht übernommen.";
}

bool DocumentSums::fits() const {
    return fitsMoney(grossOrdered) && fitsMoney(netOrdered) && fitsMoney(grossDelivered) && fitsMoney(netDelivered);
}

DocumentSums sumsOf(const BookingDocument& doc) {
    DocumentSums s;
    for (std::size_t i = 0; i < doc.validPositions(); ++i) {
        const BookingPosition& p = doc.positions[i];
        s.grossOrdered += p.grossTotal;
        s.netOrdered += p.netTotal;
        s.grossDelivered += p.deliveredGross;
        s.netDelivered += p.deliveredNet;
    }
    return s;
}

bool updateSums(BookingDocument& doc) {
    const DocumentSums s = sumsOf(doc);
    if (!s.fits()) return false;
    doc.grossOrdered = static_cast<Money>(s.grossOrdered);
    doc.netOrdered = static_cast<Money>(s.netOrdered);
    doc.grossDelivered = static_cast<Money>(s.grossDelivered);
    doc.netDelivered = static_cast<Money>(s.netDelivered);
    return true;
}

namespace {

bool applyPrice(BookingPosition& p, const PriceData& d, PricedQuantity which, PricingMode mode) {
    const std::uint32_t q = which == PricedQuantity::Ordered ? p.quantity : p.delivered;
    const auto price = mode == PricingMode::ByQuantity ? priceByQuantity(d, q) : priceBySinglePiece(d, q);
    if (!price) return false;
    p.unitPrice = price->unit;
    if (which == PricedQuantity::Ordered) {
        p.grossTotal = price->gross;
        p.netTotal = price->net;
        p.breakIndex = static_cast<std::uint8_t>(price->breakIndex);
    } else {
        p.deliveredGross = price->gross;
        p.deliveredNet = price->net;
        p.deliveredBreakIndex = static_cast<std::uint8_t>(price->breakIndex);
    }
    return true;
}

std::string refusalFor(const BookingPosition& p, PricedQuantity which) {
    return amountTooLargeText(cp1252ToUtf8(p.name), which == PricedQuantity::Ordered ? p.quantity : p.delivered);
}

}  // namespace

bool pricePosition(BookingDocument& doc, std::size_t index, const PriceData& d, PricedQuantity which, PricingMode mode,
                   std::string& refusal) {
    if (index >= doc.validPositions()) return false;
    BookingDocument changed = doc;
    if (!applyPrice(changed.positions[index], d, which, mode) || !updateSums(changed)) {
        refusal = refusalFor(doc.positions[index], which);
        return false;
    }
    doc = std::move(changed);
    return true;
}

bool repriceDocument(BookingDocument& doc, const PriceLookup& lookup, PricingMode mode, bool both,
                     std::string& refusal) {
    BookingDocument changed = doc;
    for (std::size_t i = 0; i < changed.validPositions(); ++i) {
        BookingPosition& p = changed.positions[i];
        const std::optional<PriceData> d = lookup(p);
        if (!d) continue;
        for (PricedQuantity which : {PricedQuantity::Ordered, PricedQuantity::Delivered}) {
            if (which == PricedQuantity::Delivered && !both) break;
            if (!applyPrice(p, *d, which, mode)) {
                refusal = refusalFor(p, which);
                return false;
            }
        }
    }
    if (!updateSums(changed)) {
        refusal = "Die Summe des Belegs ist zu groß. Nichts wurde geändert.";
        return false;
    }
    doc = std::move(changed);
    return true;
}

std::uint32_t minimumOrderQuantity(const PriceData& d) {
    for (int k = 1; k <= 6; ++k)
        if (d.price(k) >= 1) return d.threshold(k);
    return d.threshold(6);
}

std::optional<std::uint32_t> cheaperQuantity(const PriceData& d, std::uint32_t q) {
    const int k = priceBreakIndex(d, q);
    if (k >= 6) return std::nullopt;
    // A break beyond the largest quantity that can be entered can never be ordered.
    const std::int64_t n = d.thresholds[static_cast<std::size_t>(k)];
    if (n > kMaxInputQuantity) return std::nullopt;
    const std::int64_t cost = n * d.price(k + 1);
    if (cost > 0 && std::int64_t{q} * d.price(k) >= cost && n > q) return static_cast<std::uint32_t>(n);
    return std::nullopt;
}

std::string cheaperQuantityQuestion(std::uint32_t advised, std::uint32_t q) {
    return std::to_string(advised) + " sind günstiger als " + std::to_string(q) + " Stück! Günstigere Menge bestellen?";
}

namespace {

NumberRequest quantityRequest(std::string caption, std::uint32_t minimum, std::uint32_t current) {
    NumberRequest r;
    r.caption = std::move(caption);
    r.prompt = "Menge";
    r.minimum = static_cast<std::int32_t>(minimum);
    r.maximum = static_cast<std::int32_t>(kMaxInputQuantity);
    r.value = static_cast<std::int32_t>(std::clamp(current, minimum, kMaxInputQuantity));
    return r;
}

}  // namespace

NumberRequest orderQuantityRequest(const std::string& name, std::uint32_t minimumOrder, std::uint32_t current) {
    std::string caption = name + " Menge eingeben";
    if (minimumOrder > 1) caption += " mind.:" + std::to_string(minimumOrder);
    // A threshold above the input's own limit could never be entered; it is held at 60000.
    const std::uint32_t minimum = std::clamp<std::uint32_t>(minimumOrder, 1, kMaxInputQuantity);
    return quantityRequest(std::move(caption), minimum, current);
}

NumberRequest bookingQuantityRequest(const std::string& name, std::uint32_t current) {
    return quantityRequest(name + " Menge eingeben", 1, current);
}

NumberRequest deliveredQuantityRequest(const std::string& name, std::uint32_t current) {
    return quantityRequest(name + " Liefermenge eingeben", 1, current);
}

}  // namespace kvx
