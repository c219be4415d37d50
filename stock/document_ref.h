// A current booking document as its owner holds it: the document, its record number in its file and its
// changed flag. The operations on orders and the direct order work on the owner's copy through this view of
// it, so that the document stays where the session keeps it.
#pragma once

#include <cstdint>

#include "stock/booking_document.h"

namespace kvx {

struct DocumentRef {
    BookingDocument& document;
    std::uint32_t& number;  // record number in its file; the file's count for one not yet appended
    bool& changed;          // set by every edit, cleared when the document is written
};

}  // namespace kvx
