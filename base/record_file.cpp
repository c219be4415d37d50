// Fixed-record files kept open for random access.
#include "base/record_file.h"

#include "base/io_error.h"

namespace kvx {

RecordFile::RecordFile(FileSystem& fs, std::string path, std::size_t recordSize)
    : m_fs(fs), m_path(std::move(path)), m_recordSize(recordSize) {}

RecordFile::~RecordFile() {
    close();
}

bool RecordFile::openWith(OpenMode mode) {
    close();
    m_file = m_fs.open(m_path, mode);
    if (!m_file) return false;
    long long size = m_file->size();
    if (size < 0) {
        m_file.reset();
        return false;
    }
    // Only whole records count; a torn tail is ignored and overwritten by the next append.
    const auto whole = static_cast<std::uint64_t>(size) / m_recordSize;
    m_overflowed = whole > kMaxRecords;
    m_count = static_cast<std::uint32_t>(m_overflowed ? kMaxRecords : whole);
    m_mtime = m_file->modificationTime();
    return true;
}

bool RecordFile::open() {
    return openWith(OpenMode::ReadWrite) || openWith(OpenMode::ReadOnly);
}
bool RecordFile::openOrCreate() {
    return openWith(OpenMode::CreateOrOpen);
}
bool RecordFile::create() {
    return openWith(OpenMode::CreateTruncate);
}

void RecordFile::close() {
    if (m_file) (void)m_file->close();  // by contract: closeOrThrow() is the reporting close
    m_file.reset();
    m_count = 0;
    m_overflowed = false;
}

void RecordFile::closeOrThrow() {
    if (!m_file) return;
    const bool ok = m_file->close();
    const std::string error = ok ? std::string() : m_file->lastError();
    m_file.reset();
    m_count = 0;
    m_overflowed = false;
    if (!ok) throw IoError(error + ": " + m_path);
}

void RecordFile::read(std::uint32_t n, Bytes& record) {
    record.assign(m_recordSize, 0);
    if (!m_file) throw IoError("File not open: " + m_path);
    if (n >= m_count) throw IoError("Read beyond end of file: " + m_path);
    long long got = m_file->readAt(static_cast<std::uint64_t>(n) * m_recordSize, record.data(), m_recordSize);
    if (got < 0) throw IoError(m_file->lastError() + ": " + m_path);
    if (static_cast<std::size_t>(got) != m_recordSize) throw IoError("Read beyond end of file: " + m_path);
}

Bytes RecordFile::read(std::uint32_t n) {
    Bytes record;
    read(n, record);
    return record;
}

std::shared_ptr<const FileView> RecordFile::viewRecords() {
    if (!m_file) throw IoError("File not open: " + m_path);
    return FileView::of(*m_file, static_cast<std::uint64_t>(m_count) * m_recordSize, m_path);
}

bool RecordFile::write(std::uint32_t n, const Bytes& record, std::string& error) {
    if (!m_file) throw IoError("File not open: " + m_path);
    if (n > m_count) throw IoError("Write beyond end of file: " + m_path);
    if (n == m_count && m_count >= kMaxRecords) {
        error = "Die Datei " + m_path + " ist voll (höchstens 65535 Sätze).";
        return false;
    }
    Bytes padded = record;
    padded.resize(m_recordSize, 0);
    if (!m_file->writeAt(static_cast<std::uint64_t>(n) * m_recordSize, padded.data(), m_recordSize))
        throw IoError(m_file->lastError() + ": " + m_path);
    if (n == m_count) {
        ++m_count;
        // An append over a torn tail leaves the file at a whole number of records.
        long long size = m_file->size();
        if (size > static_cast<long long>(m_count * m_recordSize)) truncateTo(m_count);
    }
    return true;
}

void RecordFile::writeOrThrow(std::uint32_t n, const Bytes& record) {
    std::string error;
    if (!write(n, record, error)) throw IoError(error);
}

void RecordFile::truncateTo(std::uint32_t n) {
    if (!m_file) throw IoError("File not open: " + m_path);
    if (n > m_count) return;
    if (!m_file->truncate(static_cast<std::uint64_t>(n) * m_recordSize))
        throw IoError(m_file->lastError() + ": " + m_path);
    m_count = n;
}

void RecordFile::sync() {
    if (m_file && !m_file->sync()) throw IoError(m_file->lastError() + ": " + m_path);
}

}  // namespace kvx
