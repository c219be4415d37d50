// Command rules of the commands without an operation yet.
#include "app/pending_command_rows.h"

#include "base/command_numbers.h"

namespace kvx {

namespace {

// Commands on My Articles, orders, bookings, calculations and cost centres: their menus are offered only
// in stock mode, and sent by other means in simple mode they must not touch the stock files.
CommandRow stock(int number, std::vector<int> views = {}) {
    return {number, true, std::move(views), std::nullopt, {}};
}

}  // namespace

std::vector<CommandRow> pendingCommandRows() {
    return {
        // Booking a consumption from its document view comes with the consumption page.
        stock(cmd::kBook, {11}),
    };
}

}  // namespace kvx
