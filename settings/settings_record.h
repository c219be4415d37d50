// The settings block: 6478 bytes held in memory for the whole run and stored byte for byte as
// settings.dat. Fields are read and written at their fixed offsets, so that an existing file loads
// unchanged; bytes this program does not interpret are kept as they are.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "base/font_description.h"
#include "base/le_bytes.h"

namespace kvx {

enum class FontSlot { Dialog = 0, Detail = 1, List = 2, Print = 3, Tree = 4 };

// The delivery data sent with every order: four indexes into the option texts (delivery_options.h; a
// stored index outside its table is kept as it is) and the customer number, Windows-1252, at most 10
// characters.
struct DeliveryData {
    std::uint8_t orderType = 0;
    std::uint8_t destination = 0;
    std::uint8_t shipping = 0;
    std::uint8_t payment = 0;
    std::string customerNumber;

    bool operator==(const DeliveryData&) const = default;
};

// The user's company data printed on the order form, Windows-1252: e-mail, name, town and street of at
// most 40 characters, telephone of at most 20. The name is never empty in a stored block (an empty name
// resets the block at the next start).
struct CompanyData {
    std::string email;
    std::string name;
    std::string town;
    std::string street;
    std::string phone;

    bool operator==(const CompanyData&) const = default;
};

class SettingsRecord final {
  public:
    static constexpr std::size_t kSize = 6478;
    static constexpr const char* kFileName = "settings.dat";

    // Offsets of the fields this program interprets.
    static constexpr std::size_t kCompanyBlock = 12, kCompanyBlockSize = 187;
    static constexpr std::size_t kCompanyEmail = 14, kCompanyName = 55, kCompanyTown = 96, kCompanyStreet = 137,
                                 kCompanyPhone = 178;
    static constexpr std::size_t kStatusFilter = 199;  // 5 bytes, status 1..5
    static constexpr std::size_t kCustomerNumber = 204;
    static constexpr std::size_t kRangedNumber = 215;
    static constexpr std::size_t kPriceDisplay = 219;
    static constexpr std::size_t kWorkingMode = 220;
    static constexpr std::size_t kCostCentreStatus = 221;  // 41 bytes
    static constexpr std::size_t kSearchSet = 262;
    static constexpr std::size_t kCatalogueDate = 268;
    static constexpr std::size_t kFonts = 309, kFontSize = 47;
    static constexpr std::size_t kDeliveryData = 900;  // 4 bytes: order type, destination, shipping, payment
    static constexpr std::size_t kTextFolder = 904;
    static constexpr std::size_t kCurrentOrder = 1118;
    static constexpr std::size_t kDatasheetFolder = 1120;
    static constexpr std::size_t kEntryHistory = 3363, kEntryHistoryCount = 5783;
    static constexpr std::size_t kSearchEngine = 5905;
    static constexpr std::size_t kFolderCapacity = 120;
    static constexpr std::size_t kCustomerNumberCapacity = 10;
    static constexpr std::size_t kCompanyLineCapacity = 40, kCompanyPhoneCapacity = 20;

    SettingsRecord() { setDefaults(); }

    // Zeroes the block and sets every default.
    void setDefaults();
    // Copies the bytes of `data` (at most kSize) over the defaults; a shorter block keeps the tail's defaults.
    void loadBytes(const std::string& data);
    // Corrections applied after loading; `programDir` (UTF-8) ends with '/'. Returns true when they changed the
    // block in a way that must be saved (company data reset). An empty text folder becomes programDir +
    // "TEXTE/" when that fits the field in Windows-1252; otherwise the program directory itself ("./", the
    // working directory) and loadNotice() says so.
    [[nodiscard]] bool applyLoadCorrections(const std::string& programDir);
    // What the last load's corrections have to tell the user (UTF-8); empty when nothing.
    const std::string& loadNotice() const { return m_loadNotice; }
    void clearLoadNotice() { m_loadNotice.clear(); }

    // Reads settings.dat (missing or short: defaults stay, no message) and applies the corrections; marks the
    // block dirty when the corrections say so. A settings.dat that exists but cannot be read is no missing
    // one: false with `error` naming the file and the reason, the block holds the defaults and must not be
    // saved over the user's file.
    [[nodiscard]] bool load(FileSystem& fs, const std::string& programDir, std::string& error);
    // Writes settings.dat whole (temporary file, sync, rename); false with `error` when it failed.
    [[nodiscard]] bool save(FileSystem& fs, std::string& error) const;

    // The raw block, read-only. Fields are changed only through the typed setters below (or loadBytes), so
    // that every change marks the block dirty.
    const std::uint8_t* data() const { return m_bytes.data(); }

    bool dirty() const { return m_dirty; }
    void setDirty(bool dirty = true) { m_dirty = dirty; }

    // Typed fields (texts are Windows-1252). Every setter marks the block dirty when it changes a byte.
    std::string text(std::size_t offset, std::size_t capacity) const;
    void setText(std::size_t offset, std::size_t capacity, const std::string& cp1252);

    bool statusFilter(int status) const;  // status 1..5; others pass
    void setStatusFilter(int status, bool on);
    // The five filter bytes, status 1..5.
    std::array<std::uint8_t, 5> statusFilterBytes() const;
    void setStatusFilterBytes(const std::array<std::uint8_t, 5>& filter);
    bool netPrices() const { return m_bytes[kPriceDisplay] != 0; }
    void setNetPrices(bool on);
    bool stockMode() const { return m_bytes[kWorkingMode] != 0; }
    void setStockMode(bool on);
    std::int32_t rangedNumber() const { return getI32(m_bytes.data(), kRangedNumber); }
    std::int32_t catalogueDate() const { return getI32(m_bytes.data(), kCatalogueDate); }
    void setCatalogueDate(std::int32_t date);
    // State byte of cost centre 0..40 (0 = closed); other numbers read 0 and are not written: the bytes
    // after the 41 state bytes belong to other fields.
    static constexpr int kCostCentreStates = 41;
    std::uint8_t costCentreState(int n) const;
    void setCostCentreState(int n, std::uint8_t state);
    std::uint16_t currentOrder() const { return getU16(m_bytes.data(), kCurrentOrder); }
    void setCurrentOrder(std::uint16_t n);
    std::uint8_t searchSet() const { return m_bytes[kSearchSet]; }
    void setSearchSet(std::uint8_t slot);
    std::string textFolder() const { return text(kTextFolder, kFolderCapacity); }
    void setTextFolder(const std::string& cp1252) { setText(kTextFolder, kFolderCapacity, cp1252); }
    std::string datasheetFolder() const { return text(kDatasheetFolder, kFolderCapacity); }
    void setDatasheetFolder(const std::string& cp1252) { setText(kDatasheetFolder, kFolderCapacity, cp1252); }
    // Texts longer than their fields are cut to them.
    DeliveryData deliveryData() const;
    void setDeliveryData(const DeliveryData& data);
    CompanyData companyData() const;
    void setCompanyData(const CompanyData& data);
    std::string searchEngine() const { return text(kSearchEngine, kFolderCapacity); }

    FontDescription font(FontSlot slot) const;
    void setFont(FontSlot slot, const FontDescription& font);

    // The histories kept in the block, most recent first: the search dialog's words (100 entries of 20
    // characters) and units (40 of 10), and the article entry dialog's recent links (20 of 120).
    enum class History { SearchWords, SearchUnits, EntryLinks };
    static int historyCapacity(History history);
    static std::size_t historyTextCapacity(History history);
    // The stored count, clamped to the capacity (a damaged block cannot index past the table).
    int historyCount(History history) const;
    void setHistoryCount(History history, int count);  // clamped to 0..capacity
    // Entry k, 1..capacity; other k read as empty and are not written.
    std::string historyEntry(History history, int k) const;
    void setHistoryEntry(History history, int k, const std::string& cp1252);

    // The status-line abbreviations "La ", "Ab ", "Be ", "Au " of the set filter flags.
    std::string statusFilterAbbreviations() const;

    void resetCompanyData();

  private:
    // Runs `write` on the block and marks it dirty when the bytes offset..offset + size changed.
    template <typename Write>
    void change(std::size_t offset, std::size_t size, Write write);

    std::array<std::uint8_t, kSize> m_bytes{};
    bool m_dirty = false;
    std::string m_loadNotice;
};

}  // namespace kvx
