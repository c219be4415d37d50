// The script language of korvanex-script: dialog operations whose values are checked, so that a mistyped
// or commented line fails the parse instead of filling a control with something else.
#include <gtest/gtest.h>

// The driver's sources form no library of their own; the parser is compiled into this test directly.
#include "app/script/script_parser.cpp"

namespace kvx::script {
namespace {

TEST(ScriptParser, DialogOperations) {
    struct Row {
        const char* line;
        bool parses;
        const char* value;  // the operation's value when it parses
    };
    const Row rows[] = {
        {"check 305 on", true, "on"},
        {"check 305 off", true, "off"},
        {"check 305 on   # tick the box", false, ""},
        {"check 305", false, ""},
        {"select 302 1", true, "1"},
        {"select 302 1  # second line", false, ""},
        {"select 302 zwei", false, ""},
        {"set 301 4,7µF  # kept: a text may hold anything", true, "4,7µF  # kept: a text may hold anything"},
        {"set 301", true, ""},
        {"date 301 24.12.2026", true, "24.12.2026"},
        {"press 1", true, ""},
        {"press 1  # OK", false, ""},
        {"press OK", false, ""},
        {"tick 305 on", false, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        QString error;
        const QString source =
            QStringLiteral("dialog\n") + QString::fromUtf8(r.line) + QStringLiteral("\npress 2\nend\n");
        const auto steps = parseScript(source, error);
        ASSERT_EQ(steps.has_value(), r.parses) << error.toStdString();
        if (!r.parses) {
            EXPECT_TRUE(error.startsWith(QStringLiteral("line 2: "))) << error.toStdString();
            continue;
        }
        ASSERT_EQ(steps->size(), 1u);
        ASSERT_EQ(steps->front().ops.size(), 2u);
        EXPECT_EQ(steps->front().ops[0].value, QString::fromUtf8(r.value));
    }
}

TEST(ScriptParser, StepsAndBlocks) {
    struct Row {
        const char* script;
        bool parses;
    };
    const Row rows[] = {
        {"answer yes\nidle\ncommand 121\nclick 0\n", true},
        {"# only a comment\n\n", true},
        {"answer vielleicht\n", false},
        {"command zwölf\n", false},
        {"directory /tmp\n", false},             // a directory choice is answered by a dialog block
        {"dialog\ncheck 305 on\nend\n", false},  // a block ends with press or cancel
        {"dialog\ncancel\n", false},             // and with end
        {"dialog\n# a comment inside the block\ncancel\nend\n", true},
        {"restart\nrestart 2026-12-09\n", true},
        {"restart morgen\n", false},
        {"restart 9.12.2026\n", false},
        {"show record artikel.dat 0\nshow view status\n", true},
        {"show record artikel.dat\n", false},
        {"show record artikel.dat erster\n", false},
        {"show file TEXTE/Bestellung 1.TXT\n", true},
        {"show file  \n", false},
        // Screenshots: a plain PNG name, written into the screenshot folder and nowhere else.
        {"screenshot start-page.png\nscreenshot info artikel_1.png\n", true},
        {"screenshot\n", false},
        {"screenshot start.jpg\n", false},
        {"screenshot ../start.png\n", false},
        {"screenshot /tmp/start.png\n", false},
        {"screenshot .png\n", false},
        {"screenshot info\n", false},
        {"dialog\nscreenshot dialog.png\npress 1\nend\n", true},
        {"dialog\nscreenshot info dialog.png\npress 1\nend\n", false},  // the form is not the dialog
        {"dialog\nscreenshot dialog.txt\npress 1\nend\n", false},
    };
    for (const Row& r : rows) {
        QString error;
        EXPECT_EQ(parseScript(QString::fromUtf8(r.script), error).has_value(), r.parses)
            << r.script << error.toStdString();
    }
}

TEST(ScriptParser, FontAnswers) {
    struct Row {
        const char* rest;
        bool parses;
        bool cancel;
        const char* name;
        int size;
        bool bold, italic;
    };
    const Row rows[] = {
        {"DejaVu Sans 12 bold", true, false, "DejaVu Sans", 12, true, false},
        {"ARIAL 9 italic bold", true, false, "ARIAL", 9, true, true},
        {"Courier New 10", true, false, "Courier New", 10, false, false},
        {"cancel", true, true, "", 0, false, false},
        {"ARIAL", false, false, "", 0, false, false},
        {"ARIAL zehn", false, false, "", 0, false, false},
        {"ARIAL 0", false, false, "", 0, false, false},
        {"12 bold", false, false, "", 0, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rest);
        const std::optional<FontAnswer> a = parseFontAnswer(QString::fromUtf8(r.rest));
        QString error;
        const auto steps = parseScript(QStringLiteral("font ") + QString::fromUtf8(r.rest), error);
        ASSERT_EQ(a.has_value(), r.parses);
        ASSERT_EQ(steps.has_value(), r.parses) << "the script is refused when the answer is";
        if (!r.parses) continue;
        EXPECT_EQ(steps->at(0).kind, StepKind::Font);
        EXPECT_EQ(a->cancel, r.cancel);
        if (r.cancel) continue;
        EXPECT_EQ(a->name, QString::fromUtf8(r.name));
        EXPECT_EQ(a->size, r.size);
        EXPECT_EQ(a->bold, r.bold);
        EXPECT_EQ(a->italic, r.italic);
    }
}

}  // namespace
}  // namespace kvx::script
