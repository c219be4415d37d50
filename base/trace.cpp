// Trace log.
#include "base/trace.h"

#include "base/io_error.h"

namespace kvx {

void TraceLog::line(bool condition, const std::string& text) {
    if (!condition || m_fs == nullptr) return;
    if (!m_file) {
        m_file = m_fs->open(kFileName, OpenMode::CreateTruncate);
        if (!m_file) throw IoError(m_fs->lastError() + ": " + kFileName);
        m_offset = 0;
    }
    const std::string out = text + "\r\n";
    if (!m_file->writeAt(m_offset, out.data(), out.size())) throw IoError(m_file->lastError() + ": " + kFileName);
    m_offset += out.size();
}

void TraceLog::close() {
    // Every line was written (and checked) when it was traced; closing at quit has nothing left to lose.
    if (m_file) (void)m_file->close();
    m_file.reset();
}

}  // namespace kvx
