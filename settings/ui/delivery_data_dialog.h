// tlieferdatdlg "Einstellungen": order type, delivery destination, shipping and payment method as list-only
// combos, and the customer number for purchase on account.
#pragma once

#include "framework/tkodialog.h"
#include "settings/settings_record.h"

namespace kvx {

class tlieferdatdlg final : public Tkodialog {
    Q_OBJECT
  public:
    static constexpr int kOrderTypeCombo = 301, kDestinationCombo = 302, kShippingCombo = 303, kPaymentCombo = 304,
                         kCustomerNumberEdit = 305;

    tlieferdatdlg(QWidget* owner, const DeliveryData& data);
    void setupwindow() override;
    bool canclose() override;
    const DeliveryData& result() const { return m_data; }

  private:
    DeliveryData m_data;
};

bool runDeliveryDataDialog(QWidget* owner, DeliveryData& data);

}  // namespace kvx
