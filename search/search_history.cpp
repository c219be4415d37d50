// Word and unit history in the settings block.
#include "search/search_history.h"

#include "base/short_string.h"

namespace kvx {

SearchHistory::SearchHistory(SettingsRecord& settings, Kind kind)
    : m_settings(settings),
      m_history(kind == Kind::Words ? SettingsRecord::History::SearchWords : SettingsRecord::History::SearchUnits) {}

int SearchHistory::count() const {
    return m_settings.historyCount(m_history);
}

std::string SearchHistory::entry(int k) const {
    return m_settings.historyEntry(m_history, k);
}

std::vector<std::string> SearchHistory::entries() const {
    std::vector<std::string> out;
    for (int k = 1; k <= count(); ++k) out.push_back(entry(k));
    return out;
}

void SearchHistory::put(const std::string& value) {
    if (value.empty()) return;
    const std::string v = cutText(value, SettingsRecord::historyTextCapacity(m_history));
    int n = count();
    int found = 0;  // the last matching entry counts
    for (int k = 1; k <= n; ++k)
        if (entry(k) == v) found = k;
    if (found == 1) return;
    if (found == 0) {
        if (n < capacity()) ++n;
        found = n;  // the entry moved out of the way (or dropped when the history was full)
    }
    for (int k = found; k > 1; --k) m_settings.setHistoryEntry(m_history, k, entry(k - 1));
    m_settings.setHistoryEntry(m_history, 1, v);
    m_settings.setHistoryCount(m_history, n);
}

}  // namespace kvx
