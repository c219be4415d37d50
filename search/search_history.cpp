// Word and unit history in the settings block.
#include "search/search_history.h"

#include "base/short_string.h"

namespace kvx {

SearchHistory::SearchHistory(SettingsRecord& settings, Kind kind) : m_settings(settings) {
    if (kind == Kind::Words) {
        m_capacity = 100;
        m_textCapacity = 20;
        m_countOffset = 3362;
        m_firstEntry = 1262;
    } else {
        m_capacity = 40;
        m_textCapacity = 10;
        m_countOffset = 6026;
        m_firstEntry = 6038;
    }
}

int SearchHistory::count() const {
    return std::min<int>(m_settings.data()[m_countOffset], m_capacity);
}

std::size_t SearchHistory::entryOffset(int k) const {
    return m_firstEntry + static_cast<std::size_t>(k - 1) * (m_textCapacity + 1);
}

std::string SearchHistory::entry(int k) const {
    return readShortString(m_settings.data(), entryOffset(k), m_textCapacity);
}

void SearchHistory::setEntry(int k, const std::string& value) {
    writeShortString(m_settings.data(), entryOffset(k), m_textCapacity, value);
}

std::vector<std::string> SearchHistory::entries() const {
    std::vector<std::string> out;
    for (int k = 1; k <= count(); ++k) out.push_back(entry(k));
    return out;
}

void SearchHistory::put(const std::string& value) {
    if (value.empty()) return;
    const std::string v = cutText(value, m_textCapacity);
    int n = count();
    int found = 0;  // the last matching entry counts
    for (int k = 1; k <= n; ++k)
        if (entry(k) == v) found = k;
    if (found == 1) return;
    if (found == 0) {
        if (n < m_capacity) ++n;
        found = n;  // the entry moved out of the way (or dropped when the history was full)
    }
    for (int k = found; k > 1; --k) setEntry(k, entry(k - 1));
    setEntry(1, v);
    m_settings.data()[m_countOffset] = static_cast<std::uint8_t>(n);
    m_settings.setDirty();
}

}  // namespace kvx
