// Renders an example code-built dialog (labels, edits, a combo, check boxes and the button row) offscreen
// and saves it as a PNG: kvx-dialog-example <output.png> [delivery|number|text|date|list|radio|box|about|dir]
// (the other names render the small standard dialogs, for looking at their layout).
#include <QApplication>
#include <QStyleFactory>

#include <QDir>
#include <memory>

#include "framework/box_dialog.h"
#include "framework/choice_dialogs.h"
#include "framework/dialog_options.h"
#include "framework/small_dialogs.h"
#include "framework/tkodialog.h"

namespace {

class DeliveryDialog final : public kvx::Tkodialog {
  public:
    DeliveryDialog() {
        using kvx::DialogItemKind;
        setHeader(62, 20, QStringLiteral("Lieferdaten"));
        declareLabel(2, 1, 1, 1, QStringLiteral("Kundennummer"), 16);
        declareEdit(20, 1, 1, 2, QStringLiteral("4711-0815"), 20);
        declareLabel(2, 3, 2, 3, QStringLiteral("Lieferanschrift"), 16);
        declareEdit(20, 3, 2, 4, QStringLiteral("Werkstatt, Hauptstraße 12"), 38);
        declareLabel(2, 5, 3, 5, QStringLiteral("Versandart"), 16);
        declareListCombo(20, 5, 3, 6, 8, 24);
        declareLabel(2, 7, 4, 7, QStringLiteral("Zahlungsart"), 16);
        declareListCombo(20, 7, 4, 8, 8, 24);
        declareCheckBox(20, 10, 5, 9, QStringLiteral("Teillieferung erlaubt"), 30);
        declareCheckBox(20, 12, 6, 10, QStringLiteral("Auftragsbestätigung per E-Mail"), 30);
        declareButtonRow(62, 16, 11);
        setCounts(4, 6, 12);
    }
    void setupwindow() override {
        Tkodialog::setupwindow();
        for (const char* way : {"Standard (DHL)", "Express", "Abholung"}) addEntry(303, QString::fromUtf8(way));
        for (const char* way : {"Rechnung", "Vorkasse", "Lastschrift"}) addEntry(304, QString::fromUtf8(way));
        setCurrentIndex(303, 0);
        setCurrentIndex(304, 0);
        setChecked(305, true);
    }
};

std::unique_ptr<kvx::Tkodialog> makeDialog(const QString& which) {
    using namespace kvx;
    const QStringList lines = {QStringLiteral("Brutto"), QStringLiteral("Netto"), QStringLiteral("Ohne Preise")};
    if (which == QStringLiteral("number"))
        return std::make_unique<Tlongintinputdlg>(nullptr, QStringLiteral("Bestellmenge"), QStringLiteral("Menge:"), 25,
                                                  1, 99, false);
    if (which == QStringLiteral("text"))
        return std::make_unique<TTextinputdlg>(nullptr, QStringLiteral("Kostenstelle"), QStringLiteral("Name:"),
                                               QStringLiteral("Labor"), 1, 30, QStringLiteral("OK"));
    if (which == QStringLiteral("date"))
        return std::make_unique<tdatumdlg2>(nullptr, QStringLiteral("Liefertermin"), 1161030, 1160101, 1171231);
    if (which == QStringLiteral("list"))
        return std::make_unique<tauswahlboxdlg>(nullptr, QStringLiteral("Preisangaben"),
                                                QStringLiteral("Bitte wählen:"), lines, tauswahlboxdlg::Variant::List,
                                                1);
    if (which == QStringLiteral("radio"))
        return std::make_unique<tauswahlboxdlg>(nullptr, QStringLiteral("Preisangaben"),
                                                QStringLiteral("Bitte wählen:"), lines, tauswahlboxdlg::Variant::Radio,
                                                1);
    if (which == QStringLiteral("about"))
        return std::make_unique<Taboutdlg2>(
            nullptr, QStringLiteral("Über KORVANEX"),
            QStringList{QStringLiteral("KORVANEX"), QStringLiteral("Lagerverwaltung für Elektronikbauteile"), QString(),
                        QStringLiteral("Version 1.0")},
            40);
    if (which == QStringLiteral("dir"))
        return std::make_unique<TdirwahlDlg1>(nullptr, QStringLiteral("Datenblattverzeichnis suchen"),
                                              QDir::tempPath());
    return std::make_unique<DeliveryDialog>();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc < 2) return 2;
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(12);
    kvx::dialogOptions().dialogFont = font;
    const QString which = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    std::unique_ptr<kvx::Tkodialog> dialog;
    QWidget owner;
    owner.resize(800, 600);
    if (which == QStringLiteral("box")) {
        kvx::BoxOptions o;
        o.owner = &owner;
        o.caption = QStringLiteral("Bestellung");
        o.text = QStringLiteral("Die Bestellung enthält 3 Positionen.\r\nJetzt ausbuchen?");
        o.buttons = {{QStringLiteral("Ja"), 6, {}}, {QStringLiteral("Nein"), 7, {}}, {QStringLiteral("Alle"), 5, {}}};
        o.modal = false;
        kvx::Tboxdlg* box = nullptr;
        kvx::showBox(o, &box);
        QApplication::processEvents();
        return box && box->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    dialog = makeDialog(which);
    dialog->setupwindow();
    dialog->show();
    QApplication::processEvents();
    return dialog->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
