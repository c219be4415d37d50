// The trace log: lines naming the class and the step, written to "TRACE.TXT" in the working directory.
// A normal run traces nothing (level 0, flag off).
#pragma once

#include <memory>
#include <string>

#include "base/file_system.h"

namespace kvx {

class TraceLog final {
  public:
    static constexpr const char* kFileName = "TRACE.TXT";

    // 0: nothing; 1: the framework's own lines; 2: also component-level lines.
    int level = 0;
    // Traces of the main window's start-up steps.
    bool windowFlag = false;

    void attach(FileSystem& fs) { m_fs = &fs; }
    // Writes `text` as a line when `condition` holds: created (emptied) at the first line of the run, each line
    // ends with CR LF and is flushed at once. A file that cannot be written raises IoError.
    void line(bool condition, const std::string& text);
    void close();

  private:
    FileSystem* m_fs = nullptr;
    std::unique_ptr<File> m_file;
    std::uint64_t m_offset = 0;
};

}  // namespace kvx
