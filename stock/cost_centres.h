// Cost centres: their names (kstst.dat, records of a length byte and up to 20 characters), their active or
// closed state (one byte each: cost centres 0..40 in the settings block, the higher ones in a small file of
// their own, kststat.dat, so that the settings fields after the 41 state bytes are never touched), the
// cost centre selected for the whole program, the label and the choice dialog.
//
// The names run from 0 to N, N being the last name the file holds and at least 20; every name shown is
// written back, so a name given to cost centre N is never lost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "settings/settings_record.h"

namespace kvx {

inline constexpr const char* kCostCentreNamesFile = "kstst.dat";
inline constexpr const char* kCostCentreStatesFile = "kststat.dat";
inline constexpr std::size_t kCostCentreNameSize = 21;
inline constexpr const char* kCostCentreClosed =
    "Diese Kostenstelle ist abgeschlossen\n(Aktivieren: Kostenstellen verwalten, Status Ändern)";

class CostCentres final {
  public:
    static constexpr int kMinimumLast = 20;   // names 0..20 exist at least
    static constexpr int kMaximumLast = 400;  // names 0..400 at most
    static constexpr std::size_t kNameCapacity = kCostCentreNameSize - 1;

    CostCentres();

    // kstst.dat (missing: the default names) and the states file of the cost centres above 40 (missing:
    // closed). Empty names become "Allgemein" (0) or "Projekt" + number. A file that exists but cannot be
    // read throws IoError.
    void load(FileSystem& fs, const std::string& namesPath, const std::string& statesPath);
    // Writes what changed, each file whole and atomically; false with `error` (file and reason).
    [[nodiscard]] bool save(FileSystem& fs, const std::string& namesPath, const std::string& statesPath,
                            std::string& error);

    int last() const { return static_cast<int>(m_names.size()) - 1; }  // N
    int count() const { return static_cast<int>(m_names.size()); }     // N + 1
    bool exists(int n) const { return n >= 0 && n <= last(); }
    // Windows-1252; empty for a number that names no cost centre.
    std::string name(int n) const;
    void setName(int n, const std::string& cp1252);
    // Number, a blank and the name, cut to 40 characters (Windows-1252).
    std::string label(int n) const;

    bool isActive(int n, const SettingsRecord& settings) const;
    // 0..40 go to the settings block (marking it dirty), the others to the states file.
    void setActive(int n, bool active, SettingsRecord& settings);

    bool namesChanged() const { return m_namesChanged; }
    bool statesChanged() const { return m_statesChanged; }
    bool changed() const { return m_namesChanged || m_statesChanged; }

    // The cost centre the cost details start from, chosen in the orders list, the overview, the management
    // list or the details themselves.
    int selected() const { return m_selected; }
    void select(int n) {
        if (exists(n)) m_selected = n;
    }

  private:
    std::vector<std::string> m_names;
    std::vector<std::uint8_t> m_highStates;  // cost centres 41..N
    bool m_namesChanged = false;
    bool m_statesChanged = false;
    int m_selected = 0;
};

// "Aktiv" or "Inaktiv".
std::string costCentreStateText(bool active);

// The cost centre choice: a list of "label Aktiv|Inaktiv" preset to `current`, prompt `kindWord` +
// " Kostenstelle eingeben". With `closedCheck`, a closed cost centre is answered with kCostCentreClosed and
// the choice is asked again. Nothing when cancelled.
std::optional<int> chooseCostCentre(const CostCentres& centres, const SettingsRecord& settings, UserInterface& ui,
                                    const std::string& kindWord, int current, bool closedCheck);

// --- management list ("Kostenstellen verwalten") ---
inline constexpr int kCostCentreManagementList = 15;
// Rows 0..N: "Nr", "Name", "Status"; the selected one selected; each row's datum its number.
ListContent costCentreManagementList(const CostCentres& centres, const SettingsRecord& settings);
// "Name Ändern" for the selected cost centre: a text input of up to 20 characters ("Kostenstellenname").
// True when the name changed.
bool renameSelectedCostCentre(CostCentres& centres, UserInterface& ui);
// "Status Ändern": "Status eingeben" with "Inaktiv" and "Aktiv". True when the state changed.
bool changeSelectedCostCentreState(CostCentres& centres, SettingsRecord& settings, UserInterface& ui);

}  // namespace kvx
