// Text pages: placement of texts at character cells and their text-file form.
#include "base/text_page.h"

#include <algorithm>

#include "base/cp1252.h"

namespace kvx {

int TextPage::lineCount() const {
    int n = 0;
    for (const auto& item : items) n = std::max(n, item.line);
    return n;
}

std::vector<std::string> textFileLines(const TextPage& page) {
    constexpr std::size_t kBufferLength = 255;
    const int lines = page.lineCount();
    // Each line is a buffer of code points so that columns count characters, not UTF-8 bytes.
    std::vector<std::u32string> buffers(static_cast<std::size_t>(std::max(lines, 0)));
    for (const auto& item : page.items) {
        if (item.line <= 0 || item.column < 1) continue;
        const std::u32string text = utf8Decode(item.text);
        const std::size_t start = static_cast<std::size_t>(item.column - 1);
        if (start + text.size() > kBufferLength) continue;
        auto& buffer = buffers[static_cast<std::size_t>(item.line - 1)];
        if (buffer.size() < start + text.size()) buffer.resize(start + text.size(), U' ');
        std::copy(text.begin(), text.end(), buffer.begin() + static_cast<long>(start));
    }
    std::vector<std::string> out;
    out.reserve(buffers.size());
    for (const auto& buffer : buffers) out.push_back(utf8Encode(buffer));
    return out;
}

}  // namespace kvx
