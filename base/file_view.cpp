// Mapping a file, or reading it whole when it cannot be mapped.
#include "base/file_view.h"

#include <algorithm>

#include "base/io_error.h"

namespace kvx {

std::shared_ptr<const FileView> FileView::of(File& file, std::uint64_t length, const std::string& path) {
    auto view = std::make_shared<FileView>();
    view->m_mapping = file.map(length);
    if (view->m_mapping) return view;
    const long long size = file.size();
    if (size < 0) throw IoError(file.lastError() + ": " + path);
    const std::uint64_t wanted = std::min<std::uint64_t>(length, static_cast<std::uint64_t>(size));
    view->m_copy.resize(static_cast<std::size_t>(wanted));
    const long long got = wanted == 0 ? 0 : file.readAt(0, view->m_copy.data(), view->m_copy.size());
    if (got < 0) throw IoError(file.lastError() + ": " + path);
    // A file that shrank since its size was taken gives fewer bytes; the caller reads the rest as missing.
    view->m_copy.resize(static_cast<std::size_t>(got));
    return view;
}

}  // namespace kvx
