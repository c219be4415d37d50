// Cost centres: names, states, label, choice and the management list.
#include "stock/cost_centres.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

namespace {

constexpr int kStatesInSettings = SettingsRecord::kCostCentreStates;  // 0..40

std::string defaultName(int n) {
    return n == 0 ? "Allgemein" : "Projekt" + std::to_string(n);
}

}  // namespace

CostCentres::CostCentres() {
    for (int n = 0; n <= kMinimumLast; ++n) m_names.push_back(defaultName(n));
}

void CostCentres::load(FileSystem& fs, const std::string& namesPath, const std::string& statesPath) {
    m_names.clear();
    std::string data;
    if (readFileIfPresent(fs, namesPath, data)) {
        const std::size_t records =
            std::min<std::size_t>(data.size() / kCostCentreNameSize, std::size_t{kMaximumLast} + 1);
        for (std::size_t i = 0; i < records; ++i) {
            const auto* rec = reinterpret_cast<const std::uint8_t*>(data.data()) + i * kCostCentreNameSize;
            m_names.push_back(readShortString(rec, 0, kNameCapacity));
        }
    }
    if (m_names.size() < std::size_t{kMinimumLast} + 1) m_names.resize(std::size_t{kMinimumLast} + 1);
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i].empty()) m_names[i] = defaultName(static_cast<int>(i));

    m_highStates.assign(static_cast<std::size_t>(std::max(0, last() + 1 - kStatesInSettings)), 0);
    std::string states;
    if (readFileIfPresent(fs, statesPath, states)) {
        const std::size_t n = std::min(states.size(), m_highStates.size());
        for (std::size_t i = 0; i < n; ++i) m_highStates[i] = static_cast<std::uint8_t>(states[i]);
    }
    m_namesChanged = m_statesChanged = false;
    m_selected = 0;
}

bool CostCentres::save(FileSystem& fs, const std::string& namesPath, const std::string& statesPath,
                       std::string& error) {
    if (m_namesChanged) {
        std::string data(m_names.size() * kCostCentreNameSize, '\0');
        for (std::size_t i = 0; i < m_names.size(); ++i)
            writeShortString(reinterpret_cast<std::uint8_t*>(data.data()) + i * kCostCentreNameSize, 0, kNameCapacity,
                             m_names[i]);
        if (!writeWholeFileAtomically(fs, namesPath, data.data(), data.size(), error)) return false;
        m_namesChanged = false;
    }
    if (m_statesChanged) {
        if (!writeWholeFileAtomically(fs, statesPath, m_highStates.data(), m_highStates.size(), error)) return false;
        m_statesChanged = false;
    }
    return true;
}

std::string CostCentres::name(int n) const {
    return exists(n) ? m_names[static_cast<std::size_t>(n)] : std::string();
}

void CostCentres::setName(int n, const std::string& cp1252) {
    if (!exists(n)) return;
    std::string& name = m_names[static_cast<std::size_t>(n)];
    const std::string cut = cutText(cp1252, kNameCapacity);
    if (name != cut) {
        name = cut;
        m_namesChanged = true;
    }
}

std::string CostCentres::label(int n) const {
    return cutText(std::to_string(n) + " " + name(n), 40);
}

bool CostCentres::isActive(int n, const SettingsRecord& settings) const {
    if (n < 0) return false;
    if (n < kStatesInSettings) return settings.costCentreState(n) != 0;
    const auto i = static_cast<std::size_t>(n - kStatesInSettings);
    return i < m_highStates.size() && m_highStates[i] != 0;
}

void CostCentres::setActive(int n, bool active, SettingsRecord& settings) {
    if (!exists(n)) return;
    if (n < kStatesInSettings) {
        settings.setCostCentreState(n, active ? 1 : 0);
        return;
    }
    std::uint8_t& state = m_highStates[static_cast<std::size_t>(n - kStatesInSettings)];
    if ((state != 0) != active) {
        state = active ? 1 : 0;
        m_statesChanged = true;
    }
}

std::string costCentreStateText(bool active) {
    return active ? "Aktiv" : "Inaktiv";
}

std::optional<int> chooseCostCentre(const CostCentres& centres, const SettingsRecord& settings, UserInterface& ui,
                                    const std::string& kindWord, int current, bool closedCheck) {
    ChoiceRequest request;
    request.caption = "Kostenstelle";
    request.prompt = kindWord + " Kostenstelle eingeben";
    for (int n = 0; n <= centres.last(); ++n)
        request.lines.push_back(cp1252ToUtf8(centres.label(n)) + " " +
                                costCentreStateText(centres.isActive(n, settings)));
    request.current = centres.exists(current) ? current : 0;
    for (;;) {
        const std::optional<int> chosen = ui.chooseLine(request);
        if (!chosen || !centres.exists(*chosen)) return std::nullopt;
        if (!closedCheck || centres.isActive(*chosen, settings)) return chosen;
        ui.inform(kCostCentreClosed);
        request.current = *chosen;
    }
}

ListContent costCentreManagementList(const CostCentres& centres, const SettingsRecord& settings) {
    ListContent list;
    list.kind = kCostCentreManagementList;
    list.columns = {{"Nr", 8, true}, {"Name", 20, false}, {"Status", 20, false}};
    for (int n = 0; n <= centres.last(); ++n) {
        list.rows.push_back(
            {{std::to_string(n), cp1252ToUtf8(centres.name(n)), costCentreStateText(centres.isActive(n, settings))},
             static_cast<std::uint32_t>(n)});
    }
    list.selectedRow = centres.selected();
    return list;
}

bool renameSelectedCostCentre(CostCentres& centres, UserInterface& ui) {
    const int n = centres.selected();
    TextRequest request;
    request.caption = "Kostenstellenname";
    request.prompt = "Name";
    request.value = cp1252ToUtf8(centres.name(n));
    request.maxLength = static_cast<int>(CostCentres::kNameCapacity);
    const std::optional<std::string> text = ui.askText(request);
    if (!text) return false;
    const std::string before = centres.name(n);
    centres.setName(n, utf8ToCp1252(*text));
    return centres.name(n) != before;
}

bool changeSelectedCostCentreState(CostCentres& centres, SettingsRecord& settings, UserInterface& ui) {
    const int n = centres.selected();
    ChoiceRequest request;
    request.caption = "Status eingeben";
    request.prompt = "Status";
    request.lines = {"Inaktiv", "Aktiv"};
    const bool before = centres.isActive(n, settings);
    request.current = before ? 1 : 0;
    const std::optional<int> chosen = ui.chooseLine(request);
    if (!chosen || (*chosen != 0 && *chosen != 1)) return false;
    centres.setActive(n, *chosen == 1, settings);
    return centres.isActive(n, settings) != before;
}

}  // namespace kvx
