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

// Where the histories lie: count byte, entry 1, entries, text capacity.
struct HistoryLayout {
    std::size_t countOffset;
    std::size_t firstEntry;
    int capacity;
    std::size_t textCapacity;
};
constexpr HistoryLayout kSearchWords{3362, 1262, 100, 20};
constexpr HistoryLayout kSearchUnits{6026, 6038, 40, 10};
constexpr HistoryLayout kEntryLinks{SettingsRecord::kEntryHistoryCount, SettingsRecord::kEntryHistory, 20, 120};

const HistoryLayout& layoutOf(SettingsRecord::History history) {
    switch (history) {
        case SettingsRecord::History::SearchWords:
            return kSearchWords;
        case SettingsRecord::History::SearchUnits:
            return kSearchUnits;
        case SettingsRecord::History::EntryLinks:
            break;
    }
    return kEntryLinks;
}

}  // namespace

template <typename Write>
void SettingsRecord::change(std::size_t offset, std::size_t size, Write write) {
    std::array<std::uint8_t, kSize> before;
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, before.begin());
    write();
    if (!std::equal(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(size),
                    m_bytes.begin() + static_cast<std::ptrdiff_t>(offset)))
        m_dirty = true;
}

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
    m_dirty = false;  // defaults are no change of the user's
}

void SettingsRecord::loadBytes(const std::string& data) {
    const std::size_t n = std::min(data.size(), kSize);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(data.data()), n, m_bytes.begin());
}

bool SettingsRecord::applyLoadCorrections(const std::string& programDir) {
    // The caller decides from the result whether the corrections must be saved, not from the setters.
    const bool wasDirty = m_dirty;
    bool mustSave = false;
    if (text(kCompanyName, 40).empty()) {
        resetCompanyData();
        setText(kTextFolder, kFolderCapacity, "");
        mustSave = true;
    }
    const std::int32_t ranged = rangedNumber();
    if (ranged < 50000 || ranged > 90000) putI32(m_bytes.data(), kRangedNumber, 50000);
    if (textFolder().empty()) {
        // The block holds Windows-1252 texts; the program directory comes from the system as UTF-8. A folder
        // cut to the field or with characters Windows-1252 lacks would name a folder that does not exist.
        const std::string wanted = programDir + "TEXTE/";
        const std::string stored = utf8ToCp1252(wanted);
        if (stored.size() <= kFolderCapacity && cp1252ToUtf8(stored) == wanted) {
            setText(kTextFolder, kFolderCapacity, stored);
        } else {
            setText(kTextFolder, kFolderCapacity, "./");
            m_loadNotice = "Der Ordner " + wanted +
                           " ist als Textordner zu lang (höchstens 120 Zeichen) oder enthält Zeichen außerhalb "
                           "von Windows-1252. Textdateien werden im Programmverzeichnis abgelegt.";
        }
    }
    m_dirty = wasDirty;
    return mustSave;
}

bool SettingsRecord::load(FileSystem& fs, const std::string& programDir, std::string& error) {
    setDefaults();
    m_loadNotice.clear();
    std::string data;
    std::string why;
    if (fs.exists(kFileName) && !readWholeFile(fs, kFileName, data, why)) {
        error = std::string("Die Datei ") + kFileName + " ist nicht lesbar: " + why;
        return false;
    }
    loadBytes(data);
    m_dirty = applyLoadCorrections(programDir);
    return true;
}

bool SettingsRecord::save(FileSystem& fs, std::string& error) const {
    return writeWholeFileAtomically(fs, kFileName, m_bytes.data(), m_bytes.size(), error);
}

std::string SettingsRecord::text(std::size_t offset, std::size_t capacity) const {
    return readShortString(m_bytes.data(), offset, capacity);
}

void SettingsRecord::setText(std::size_t offset, std::size_t capacity, const std::string& cp1252) {
    if (offset + 1 + capacity > kSize) return;
    change(offset, capacity + 1, [&] { writeShortString(m_bytes.data(), offset, capacity, cp1252); });
}

bool SettingsRecord::statusFilter(int status) const {
    if (status < 1 || status > 5) return true;
    return m_bytes[kStatusFilter + static_cast<std::size_t>(status) - 1] != 0;
}

void SettingsRecord::setStatusFilter(int status, bool on) {
    if (status < 1 || status > 5) return;
    const std::size_t at = kStatusFilter + static_cast<std::size_t>(status) - 1;
    change(at, 1, [&] { m_bytes[at] = on ? 1 : 0; });
}

std::array<std::uint8_t, 5> SettingsRecord::statusFilterBytes() const {
    std::array<std::uint8_t, 5> filter{};
    std::copy_n(m_bytes.begin() + kStatusFilter, filter.size(), filter.begin());
    return filter;
}

void SettingsRecord::setStatusFilterBytes(const std::array<std::uint8_t, 5>& filter) {
    change(kStatusFilter, filter.size(),
           [&] { std::copy(filter.begin(), filter.end(), m_bytes.begin() + kStatusFilter); });
}

void SettingsRecord::setNetPrices(bool on) {
    change(kPriceDisplay, 1, [&] { m_bytes[kPriceDisplay] = on ? 1 : 0; });
}

DeliveryData SettingsRecord::deliveryData() const {
    DeliveryData d;
    d.orderType = m_bytes[kDeliveryData];
    d.destination = m_bytes[kDeliveryData + 1];
    d.shipping = m_bytes[kDeliveryData + 2];
    d.payment = m_bytes[kDeliveryData + 3];
    d.customerNumber = text(kCustomerNumber, kCustomerNumberCapacity);
    return d;
}

void SettingsRecord::setDeliveryData(const DeliveryData& d) {
    change(kDeliveryData, 4, [&] {
        m_bytes[kDeliveryData] = d.orderType;
        m_bytes[kDeliveryData + 1] = d.destination;
        m_bytes[kDeliveryData + 2] = d.shipping;
        m_bytes[kDeliveryData + 3] = d.payment;
    });
    setText(kCustomerNumber, kCustomerNumberCapacity, d.customerNumber);
}

CompanyData SettingsRecord::companyData() const {
    CompanyData c;
    c.email = text(kCompanyEmail, kCompanyLineCapacity);
    c.name = text(kCompanyName, kCompanyLineCapacity);
    c.town = text(kCompanyTown, kCompanyLineCapacity);
    c.street = text(kCompanyStreet, kCompanyLineCapacity);
    c.phone = text(kCompanyPhone, kCompanyPhoneCapacity);
    return c;
}

void SettingsRecord::setCompanyData(const CompanyData& c) {
    setText(kCompanyEmail, kCompanyLineCapacity, c.email);
    setText(kCompanyName, kCompanyLineCapacity, c.name);
    setText(kCompanyTown, kCompanyLineCapacity, c.town);
    setText(kCompanyStreet, kCompanyLineCapacity, c.street);
    setText(kCompanyPhone, kCompanyPhoneCapacity, c.phone);
}

void SettingsRecord::setStockMode(bool on) {
    change(kWorkingMode, 1, [&] { m_bytes[kWorkingMode] = on ? 1 : 0; });
}

std::uint8_t SettingsRecord::costCentreState(int n) const {
    if (n < 0 || n >= kCostCentreStates) return 0;
    return m_bytes[kCostCentreStatus + static_cast<std::size_t>(n)];
}

void SettingsRecord::setCostCentreState(int n, std::uint8_t state) {
    if (n < 0 || n >= kCostCentreStates) return;
    const std::size_t at = kCostCentreStatus + static_cast<std::size_t>(n);
    change(at, 1, [&] { m_bytes[at] = state; });
}

void SettingsRecord::setCatalogueDate(std::int32_t date) {
    change(kCatalogueDate, 4, [&] { putI32(m_bytes.data(), kCatalogueDate, date); });
}

void SettingsRecord::setCurrentOrder(std::uint16_t n) {
    change(kCurrentOrder, 2, [&] { putU16(m_bytes.data(), kCurrentOrder, n); });
}

void SettingsRecord::setSearchSet(std::uint8_t slot) {
    change(kSearchSet, 1, [&] { m_bytes[kSearchSet] = slot; });
}

int SettingsRecord::historyCapacity(History history) {
    return layoutOf(history).capacity;
}

std::size_t SettingsRecord::historyTextCapacity(History history) {
    return layoutOf(history).textCapacity;
}

int SettingsRecord::historyCount(History history) const {
    const HistoryLayout& l = layoutOf(history);
    return std::min<int>(m_bytes[l.countOffset], l.capacity);
}

void SettingsRecord::setHistoryCount(History history, int count) {
    const HistoryLayout& l = layoutOf(history);
    const auto n = static_cast<std::uint8_t>(std::clamp(count, 0, l.capacity));
    change(l.countOffset, 1, [&] { m_bytes[l.countOffset] = n; });
}

std::string SettingsRecord::historyEntry(History history, int k) const {
    const HistoryLayout& l = layoutOf(history);
    if (k < 1 || k > l.capacity) return {};
    return text(l.firstEntry + static_cast<std::size_t>(k - 1) * (l.textCapacity + 1), l.textCapacity);
}

void SettingsRecord::setHistoryEntry(History history, int k, const std::string& cp1252) {
    const HistoryLayout& l = layoutOf(history);
    if (k < 1 || k > l.capacity) return;
    setText(l.firstEntry + static_cast<std::size_t>(k - 1) * (l.textCapacity + 1), l.textCapacity, cp1252);
}

FontDescription SettingsRecord::font(FontSlot slot) const {
    return decodeFontDescription(m_bytes.data(), kFonts + static_cast<std::size_t>(slot) * kFontSize);
}

void SettingsRecord::setFont(FontSlot slot, const FontDescription& f) {
    const std::size_t at = kFonts + static_cast<std::size_t>(slot) * kFontSize;
    change(at, kFontSize, [&] { encodeFontDescription(m_bytes.data(), at, f); });
}

std::string SettingsRecord::statusFilterAbbreviations() const {
    static constexpr const char* kAbbrev[4] = {"La ", "Ab ", "Be ", "Au "};
    std::string out;
    for (int s = 1; s <= 4; ++s)
        if (statusFilter(s)) out += kAbbrev[s - 1];
    return out;
}

}  // namespace kvx
