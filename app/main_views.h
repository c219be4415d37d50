// What the main window's views are: their lists, help contexts and line selection, and the pages the
// window paints for the start view, the about box, the system information and a shown text file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "base/text_page.h"
#include "base/view_port.h"
#include "catalogue/catalogue_article.h"

namespace kvx {

// The list a view shows (kCatalogueList for the catalogue browser), or kNoList for painted views.
int listKindOfView(int view);
// Column titles and widths of a list kind (empty for kinds whose lists are not kept by this program yet).
std::vector<ListColumn> listColumns(int kind, bool netPrices);
// Views 1..6, 8..12 and 16..18 use their number as help context; all others 0.
int helpContextOfView(int view);

// Line-based selection in painted views: the entry chosen by a click on text line `line` of `view`, or
// -1 when the click selects nothing. `entries` is the number of selectable entries the view shows
// (cost centres of the report in views 9, 14 and 15, calculations in 17, internet addresses in 25); the
// entry of line l is l - 2, so line 1 (the heading) never selects.
int paintedLineEntry(int view, int line, int entries);

// ---- start page and about box ----
struct StartPageLine {
    std::string text;  // UTF-8
    int pointSize = 12;
    bool italic = false;  // style byte 1
};
struct StartPage {
    std::vector<StartPageLine> centred;  // drawn centred, one below the other, all in "ARIAL"
    TextPage stockBlock;                 // stock mode only: from text line 12 on, in the detail font
};
inline constexpr const char* kStartPageFont = "ARIAL";

// The line with the article count and, when the article file has a positive time stamp and a catalogue
// date is stored, that date.
std::string articleCountLine(const AppState& app);
StartPage startPage(const AppState& app);
// The lines of the about box titled "Über KORVANEX" (the date follows the catalogue date setting).
std::vector<std::string> aboutLines(const AppState& app);
inline constexpr const char* kAboutTitle = "Über KORVANEX";

// ---- system information (view 30) ----
// Values of this platform: `environment(name)` reads the process environment (empty when unset).
// Variables that only Windows sets fall back to their counterparts here (USER, HOME, the host name,
// the processor count), so the page shows real values on every system.
struct PlatformValues {
    std::function<std::string(const std::string&)> environment;
    std::string hostName;
    int processorCount = 0;
    std::string processorName;  // empty: PROCESSOR_IDENTIFIER or the CPU architecture
    std::string osName;         // e.g. "Ubuntu 24.04"
    std::string osVersion;      // kernel version, e.g. "6.8.0"
    std::string platformId;     // e.g. "linux"
};
TextPage systemInformation(const PlatformValues& platform);

// ---- text file view (view 20) ----
// The file's lines, one per page line from column 1. Text that is not valid UTF-8 is read as
// Windows-1252; tabs become blanks up to the next multiple of 8.
TextPage textFilePage(const std::string& contents);

// ---- information form ----
inline constexpr int kInfoFormWidthChars = 70;
// Height in text lines: 12 for types 0, 1 and 6, positions + 10 for the documents (2..5, 7), 30 for the
// stock history; the article pages (0, 1) then take their own line count + 3.
int infoFormLines(int type, int positions, int pageLines);

}  // namespace kvx
