// Taking care of a My Articles entry by hand after its article left the catalogue: linking it to another
// catalogue article, or removing it when no booking document names it any more. Both are one change of
// artikel.dat and the booking files (StockSession::rearrangeMyArticles): the records that move and the
// positions that name them follow.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/user_interface.h"
#include "stock/stock_session.h"

namespace kvx {

inline constexpr const char* kRemoveStillUsed = " wird noch verwendet: ";

// Where record n is still named by a booking position ("Bestellung 3", "Bedarf 1", "Direktbestellung"; 1-based
// document numbers), in file order; the documents held in memory count as they are there. Throws IoError.
std::vector<std::string> myArticleUses(StockSession& s, std::uint32_t n);

// "Neu zuordnen": entry n takes catalogue article `picked` (its number, group numbers and article copy; stock,
// quantities and link stay). Refused when nothing was picked, when the article is the entry's own or another
// entry's. Asks first. True when My Articles changed.
bool relinkMyArticle(StockSession& s, UserInterface& ui, std::uint32_t n, std::optional<ArticleNumber> picked);

// "Aus Meine Artikel löschen": entry n removed, refused while a booking document names it (the message says
// where). Asks first. True when My Articles changed.
bool removeMyArticle(StockSession& s, UserInterface& ui, std::uint32_t n);

}  // namespace kvx
