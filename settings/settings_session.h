// The settings subsystem's session for one run: the settings block it edits (owned by the application,
// shared with every subsystem) and the internet address file inetadr.dat with the state of its view
// (selected entry, the edit buffer of "Neu..", the page last built). The operations on it are in
// settings_commands.h, its commands in settings_command_table.h.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/record_file.h"
#include "base/text_page.h"
#include "settings/internet_address.h"
#include "settings/settings_record.h"

namespace kvx {

class SettingsSession final {
  public:
    SettingsSession(FileSystem& fs, SettingsRecord& settings, std::string internetAddressFile = "inetadr.dat");
    SettingsSession(const SettingsSession&) = delete;
    SettingsSession& operator=(const SettingsSession&) = delete;

    SettingsRecord& settings() { return m_settings; }
    const SettingsRecord& settings() const { return m_settings; }

    // Start: opens inetadr.dat, creating it empty when it is missing; false (no message) when it can be
    // neither opened nor created. A size that is not a whole number of records leaves the torn tail
    // unread; the next append overwrites it.
    [[nodiscard]] bool openInternetAddresses();
    // Quit: closes the file; throws IoError when the system reports a failure.
    void closeInternetAddresses() { internetAddresses.closeOrThrow(); }

    std::uint16_t addressCount() const { return internetAddresses.count(); }
    // Entry `index` (0-based, below the count). Throws IoError on a read error.
    InternetAddress readAddress(std::uint32_t index);
    // Writes entry `index` (at most the count; the count appends) and syncs the file. False with `error`
    // when an append would pass the 65535 records a file can address; throws IoError on a write error.
    [[nodiscard]] bool writeAddress(std::uint32_t index, const InternetAddress& entry, std::string& error);
    // Every entry, first to last. Throws IoError on a read error.
    std::vector<InternetAddress> readAllAddresses();

    // The entry of the address view that is selected (0-based); it starts at the first.
    int selectedAddress() const { return m_selected; }
    // Selects an entry (no file access); entries outside 0..count - 1 are refused.
    bool selectAddress(int entry);
    // Rebuilds the page of the address view from the file. Throws IoError on a read error.
    void refreshAddressPage();
    const TextPage& addressPage() const { return m_page; }

    RecordFile internetAddresses;
    // What "Neu.." opens the dialog on: the entry read or written last, empty at start.
    InternetAddress editBuffer;

  private:
    SettingsRecord& m_settings;
    int m_selected = 0;
    TextPage m_page;
};

// The page of the internet address view: the column titles "Nr", "Firma", "Abk1", "Abk2", "URL" in line 1
// and entry i in line i + 2 (its number 1-based, texts cut to their columns); the selected entry (when it
// exists) is the highlighted line, drawn in colour 12.
TextPage internetAddressPage(const std::vector<InternetAddress>& entries, int selected);
inline constexpr int kSelectedAddressColour = 12;

}  // namespace kvx
