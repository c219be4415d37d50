// The benchmarks' working directory: a fresh folder under the temporary directory, with the user data folder
// "meinart" in it, made current on first use and removed when the benchmark exits.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace kvx::bench {

inline const std::filesystem::path& enterBenchDirectory(const char* name) {
    namespace fs = std::filesystem;
    static fs::path* removeAtExit = nullptr;
    static const fs::path dir = [name] {
        const fs::path d = fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(::getpid()));
        fs::create_directories(d / "meinart");
        fs::current_path(d);
        removeAtExit = new fs::path(d);
        std::atexit([] {
            std::error_code ec;
            fs::current_path(fs::temp_directory_path(), ec);
            fs::remove_all(*removeAtExit, ec);
        });
        return d;
    }();
    return dir;
}

}  // namespace kvx::bench
