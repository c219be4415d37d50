// The run-time input/output error: a file operation without a failure path of its own failed.
// It ends the current command; the user interface shows its text and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace kvx {

class IoError final : public std::runtime_error {
public:
    explicit IoError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace kvx
