// Renders an example code-built dialog (labels, edits, a combo, check boxes and the button row) offscreen
// and saves it as a PNG: kvx-dialog-example <output.png>
#include <QApplication>
#include <QStyleFactory>

#include "framework/dialog_options.h"
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
    DeliveryDialog dialog;
    dialog.setupwindow();
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
