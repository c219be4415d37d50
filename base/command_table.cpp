// The command table's lookup.
#include "base/command_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kvx {

void CommandTable::add(std::vector<CommandRow> rows) {
    for (CommandRow& row : rows) {
        const int number = row.number;
        if (!m_rows.emplace(number, std::move(row)).second)
            throw std::logic_error("command " + std::to_string(number) + " has two rows");
    }
}

const CommandRow* CommandTable::find(int command) const {
    const auto it = m_rows.find(command);
    return it == m_rows.end() ? nullptr : &it->second;
}

bool CommandTable::hasOperation(int command) const {
    const CommandRow* row = find(command);
    return row != nullptr && static_cast<bool>(row->handler);
}

bool CommandTable::isStockOnly(int command) const {
    const CommandRow* row = find(command);
    return row != nullptr && row->stockOnly;
}

bool CommandTable::servesView(int command, int view, bool stockMode) const {
    const CommandRow* row = find(command);
    if (row == nullptr) return true;
    const std::vector<int>& views = !stockMode && row->simpleModeViews ? *row->simpleModeViews : row->views;
    return views.empty() || std::find(views.begin(), views.end(), view) != views.end();
}

}  // namespace kvx
