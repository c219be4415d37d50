// Option texts of the delivery data.
#include "settings/delivery_options.h"

namespace kvx {

const std::vector<std::string>& deliveryOptionTexts(DeliveryOption option) {
    static const std::vector<std::string> kOrderTypes = {"Voll-Lieferung", "Teil-Lieferung", "keine Rückstände"};
    static const std::vector<std::string> kDestinations = {"Berlin", "Inland", "Ausland"};
    static const std::vector<std::string> kShipping = {"GermanParcel", "UPS", "Post", "Stadtbote", "Abholung"};
    static const std::vector<std::string> kPayment = {"Nachnahme", "Vorkasse", "Bar", "Auf Rechnung"};
    switch (option) {
        case DeliveryOption::OrderType:
            return kOrderTypes;
        case DeliveryOption::Destination:
            return kDestinations;
        case DeliveryOption::Shipping:
            return kShipping;
        case DeliveryOption::Payment:
            break;
    }
    return kPayment;
}

std::string deliveryOptionText(DeliveryOption option, int index, const std::string& unknown) {
    const std::vector<std::string>& texts = deliveryOptionTexts(option);
    if (index < 0 || static_cast<std::size_t>(index) >= texts.size()) return unknown;
    return texts[static_cast<std::size_t>(index)];
}

}  // namespace kvx
