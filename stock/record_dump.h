// Every field of a My Articles record or a booking document by name, one line each, for the script driver's
// transcripts and for looking into a file by hand. Texts are shown in UTF-8 between quotes.
#pragma once

#include <string>
#include <vector>

#include "stock/booking_document.h"
#include "stock/my_article_record.h"

namespace kvx {

std::vector<std::string> describeMyArticleRecord(const MyArticleRecord& r);
// The header, then the stored positions (at most 50) with every field; reserved bytes only when not zero.
std::vector<std::string> describeBookingDocument(const BookingDocument& d);

}  // namespace kvx
