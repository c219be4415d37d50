// The settings dialogs on Qt: the folders with "Suchen" and the final "/", the delivery data with indexes
// outside the option tables and the cut customer number, the required company name, the internet address
// limits and the font dialog's request.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "answering_runner.h"
#include "base/cp1252.h"
#include "settings/ui/basic_settings_dialog.h"
#include "settings/ui/company_data_dialog.h"
#include "settings/ui/delivery_data_dialog.h"
#include "settings/ui/folder_dialog.h"
#include "settings/ui/internet_address_dialog.h"
#include "settings/ui/qt_settings_dialogs.h"

using namespace kvx;
using kvx::test::AnsweringRunner;

namespace {

QStringList comboEntries(Tkodialog& d, int id) {
    QStringList out;
    QComboBox* c = d.comboById(id);
    for (int i = 0; c && i < c->count(); ++i) out << c->itemText(i);
    return out;
}

TEST(FolderDialog, TypedFoldersGetTheirSeparatorAndSuchenStoresTheChosenFolderItself) {
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("daten/blaetter")));
    const QString base = QDir(tmp.path()).canonicalPath();
    AnsweringRunner runner;
    FolderSettings folders{"/alt/", utf8ToCp1252(base.toStdString()) + "/daten"};
    runner.dialogAnswers.push_back([base](Tkodialog& d) {
        test::fill(d, tsettingsdlg::kDatasheetEdit, QStringLiteral("  /gibt/es/nicht  "));
        test::press(d, tsettingsdlg::kTextBrowse);  // opens on <base>/daten
        EXPECT_EQ(d.getText(tsettingsdlg::kTextEdit, 120), base + QStringLiteral("/daten/blaetter/"))
            << "put into the edit at once";
        test::press(d, dlgid::kOk);
    });
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Textdateiverzeichnis suchen"));
        test::fill(d, 302, QStringLiteral("blaetter"));
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runFolderDialog(nullptr, folders));
    EXPECT_EQ(folders.datasheetFolder, "/gibt/es/nicht/") << "a folder that does not exist is stored as typed";
    EXPECT_EQ(cp1252ToUtf8(folders.textFolder), (base + QStringLiteral("/daten/blaetter/")).toStdString())
        << "the chosen folder itself, not its parent";

    // A cancelled choice changes nothing; an empty field stays empty.
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        test::fill(d, tsettingsdlg::kDatasheetEdit, QString());
        test::press(d, tsettingsdlg::kDatasheetBrowse);
        test::press(d, dlgid::kOk);
    });
    runner.dialogAnswers.push_back([](Tkodialog& d) { test::press(d, dlgid::kCancel); });
    ASSERT_TRUE(runFolderDialog(nullptr, folders));
    EXPECT_EQ(folders.datasheetFolder, "");
    EXPECT_EQ(cp1252ToUtf8(folders.textFolder), (base + QStringLiteral("/daten/blaetter/")).toStdString());
}

TEST(FolderDialog, AFolderWithoutRoomForTheSeparatorKeepsTheDialogOpen) {
    AnsweringRunner runner;
    FolderSettings folders{"/alt/", "/texte/"};
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        test::fill(d, tsettingsdlg::kTextEdit, QString(120, QLatin1Char('p')));
        test::press(d, dlgid::kOk);
        EXPECT_FALSE(d.isClosed());
        EXPECT_EQ(d.focusWidget(), d.controlById(tsettingsdlg::kTextEdit));
        test::press(d, dlgid::kCancel);
    });
    EXPECT_FALSE(runFolderDialog(nullptr, folders));
    EXPECT_EQ(folders.textFolder, "/texte/");
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].title, QStringLiteral("Eingabefehler"));
}

TEST(BasicSettingsDialog, OpensOnTheStoredEntriesAndReturnsTheChosenOnes) {
    AnsweringRunner runner;
    BasicSettings settings{1, 0};
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        EXPECT_EQ(comboEntries(d, tsettingsdlg2::kPriceCombo),
                  (QStringList{QStringLiteral("Brutto"), QStringLiteral("Netto")}));
        EXPECT_EQ(comboEntries(d, tsettingsdlg2::kModeCombo),
                  (QStringList{QStringLiteral("Einfach"), QStringLiteral("mit Lagerverwaltung")}));
        EXPECT_EQ(d.selectedIndex(tsettingsdlg2::kPriceCombo), 1);
        EXPECT_EQ(d.selectedIndex(tsettingsdlg2::kModeCombo), 0);
        d.setCurrentIndex(tsettingsdlg2::kPriceCombo, 0);
        d.setCurrentIndex(tsettingsdlg2::kModeCombo, 1);
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runBasicSettingsDialog(nullptr, settings));
    EXPECT_EQ(settings.priceDisplay, 0);
    EXPECT_EQ(settings.workingMode, 1);
}

TEST(DeliveryDataDialog, OptionsOutsideTheTablesShowQuestionMarksAndStay) {
    AnsweringRunner runner;
    DeliveryData data{1, 9, 4, 7, "K1"};
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Einstellungen"));
        EXPECT_EQ(d.dialogId(), 120);
        EXPECT_EQ(comboEntries(d, tlieferdatdlg::kOrderTypeCombo),
                  (QStringList{QStringLiteral("Voll-Lieferung"), QStringLiteral("Teil-Lieferung"),
                               QStringLiteral("keine Rückstände")}));
        EXPECT_EQ(comboEntries(d, tlieferdatdlg::kDestinationCombo).back(), QStringLiteral("??"));
        EXPECT_EQ(d.comboById(tlieferdatdlg::kDestinationCombo)->currentText(), QStringLiteral("??"));
        EXPECT_EQ(d.comboById(tlieferdatdlg::kShippingCombo)->currentText(), QStringLiteral("Abholung"));
        EXPECT_EQ(d.comboById(tlieferdatdlg::kPaymentCombo)->currentText(), QStringLiteral("??"));
        EXPECT_EQ(d.item(1)->hint, d.item(6)->hint);
        EXPECT_TRUE(d.item(6)->hint.startsWith(QStringLiteral("Voll-Lieferung: Warten")));
        EXPECT_EQ(d.item(10)->hint, QStringLiteral("Kunden-Nummer bei Rechnungskauf"));
        d.setCurrentIndex(tlieferdatdlg::kOrderTypeCombo, 2);
        test::fill(d, tlieferdatdlg::kCustomerNumberEdit, QStringLiteral("123456789012345"));
        EXPECT_EQ(d.getText(tlieferdatdlg::kCustomerNumberEdit, 40), QStringLiteral("123456789012345"))
            << "typed up to 20 characters";
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runDeliveryDataDialog(nullptr, data));
    EXPECT_EQ(data, (DeliveryData{2, 9, 4, 7, "1234567890"})) << "unknown indexes kept, the number cut to 10";

    // Choosing a real entry over "??" stores it.
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        d.setCurrentIndex(tlieferdatdlg::kPaymentCombo, 3);
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runDeliveryDataDialog(nullptr, data));
    EXPECT_EQ(data.payment, 3);
}

TEST(CompanyDataDialog, TheNameIsRequiredWithoutAMessage) {
    AnsweringRunner runner;
    CompanyData data{"", "Alt GmbH", "Ort", "Weg", "0"};
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Firmendaten eingeben"));
        EXPECT_EQ(d.item(TfirmainputDlg::kRows)->top, 10 * d.metrics().halfStep) << "the e-mail row in row 10";
        EXPECT_EQ(d.item(2 * TfirmainputDlg::kRows + 1)->top, 14 * d.metrics().halfStep) << "the buttons";
        // Its own metrics: line height + 4, half-line step (line height + 4) div 2 + 2.
        EXPECT_EQ(d.metrics().halfStep, d.metrics().lineHeight / 2 + 2);
        test::fill(d, TfirmainputDlg::kNameEdit, QStringLiteral("   "));
        test::fill(d, TfirmainputDlg::kEmailEdit, QStringLiteral("info@neu.de"));
        test::press(d, dlgid::kOk);
        EXPECT_FALSE(d.isClosed());
        EXPECT_EQ(d.focusWidget(), d.controlById(TfirmainputDlg::kNameEdit));
        test::fill(d, TfirmainputDlg::kNameEdit, QStringLiteral("Neu GmbH"));
        test::fill(d, TfirmainputDlg::kPhoneEdit, QString(25, QLatin1Char('9')));
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runCompanyDataDialog(nullptr, data));
    EXPECT_TRUE(runner.messages.empty()) << "no message for the missing name";
    EXPECT_EQ(data, (CompanyData{"info@neu.de", "Neu GmbH", "Ort", "Weg", std::string(20, '9')}));
}

TEST(InternetAddressDialog, TextsAreCutToTheirFields) {
    AnsweringRunner runner;
    InternetAddress entry{"A", "B", "Firma", "https://x.de"};
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Internetadresse wählen"));
        test::fill(d, tinetadrdlg::kAbbreviation1Edit, QStringLiteral("ABCDEFGH"));
        test::fill(d, tinetadrdlg::kCompanyEdit, QStringLiteral("  Zelvo  "));
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runInternetAddressDialog(nullptr, entry));
    EXPECT_EQ(entry, (InternetAddress{"ABCDE", "B", "Zelvo", "https://x.de"}));
}

TEST(SettingsFontDialog, PrintFontAsksForFixedPitchAndKeepsTheCharacterSet) {
    AnsweringRunner runner;
    QtSettingsDialogs dialogs(nullptr);
    ChosenFont font{"COURIER", 2, 10, false, false};
    QFont chosen(QStringLiteral("DejaVu Sans Mono"), 12);
    chosen.setBold(true);
    runner.fontAnswers.push_back(chosen);
    ASSERT_TRUE(dialogs.chooseFont(FontSlot::Print, font));
    ASSERT_EQ(runner.fontChoices.size(), 1u);
    EXPECT_TRUE(runner.fontChoices[0].fixedPitchOnly);
    EXPECT_EQ(runner.fontChoices[0].title, QStringLiteral("Druckfont wählen"));
    EXPECT_EQ(runner.fontChoices[0].initial.family(), QStringLiteral("COURIER"));
    EXPECT_EQ(runner.fontChoices[0].minSize, 8);
    EXPECT_EQ(runner.fontChoices[0].maxSize, 20);
    EXPECT_EQ(font.name, "DejaVu Sans Mono");
    EXPECT_EQ(font.pointSize, 12);
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.charset, 2);

    ChosenFont list{"ARIAL", 0, 10, false, true};
    runner.fontAnswers.push_back(std::nullopt);
    EXPECT_FALSE(dialogs.chooseFont(FontSlot::List, list));
    EXPECT_FALSE(runner.fontChoices[1].fixedPitchOnly);
    EXPECT_EQ(list.name, "ARIAL") << "cancelled: unchanged";
}

}  // namespace
