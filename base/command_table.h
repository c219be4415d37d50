// The command table: one row per command number, contributed by the subsystem that owns the command.
// A row says whether the command belongs to stock keeping (silent in the simple working mode), which views
// it serves (none listed: every view) and which handler runs it. A row without a handler is a command the
// program knows but does not perform yet: it keeps its place in the rules and answers "Feature not
// implemented!". A command that acts per view may have several rows, each naming the views it serves, when
// different subsystems own it in different views (123 "Ändern" edits an order position in view 5 and an
// internet address in view 25). The dispatcher reads only this table.
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
    // Adds the rows of one subsystem. A second row for a number is taken only when both rows list their
    // views and no view is served by both (in either mode), and both agree on being stock only; anything
    // else is a wiring fault: the table throws std::logic_error naming the number instead of letting one
    // row hide the other.
    void add(std::vector<CommandRow> rows);

    // The first row of `command`, or nullptr when no subsystem knows it.
    const CommandRow* find(int command) const;
    // The row of `command` serving `view` in the given working mode, or nullptr.
    const CommandRow* find(int command, int view, bool stockMode) const;
    // Whether any row of `command` has a handler.
    bool hasOperation(int command) const;
    bool isStockOnly(int command) const;
    // Whether `command` acts in `view` in the given working mode (true for commands without a row).
    bool servesView(int command, int view, bool stockMode) const;
    // Number of rows.
    std::size_t size() const { return m_size; }

  private:
    std::map<int, std::vector<CommandRow>> m_rows;
    std::size_t m_size = 0;
};

}  // namespace kvx
