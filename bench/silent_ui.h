// A UserInterface for benchmarks: says nothing, answers every question yes, cancels every request.
// With `throwOnError` an error message ends the benchmark instead of passing unseen.
#pragma once

#include <stdexcept>

#include "base/user_interface.h"

namespace kvx::bench {

class SilentUi : public UserInterface {
  public:
    explicit SilentUi(bool throwOnError = false) : m_throwOnError(throwOnError) {}
    void inform(const std::string&) override {}
    void error(const std::string& text, const std::string&) override {
        if (m_throwOnError) throw std::runtime_error(text);
    }
    bool ask(const std::string&, const std::string&) override { return true; }
    void status(const std::string&) override {}
    std::optional<std::int32_t> askNumber(const NumberRequest&) override { return std::nullopt; }
    std::optional<std::string> askText(const TextRequest&) override { return std::nullopt; }
    std::optional<DateNumber> askDate(const DateRequest&) override { return std::nullopt; }
    std::optional<int> chooseLine(const ChoiceRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseDirectory(const std::string&, const std::string&) override { return std::nullopt; }
    int showBox(const BoxRequest&) override { return 0; }
    void showLines(const std::string&, const std::vector<std::string>&) override {}
    bool print(PrintJob&) override { return false; }
    ShellResult shellOpen(const std::string&) override { return {}; }

  private:
    bool m_throwOnError;
};

}  // namespace kvx::bench
