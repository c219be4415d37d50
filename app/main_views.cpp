// Views of the main window, command rules and the pages of the start view, about box, system
// information and text file view.
#include "app/main_views.h"

#include <algorithm>
#include <map>

#include "base/cp1252.h"
#include "base/date_number.h"
#include "base/system_info.h"
#include "search/search_commands.h"
#include "stock/booking_command_rows.h"
#include "stock/my_article_commands.h"
#include "stock/orders.h"

namespace kvx {

int listKindOfView(int view) {
    switch (view) {
        case 2:
        case 3:
        case 4:
        case 6:
        case 10:
        case 12:
            return view;
        default:
            return kNoList;
    }
}

std::vector<ListColumn> listColumns(int kind, bool netPrices) {
    if (kind == kSearchList) return searchResultColumns(netPrices);
    if (kind == kMyArticlesList) return myArticlesColumns(netPrices);
    if (kind == kDemandList || kind == kConsumptionList) return bookingListColumnsOf(kind);
    if (kind == kOrdersList) return ordersListColumns();
    return kind == kCatalogueList ? catalogueListColumns(netPrices) : std::vector<ListColumn>{};
}

int helpContextOfView(int view) {
    const bool own = (view >= 1 && view <= 6) || (view >= 8 && view <= 12) || (view >= 16 && view <= 18);
    return own ? view : 0;
}

int paintedLineEntry(int view, int line, int entries) {
    if (line <= 1) return -1;
    switch (view) {
        case 9:
        case 14:
        case 15:
        case 17:
        case 25:
            break;
        default:
            return -1;
    }
    // Only entries that exist: an entry equal to the count would lie past the report's last line.
    const int entry = line - 2;
    return entry < entries ? entry : -1;
}

std::string articleCountLine(const AppState& app) {
    std::string line = std::to_string(app.catalogue.articleCount()) + " Artikel";
    // A catalogue never imported by this program has no date; "vom 00.00.00" would say nothing.
    if (app.catalogue.articles().modificationTime() > 0 && app.settings.catalogueDate() > 0)
        line += ", Datenbestand vom " + formatDateNumber(app.settings.catalogueDate());
    return line;
}

StartPage startPage(const AppState& app) {
    StartPage page;
    page.centred = {{"KORVANEX", 30, true},
                    {"Lagerverwaltung", 20, true},
                    {"auf der Basis der Zelvo Artikelliste", 12, false},
                    {"Version 1.0", 12, false},
                    {articleCountLine(app), 12, false}};
    if (app.settings.stockMode()) {
        TextPage& block = page.stockBlock;
        block.put(2, 12, "Meine Artikel:");
        const StockSession& stock = app.stock;
        const std::pair<const char*, std::uint32_t> counts[] = {
            {"Artikel", stock.myArticleCount()},
            {"Bestellungen", stock.documentCount(BookingFile::Orders)},
            {"Bedarfbuchungen", stock.documentCount(BookingFile::Demand)},
            {"Verbrauchbuchungen", stock.documentCount(BookingFile::Consumption)}};
        int line = 13;
        for (const auto& [label, count] : counts) {
            block.put(6, line, label);
            block.put(26, line, std::to_string(count));
            ++line;
        }
    }
    return page;
}

std::vector<std::string> aboutLines(const AppState& app) {
    std::string count = std::to_string(app.catalogue.articleCount()) + " Artikel";
    if (app.settings.catalogueDate() > 0)
        count += ", Datenbestand vom " + formatDateNumber(app.settings.catalogueDate());
    return {"KORVANEX", "Lagerverwaltung", "auf der Basis der Zelvo Artikelliste", "Version 1.0", count};
}

TextPage systemInformation(const PlatformValues& p) {
    // What this platform has in place of the variables only Windows sets: values of its own, or variables
    // of the same meaning.
    const std::map<std::string, std::string> ownValues = {
        {"PROCESSOR_IDENTIFIER", p.processorName},
        {"NUMBER_OF_PROCESSORS", p.processorCount > 0 ? std::to_string(p.processorCount) : std::string()},
        {"COMPUTERNAME", p.hostName}};
    const std::map<std::string, std::string> counterparts = {
        {"ComSpec", "SHELL"}, {"USERNAME", "USER"}, {"USERPROFILE", "HOME"}, {"APPDATA", "XDG_CONFIG_HOME"}};
    auto env = [&](const std::string& name) { return p.environment ? p.environment(name) : std::string(); };
    auto environment = [&](const std::string& name) {
        std::string value = env(name);
        if (!value.empty()) return value;
        if (const auto own = ownValues.find(name); own != ownValues.end()) return own->second;
        if (const auto other = counterparts.find(name); other != counterparts.end()) return env(other->second);
        return value;
    };
    std::string version = p.osName;
    if (!p.osVersion.empty()) version += (version.empty() ? "" : " ") + ("Version " + p.osVersion);
    return systemInformationPage(environment, version, p.platformId);
}

namespace {

bool isValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int follow = 0;
        if (c < 0x80)
            follow = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            follow = 1;
        else if ((c & 0xF0) == 0xE0)
            follow = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(follow) >= s.size() && follow > 0) return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

std::string expandTabs(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c != '\t') {
            out += c;
            continue;
        }
        do out += ' ';
        while (out.size() % 8 != 0);
    }
    return out;
}

}  // namespace

TextPage textFilePage(const std::string& contents) {
    const std::string text = isValidUtf8(contents) ? contents : cp1252ToUtf8(contents);
    TextPage page;
    int line = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(start, end - start);
        if (!part.empty() && part.back() == '\r') part.pop_back();
        if (!part.empty()) page.put(1, line, expandTabs(part));
        ++line;
        start = end + 1;
    }
    return page;
}

int infoFormLines(int type, int positions, int pageLines) {
    switch (type) {
        case kInfoCatalogueArticle:
        case kInfoMyArticle:
            return pageLines + 3;
        case 6:
            return 12;
        case kInfoOrder:
        case kInfoDemand:
        case kInfoConsumption:
        case kInfoCalculation:
        case kInfoDirectOrder:
            return std::max(0, positions) + 10;
        case kInfoStockHistory:
            return 30;
        default:
            return 12;
    }
}

}  // namespace kvx
