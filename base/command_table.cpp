// The command table's lookup.
#include "base/command_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kvx {

namespace {

const std::vector<int>& viewsIn(const CommandRow& row, bool stockMode) {
    return !stockMode && row.simpleModeViews ? *row.simpleModeViews : row.views;
}

bool serves(const CommandRow& row, int view, bool stockMode) {
    const std::vector<int>& views = viewsIn(row, stockMode);
    return views.empty() || std::find(views.begin(), views.end(), view) != views.end();
}

// Two rows of one number may stand side by side only when each names its views and no view is served by
// both, in either working mode; otherwise one row would hide the other.
bool overlap(const CommandRow& a, const CommandRow& b) {
    for (bool stockMode : {false, true}) {
        const std::vector<int>& va = viewsIn(a, stockMode);
        const std::vector<int>& vb = viewsIn(b, stockMode);
        if (va.empty() || vb.empty()) return true;
        for (int v : va)
            if (std::find(vb.begin(), vb.end(), v) != vb.end()) return true;
    }
    return false;
}

}  // namespace

void CommandTable::add(std::vector<CommandRow> rows) {
    for (CommandRow& row : rows) {
        const int number = row.number;
        std::vector<CommandRow>& same = m_rows[number];
        for (const CommandRow& other : same) {
            if (overlap(other, row)) throw std::logic_error("command " + std::to_string(number) + " has two rows");
            // The simple mode silences a command as a whole, before its view is looked at.
            if (other.stockOnly != row.stockOnly)
                throw std::logic_error("command " + std::to_string(number) + " is stock only in one row only");
        }
        same.push_back(std::move(row));
        ++m_size;
    }
}

const CommandRow* CommandTable::find(int command) const {
    const auto it = m_rows.find(command);
    return it == m_rows.end() || it->second.empty() ? nullptr : &it->second.front();
}

const CommandRow* CommandTable::find(int command, int view, bool stockMode) const {
    const auto it = m_rows.find(command);
    if (it == m_rows.end()) return nullptr;
    for (const CommandRow& row : it->second)
        if (serves(row, view, stockMode)) return &row;
    return nullptr;
}

bool CommandTable::hasOperation(int command) const {
    const auto it = m_rows.find(command);
    if (it == m_rows.end()) return false;
    return std::any_of(it->second.begin(), it->second.end(),
                       [](const CommandRow& row) { return static_cast<bool>(row.handler); });
}

bool CommandTable::isStockOnly(int command) const {
    const CommandRow* row = find(command);
    return row != nullptr && row->stockOnly;
}

bool CommandTable::servesView(int command, int view, bool stockMode) const {
    if (find(command) == nullptr) return true;
    return find(command, view, stockMode) != nullptr;
}

}  // namespace kvx
