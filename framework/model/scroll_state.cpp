// Scroll range rule of the base window's scroll bars.
#include "framework/model/scroll_state.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace kvx {

ScrollState applyScrollRangeRule(ScrollState state) {
    if (state.minimum >= state.maximum) {
        // Keep minimum + 2 representable; a bar cannot hold a range ending beyond INT_MAX.
        state.minimum = std::min(state.minimum, INT_MAX - 2);
        state.maximum = state.minimum + 2;
    }
    state.largeChange = std::clamp(state.largeChange, 1, 32767);
    // A small change of 0 or less would make the arrow buttons do nothing.
    state.smallChange = std::clamp(state.smallChange, 1, state.largeChange);
    state.position = std::clamp(state.position, state.minimum, state.maximum);
    return state;
}

int scrollPageSize(const ScrollState& state) {
    const std::int64_t span = static_cast<std::int64_t>(state.maximum) - state.minimum;
    return static_cast<int>(std::max<std::int64_t>(span / 100, 1));
}

bool scrollTo(ScrollState& state, int position) {
    state.position = position;
    return position != state.lastApplied;
}

}  // namespace kvx
