// The real file calls, and the whole-file save that never leaves a half-written file behind.
#include "base/file_system.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/io_error.h"

namespace kvx {

// Texts of the run-time library, so that messages read the same on every platform.
std::string ioErrorText(int err) {
    switch (err) {
        case ENOENT:
            return "File not found";
        case EACCES:
        case EPERM:
            return "File access denied";
        case ENOSPC:
            return "Disk full";
        case EROFS:
            return "Disk is write-protected";
        case EISDIR:
            return "Is a directory";
        default:
            return "I/O error " + std::to_string(err);
    }
}

std::unique_ptr<FileMapping> File::map(std::uint64_t) {
    return nullptr;
}

namespace {

class PosixMapping final : public FileMapping {
  public:
    PosixMapping(void* address, std::size_t size) : m_address(address), m_size(size) {}
    ~PosixMapping() override { ::munmap(m_address, m_size); }
    PosixMapping(const PosixMapping&) = delete;
    PosixMapping& operator=(const PosixMapping&) = delete;
    const std::uint8_t* data() const override { return static_cast<const std::uint8_t*>(m_address); }
    std::size_t size() const override { return m_size; }

  private:
    void* m_address;
    std::size_t m_size;
};

class PosixFile final : public File {
  public:
    explicit PosixFile(int fd) : m_fd(fd) {}
    ~PosixFile() override {
        if (m_fd >= 0) ::close(m_fd);
    }
    long long readAt(std::uint64_t offset, void* buffer, std::size_t n) override {
        std::size_t done = 0;
        auto* out = static_cast<char*>(buffer);
        while (done < n) {
            ssize_t r = ::pread(m_fd, out + done, n - done, static_cast<off_t>(offset + done));
            if (r < 0) {
                if (errno == EINTR) continue;
                m_error = ioErrorText(errno);
                return -1;
            }
            if (r == 0) break;
            done += static_cast<std::size_t>(r);
        }
        return static_cast<long long>(done);
    }
    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t n) override {
        std::size_t done = 0;
        const auto* in = static_cast<const char*>(buffer);
        while (done < n) {
            ssize_t r = ::pwrite(m_fd, in + done, n - done, static_cast<off_t>(offset + done));
            if (r < 0) {
                if (errno == EINTR) continue;
                m_error = ioErrorText(errno);
                return false;
            }
            if (r == 0) {
                m_error = ioErrorText(ENOSPC);
                return false;
            }
            done += static_cast<std::size_t>(r);
        }
        return true;
    }
    bool truncate(std::uint64_t size) override { return check(::ftruncate(m_fd, static_cast<off_t>(size)) == 0); }
    bool sync() override { return check(::fsync(m_fd) == 0); }
    long long size() override {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0) return -1;
        return static_cast<long long>(st.st_size);
    }
    long long modificationTime() override {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0) return 0;
        return static_cast<long long>(st.st_mtime);
    }
    bool close() override {
        int fd = m_fd;
        m_fd = -1;
        return fd < 0 || check(::close(fd) == 0);
    }
    std::string lastError() const override { return m_error; }
    std::unique_ptr<FileMapping> map(std::uint64_t length) override {
        const long long bytes = size();
        if (bytes <= 0) return nullptr;  // nothing to map; an empty read serves as well
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(length, static_cast<std::uint64_t>(bytes)));
        if (n == 0) return nullptr;
        void* address = ::mmap(nullptr, n, PROT_READ, MAP_SHARED, m_fd, 0);
        if (address == MAP_FAILED) return nullptr;  // the caller falls back to reading
        return std::make_unique<PosixMapping>(address, n);
    }

  private:
    bool check(bool ok) {
        if (!ok) m_error = ioErrorText(errno);
        return ok;
    }
    int m_fd;
    std::string m_error;
};

}  // namespace

void PosixFileSystem::fail(int err) {
    m_lastError = ioErrorText(err);
}

std::unique_ptr<File> PosixFileSystem::open(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::ReadOnly:
            flags |= O_RDONLY;
            break;
        case OpenMode::ReadWrite:
            flags |= O_RDWR;
            break;
        case OpenMode::CreateOrOpen:
            flags |= O_RDWR | O_CREAT;
            break;
        case OpenMode::CreateTruncate:
            flags |= O_RDWR | O_CREAT | O_TRUNC;
            break;
    }
    // O_NONBLOCK keeps a FIFO or a device from blocking the open; only regular files are used, and the
    // flag is cleared again before any read or write.
    int fd = ::open(path.c_str(), flags | O_NONBLOCK, 0644);
    if (fd < 0) {
        fail(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fail(errno);
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode))
            fail(EISDIR);
        else
            m_lastError = kNotRegularFile;
        return nullptr;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        fail(errno);
        ::close(fd);
        return nullptr;
    }
    m_lastError.clear();
    return std::make_unique<PosixFile>(fd);
}

bool PosixFileSystem::exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool PosixFileSystem::rename(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    fail(errno);
    return false;
}

bool PosixFileSystem::remove(const std::string& path) {
    if (::unlink(path.c_str()) == 0) return true;
    fail(errno);
    return false;
}

bool PosixFileSystem::makeDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST) return true;
    fail(errno);
    return false;
}

bool PosixFileSystem::syncDirectory(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        fail(errno);
        return false;
    }
    bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync directories
    if (!ok) fail(errno);
    ::close(fd);
    return ok;
}

bool readWholeFile(FileSystem& fs, const std::string& path, std::string& contents) {
    auto file = fs.open(path, OpenMode::ReadOnly);
    if (!file) return false;
    long long size = file->size();
    if (size < 0) return false;
    contents.assign(static_cast<std::size_t>(size), '\0');
    long long got = file->readAt(0, contents.data(), contents.size());
    if (got < 0) return false;
    contents.resize(static_cast<std::size_t>(got));
    return true;
}

bool readFileIfPresent(FileSystem& fs, const std::string& path, std::string& contents) {
    contents.clear();
    if (!fs.exists(path)) return false;
    if (readWholeFile(fs, path, contents)) return true;
    const std::string why = fs.lastError();
    throw IoError((why.empty() ? std::string("I/O error") : why) + ": " + path);
}

std::string directoryOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeWholeFileAtomically(FileSystem& fs, const std::string& path, const void* data, std::size_t size,
                              std::string& error) {
    const std::string temp = path + ".tmp";
    auto fail = [&](const std::string& step, const std::string& why) {
        error = step + " " + path + ": " + why;
        // The save has failed already; a temporary file that stays is emptied by the next save.
        (void)fs.remove(temp);
        return false;
    };
    auto file = fs.open(temp, OpenMode::CreateTruncate);
    if (!file) {
        error = "Schreiben " + path + ": " + fs.lastError();
        return false;
    }
    // A failed fsync means the data may not be on disk: the save has failed, never retry and report success.
    if (!file->writeAt(0, data, size) || !file->sync()) {
        const std::string why = file->lastError();
        (void)file->close();  // the write or sync failure is the one reported
        return fail("Schreiben", why);
    }
    if (!file->close()) return fail("Schreiben", file->lastError());
    if (!fs.rename(temp, path)) return fail("Umbenennen", fs.lastError());
    if (!fs.syncDirectory(directoryOf(path))) {
        error = "Schreiben " + path + ": " + fs.lastError();
        return false;
    }
    return true;
}

}  // namespace kvx
