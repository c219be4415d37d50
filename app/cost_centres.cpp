// Cost-centre names.
#include "app/cost_centres.h"

#include "app/file_set.h"
#include "base/short_string.h"

namespace kvx {

void CostCentres::load(FileSystem& fs, const std::string& path) {
    m_names.clear();
    std::string data;
    if (readFileIfPresent(fs, path, data)) {
        const std::size_t records = std::min<std::size_t>(data.size() / kCostCentreRecordSize, kMaximumCount);
        for (std::size_t i = 0; i < records; ++i) {
            const auto* rec = reinterpret_cast<const std::uint8_t*>(data.data()) + i * kCostCentreRecordSize;
            m_names.push_back(readShortString(rec, 0, kCostCentreRecordSize - 1));
        }
    }
    if (m_names.size() < static_cast<std::size_t>(kMinimumCount)) m_names.resize(kMinimumCount);
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i].empty()) m_names[i] = i == 0 ? "Allgemein" : "Projekt" + std::to_string(i);
    m_changed = false;
}

bool CostCentres::save(FileSystem& fs, const std::string& path, std::string& error) {
    std::string data(m_names.size() * kCostCentreRecordSize, '\0');
    for (std::size_t i = 0; i < m_names.size(); ++i)
        writeShortString(reinterpret_cast<std::uint8_t*>(data.data()) + i * kCostCentreRecordSize, 0,
                         kCostCentreRecordSize - 1, m_names[i]);
    if (!writeWholeFileAtomically(fs, path, data.data(), data.size(), error)) return false;
    m_changed = false;
    return true;
}

void CostCentres::setName(int index, const std::string& cp1252) {
    auto& name = m_names.at(static_cast<std::size_t>(index));
    const std::string cut = cutText(cp1252, kCostCentreRecordSize - 1);
    if (name != cut) {
        name = cut;
        m_changed = true;
    }
}

}  // namespace kvx
