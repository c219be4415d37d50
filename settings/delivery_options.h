// The option texts of the delivery data: order type, delivery destination, shipping and payment method,
// each a small table indexed by the byte stored in the settings block.
#pragma once

#include <string>
#include <vector>

namespace kvx {

enum class DeliveryOption { OrderType, Destination, Shipping, Payment };

// Text shown for an index outside its table in lists and dialogs; the order form uses "?".
inline constexpr const char* kUnknownOption = "??";

// The texts of one option in index order (UTF-8).
const std::vector<std::string>& deliveryOptionTexts(DeliveryOption option);
// The text of `index`, or `unknown` when the index lies outside the table.
std::string deliveryOptionText(DeliveryOption option, int index, const std::string& unknown = kUnknownOption);

}  // namespace kvx
