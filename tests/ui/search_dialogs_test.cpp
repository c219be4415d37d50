// The search dialog and the filter dialog: declared positions, filling from the set and the histories,
// reading back with the bound check, the "errid=" report and the histories fed while reading.
#include <gtest/gtest.h>

#include <QComboBox>

#include "answering_runner.h"
#include "base/real48.h"
#include "framework/dialog_options.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_dialog.h"

using namespace kvx;
using kvx::test::AnsweringRunner;

namespace {

class SearchDialogTest : public ::testing::Test {
  protected:
    AnsweringRunner runner;
    std::vector<std::string> putWords, putUnits;
    SearchDialogContext context;

    void SetUp() override {
        context.slotNumber = 3;
        context.words = {"OPV", "DIP", "SMD"};
        context.units = {"V", "UF"};
        context.putWord = [this](const std::string& w) { putWords.push_back(w); };
        context.putUnit = [this](const std::string& u) { putUnits.push_back(u); };
    }
};

QStringList comboEntries(Tkodialog& d, int id) {
    QStringList out;
    QComboBox* c = d.comboById(id);
    for (int i = 0; c && i < c->count(); ++i) out << c->itemText(i);
    return out;
}

SearchParameterSet sampleSet() {
    SearchParameterSet set;
    set.text[0].inUse = set.text[0].inUseCopy = true;
    set.text[0].word1 = "DIP";   // entry 2 of the history
    set.text[0].word2 = "NEU1";  // not in the history
    NumericAlternative& a = set.numeric[1].alternatives[1];
    a.inUse = true;
    a.must = true;
    a.unit = "UF";
    a.lower = doubleToReal48(1.25);
    a.upper = doubleToReal48(40000);
    NumericAlternative& b = set.numeric[0].alternatives[0];
    b.lower = doubleToReal48(7.5);  // not in use: its bounds survive whatever the edits say
    b.upper = doubleToReal48(9);
    set.name = "Satz";
    return set;
}

TEST_F(SearchDialogTest, DeclaresItemsAtTheirCells) {
    SearchParameterSet set;
    tzelsuchdlg d(nullptr, set, context);
    struct Row {
        int record, left, top, width;
        DialogItemKind kind;
    };
    const Row rows[] = {
        {1, 1, 1, 8, DialogItemKind::Label},          {53 + 5, 1, 5, 8, DialogItemKind::CheckBox},
        {53 + 6, 21, 5, 20, DialogItemKind::Combo},   {53 + 10, 53, 7, 20, DialogItemKind::Combo},
        {11, 1, 9, 15, DialogItemKind::Label},        {53 + 27, 53, 13, 6, DialogItemKind::CheckBox},
        {53 + 29, 78, 13, 7, DialogItemKind::Edit},   {29, 71, 13, 6, DialogItemKind::Label},
        {53 + 51, 101, 17, 7, DialogItemKind::Combo}, {53 + 52, 5, 19, 20, DialogItemKind::CheckBox},
        {53 + 53, 18, 21, 20, DialogItemKind::Edit},
    };
    for (const Row& r : rows) {
        const DialogItem* it = d.item(r.record);
        EXPECT_EQ(it->left, r.left) << r.record;
        EXPECT_EQ(it->top, r.top) << r.record;
        EXPECT_EQ(it->width, r.width) << r.record;
        EXPECT_EQ(it->kind, r.kind) << r.record;
    }
    EXPECT_EQ(d.item(29)->text, QStringLiteral("oder von"));
    EXPECT_EQ(d.item(53 + 6)->height, 20);
    EXPECT_EQ(d.item(107)->id, dlgid::kOk);
    EXPECT_EQ(d.item(108)->id, dlgid::kCancel);
    EXPECT_EQ(d.itemCount(), 108);
}

TEST_F(SearchDialogTest, FillsFromSetAndHistoriesAndReadsBack) {
    SearchParameterSet set = sampleSet();
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Suchparameter 3"));
        EXPECT_EQ(comboEntries(d, 303),
                  (QStringList{QStringLiteral("OPV"), QStringLiteral("DIP"), QStringLiteral("SMD")}));
        EXPECT_EQ(d.comboById(303)->currentIndex(), 1);
        EXPECT_EQ(comboEntries(d, 304).first(), QStringLiteral("NEU1"));
        EXPECT_EQ(d.comboById(304)->currentIndex(), 0);
        EXPECT_EQ(d.comboById(331)->currentText(), QStringLiteral("UF"));
        const auto controls = d.controls();
        auto value = [&](int id) {
            for (const ControlInfo& c : controls)
                if (c.id == id) return c.value;
            return QString();
        };
        EXPECT_EQ(value(329), QStringLiteral("1.25"));
        EXPECT_EQ(value(330), QStringLiteral("40000"));
        EXPECT_EQ(value(314), QStringLiteral("7.5"));
        EXPECT_EQ(value(353), QStringLiteral("Satz"));
        test::fill(d, 314, QStringLiteral("1"));  // changed, but the alternative is not in use
        test::fill(d, 326, QStringLiteral("uf"));
        test::fill(d, 303, QStringLiteral("  a long word beyond ten  "));
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runSearchDialog(nullptr, set, context));
    EXPECT_EQ(set.numeric[0].alternatives[0].lowerValue(), 7.5);
    EXPECT_EQ(set.numeric[1].alternatives[0].unit, "UF");
    EXPECT_EQ(set.numeric[1].alternatives[1].lowerValue(), 1.25);
    // Read up to 20 characters, cut to 10, then trimmed.
    EXPECT_EQ(set.text[0].word1, "a long w");
    EXPECT_TRUE(set.text[0].inUseCopy);
    EXPECT_EQ(putWords, (std::vector<std::string>{"a long w", "NEU1"}));
    EXPECT_EQ(putUnits, (std::vector<std::string>{"UF", "UF"}));
}

TEST_F(SearchDialogTest, UnitsOfTenCharactersSurviveTheNarrowUnitCombo) {
    SearchParameterSet set;
    NumericAlternative& a = set.numeric[0].alternatives[0];
    a.inUse = true;
    a.unit = "MIKROFARAD";
    context.units = {"MIKROFARAD", "V"};
    runner.dialogAnswers.push_back([](Tkodialog& d) { test::press(d, dlgid::kOk); });
    ASSERT_TRUE(runSearchDialog(nullptr, set, context));
    EXPECT_EQ(set.numeric[0].alternatives[0].unit, "MIKROFARAD");
    EXPECT_EQ(putUnits.front(), "MIKROFARAD");
}

TEST_F(SearchDialogTest, BadBoundNamesTheFieldAndKeepsTheDialogOpen) {
    SearchParameterSet set;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        d.setChecked(312, true);
        test::fill(d, 303, QStringLiteral("opv"));
        test::fill(d, 315, QStringLiteral("abc"));
        test::fill(d, 314, QStringLiteral("40001"));
        test::press(d, dlgid::kOk);
        EXPECT_FALSE(d.isClosed());
        test::press(d, dlgid::kCancel);
    });
    EXPECT_FALSE(runSearchDialog(nullptr, set, context));
    EXPECT_EQ(set, SearchParameterSet{});
    // The first failing field in reading order is the lower bound (314); no "Eingabefehler" box is shown.
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("errid=314"));
    // Words are put into the history as soon as they are read, also when the dialog stays open.
    EXPECT_EQ(putWords, (std::vector<std::string>{"opv"}));
}

TEST(FilterDialogTest, FillsAndReadsTheFourBoxesAndCarriesTheFifth) {
    AnsweringRunner runner;
    std::array<std::uint8_t, 5> filter = {1, 0, 1, 0, 7};
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Filter"));
        EXPECT_TRUE(d.isChecked(301));
        EXPECT_FALSE(d.isChecked(302));
        d.setChecked(301, false);
        d.setChecked(304, true);
        test::press(d, dlgid::kOk);
    });
    ASSERT_TRUE(runFilterDialog(nullptr, filter));
    EXPECT_EQ(filter, (std::array<std::uint8_t, 5>{0, 0, 1, 1, 7}));
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        d.setChecked(302, true);
        test::press(d, dlgid::kCancel);
    });
    EXPECT_FALSE(runFilterDialog(nullptr, filter));
    EXPECT_EQ(filter, (std::array<std::uint8_t, 5>{0, 0, 1, 1, 7}));
}

}  // namespace
