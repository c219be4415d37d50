// Cost-centre names (kstst.dat): records of a length byte and up to 20 characters, read whole at start and
// written back whole at quit when a name changed.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"

namespace kvx {

class CostCentres final {
  public:
    static constexpr int kMinimumCount = 20;
    // Names 0..400 exist, of which at most 400 are read; the settings hold status bytes for 0..40 only.
    static constexpr int kMaximumCount = 400;

    // Missing file: the default names. Empty names become "Allgemein" (first) or "Projekt" + number. A file
    // that exists but cannot be read throws IoError.
    // save() writes back every name that load() read.
    void load(FileSystem& fs, const std::string& path);
    [[nodiscard]] bool save(FileSystem& fs, const std::string& path, std::string& error);

    int count() const { return static_cast<int>(m_names.size()); }
    const std::string& name(int index) const { return m_names.at(static_cast<std::size_t>(index)); }  // Windows-1252
    void setName(int index, const std::string& cp1252);
    bool changed() const { return m_changed; }

  private:
    std::vector<std::string> m_names;
    bool m_changed = false;
};

}  // namespace kvx
