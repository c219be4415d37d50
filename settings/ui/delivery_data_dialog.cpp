// The delivery data dialog.
#include "settings/ui/delivery_data_dialog.h"

#include "base/cp1252.h"
#include "settings/delivery_options.h"

namespace kvx {

namespace {

constexpr int kHelpContext = 120;
constexpr int kCustomerNumberReadLimit = 20;

const QString kOrderTypeHint = QStringLiteral(
    "Voll-Lieferung: Warten bis alle Teile eingetroffen sind, dann Versand einer Lieferung; Teil-Lieferung: "
    "Verfügbare Teile sofort liefern, den Rest später; keine Rückstände: Verfügbare Teile sofort liefern, den "
    "Rest stornieren;");
const QString kDestinationHint = QStringLiteral(
    "Lieferziel eingeben. Frachtfreie Lieferung innerhalb Deutschlands ab 150€(bei Nachnahme) , 75€(bei "
    "Vorkasse)");
const QString kCustomerNumberHint = QStringLiteral("Kunden-Nummer bei Rechnungskauf");

struct Option {
    int id;
    DeliveryOption option;
    std::uint8_t DeliveryData::*index;
};
const Option kOptions[] = {
    {tlieferdatdlg::kOrderTypeCombo, DeliveryOption::OrderType, &DeliveryData::orderType},
    {tlieferdatdlg::kDestinationCombo, DeliveryOption::Destination, &DeliveryData::destination},
    {tlieferdatdlg::kShippingCombo, DeliveryOption::Shipping, &DeliveryData::shipping},
    {tlieferdatdlg::kPaymentCombo, DeliveryOption::Payment, &DeliveryData::payment},
};

}  // namespace

tlieferdatdlg::tlieferdatdlg(QWidget* owner, const DeliveryData& data) : Tkodialog(owner, kHelpContext), m_data(data) {
    setHeader(42, 18, QStringLiteral("Einstellungen"));
    computeMetrics(6, 1);
    const QString labels[] = {QStringLiteral("Bestellart"), QStringLiteral("Lieferziel"), QStringLiteral("Versandart"),
                              QStringLiteral("Zahlungsart"), QStringLiteral("Kd-Nummer")};
    const QString hints[] = {kOrderTypeHint, kDestinationHint, QString(), QString(), kCustomerNumberHint};
    for (int k = 1; k <= 5; ++k) {
        declareLabel(1, 2 * k - 1, k, k, labels[k - 1], 15);
        if (k <= 4)
            declareListCombo(17, 2 * k - 1, k, 5 + k, 20, 20);
        else
            declareEdit(17, 2 * k - 1, k, 5 + k, QStringLiteral(" "), 20);
        item(k)->hint = hints[k - 1];
        item(5 + k)->hint = hints[k - 1];
    }
    declareButtonRow(42, 13, 11);
    setCounts(5, 5, 12);
}

void tlieferdatdlg::setupwindow() {
    Tkodialog::setupwindow();
    for (const Option& o : kOptions) {
        for (const std::string& text : deliveryOptionTexts(o.option)) addEntry(o.id, QString::fromStdString(text));
        const int stored = m_data.*o.index;
        // A stored index outside the table shows as "??" and stays stored unless another entry is chosen.
        if (deliveryOptionText(o.option, stored) == kUnknownOption) {
            addEntry(o.id, QString::fromLatin1(kUnknownOption));
            setCurrentIndex(o.id, static_cast<int>(deliveryOptionTexts(o.option).size()));
        } else {
            setCurrentIndex(o.id, stored);
        }
    }
    setItemText(kCustomerNumberEdit, QString::fromStdString(cp1252ToUtf8(m_data.customerNumber)),
                kCustomerNumberReadLimit);
}

bool tlieferdatdlg::canclose() {
    for (const Option& o : kOptions) {
        const int chosen = selectedIndex(o.id);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < deliveryOptionTexts(o.option).size())
            m_data.*o.index = static_cast<std::uint8_t>(chosen);
    }
    const int capacity = static_cast<int>(SettingsRecord::kCustomerNumberCapacity);
    m_data.customerNumber =
        utf8ToCp1252(getText(kCustomerNumberEdit, kCustomerNumberReadLimit, capacity).toStdString());
    return true;
}

bool runDeliveryDataDialog(QWidget* owner, DeliveryData& data) {
    tlieferdatdlg dialog(owner, data);
    if (dialog.execute() != dlgid::kOk) return false;
    data = dialog.result();
    return true;
}

}  // namespace kvx
