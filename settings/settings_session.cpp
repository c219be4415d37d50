// The settings session: inetadr.dat and its view.
#include "settings/settings_session.h"

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

namespace {

struct Column {
    int at;
    std::size_t width;
};
constexpr Column kNumber{1, 5}, kCompany{7, 20}, kAbbreviation1{28, 5}, kAbbreviation2{34, 5}, kUrl{40, 100};

std::string cell(const std::string& cp1252, std::size_t width) {
    return cp1252ToUtf8(cutText(cp1252, width));
}

}  // namespace

SettingsSession::SettingsSession(FileSystem& fs, SettingsRecord& settings, std::string internetAddressFile)
    : internetAddresses(fs, std::move(internetAddressFile), kInternetAddressSize), m_settings(settings) {}

bool SettingsSession::openInternetAddresses() {
    m_selected = 0;
    return internetAddresses.open() || internetAddresses.openOrCreate();
}

InternetAddress SettingsSession::readAddress(std::uint32_t index) {
    return decodeInternetAddress(internetAddresses.read(index));
}

bool SettingsSession::writeAddress(std::uint32_t index, const InternetAddress& entry, std::string& error) {
    if (!internetAddresses.write(index, encodeInternetAddress(entry), error)) return false;
    internetAddresses.sync();
    return true;
}

std::vector<InternetAddress> SettingsSession::readAllAddresses() {
    std::vector<InternetAddress> entries;
    for (std::uint32_t i = 0; i < addressCount(); ++i) entries.push_back(readAddress(i));
    return entries;
}

bool SettingsSession::selectAddress(int entry) {
    if (entry < 0 || entry >= addressCount()) return false;
    m_selected = entry;
    m_page.highlightedLine = entry + 2;
    return true;
}

void SettingsSession::refreshAddressPage() {
    m_page = internetAddressPage(readAllAddresses(), m_selected);
}

TextPage internetAddressPage(const std::vector<InternetAddress>& entries, int selected) {
    TextPage page;
    page.put(kNumber.at, 1, "Nr");
    page.put(kCompany.at, 1, "Firma");
    page.put(kAbbreviation1.at, 1, "Abk1");
    page.put(kAbbreviation2.at, 1, "Abk2");
    page.put(kUrl.at, 1, "URL");
    int line = 2;
    for (const InternetAddress& a : entries) {
        std::string number = std::to_string(line - 1);
        if (number.size() < kNumber.width) number.insert(0, kNumber.width - number.size(), ' ');
        page.put(kNumber.at, line, number);
        page.put(kCompany.at, line, cell(a.company, kCompany.width));
        page.put(kAbbreviation1.at, line, cell(a.abbreviation1, kAbbreviation1.width));
        page.put(kAbbreviation2.at, line, cell(a.abbreviation2, kAbbreviation2.width));
        page.put(kUrl.at, line, cell(a.url, kUrl.width));
        ++line;
    }
    if (selected >= 0 && static_cast<std::size_t>(selected) < entries.size()) page.highlightedLine = selected + 2;
    page.highlightColour = kSelectedAddressColour;
    return page;
}

}  // namespace kvx
