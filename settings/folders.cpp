// Folder rules of the directory settings.
#include "settings/folders.h"

namespace kvx {

namespace {

std::string trimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> folderFromInput(const std::string& typed, std::size_t capacity) {
    std::string folder = trimBlanks(typed);
    if (!folder.empty() && folder.back() != kFolderSeparator) folder += kFolderSeparator;
    if (folder.size() > capacity) return std::nullopt;
    return folder;
}

std::string folderFromChoice(const std::string& chosen) {
    if (chosen.empty() || chosen.back() == kFolderSeparator) return chosen;
    return chosen + kFolderSeparator;
}

}  // namespace kvx
