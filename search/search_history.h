// The word history (100 entries of 20 characters) and the unit history (40 entries of 10 characters) of
// the search dialog, kept in the settings block, most recent first. Windows-1252.
#pragma once

#include <string>
#include <vector>

#include "settings/settings_record.h"

namespace kvx {

class SearchHistory final {
  public:
    enum class Kind { Words, Units };

    SearchHistory(SettingsRecord& settings, Kind kind);

    int capacity() const { return SettingsRecord::historyCapacity(m_history); }
    // The stored count, clamped to the capacity (a damaged block cannot index past the table).
    int count() const;
    // Entry k, 1-based.
    std::string entry(int k) const;
    std::vector<std::string> entries() const;

    // Moves `value` to the front, or inserts it there (dropping the last entry of a full history); marks the
    // settings modified when anything changed. An empty value changes nothing.
    void put(const std::string& value);

  private:
    SettingsRecord& m_settings;
    SettingsRecord::History m_history;
};

}  // namespace kvx
