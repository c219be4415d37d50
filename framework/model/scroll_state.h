// The remembered state of one scroll bar of the base window and the rule that makes a range usable
// before it is written to the bar. Kept apart from the widget so that views can save and restore it.
#pragma once

namespace kvx {

struct ScrollState {
    int position = 1;
    int lastApplied = 1;  // the position the view was last painted with
    int minimum = 1;
    int maximum = 100;
    int largeChange = 20;
    int smallChange = 1;

    bool operator==(const ScrollState&) const = default;
};

inline constexpr ScrollState kInitialVerticalScroll{1, 1, 1, 100, 20, 1};
inline constexpr ScrollState kInitialHorizontalScroll{1, 1, 1, 100, 10, 1};

// A bar whose maximum is below this is hidden.
inline constexpr int kScrollBarShowMaximum = 21;

// Makes the range usable: an empty or reversed range becomes minimum..minimum + 2, the large change is
// forced into 1..32767, the small change into 1..large change and the position into the range.
ScrollState applyScrollRangeRule(ScrollState state);

// Page size with the page-size option on: a hundredth of the range, at least 1.
int scrollPageSize(const ScrollState& state);

// Whether a bar with this (already ruled) state is shown.
inline bool scrollBarVisible(const ScrollState& state) {
    return state.maximum >= kScrollBarShowMaximum;
}

// Stores a position the user scrolled to; true when it differs from the last applied one, i.e. the
// view must be repainted.
bool scrollTo(ScrollState& state, int position);

}  // namespace kvx
