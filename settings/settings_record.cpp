// Defaults, load-time corrections and storage of the settings block.
#include "settings/settings_record.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

namespace {

// Sample company data of a new installation; the user replaces them in "Firmendaten eingeben".
constexpr const char* kSampleName = "Muster Elektronik GmbH";
constexpr const char* kSampleTown = "12345 Musterstadt";
constexpr const char* kSampleStreet =
    "Musterstra\xDF"
    "e 1";  // Windows-1252 ß
constexpr const char* kSamplePhone = "0123 456789";
constexpr const char* kDefaultSearchEngine = "https://duckduckgo.com/?q=";
constexpr const char* kDefaultDatasheetFolder = "c:\\download\\datenblatt";

struct FontDefault {
    const char* name;
    std::uint16_t size;
    std::uint8_t italic;
};
constexpr FontDefault kFontDefaults[5] = {
    {"ARIAL", 9, 1}, {"ARIAL", 8, 0}, {"ARIAL", 10, 1}, {"COURIER", 10, 0}, {"ARIAL", 10, 1}};

}  // namespace

void SettingsRecord::resetCompanyData() {
    std::fill_n(m_bytes.begin() + kCompanyBlock, kCompanyBlockSize, 0);
    setText(kCompanyName, 40, kSampleName);
    setText(kCompanyTown, 40, kSampleTown);
    setText(kCompanyStreet, 40, kSampleStreet);
    setText(kCompanyPhone, 20, kSamplePhone);
}

void SettingsRecord::setDefaults() {
    m_bytes.fill(0);
    putI32(m_bytes.data(), 0, 129);
    resetCompanyData();
    for (int s = 1; s <= 5; ++s) m_bytes[kStatusFilter + s - 1] = 1;
    putI32(m_bytes.data(), kRangedNumber, 50000);
    for (int i = 0; i < 5; ++i) {
        FontDescription f;
        f.name = kFontDefaults[i].name;
        f.size = kFontDefaults[i].size;
        f.italic = kFontDefaults[i].italic;
        encodeFontDescription(m_bytes.data(), kFonts + static_cast<std::size_t>(i) * kFontSize, f);
    }
    setText(kDatasheetFolder, kFolderCapacity, kDefaultDatasheetFolder);
    setText(kSearchEngine, kFolderCapacity, kDefaultSearchEngine);
}

void SettingsRecord::loadBytes(const std::string& data) {
    const std::size_t n = std::min(data.size(), kSize);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(data.data()), n, m_bytes.begin());
}

bool SettingsRecord::applyLoadCorrections(const std::string& programDir) {
    bool mustSave = false;
    if (text(kCompanyName, 40).empty()) {
        resetCompanyData();
        setText(kTextFolder, kFolderCapacity, "");
        mustSave = true;
    }
    const std::int32_t ranged = rangedNumber();
    if (ranged < 50000 || ranged > 90000) putI32(m_bytes.data(), kRangedNumber, 50000);
    // The block holds Windows-1252 texts; the program directory comes from the system as UTF-8.
    if (textFolder().empty()) setText(kTextFolder, kFolderCapacity, utf8ToCp1252(programDir) + "TEXTE/");
    return mustSave;
}

void SettingsRecord::load(FileSystem& fs, const std::string& programDir) {
    setDefaults();
    std::string data;
    if (readWholeFile(fs, kFileName, data)) loadBytes(data);
    m_dirty = applyLoadCorrections(programDir);
}

bool SettingsRecord::save(FileSystem& fs, std::string& error) const {
    return writeWholeFileAtomically(fs, kFileName, m_bytes.data(), m_bytes.size(), error);
}

std::string SettingsRecord::text(std::size_t offset, std::size_t capacity) const {
    return readShortString(m_bytes.data(), offset, capacity);
}

void SettingsRecord::setText(std::size_t offset, std::size_t capacity, const std::string& cp1252) {
    writeShortString(m_bytes.data(), offset, capacity, cp1252);
}

bool SettingsRecord::statusFilter(int status) const {
    if (status < 1 || status > 5) return true;
    return m_bytes[kStatusFilter + static_cast<std::size_t>(status) - 1] != 0;
}

void SettingsRecord::setStatusFilter(int status, bool on) {
    if (status >= 1 && status <= 5) m_bytes[kStatusFilter + static_cast<std::size_t>(status) - 1] = on ? 1 : 0;
}

FontDescription SettingsRecord::font(FontSlot slot) const {
    return decodeFontDescription(m_bytes.data(), kFonts + static_cast<std::size_t>(slot) * kFontSize);
}

void SettingsRecord::setFont(FontSlot slot, const FontDescription& f) {
    encodeFontDescription(m_bytes.data(), kFonts + static_cast<std::size_t>(slot) * kFontSize, f);
}

std::string SettingsRecord::statusFilterAbbreviations() const {
    static constexpr const char* kAbbrev[4] = {"La ", "Ab ", "Be ", "Au "};
    std::string out;
    for (int s = 1; s <= 4; ++s)
        if (statusFilter(s)) out += kAbbrev[s - 1];
    return out;
}

}  // namespace kvx
