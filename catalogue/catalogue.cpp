// Loading and closing the catalogue files.
#include "catalogue/catalogue.h"

#include "base/io_error.h"

namespace kvx {

bool Catalogue::load(FileSystem& fs) {
    close();
    const bool ok = m_groups.loadMainGroups(fs) && m_groups.loadUpperGroups(fs) && m_groups.openProductGroups(fs) &&
                    m_articles.open(fs);
    if (!ok) {
        close();
        return false;
    }
    // The ranges need the article count: the last product group ends there.
    m_groups.setArticleCount(m_articles.count());
    try {
        m_groups.computeRanges();
    } catch (const IoError&) {
        close();
        return false;
    }
    m_loaded = true;
    return true;
}

void Catalogue::close() {
    m_articles.close();
    m_groups.clear();
    m_loaded = false;
}

}  // namespace kvx
