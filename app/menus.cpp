// Menu definitions: one row per menu position, in the order the positions appear.
#include "app/menus.h"

#include "base/command_numbers.h"

namespace kvx {

namespace {

enum class Kind { Item, Dialog, Submenu, Separator, HelpContext, HelpIndex };
enum class When { Always, Stock, Simple, Help };

struct MenuRow {
    int menu;
    Kind kind;
    int number;  // command, or the sub-menu's menu number
    const char* caption;
    const char* hint = "";
    When when = When::Always;
};

// Items with a hint of their own, dialog items (".." appended) and the font and cost-centre items that two
// menus share are written out per menu: a menu reads as it appears.
constexpr MenuRow kMenuRows[] = {
    {menu::kStart, Kind::Submenu, menu::kFile, "Datei"},
    {menu::kStart, Kind::Item, cmd::kCatalogue, "Artikel"},
    {menu::kStart, Kind::Item, cmd::kMyArticles, "Meine Artikel", "", When::Stock},
    {menu::kStart, Kind::Item, cmd::kDirectOrder, "Bestellung", "", When::Simple},
    {menu::kStart, Kind::Item, cmd::kSaveAsText, "Bestellung als Textdatei speichern", "", When::Simple},
    {menu::kStart, Kind::Submenu, menu::kSettings, "Einstellungen"},
    {menu::kStart, Kind::Submenu, menu::kExtras, "Zusätze"},
    {menu::kStart, Kind::Submenu, menu::kHelp, "Hilfe"},

    {menu::kCatalogue, Kind::Item, cmd::kArticleInformation, "Details"},
    {menu::kCatalogue, Kind::Submenu, menu::kSearch, "Auswahl"},
    {menu::kCatalogue, Kind::Item, cmd::kAvailability, "Verfügbarkeit"},
    {menu::kCatalogue, Kind::Item, cmd::kToMyArticles, "Zu meine Artikel", "", When::Stock},
    {menu::kCatalogue, Kind::Item, cmd::kOrderArticle, "Bestellen", "", When::Simple},
    {menu::kCatalogue, Kind::Submenu, menu::kCatalogueExtras, "Zusätze"},
    {menu::kCatalogue, Kind::Item, cmd::kOnlineCatalogue, "Online Katalog"},
    {menu::kCatalogue, Kind::Item, cmd::kOnlinePicture, "Online Bild"},

    {menu::kMyArticles, Kind::Item, cmd::kArticleInformation, "Info"},
    {menu::kMyArticles, Kind::Item, cmd::kEditMyArticle, "Ändern.."},
    {menu::kMyArticles, Kind::Submenu, menu::kMyArticleExtras, "Zusätze"},
    {menu::kMyArticles, Kind::Item, cmd::kOrders, "Bestellung"},
    {menu::kMyArticles, Kind::Item, cmd::kDemand, "Bedarf"},
    {menu::kMyArticles, Kind::Item, cmd::kConsumption, "Verbrauch"},
    {menu::kMyArticles, Kind::Item, cmd::kCalculations, "Kalkulation"},
    {menu::kMyArticles, Kind::Item, cmd::kCostCentres, "Kostenstellen"},
    {menu::kMyArticles, Kind::Item, cmd::kStockReport, "Warenbestand"},

    {menu::kEditOrder, Kind::Dialog, cmd::kChange, "Menge ändern"},
    {menu::kEditOrder, Kind::Item, cmd::kNew, "Position neu"},
    {menu::kEditOrder, Kind::Item, cmd::kDeletePosition, "Position löschen"},
    {menu::kEditOrder, Kind::Item, cmd::kNext, "Pos.+"},
    {menu::kEditOrder, Kind::Item, cmd::kPrevious, "Pos.-"},
    {menu::kEditOrder, Kind::Item, cmd::kBookDispatch, "Bestellausgang buchen"},

    {menu::kOrders, Kind::Item, cmd::kDetails, "Details"},
    {menu::kOrders, Kind::Item, cmd::kNew, "Neu"},
    {menu::kOrders, Kind::Item, cmd::kEditOrder, "Bearbeiten.."},
    {menu::kOrders, Kind::Item, cmd::kAutomaticOrder, "autom. Bestellung"},
    {menu::kOrders, Kind::Submenu, menu::kOrderExtras, "Bestellung"},
    {menu::kOrders, Kind::Item, cmd::kShowOrderText, "Bestelltext Zeigen"},
    {menu::kOrders, Kind::Item, cmd::kOrdersFilter, "Auswahl"},

    {menu::kGoodsReceipt, Kind::Dialog, cmd::kChange, "Liefermenge ändern"},
    {menu::kGoodsReceipt, Kind::Item, cmd::kNext, "Pos.+"},
    {menu::kGoodsReceipt, Kind::Item, cmd::kPrevious, "Pos.-"},
    {menu::kGoodsReceipt, Kind::Item, cmd::kBook, "Wareneingang buchen"},

    {menu::kEditConsumption, Kind::Item, cmd::kChange, "Pos. ändern"},
    {menu::kEditConsumption, Kind::Item, cmd::kNew, "Position neu"},
    {menu::kEditConsumption, Kind::Item, cmd::kDeletePosition, "Position löschen"},
    {menu::kEditConsumption, Kind::Item, cmd::kNext, "Pos.+"},
    {menu::kEditConsumption, Kind::Item, cmd::kPrevious, "Pos.-"},

    {menu::kConsumption, Kind::Item, cmd::kDetails, "Details"},
    {menu::kConsumption, Kind::Item, cmd::kNew, "Neu"},
    {menu::kConsumption, Kind::Item, cmd::kBook, "Buchen"},
    {menu::kConsumption, Kind::Item, cmd::kEditConsumption, "Ändern"},
    {menu::kConsumption, Kind::Submenu, menu::kConsumptionExtras, "Zusätze"},
    {menu::kConsumption, Kind::Item, cmd::kConsumptionFilter, "Auswahl"},

    {menu::kDemand, Kind::Item, cmd::kDetails, "Details"},
    {menu::kDemand, Kind::Item, cmd::kNew, "Neu"},
    {menu::kDemand, Kind::Item, cmd::kEditDemand, "Ändern"},
    {menu::kDemand, Kind::Item, cmd::kBook, "Buchen"},
    {menu::kDemand, Kind::Submenu, menu::kDemandExtras, "Zusätze"},
    {menu::kDemand, Kind::Item, cmd::kDemandFilter, "Auswahl"},

    {menu::kEditDemand, Kind::Dialog, cmd::kChange, "Pos. ändern"},
    {menu::kEditDemand, Kind::Item, cmd::kNew, "Position neu"},
    {menu::kEditDemand, Kind::Item, cmd::kDeletePosition, "Position löschen"},
    {menu::kEditDemand, Kind::Item, cmd::kNext, "Pos.+"},
    {menu::kEditDemand, Kind::Item, cmd::kPrevious, "Pos.-"},

    {menu::kCostDetails, Kind::Item, cmd::kChooseCostCentre, "Kostenstelle"},
    {menu::kCostDetails, Kind::Item, cmd::kNext, "Nächste"},
    {menu::kCostDetails, Kind::Item, cmd::kPrevious, "Vorige"},

    {menu::kOrderText, Kind::Item, cmd::kPrint, "Drucken.."},
    {menu::kOrderText, Kind::Item, cmd::kSaveAsText, "Als Textdatei speichern"},

    {menu::kCostCentres, Kind::Dialog, cmd::kChange, "Name Ändern"},
    {menu::kCostCentres, Kind::Item, cmd::kCostCentreStatus, "Status Ändern"},

    {menu::kCalculations, Kind::Item, cmd::kDetails, "Details"},
    {menu::kCalculations, Kind::Item, cmd::kNew, "Neu"},
    {menu::kCalculations, Kind::Item, cmd::kEditCalculation, "Ändern"},
    {menu::kCalculations, Kind::Submenu, menu::kCalculationExtras, "Zusätze"},

    {menu::kEditCalculation, Kind::Dialog, cmd::kChange, "Menge ändern"},
    {menu::kEditCalculation, Kind::Item, cmd::kNew, "Position neu"},
    {menu::kEditCalculation, Kind::Item, cmd::kDeletePosition, "Position löschen"},
    {menu::kEditCalculation, Kind::Item, cmd::kNext, "Pos.+"},
    {menu::kEditCalculation, Kind::Item, cmd::kPrevious, "Pos.-"},

    {menu::kDirectOrder, Kind::Item, cmd::kChangeDirectOrderPosition, "Ändern"},
    {menu::kDirectOrder, Kind::Item, cmd::kPrint, "Drucken.."},
    {menu::kDirectOrder, Kind::Item, cmd::kSaveAsText, "Als Textdatei speichern"},
    {menu::kDirectOrder, Kind::Item, cmd::kResetDirectOrder, "Rücksetzen.."},

    {menu::kEditDirectOrder, Kind::Dialog, cmd::kChange, "Menge ändern"},
    {menu::kEditDirectOrder, Kind::Item, cmd::kDeletePosition, "Position löschen"},
    {menu::kEditDirectOrder, Kind::Item, cmd::kNext, "Pos.+"},
    {menu::kEditDirectOrder, Kind::Item, cmd::kPrevious, "Pos.-"},

    {menu::kFonts, Kind::Dialog, cmd::kDialogFont, "Dialogfont Wählen"},
    {menu::kFonts, Kind::Item, cmd::kDetailFont, "Detailfont Wählen"},
    {menu::kFonts, Kind::Item, cmd::kListFont, "Listenfont Wählen"},
    {menu::kFonts, Kind::Item, cmd::kTreeFont, "Treefont Wählen"},
    {menu::kFonts, Kind::Item, cmd::kPrintFont, "Druckfont Wählen"},

    {menu::kCostReport, Kind::Item, cmd::kCostCentreDetails, "Kostenstelle Details"},
    {menu::kCostReport, Kind::Item, cmd::kManageCostCentres, "Kostenstellen verwalten"},

    {menu::kInternetAddresses, Kind::Item, cmd::kChange, "Ändern.."},
    {menu::kInternetAddresses, Kind::Dialog, cmd::kNew, "Neu"},

    {menu::kNextPrevious, Kind::Item, cmd::kNext, "Nächste"},
    {menu::kNextPrevious, Kind::Item, cmd::kPrevious, "Vorige"},

    {menu::kStockReport, Kind::Item, cmd::kSaveStockReport, "Als Text speichern"},

    // Sub-menus.
    {menu::kFile, Kind::Item, cmd::kClose, "Schließen", "Das Programm beenden"},

    {menu::kExtras, Kind::Item, cmd::kImportCatalogue, "Zelvo-Java-Daten importieren"},
    {menu::kExtras, Kind::Item, cmd::kDeleteUserFiles, "User-Files löschen"},
    {menu::kExtras, Kind::Separator, 0, ""},
    {menu::kExtras, Kind::Item, cmd::kShowTextFile, "Textdatei zeigen"},

    {menu::kOrderExtras, Kind::Item, cmd::kBookDispatch, "Bestellausgang buchen"},
    {menu::kOrderExtras, Kind::Item, cmd::kGoodsReceipt, "Wareneingang buchen.."},
    {menu::kOrderExtras, Kind::Item, cmd::kRecompute, "neu berechnen"},
    {menu::kOrderExtras, Kind::Item, cmd::kDeliveryData, "Lieferdaten bearbeiten"},
    {menu::kOrderExtras, Kind::Item, cmd::kSaveAsText, "Als Textdatei speichern"},

    {menu::kSettings, Kind::Dialog, cmd::kBasicSettings, "Einstellungen"},
    {menu::kSettings, Kind::Item, cmd::kCompanyData, "Firma", "Firmendaten einstellen"},
    {menu::kSettings, Kind::Item, cmd::kDeliveryData, "Lieferdaten", "Lieferdaten einstellen"},
    {menu::kSettings, Kind::Item, cmd::kFolders, "Verzeichnisse"},
    {menu::kSettings, Kind::Item, cmd::kFonts, "Schriftarten"},
    {menu::kSettings, Kind::Item, cmd::kInternetAddresses, "Internetadressen"},

    {menu::kCostReportExtras, Kind::Item, cmd::kCostCentreDetails, "Kostenstelle Details"},
    {menu::kCostReportExtras, Kind::Item, cmd::kManageCostCentres, "Kostenstellen verwalten"},

    {menu::kFontExtras, Kind::Dialog, cmd::kDialogFont, "Dialogfont Wählen"},
    {menu::kFontExtras, Kind::Item, cmd::kDetailFont, "Detailfont Wählen"},
    {menu::kFontExtras, Kind::Item, cmd::kListFont, "Listenfont Wählen"},
    {menu::kFontExtras, Kind::Item, cmd::kTreeFont, "Treefont Wählen"},
    {menu::kFontExtras, Kind::Item, cmd::kPrintFont, "Druckfont Wählen"},

    {menu::kCatalogueExtras, Kind::Item, cmd::kSaveSearchAsText, "Suche als Text speichern"},
    {menu::kCatalogueExtras, Kind::Item, cmd::kLoadParameters, "Parameter laden"},
    {menu::kCatalogueExtras, Kind::Item, cmd::kStoreParameters, "Parameter speichern"},
    {menu::kCatalogueExtras, Kind::Item, cmd::kShowSearchCriteria, "Suchkriterium zeigen"},
    {menu::kCatalogueExtras, Kind::Item, cmd::kShowArticleGroup, "Artikelgruppe zeigen"},

    {menu::kCalculationExtras, Kind::Dialog, cmd::kCalculationCostCentre, "Kostenstelle"},
    {menu::kCalculationExtras, Kind::Item, cmd::kPieceCount, "Stückzahl.."},
    {menu::kCalculationExtras, Kind::Item, cmd::kCalculationToDemand, "Als Bedarf übernehmen"},
    {menu::kCalculationExtras, Kind::Item, cmd::kSaveAsText, "Als Textdatei speichern.."},
    {menu::kCalculationExtras, Kind::Item, cmd::kRecompute, "Neu berechnen"},

    {menu::kDemandExtras, Kind::Dialog, cmd::kDemandCostCentre, "Kostenstelle"},
    {menu::kDemandExtras, Kind::Item, cmd::kRecompute, "Neu berechnen"},
    {menu::kDemandExtras, Kind::Item, cmd::kSaveAsText, "Als Textdatei speichern.."},

    {menu::kConsumptionExtras, Kind::Item, cmd::kRecompute, "Neu berechnen"},
    {menu::kConsumptionExtras, Kind::Item, cmd::kConsumptionCostCentre, "Kostenstelle"},
    {menu::kConsumptionExtras, Kind::Item, cmd::kSaveAsText, "Als Textdatei speichern"},

    {menu::kMyArticleExtras, Kind::Dialog, cmd::kCheckOrdering, "Bestellung erforderlich?"},
    {menu::kMyArticleExtras, Kind::Item, cmd::kOrderMyArticle, "Bestellen"},
    {menu::kMyArticleExtras, Kind::Item, cmd::kDatasheet, "Datenblatt zeigen"},
    {menu::kMyArticleExtras, Kind::Item, cmd::kInternetLink, "Internet-Link aufrufen"},
    {menu::kMyArticleExtras, Kind::Item, cmd::kStockHistory, "Bestandsverlauf"},
    {menu::kMyArticleExtras, Kind::Item, cmd::kRelinkMyArticle, "Neu zuordnen", "", When::Stock},
    {menu::kMyArticleExtras, Kind::Item, cmd::kRemoveMyArticle, "Aus Meine Artikel löschen", "", When::Stock},

    {menu::kSearch, Kind::Item, cmd::kSearchSelected, "Auswahl in gewählten Artikeln"},
    {menu::kSearch, Kind::Item, cmd::kSearchAll, "Auswahl im Gesamtbestand"},
    {menu::kSearch, Kind::Item, cmd::kResetSearch, "Auswahl zurücksetzen"},

    {menu::kHelp, Kind::Item, cmd::kOpenManual, "PDF-Hilfedatei öffnen"},
    {menu::kHelp, Kind::HelpContext, cmd::kHelpContext, "", "", When::Help},
    {menu::kHelp, Kind::HelpIndex, cmd::kHelpIndex, "", "", When::Help},
    {menu::kHelp, Kind::Item, cmd::kAbout, "Über.."},
};

// The main menu of each view; views not listed (14, 20, 30) have "Zurück" alone.
struct ViewMenu {
    int view;
    int menu;
};
constexpr ViewMenu kViewMenus[] = {
    {1, menu::kStart},
    {3, menu::kCatalogue},
    {4, menu::kMyArticles},
    {5, menu::kEditOrder},
    {6, menu::kOrders},
    {7, menu::kGoodsReceipt},
    {8, menu::kEditDemand},
    {9, menu::kCostReport},
    {10, menu::kDemand},
    {11, menu::kEditConsumption},
    {12, menu::kConsumption},
    {13, menu::kCostDetails},
    {15, menu::kCostCentres},
    {16, menu::kOrderText},
    {17, menu::kCalculations},
    {18, menu::kEditCalculation},
    {21, menu::kEditDirectOrder},
    {23, menu::kFonts},
    {24, menu::kStockReport},
    {25, menu::kInternetAddresses},
};
// The direct order's view in simple mode.
constexpr int kDirectOrderView = 16;

bool applies(When when, const MenuConditions& c) {
    switch (when) {
        case When::Stock:
            return c.stockMode;
        case When::Simple:
            return !c.stockMode;
        case When::Help:
            return c.helpAvailable;
        case When::Always:
            break;
    }
    return true;
}

void append(MenuTable& t, const MenuRow& row) {
    const auto number = static_cast<std::uint16_t>(row.number);
    switch (row.kind) {
        case Kind::Item:
            if (*row.hint != '\0')
                t.appendEntryWithHint(number, row.caption, row.hint);
            else
                t.appendEntry(number, row.caption);
            break;
        case Kind::Dialog:
            t.appendDialogEntry(number, row.caption, row.hint);
            break;
        case Kind::Submenu:
            t.appendSubmenuEntry(number, row.caption);
            break;
        case Kind::Separator:
            t.appendSeparator();
            break;
        case Kind::HelpContext:
            t.appendHelpContextEntry();
            break;
        case Kind::HelpIndex:
            t.appendHelpIndexEntry();
            break;
    }
}

}  // namespace

int fillProgramMenu(int menuNumber, MenuTable& table, const MenuConditions& conditions) {
    table.clear();
    // Sub-menus and the start menu begin at position 1; every other view menu begins with "Zurück".
    if (menuNumber >= menu::kFirstMainMenu && menuNumber != menu::kStart)
        table.appendEntryWithHint(cmd::kBack, "Zurück", "Zurück zum aufrufenden Menü");
    for (const MenuRow& row : kMenuRows)
        if (row.menu == menuNumber && applies(row.when, conditions)) append(table, row);
    return table.count();
}

int mainMenuOfView(int viewNumber, bool stockMode) {
    if (viewNumber == kDirectOrderView && !stockMode) return menu::kDirectOrder;
    for (const ViewMenu& v : kViewMenus)
        if (v.view == viewNumber) return v.menu;
    return menu::kBackOnly;
}

}  // namespace kvx
