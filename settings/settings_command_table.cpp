// Settings commands of the command table.
#include "settings/settings_command_table.h"

#include "base/command_numbers.h"
#include "settings/settings_commands.h"

namespace kvx {

namespace {

void basicSettings(const SettingsCommandContext& c) {
    if (!editBasicSettings(c.session.settings(), c.dialogs)) return;
    // The menus follow the mode at once; the price columns and titles follow the price display.
    c.window.settingsChanged();
    c.refill.request(kCatalogueList);
    c.refill.request(kSearchList);
    c.window.repaint();
}

void programFont(const SettingsCommandContext& c, FontSlot slot) {
    if (!chooseProgramFont(c.session.settings(), c.dialogs, slot)) return;
    c.window.fontsChanged();
    c.window.repaint();
}

void enterPaintedView(const SettingsCommandContext& c, int view, int menu, const char* title) {
    if (c.window.currentView() != view) c.window.enterView(view, menu, title);
    c.window.hideList();
    c.window.repaint();
}

void showAddresses(const SettingsCommandContext& c) {
    c.session.refreshAddressPage();
    c.window.repaint();
}

}  // namespace

std::vector<CommandRow> settingsCommandRows(const SettingsCommandContext& c) {
    auto anyView = [](int number, std::function<void()> handler) {
        return CommandRow{number, false, {}, std::nullopt, std::move(handler)};
    };
    auto repaintIf = [c](bool changed) {
        if (changed) c.window.repaint();
    };
    return {
        anyView(cmd::kCompanyData, [c, repaintIf] { repaintIf(editCompanyData(c.session.settings(), c.dialogs)); }),
        anyView(cmd::kDialogFont, [c] { programFont(c, FontSlot::Dialog); }),
        anyView(cmd::kDetailFont, [c] { programFont(c, FontSlot::Detail); }),
        anyView(cmd::kListFont, [c] { programFont(c, FontSlot::List); }),
        anyView(cmd::kPrintFont, [c] { programFont(c, FontSlot::Print); }),
        anyView(cmd::kTreeFont, [c] { programFont(c, FontSlot::Tree); }),
        anyView(cmd::kFolders, [c, repaintIf] { repaintIf(editFolders(c.session.settings(), c.dialogs)); }),
        anyView(cmd::kDeliveryData, [c, repaintIf] { repaintIf(editDeliveryData(c.session.settings(), c.dialogs)); }),
        anyView(cmd::kBasicSettings, [c] { basicSettings(c); }),
        anyView(cmd::kFonts, [c] { enterPaintedView(c, kFontView, menu::kFonts, "Schriftarten"); }),
        anyView(cmd::kInternetAddresses,
                [c] {
                    c.session.refreshAddressPage();
                    enterPaintedView(c, kInternetAddressView, menu::kInternetAddresses, "Internetadressen");
                }),
        {cmd::kChange,
         false,
         {kInternetAddressView},
         std::nullopt,
         [c] {
             if (changeInternetAddress(c.session, c.dialogs, c.ui)) showAddresses(c);
         }},
        {cmd::kNew,
         false,
         {kInternetAddressView},
         std::nullopt,
         [c] {
             if (newInternetAddress(c.session, c.dialogs, c.ui)) showAddresses(c);
         }},
    };
}

std::vector<PaintedViewSource> settingsPaintedViews(SettingsSession& session) {
    PaintedViewSource addresses;
    addresses.view = kInternetAddressView;
    addresses.page = [&session]() -> const TextPage& { return session.addressPage(); };
    addresses.entries = [&session] { return static_cast<int>(session.addressCount()); };
    addresses.select = [&session](int entry) { (void)session.selectAddress(entry); };
    return {addresses};
}

}  // namespace kvx
