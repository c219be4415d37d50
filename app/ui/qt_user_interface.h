// The user-interface port on Qt: messages through the message services, typed requests through the
// small standard dialogs, printing through Qt's print support, shell starts through the desktop.
#pragma once

#include "base/user_interface.h"

class QWidget;

namespace kvx {

class QtUserInterface final : public UserInterface {
  public:
    explicit QtUserInterface(QWidget* owner) : m_owner(owner) {}

    void inform(const std::string& text) override;
    void error(const std::string& text, const std::string& title) override;
    bool ask(const std::string& text, const std::string& title) override;
    void status(const std::string& text) override;
    std::optional<std::int32_t> askNumber(const NumberRequest& request) override;
    std::optional<std::string> askText(const TextRequest& request) override;
    std::optional<DateNumber> askDate(const DateRequest& request) override;
    std::optional<int> chooseLine(const ChoiceRequest& request) override;
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    std::optional<std::string> chooseDirectory(const std::string& caption, const std::string& path) override;
    int showBox(const BoxRequest& request) override;
    void showLines(const std::string& caption, const std::vector<std::string>& lines) override;
    bool print(PrintJob& job) override;
    ShellResult shellOpen(const std::string& target) override;

  private:
    QWidget* m_owner;
};

}  // namespace kvx
