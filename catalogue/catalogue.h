// The loaded catalogue: the main and upper group tables, the open product-group file and the open
// article file, with the derived article ranges. Owned by the application state for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_tables.h"

namespace kvx {

class Catalogue final {
  public:
    // Loads whg.dat and wog.dat, opens wgg.dat and art.dat (all relative to the working directory) and
    // computes the article ranges. An import interrupted while replacing the files is completed first
    // (catalogue_commit.h). False without a message when any of them is missing or unreadable;
    // the catalogue is then closed and the caller may offer the import.
    [[nodiscard]] bool load(FileSystem& fs);
    // Closes wgg.dat and art.dat and empties the tables.
    void close();
    bool isLoaded() const { return m_loaded; }
    // After load(): what the finishing of an interrupted import had to say (empty when nothing), and
    // whether it replaced files (settings.dat among them, which must then be read again).
    const std::string& recoveryMessage() const { return m_recoveryMessage; }
    bool recoveryReplacedFiles() const { return m_recoveryReplaced; }

    GroupTables& groups() { return m_groups; }
    const GroupTables& groups() const { return m_groups; }
    ArticleTable& articles() { return m_articles; }
    const ArticleTable& articles() const { return m_articles; }
    std::uint16_t articleCount() const { return m_articles.count(); }

  private:
    GroupTables m_groups;
    ArticleTable m_articles;
    bool m_loaded = false;
    std::string m_recoveryMessage;
    bool m_recoveryReplaced = false;
};

}  // namespace kvx
