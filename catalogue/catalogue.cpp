// Loading and closing the catalogue files.
#include "catalogue/catalogue.h"

#include "base/io_error.h"
#include "catalogue/catalogue_commit.h"

namespace kvx {

bool Catalogue::load(FileSystem& fs) {
    close();
    // An import interrupted while it put its files in place is finished first.
    const CommitRecovery recovery = recoverCatalogueCommit(fs);
    m_recoveryMessage = recovery.message;
    m_recoveryReplaced = recovery.replaced;
    if (!recovery.ok) return false;
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
