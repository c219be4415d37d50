// The nested views of the base window.
#include "framework/model/view_stack.h"

namespace kvx {

void ViewStack::enter(std::uint16_t viewNumber, std::uint16_t menuNumber, const std::string& title,
                      bool hideScrollBars) {
    if (depth() < kMaxLevels) m_saved.push_back(m_current);
    m_title = title;
    if (!title.empty()) {
        // Joined by "/": the first title stands alone rather than after a leading "/".
        m_current.captionPath = m_current.captionPath.empty() ? title : m_current.captionPath + "/" + title;
    }
    m_current.viewNumber = viewNumber;
    m_current.menuNumber = menuNumber;
    if (hideScrollBars) {
        m_current.verticalBarVisible = false;
        m_current.horizontalBarVisible = false;
    }
    m_current.listVisible = false;
}

bool ViewStack::leave() {
    if (m_saved.empty()) return false;
    m_current = std::move(m_saved.back());
    m_saved.pop_back();
    m_title = lastPathPart(m_current.captionPath);
    return true;
}

std::string lastPathPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kvx
