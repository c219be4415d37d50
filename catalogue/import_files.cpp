// Line reading and buffered record writing for the catalogue import.
#include "catalogue/import_files.h"

#include <cstring>

#include <algorithm>

#include "base/io_error.h"

namespace kvx {

namespace {
constexpr std::size_t kReadChunk = 1 << 16;
constexpr std::size_t kWriteChunk = 1 << 18;
}  // namespace

LineReader::LineReader(FileSystem& fs, std::string path) : m_path(std::move(path)) {
    m_file = fs.open(m_path, OpenMode::ReadOnly);
    if (!m_file) m_openError = fs.lastError();
    m_buffer.resize(kReadChunk);
}

bool LineReader::fill() {
    const long long n = m_file->readAt(m_offset, m_buffer.data(), m_buffer.size());
    if (n < 0) throw IoError("Lesefehler in " + m_path + ": " + m_file->lastError());
    m_offset += static_cast<std::uint64_t>(n);
    m_pos = 0;
    m_len = static_cast<std::size_t>(n);
    return n > 0;
}

bool LineReader::next(std::string& line, std::size_t maxLength) {
    line.clear();
    if (!m_file) return false;
    bool any = false;
    for (;;) {
        if (m_pos == m_len && !fill()) return any;
        if (m_pendingLf) {
            m_pendingLf = false;
            if (m_buffer[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
        }
        const char* const start = m_buffer.data() + m_pos;
        const char* const end = m_buffer.data() + m_len;
        // Lines are long: find the line end with two vectorised searches instead of a byte loop.
        const char* p = static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
        if (p == nullptr) p = end;
        if (const void* cr = std::memchr(start, '\r', static_cast<std::size_t>(p - start)))
            p = static_cast<const char*>(cr);
        const auto length = static_cast<std::size_t>(p - start);
        any = any || length > 0;
        if (line.size() < maxLength) line.append(start, std::min(length, maxLength - line.size()));
        m_pos += length;
        if (p < end) {
            ++m_pos;
            m_pendingLf = *p == '\r';
            return true;
        }
    }
}

RecordWriter::RecordWriter(FileSystem& fs, std::string path, std::size_t recordSize)
    : m_fs(fs), m_path(std::move(path)), m_recordSize(recordSize) {
    m_buffer.reserve(kWriteChunk + recordSize);
}

RecordWriter::~RecordWriter() {
    if (m_finished) return;
    if (m_file) m_file->close();
    m_file.reset();
    m_fs.remove(m_path);
}

bool RecordWriter::create() {
    m_file = m_fs.open(m_path, OpenMode::CreateTruncate);
    if (!m_file) m_error = m_fs.lastError();
    return m_file != nullptr;
}

bool RecordWriter::append(const std::uint8_t* record) {
    if (m_count >= kMaxRecords) return false;
    m_buffer.insert(m_buffer.end(), record, record + m_recordSize);
    ++m_count;
    if (m_buffer.size() >= kWriteChunk) flush();
    return true;
}

void RecordWriter::flush() {
    if (!m_file) throw IoError("Datei nicht offen: " + m_path);
    if (m_buffer.empty()) return;
    if (!m_file->writeAt(m_written, m_buffer.data(), m_buffer.size()))
        throw IoError("Schreibfehler in " + m_path + ": " + m_file->lastError());
    m_written += m_buffer.size();
    m_buffer.clear();
}

void RecordWriter::finish() {
    flush();
    if (!m_file->sync()) throw IoError("Schreibfehler in " + m_path + ": " + m_file->lastError());
    const bool closed = m_file->close();
    const std::string why = closed ? std::string() : m_file->lastError();
    m_file.reset();
    if (!closed) throw IoError("Schreibfehler in " + m_path + ": " + why);
    m_finished = true;
}

}  // namespace kvx
