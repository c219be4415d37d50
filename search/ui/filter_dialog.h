// tzelfilterdlg: the availability filter, four check boxes for the statuses "Lager", "Abverkauf", "Bestell"
// and "Auslauf". Works on its own copy of the five filter bytes; the fifth has no box and is carried.
#pragma once

#include <array>
#include <cstdint>

#include "framework/tkodialog.h"

namespace kvx {

class tzelfilterdlg final : public Tkodialog {
    Q_OBJECT
  public:
    tzelfilterdlg(QWidget* owner, const std::array<std::uint8_t, 5>& filter);
    void setupwindow() override;
    bool canclose() override;
    const std::array<std::uint8_t, 5>& result() const { return m_filter; }

  private:
    std::array<std::uint8_t, 5> m_filter;
};

// Runs the dialog; true on OK with `filter` replaced.
bool runFilterDialog(QWidget* owner, std::array<std::uint8_t, 5>& filter);

}  // namespace kvx
