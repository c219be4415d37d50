// Field-by-field coding of booking documents and the position edits that do not involve prices.
#include "stock/booking_document.h"

#include <algorithm>
#include <cstring>

#include "base/short_string.h"

namespace kvx {

namespace {

constexpr std::size_t kPosName = 2, kPosDescription = 27, kPosQuantity = 108, kPosDelivered = 110, kPosCatalogue = 112,
                      kPosGross = 114, kPosUnit = 118, kPosDeliveredGross = 122, kPosNet = 126, kPosDeliveredNet = 130,
                      kPosBreak = 134, kPosDeliveredBreak = 135, kPosDirect = 136, kPosReserved = 137;
constexpr std::size_t kDocBooked = 0, kDocCreated = 4, kDocEvent = 8, kDocCount = 12, kDocDirect = 13, kDocStatus = 14,
                      kDocCostCentre = 15, kDocPieces = 17, kDocGross = 19, kDocNet = 23, kDocDeliveredGross = 27,
                      kDocDeliveredNet = 31, kDocTextFile = 7935;

}  // namespace

BookingPosition BookingPosition::decode(const std::uint8_t* rec) {
    BookingPosition p;
    p.recordNumber = getU16(rec, 0);
    p.name = readShortString(rec, kPosName, kNameCapacity);
    p.description = readShortString(rec, kPosDescription, kDescriptionCapacity);
    p.quantity = getU16(rec, kPosQuantity);
    p.delivered = getU16(rec, kPosDelivered);
    p.catalogueNumber = getU16(rec, kPosCatalogue);
    p.grossTotal = getI32(rec, kPosGross);
    p.unitPrice = getI32(rec, kPosUnit);
    p.deliveredGross = getI32(rec, kPosDeliveredGross);
    p.netTotal = getI32(rec, kPosNet);
    p.deliveredNet = getI32(rec, kPosDeliveredNet);
    p.breakIndex = getU8(rec, kPosBreak);
    p.deliveredBreakIndex = getU8(rec, kPosDeliveredBreak);
    p.catalogueDirect = getU8(rec, kPosDirect);
    std::memcpy(p.reserved.data(), rec + kPosReserved, p.reserved.size());
    return p;
}

void BookingPosition::encode(std::uint8_t* rec) const {
    std::memset(rec, 0, kSize);
    putU16(rec, 0, recordNumber);
    writeShortString(rec, kPosName, kNameCapacity, name);
    writeShortString(rec, kPosDescription, kDescriptionCapacity, description);
    putU16(rec, kPosQuantity, quantity);
    putU16(rec, kPosDelivered, delivered);
    putU16(rec, kPosCatalogue, catalogueNumber);
    putI32(rec, kPosGross, grossTotal);
    putI32(rec, kPosUnit, unitPrice);
    putI32(rec, kPosDeliveredGross, deliveredGross);
    putI32(rec, kPosNet, netTotal);
    putI32(rec, kPosDeliveredNet, deliveredNet);
    putU8(rec, kPosBreak, breakIndex);
    putU8(rec, kPosDeliveredBreak, deliveredBreakIndex);
    putU8(rec, kPosDirect, catalogueDirect);
    std::memcpy(rec + kPosReserved, reserved.data(), reserved.size());
}

BookingDocument BookingDocument::decode(const std::uint8_t* rec, std::size_t size) {
    BookingDocument d;
    if (size < kSize) return d;
    d.bookedDate = getI32(rec, kDocBooked);
    d.createdDate = getI32(rec, kDocCreated);
    d.eventDate = getI32(rec, kDocEvent);
    d.positionCount = getU8(rec, kDocCount);
    d.directOrder = getU8(rec, kDocDirect);
    d.status = getU8(rec, kDocStatus);
    d.costCentre = getU16(rec, kDocCostCentre);
    d.pieceCount = getU16(rec, kDocPieces);
    d.grossOrdered = getI32(rec, kDocGross);
    d.netOrdered = getI32(rec, kDocNet);
    d.grossDelivered = getI32(rec, kDocDeliveredGross);
    d.netDelivered = getI32(rec, kDocDeliveredNet);
    for (std::size_t i = 0; i < kMaxPositions; ++i)
        d.positions[i] = BookingPosition::decode(rec + kPositionsOffset + i * BookingPosition::kSize);
    d.textFile = readShortString(rec, kDocTextFile, kTextFileCapacity);
    return d;
}

void BookingDocument::encode(std::uint8_t* rec) const {
    std::memset(rec, 0, kSize);
    putI32(rec, kDocBooked, bookedDate);
    putI32(rec, kDocCreated, createdDate);
    putI32(rec, kDocEvent, eventDate);
    putU8(rec, kDocCount, positionCount);
    putU8(rec, kDocDirect, directOrder);
    putU8(rec, kDocStatus, status);
    putU16(rec, kDocCostCentre, costCentre);
    putU16(rec, kDocPieces, pieceCount);
    putI32(rec, kDocGross, grossOrdered);
    putI32(rec, kDocNet, netOrdered);
    putI32(rec, kDocDeliveredGross, grossDelivered);
    putI32(rec, kDocDeliveredNet, netDelivered);
    for (std::size_t i = 0; i < kMaxPositions; ++i)
        positions[i].encode(rec + kPositionsOffset + i * BookingPosition::kSize);
    writeShortString(rec, kDocTextFile, kTextFileCapacity, textFile);
}

Bytes BookingDocument::encode() const {
    Bytes bytes(kSize, 0);
    encode(bytes.data());
    return bytes;
}

BookingDocument BookingDocument::initialised(DateNumber today) {
    BookingDocument d;
    d.createdDate = today;
    d.pieceCount = 1;
    return d;
}

namespace {

std::optional<std::size_t> appendPosition(BookingDocument& doc, BookingPosition p) {
    const std::size_t n = doc.validPositions();
    if (n >= BookingDocument::kMaxPositions) return std::nullopt;
    doc.positions[n] = std::move(p);
    doc.positionCount = static_cast<std::uint8_t>(n + 1);
    return n;
}

BookingPosition positionFor(const CatalogueArticle& a) {
    BookingPosition p;
    p.name = cutText(a.kurzbez[0], BookingPosition::kNameCapacity);
    p.description = cutText(descriptionTextCp1252(a), BookingPosition::kDescriptionCapacity);
    return p;
}

}  // namespace

std::optional<std::size_t> addMyArticlePosition(BookingDocument& doc, std::uint16_t r, const MyArticleRecord& record,
                                                std::uint16_t q) {
    BookingPosition p = positionFor(record.article());
    p.recordNumber = r;
    p.catalogueNumber = record.articleNumber;
    if (q == 0) q = record.minimumOrderQuantity != 0 ? record.minimumOrderQuantity : 1;
    p.quantity = q;
    return appendPosition(doc, std::move(p));
}

std::optional<std::size_t> addCataloguePosition(BookingDocument& doc, ArticleNumber a,
                                                const CatalogueArticle& article) {
    BookingPosition p = positionFor(article);
    p.recordNumber = a;
    p.catalogueNumber = a;
    p.catalogueDirect = 1;
    p.quantity = 1;
    return appendPosition(doc, std::move(p));
}

bool deletePosition(BookingDocument& doc, std::size_t index) {
    const std::size_t n = doc.validPositions();
    if (index >= n) return false;
    std::move(doc.positions.begin() + static_cast<std::ptrdiff_t>(index + 1),
              doc.positions.begin() + static_cast<std::ptrdiff_t>(n),
              doc.positions.begin() + static_cast<std::ptrdiff_t>(index));
    doc.positions[n - 1] = BookingPosition{};
    doc.positionCount = static_cast<std::uint8_t>(n - 1);
    return true;
}

bool renumberPositions(BookingDocument& doc, std::uint32_t r) {
    bool changed = false;
    for (std::size_t i = 0; i < doc.validPositions(); ++i) {
        BookingPosition& p = doc.positions[i];
        if (p.catalogueDirect != 0 || p.recordNumber < r || p.recordNumber == 65535) continue;
        ++p.recordNumber;
        changed = true;
    }
    return changed;
}

bool renumberStoredDocument(std::uint8_t* document, std::uint32_t r) {
    const std::size_t n = std::min<std::size_t>(getU8(document, kDocCount), BookingDocument::kMaxPositions);
    bool changed = false;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t* p = document + BookingDocument::kPositionsOffset + i * BookingPosition::kSize;
        const std::uint16_t number = getU16(p, 0);
        if (getU8(p, kPosDirect) != 0 || number < r || number == 65535) continue;
        putU16(p, 0, static_cast<std::uint16_t>(number + 1));
        changed = true;
    }
    return changed;
}

bool relinkStoredDocument(std::uint8_t* document, const std::vector<std::uint32_t>& newPlace,
                          const std::vector<ArticleNumber>& articleAt) {
    const std::size_t n = std::min<std::size_t>(getU8(document, kDocCount), BookingDocument::kMaxPositions);
    bool changed = false;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t* p = document + BookingDocument::kPositionsOffset + i * BookingPosition::kSize;
        const std::uint16_t number = getU16(p, 0);
        if (getU8(p, kPosDirect) != 0 || number >= newPlace.size()) continue;
        const std::uint32_t to = newPlace[number];
        const ArticleNumber article = to < articleAt.size() ? articleAt[to] : getU16(p, kPosCatalogue);
        if (to == number && article == getU16(p, kPosCatalogue)) continue;
        putU16(p, 0, static_cast<std::uint16_t>(to));
        putU16(p, kPosCatalogue, article);
        changed = true;
    }
    return changed;
}

bool relinkStoredDirectPositions(std::uint8_t* document, const std::function<ArticleNumber(ArticleNumber)>& newNumber) {
    const std::size_t n = std::min<std::size_t>(getU8(document, kDocCount), BookingDocument::kMaxPositions);
    bool changed = false;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t* p = document + BookingDocument::kPositionsOffset + i * BookingPosition::kSize;
        if (getU8(p, kPosDirect) == 0) continue;
        const ArticleNumber from = getU16(p, 0);
        const ArticleNumber to = newNumber(from);
        if (to == from && getU16(p, kPosCatalogue) == to) continue;
        putU16(p, 0, to);
        putU16(p, kPosCatalogue, to);
        changed = true;
    }
    return changed;
}

}  // namespace kvx
