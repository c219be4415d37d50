// Decoded dumps of the stock records.
#include "stock/record_dump.h"

#include <algorithm>

#include "base/cp1252.h"

namespace kvx {

namespace {

std::string quoted(const std::string& cp1252) {
    return "\"" + cp1252ToUtf8(cp1252) + "\"";
}

template <std::size_t N>
std::string bytesIfSet(const std::array<std::uint8_t, N>& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; })) return "0";
    std::string out;
    for (std::uint8_t b : bytes) out += (out.empty() ? "" : " ") + std::to_string(b);
    return out;
}

}  // namespace

std::vector<std::string> describeMyArticleRecord(const MyArticleRecord& r) {
    const CatalogueArticle a = r.article();
    std::vector<std::string> out{
        "articleNumber " + std::to_string(r.articleNumber),
        "mainGroup " + std::to_string(r.mainGroup),
        "upperGroup " + std::to_string(r.upperGroup),
        "goodsGroup " + std::to_string(r.goodsGroup),
        "copy.name " + quoted(a.kurzbez[0]),
        "copy.vatKey " + std::to_string(a.schlumwst),
        "copy.priceUnit " + std::to_string(a.stkvpe),
    };
    std::string breaks = "copy.breaks";
    for (std::size_t k = 0; k < 6; ++k)
        breaks += " " + std::to_string(a.quantities[k]) + ":" + std::to_string(a.prices[k]);
    out.push_back(breaks);
    out.push_back("minimumStock " + std::to_string(r.minimumStock));
    out.push_back("minimumOrderQuantity " + std::to_string(r.minimumOrderQuantity));
    out.push_back("priceBreakIndex " + std::to_string(r.priceBreakIndex));
    out.push_back("stock " + std::to_string(r.stock));
    out.push_back("demand " + std::to_string(r.demand));
    out.push_back("onOrder " + std::to_string(r.onOrder));
    out.push_back("reserved " + bytesIfSet(r.reserved));
    out.push_back("cumulativeConsumption " + std::to_string(r.cumulativeConsumption));
    out.push_back("cumulativeReceipt " + std::to_string(r.cumulativeReceipt));
    out.push_back("datasheet " + quoted(r.datasheet));
    out.push_back("link " + quoted(r.link));
    out.push_back("remark " + quoted(r.remark));
    out.push_back("deliveryTime " + std::to_string(r.deliveryTime));
    out.push_back("creationThreshold " + std::to_string(r.creationThreshold));
    out.push_back("quantityToOrder " + std::to_string(r.quantityToOrder));
    return out;
}

std::vector<std::string> describeBookingDocument(const BookingDocument& d) {
    std::vector<std::string> out{
        "bookedDate " + std::to_string(d.bookedDate),
        "createdDate " + std::to_string(d.createdDate),
        "eventDate " + std::to_string(d.eventDate),
        "positionCount " + std::to_string(d.positionCount),
        "directOrder " + std::to_string(d.directOrder),
        "status " + std::to_string(d.status),
        "costCentre " + std::to_string(d.costCentre),
        "pieceCount " + std::to_string(d.pieceCount),
        "grossOrdered " + std::to_string(d.grossOrdered),
        "netOrdered " + std::to_string(d.netOrdered),
        "grossDelivered " + std::to_string(d.grossDelivered),
        "netDelivered " + std::to_string(d.netDelivered),
        "textFile " + quoted(d.textFile),
    };
    for (std::size_t i = 0; i < d.validPositions(); ++i) {
        const BookingPosition& p = d.positions[i];
        out.push_back(
            "position " + std::to_string(i + 1) + ": recordNumber " + std::to_string(p.recordNumber) + ", name " +
            quoted(p.name) + ", description " + quoted(p.description) + ", quantity " + std::to_string(p.quantity) +
            ", delivered " + std::to_string(p.delivered) + ", catalogueNumber " + std::to_string(p.catalogueNumber) +
            ", grossTotal " + std::to_string(p.grossTotal) + ", unitPrice " + std::to_string(p.unitPrice) +
            ", deliveredGross " + std::to_string(p.deliveredGross) + ", netTotal " + std::to_string(p.netTotal) +
            ", deliveredNet " + std::to_string(p.deliveredNet) + ", breakIndex " + std::to_string(p.breakIndex) +
            ", deliveredBreakIndex " + std::to_string(p.deliveredBreakIndex) + ", catalogueDirect " +
            std::to_string(p.catalogueDirect) + ", reserved " + bytesIfSet(p.reserved));
    }
    return out;
}

}  // namespace kvx
