// The nested views of the base window: the current view level and up to nine saved levels beneath it.
// Entering a view saves the current level and extends the caption path by the view's title; leaving
// restores the saved level. The widget side copies the visibility and scroll states in and out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/model/scroll_state.h"

namespace kvx {

struct ViewLevel {
    std::string captionPath;  // titles of the nested views joined by "/"
    std::uint16_t viewNumber = 0;
    std::uint16_t menuNumber = 0;
    std::int32_t datum = 0;
    bool listVisible = false;
    bool verticalBarVisible = false;
    bool horizontalBarVisible = false;
    ScrollState vertical = kInitialVerticalScroll;
    ScrollState horizontal = kInitialHorizontalScroll;
};

class ViewStack final {
  public:
    static constexpr int kMaxLevels = 9;

    ViewLevel& current() { return m_current; }
    const ViewLevel& current() const { return m_current; }
    // Title of the current view: the one entered last, or after a leave the last "/" part of the path.
    const std::string& title() const { return m_title; }
    int depth() const { return static_cast<int>(m_saved.size()); }

    // Saves the current level when fewer than 9 are saved (beyond that the level is not saved, so the
    // matching leave returns to the ninth level), appends a non-empty title to the caption path, sets
    // the view values and hides the list and, with `hideScrollBars`, both bars.
    void enter(std::uint16_t viewNumber, std::uint16_t menuNumber, const std::string& title, bool hideScrollBars);

    // Restores the last saved level. False, with nothing changed, when no level is saved.
    bool leave();

  private:
    ViewLevel m_current;
    std::string m_title;
    std::vector<ViewLevel> m_saved;
};

// The last "/" part of a caption path (the whole path when it has no "/").
std::string lastPathPart(const std::string& path);

}  // namespace kvx
