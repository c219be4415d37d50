// The command table: one row per command number, contributed by the subsystem that owns the command.
// A row says whether the command belongs to stock keeping (silent in the simple working mode), which views
// it serves (none listed: every view) and which handler runs it. A row without a handler is a command the
// program knows but does not perform yet: it keeps its place in the rules and answers "Feature not
// implemented!". The dispatcher reads only this table.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace kvx {

struct CommandRow {
    int number = 0;
    bool stockOnly = false;
    std::vector<int> views;  // views served; empty = every view
    // Views served in the simple working mode where they differ from `views`.
    std::optional<std::vector<int>> simpleModeViews;
    std::function<void()> handler;  // empty: no operation yet
};

class CommandTable final {
  public:
    // Adds the rows of one subsystem. A number that already has a row is a wiring fault: the table throws
    // std::logic_error naming the number instead of letting one row hide the other.
    void add(std::vector<CommandRow> rows);

    // The row of `command`, or nullptr when no subsystem knows it.
    const CommandRow* find(int command) const;
    bool hasOperation(int command) const;
    bool isStockOnly(int command) const;
    // Whether `command` acts in `view` in the given working mode (true for commands without a row).
    bool servesView(int command, int view, bool stockMode) const;
    std::size_t size() const { return m_rows.size(); }

  private:
    std::map<int, CommandRow> m_rows;
};

}  // namespace kvx
