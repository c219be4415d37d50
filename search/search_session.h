// The search subsystem's session for one run: the active parameter set and the last result list
// (SearchState), the stored parameter sets in suchpar.dat and the result list file suchidx.dat. Built
// from what it needs (file system, clock, settings, catalogue); the application state only holds one.
// The operations on it are in search_commands.h, its commands in search_command_table.h.
#pragma once

#include <string>

#include "base/block_file.h"
#include "base/clock.h"
#include "base/file_system.h"
#include "base/record_file.h"
#include "catalogue/catalogue.h"
#include "search/search_index.h"
#include "search/search_state.h"
#include "settings/settings_record.h"

namespace kvx {

inline constexpr std::size_t kSearchParameterSetSize = 415;
inline constexpr std::size_t kSearchResultListSize = 2002;

struct SearchFileNames {
    std::string parameters = "suchpar.dat";
    std::string index = "suchidx.dat";
};

class SearchSession final {
  public:
    SearchSession(FileSystem& fs, const Clock& clock, SettingsRecord& settings, Catalogue& catalogue,
                  SearchFileNames names = {});
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    FileSystem& fs() { return m_fs; }
    const Clock& clock() const { return m_clock; }
    SettingsRecord& settings() { return m_settings; }
    const SettingsRecord& settings() const { return m_settings; }
    Catalogue& catalogue() { return m_catalogue; }
    const SearchFileNames& names() const { return m_names; }

    // Start: reads suchidx.dat (a file that exists but cannot be read throws IoError), opens suchpar.dat
    // when it exists, reads the selected set and takes the last result list.
    void load();
    // Quit, in the order of the write-back: a modified active set goes into its slot (then suchpar.dat is
    // closed by the caller); later the changed result list goes into suchidx.dat. False with `error` (file
    // name and reason) when it failed; an I/O error of the record file throws IoError.
    [[nodiscard]] bool saveParameters(std::string& error);
    [[nodiscard]] bool saveIndex(std::string& error);

    // The search form of the open art.dat (search_index.h): built on first use and again whenever the
    // catalogue was reopened since (after an import). Throws IoError when art.dat cannot be read.
    const SearchIndex& searchIndex();

    SearchState state;
    RecordFile parameters;  // suchpar.dat
    BlockFile index;        // suchidx.dat

  private:
    FileSystem& m_fs;
    const Clock& m_clock;
    SettingsRecord& m_settings;
    Catalogue& m_catalogue;
    SearchFileNames m_names;
    std::shared_ptr<const SearchIndex> m_searchIndex;
};

}  // namespace kvx
