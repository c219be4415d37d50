// The search session: its files at start and quit.
#include "search/search_session.h"

#include "search/search_commands.h"

namespace kvx {

SearchSession::SearchSession(FileSystem& fs, const Clock& clock, SettingsRecord& settings, Catalogue& catalogue,
                             SearchFileNames names)
    : parameters(fs, names.parameters, kSearchParameterSetSize),
      m_fs(fs),
      m_clock(clock),
      m_settings(settings),
      m_catalogue(catalogue),
      m_names(std::move(names)) {}

void SearchSession::load() {
    loadBlockFile(m_fs, m_names.index, kSearchResultListSize, index);
    // suchpar.dat is opened when it exists; a missing file is created by the first "Parameter speichern",
    // and one that cannot be opened is reported by the first command that needs it.
    (void)parameters.open();
    loadSearchAtStart(*this);
}

bool SearchSession::saveParameters(std::string& error) {
    return saveSearchParameters(*this, error);
}

bool SearchSession::saveIndex(std::string& error) {
    return saveBlockFile(m_fs, m_names.index, index, error);
}

const SearchIndex& SearchSession::searchIndex() {
    const std::shared_ptr<const FileView> records = m_catalogue.articles().view();
    if (!m_searchIndex || m_searchIndex->source() != records.get() ||
        m_searchIndex->count() != m_catalogue.articleCount())
        m_searchIndex = SearchIndex::build(records, m_catalogue.articleCount());
    return *m_searchIndex;
}

}  // namespace kvx
