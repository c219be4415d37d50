// Deferred list filling: every list kind has a refill flag. Setting it asks for a refill; the idle
// handler fills the visible list when its kind's flag is set and clears the flag. A flag set while
// another view is shown stays set until that list is shown and filled.
#pragma once

#include <array>

namespace kvx {

class ListRefill final {
  public:
    static constexpr int kKinds = 13;  // kinds 0..12

    void request(int kind) {
        if (valid(kind)) m_flags[static_cast<std::size_t>(kind)] = true;
    }
    bool pending(int kind) const { return valid(kind) && m_flags[static_cast<std::size_t>(kind)]; }
    // True (and the flag cleared) when the list of `kind` is to be filled now.
    bool take(int kind) {
        if (!pending(kind)) return false;
        m_flags[static_cast<std::size_t>(kind)] = false;
        return true;
    }

  private:
    static bool valid(int kind) { return kind > 0 && kind < kKinds; }
    std::array<bool, kKinds> m_flags{};
};

}  // namespace kvx
