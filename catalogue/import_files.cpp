// Line reading and buffered record writing for the catalogue import.
#include "catalogue/import_files.h"

#include <cstring>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include "base/io_error.h"

namespace kvx {

namespace {
constexpr std::size_t kReadChunk = 1 << 16;
constexpr std::size_t kWriteChunk = 1 << 18;
// Chunks handed to the writer thread and not yet written: enough to ride out one interim sync while
// the caller goes on, little enough to keep the memory small (2 MB).
constexpr std::size_t kMaxQueued = 8;
}  // namespace

bool filesAreIndependent(const FileSystem& fs) {
    return dynamic_cast<const PosixFileSystem*>(&fs) != nullptr;
}

// The thread that writes the chunks of one RecordWriter in order. Between its start and drain() or its
// destruction it alone uses the writer's File and write position.
class RecordWriter::Worker {
  public:
    explicit Worker(RecordWriter& writer) : m_writer(writer), m_thread([this] { run(); }) {}
    ~Worker() { stop(true); }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Hands a full buffer over and gives back an empty one; waits while kMaxQueued chunks are pending.
    // Returns the message of a write that failed before (then nothing is handed over).
    std::string push(std::vector<std::uint8_t>& buffer) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_queue.size() < kMaxQueued || !m_error.empty(); });
        if (!m_error.empty()) return m_error;
        m_queue.push_back(std::move(buffer));
        if (m_spare.empty()) {
            buffer = {};
            buffer.reserve(kWriteChunk + m_writer.m_recordSize);
        } else {
            buffer = std::move(m_spare.back());
            m_spare.pop_back();
        }
        m_changed.notify_all();
        return {};
    }

    // Waits until every chunk handed over is written or a write failed; returns that failure's message.
    std::string drain() {
        stop(false);
        return m_error;
    }

  private:
    void stop(bool discard) {
        {
            std::lock_guard lock(m_mutex);
            m_closing = true;
            if (discard) m_queue.clear();
        }
        m_changed.notify_all();
        if (m_thread.joinable()) m_thread.join();
    }

    void run() {
        bool failed = false;
        for (;;) {
            std::vector<std::uint8_t> chunk;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_queue.empty() || m_closing; });
                if (m_queue.empty()) return;
                chunk = std::move(m_queue.front());
                m_queue.pop_front();
            }
            std::string why;
            if (!failed) {
                try {
                    why = m_writer.writeChunk(chunk);
                } catch (const std::exception& e) {
                    why = "Schreibfehler in " + m_writer.m_path + ": " + e.what();
                }
                failed = !why.empty();
            }
            chunk.clear();
            {
                std::lock_guard lock(m_mutex);
                if (!why.empty()) m_error = why;
                m_spare.push_back(std::move(chunk));
            }
            m_changed.notify_all();
        }
    }

    RecordWriter& m_writer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<std::uint8_t>> m_queue;
    std::vector<std::vector<std::uint8_t>> m_spare;
    std::string m_error;
    bool m_closing = false;
    std::thread m_thread;  // last: it starts once the members above exist
};

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

RecordWriter::RecordWriter(FileSystem& fs, std::string path, std::size_t recordSize, bool background)
    : m_fs(fs), m_path(std::move(path)), m_recordSize(recordSize), m_background(background) {
    m_buffer.reserve(kWriteChunk + recordSize);
}

RecordWriter::~RecordWriter() {
    m_worker.reset();  // before the file goes: the thread may still be using it
    if (m_finished) return;
    // An unfinished file is thrown away after a failure that has been reported already.
    if (m_file) (void)m_file->close();
    m_file.reset();
    (void)m_fs.remove(m_path);
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

std::string RecordWriter::writeChunk(const std::vector<std::uint8_t>& chunk) {
    if (!m_file->writeAt(m_written, chunk.data(), chunk.size()))
        return "Schreibfehler in " + m_path + ": " + m_file->lastError();
    m_written += chunk.size();
    m_unsynced += chunk.size();
    if (m_unsynced >= kSyncStep) {
        if (!m_file->sync()) return "Schreibfehler in " + m_path + ": " + m_file->lastError();
        m_unsynced = 0;
    }
    return {};
}

void RecordWriter::flush() {
    if (!m_file) throw IoError("Datei nicht offen: " + m_path);
    if (m_buffer.empty()) return;
    if (m_background && !m_worker) {
        try {
            m_worker = std::make_unique<Worker>(*this);
        } catch (const std::system_error&) {
            m_background = false;  // no thread to be had: the writes run here
        }
    }
    if (m_worker) {
        const std::string why = m_worker->push(m_buffer);
        if (!why.empty()) throw IoError(why);
        return;
    }
    const std::string why = writeChunk(m_buffer);
    if (!why.empty()) throw IoError(why);
    m_buffer.clear();
}

void RecordWriter::finish() {
    flush();
    if (m_worker) {
        const std::string why = m_worker->drain();
        m_worker.reset();
        if (!why.empty()) throw IoError(why);
    }
    if (!m_file->sync()) throw IoError("Schreibfehler in " + m_path + ": " + m_file->lastError());
    const bool closed = m_file->close();
    const std::string why = closed ? std::string() : m_file->lastError();
    m_file.reset();
    if (!closed) throw IoError("Schreibfehler in " + m_path + ": " + why);
    m_finished = true;
}

}  // namespace kvx
