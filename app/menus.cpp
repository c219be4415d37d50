// Menu definitions.
#include "app/menus.h"

namespace kvx {

namespace {

void positionItems(MenuTable& t, int menuNumber) {
    // Sub-menus and the start menu begin at position 1; every other view menu begins with "Zurück".
    if (menuNumber >= 41 && menuNumber != 401) t.appendEntryWithHint(100, "Zurück", "Zurück zum aufrufenden Menü");
}

void fontItems(MenuTable& t) {
    t.appendDialogEntry(130, "Dialogfont Wählen");
    t.appendEntry(131, "Detailfont Wählen");
    t.appendEntry(132, "Listenfont Wählen");
    t.appendEntry(134, "Treefont Wählen");
    t.appendEntry(133, "Druckfont Wählen");
}

void positionEditItems(MenuTable& t, bool withNew) {
    if (withNew) t.appendEntry(124, "Position neu");
    t.appendEntry(148, "Position löschen");
    t.appendEntry(128, "Pos.+");
    t.appendEntry(129, "Pos.-");
}

void fillViewMenus(int n, MenuTable& t, const MenuConditions& c) {
    switch (n) {
        case 401:
            t.appendSubmenuEntry(10, "Datei");
            t.appendEntry(121, "Artikel");
            if (c.stockMode) {
                t.appendEntry(205, "Meine Artikel");
            } else {
                t.appendEntry(182, "Bestellung");
                t.appendEntry(149, "Bestellung als Textdatei speichern");
            }
            t.appendSubmenuEntry(13, "Einstellungen");
            t.appendSubmenuEntry(11, "Zusätze");
            t.appendSubmenuEntry(30, "Hilfe");
            break;
        case 402:
            t.appendEntry(142, "Details");
            t.appendSubmenuEntry(21, "Auswahl");
            t.appendEntry(170, "Verfügbarkeit");
            if (c.stockMode)
                t.appendEntry(126, "Zu meine Artikel");
            else
                t.appendEntry(181, "Bestellen");
            t.appendSubmenuEntry(16, "Zusätze");
            t.appendEntry(199, "Online Katalog");
            t.appendEntry(200, "Online Bild");
            break;
        case 405:
            t.appendEntry(142, "Info");
            t.appendEntry(127, "Ändern..");
            t.appendSubmenuEntry(20, "Zusätze");
            t.appendEntry(150, "Bestellung");
            t.appendEntry(160, "Bedarf");
            t.appendEntry(161, "Verbrauch");
            t.appendEntry(138, "Kalkulation");
            t.appendEntry(192, "Kostenstellen");
            t.appendEntry(136, "Warenbestand");
            break;
        case 406:
            t.appendDialogEntry(123, "Menge ändern");
            positionEditItems(t, true);
            t.appendEntry(166, "Bestellausgang buchen");
            break;
        case 407:
            t.appendEntry(112, "Details");
            t.appendEntry(124, "Neu");
            t.appendEntry(143, "Bearbeiten..");
            t.appendEntry(159, "autom. Bestellung");
            t.appendSubmenuEntry(12, "Bestellung");
            t.appendEntry(113, "Bestelltext Zeigen");
            t.appendEntry(241, "Auswahl");
            break;
        case 408:
            t.appendDialogEntry(123, "Liefermenge ändern");
            t.appendEntry(128, "Pos.+");
            t.appendEntry(129, "Pos.-");
            t.appendEntry(154, "Wareneingang buchen");
            break;
        case 409:
            t.appendEntry(123, "Pos. ändern");
            positionEditItems(t, true);
            break;
        case 410:
            t.appendEntry(112, "Details");
            t.appendEntry(124, "Neu");
            t.appendEntry(154, "Buchen");
            t.appendEntry(157, "Ändern");
            t.appendSubmenuEntry(19, "Zusätze");
            t.appendEntry(242, "Auswahl");
            break;
        case 411:
            t.appendEntry(112, "Details");
            t.appendEntry(124, "Neu");
            t.appendEntry(156, "Ändern");
            t.appendEntry(154, "Buchen");
            t.appendSubmenuEntry(18, "Zusätze");
            t.appendEntry(243, "Auswahl");
            break;
        case 412:
            t.appendDialogEntry(123, "Pos. ändern");
            positionEditItems(t, true);
            break;
        case 413:
        case 423:
            if (n == 413) t.appendEntry(164, "Kostenstelle");
            t.appendEntry(128, "Nächste");
            t.appendEntry(129, "Vorige");
            break;
        case 414:
            t.appendEntry(118, "Drucken..");
            t.appendEntry(149, "Als Textdatei speichern");
            break;
        case 415:
            t.appendDialogEntry(123, "Name Ändern");
            t.appendEntry(193, "Status Ändern");
            break;
        case 416:
            t.appendEntry(112, "Details");
            t.appendEntry(124, "Neu");
            t.appendEntry(139, "Ändern");
            t.appendSubmenuEntry(17, "Zusätze");
            break;
        case 417:
            t.appendDialogEntry(123, "Menge ändern");
            positionEditItems(t, true);
            break;
        case 418:
            t.appendEntry(186, "Ändern");
            t.appendEntry(118, "Drucken..");
            t.appendEntry(149, "Als Textdatei speichern");
            t.appendEntry(183, "Rücksetzen..");
            break;
        case 419:
            t.appendDialogEntry(123, "Menge ändern");
            positionEditItems(t, false);
            break;
        case 420:
            fontItems(t);
            break;
        case 421:
            t.appendEntry(163, "Kostenstelle Details");
            t.appendEntry(165, "Kostenstellen verwalten");
            break;
        case 422:
            t.appendEntry(123, "Ändern..");
            t.appendDialogEntry(124, "Neu");
            break;
        case 424:
            t.appendEntry(245, "Als Text speichern");
            break;
        default:
            break;  // 400, 403, 404: "Zurück" alone
    }
}

void fillSubmenus(int n, MenuTable& t, const MenuConditions& c) {
    switch (n) {
        case 10:
            t.appendEntryWithHint(1, "Schließen", "Das Programm beenden");
            break;
        case 11:
            t.appendEntry(202, "Zelvo-Java-Daten importieren");
            t.appendEntry(246, "User-Files löschen");
            t.appendSeparator();
            t.appendEntry(195, "Textdatei zeigen");
            break;
        case 12:
            t.appendEntry(166, "Bestellausgang buchen");
            t.appendEntry(152, "Wareneingang buchen..");
            t.appendEntry(167, "neu berechnen");
            t.appendEntry(137, "Lieferdaten bearbeiten");
            t.appendEntry(149, "Als Textdatei speichern");
            break;
        case 13:
            t.appendDialogEntry(188, "Einstellungen");
            t.appendEntryWithHint(116, "Firma", "Firmendaten einstellen");
            t.appendEntryWithHint(137, "Lieferdaten", "Lieferdaten einstellen");
            t.appendEntry(135, "Verzeichnisse");
            t.appendEntry(191, "Schriftarten");
            t.appendEntry(198, "Internetadressen");
            break;
        case 14:
            t.appendEntry(163, "Kostenstelle Details");
            t.appendEntry(165, "Kostenstellen verwalten");
            break;
        case 15:
            fontItems(t);
            break;
        case 16:
            t.appendEntry(179, "Suche als Text speichern");
            t.appendEntry(189, "Parameter laden");
            t.appendEntry(190, "Parameter speichern");
            t.appendEntry(178, "Suchkriterium zeigen");
            t.appendEntry(196, "Artikelgruppe zeigen");
            break;
        case 17:
            t.appendDialogEntry(172, "Kostenstelle");
            t.appendEntry(173, "Stückzahl..");
            t.appendEntry(174, "Als Bedarf übernehmen");
            t.appendEntry(149, "Als Textdatei speichern..");
            t.appendEntry(167, "Neu berechnen");
            break;
        case 18:
            t.appendDialogEntry(169, "Kostenstelle");
            t.appendEntry(167, "Neu berechnen");
            t.appendEntry(149, "Als Textdatei speichern..");
            break;
        case 19:
            t.appendEntry(167, "Neu berechnen");
            t.appendEntry(168, "Kostenstelle");
            t.appendEntry(149, "Als Textdatei speichern");
            break;
        case 20:
            t.appendDialogEntry(207, "Bestellung erforderlich?");
            t.appendEntry(208, "Bestellen");
            t.appendEntry(144, "Datenblatt zeigen");
            t.appendEntry(155, "Internet-Link aufrufen");
            t.appendEntry(187, "Bestandsverlauf");
            break;
        case 21:
            t.appendEntry(247, "Auswahl in gewählten Artikeln");
            t.appendEntry(248, "Auswahl im Gesamtbestand");
            t.appendEntry(249, "Auswahl zurücksetzen");
            break;
        case 30:
            t.appendEntry(203, "PDF-Hilfedatei öffnen");
            if (c.helpAvailable) {
                t.appendHelpContextEntry();
                t.appendHelpIndexEntry();
            }
            t.appendEntry(90, "Über..");
            break;
        default:
            break;
    }
}

}  // namespace

int fillProgramMenu(int menuNumber, MenuTable& table, const MenuConditions& conditions) {
    table.clear();
    positionItems(table, menuNumber);
    if (menuNumber >= 41)
        fillViewMenus(menuNumber, table, conditions);
    else
        fillSubmenus(menuNumber, table, conditions);
    return table.count();
}

int mainMenuOfView(int viewNumber, bool stockMode) {
    switch (viewNumber) {
        case 1:
            return 401;
        case 3:
            return 402;
        case 4:
            return 405;
        case 5:
            return 406;
        case 6:
            return 407;
        case 7:
            return 408;
        case 8:
            return 412;
        case 9:
            return 421;
        case 10:
            return 411;
        case 11:
            return 409;
        case 12:
            return 410;
        case 13:
            return 413;
        case 15:
            return 415;
        case 16:
            return stockMode ? 414 : 418;
        case 17:
            return 416;
        case 18:
            return 417;
        case 21:
            return 419;
        case 23:
            return 420;
        case 24:
            return 424;
        case 25:
            return 422;
        default:
            return 400;  // 14, 20, 30
    }
}

}  // namespace kvx
