// The direct order of the simple mode.
#include "stock/direct_order.h"

namespace kvx {

BookingDocument freshDirectOrder(const Clock& clock) {
    BookingDocument d = BookingDocument::initialised(clock.todayNumber());
    d.directOrder = 1;
    return d;
}

bool orderArticleDirectly(OrderContext& c, const Catalogue& catalogue, DocumentRef direct, ArticleNumber a) {
    if (!catalogue.articles().isSelectable(a)) {
        c.ui.inform(kNoArticleChosen);
        return false;
    }
    const CatalogueArticle article = catalogue.articles().read(a);
    if (!c.ui.ask("Artikel " + std::to_string(a) + ":" + articleName(article) + " bestellen?")) return false;
    BookingDocument copy = direct.document;
    const std::optional<std::size_t> index = addCataloguePosition(copy, a, article);
    if (!index) {
        c.ui.inform(kNoMorePositions);
        return false;
    }
    std::uint32_t number = 0;
    bool changed = false;
    if (!enterOrderQuantity(c, DocumentRef{copy, number, changed}, *index)) return false;
    direct.document = std::move(copy);
    direct.changed = true;
    return true;
}

bool openDirectOrder(OrderContext& c, DocumentRef direct) {
    if (direct.document.validPositions() == 0) {
        c.ui.inform(kNoArticles);
        return false;
    }
    if (refuseVanishedPositions(c.ui, direct.document)) return false;
    const DateNumber today = c.clock.todayNumber();
    if (direct.document.bookedDate != today) {
        direct.document.bookedDate = today;
        direct.changed = true;
    }
    return true;
}

bool resetDirectOrder(OrderContext& c, DocumentRef direct) {
    if (!c.ui.ask("Bestellung rücksetzen?")) return false;
    const BookingDocument fresh = freshDirectOrder(c.clock);
    if (!reportWrite(c.ui, c.session.writeDocument(BookingFile::DirectOrder, 0, fresh))) return false;
    direct.document = fresh;
    direct.number = 0;
    direct.changed = false;
    return true;
}

bool saveDirectOrder(OrderContext& c, DocumentRef direct) {
    if (!direct.changed) return true;
    if (!reportWrite(c.ui, c.session.writeDocument(BookingFile::DirectOrder, 0, direct.document))) return false;
    direct.changed = false;
    return true;
}

}  // namespace kvx
