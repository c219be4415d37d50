// The small standard input dialogs: text, whole number (also in date form) and date. Each is opened by one
// function that creates the dialog, runs it through the modal runner, reports whether it ended with OK and
// destroys it; the caller's value changes only on OK.
#pragma once

#include <QString>
#include <cstdint>

#include "base/date_number.h"
#include "framework/tkodialog.h"

class QLineEdit;

namespace kvx {

// Prompt label and edit (control 301); OK succeeds only when the text's length lies in minLength..maxLength,
// otherwise the button does nothing.
class TTextinputdlg final : public Tkodialog {
    Q_OBJECT
  public:
    TTextinputdlg(QWidget* owner, const QString& caption, const QString& prompt, const QString& value, int minLength,
                  int maxLength, const QString& okCaption);
    void setupwindow() override;
    bool canclose() override;
    const QString& value() const { return m_value; }

  private:
    QString m_value;
    int m_minLength;
    int m_maxLength;
};

// Whole number in minimum..maximum in edit 301 ("Ganzzahl-Wert" message on a bad value). Enter in the edit
// acts as OK, Escape as "Abbruch". In date form the edit shows the DateNumber display form DD.MM.YY and also
// takes a date typed as DD.MM.YY or DD.MM.YYYY (two-digit years 00..79 are 2000..2079).
class Tlongintinputdlg final : public Tkodialog {
    Q_OBJECT
  public:
    Tlongintinputdlg(QWidget* owner, const QString& caption, const QString& prompt, std::int32_t value,
                     std::int32_t minimum, std::int32_t maximum, bool dateForm);
    void setupwindow() override;
    bool canclose() override;
    std::int32_t value() const { return m_value; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool readDate(const QString& text, std::int32_t& out) const;

    std::int32_t m_value;
    std::int32_t m_minimum;
    std::int32_t m_maximum;
    bool m_dateForm;
};

// "Datum:" and a date picker (control 301) limited to the range of the two limits.
class tdatumdlg2 final : public Tkodialog {
    Q_OBJECT
  public:
    tdatumdlg2(QWidget* owner, const QString& caption, DateNumber date, DateNumber limitA, DateNumber limitB);
    void setupwindow() override;
    bool canclose() override;
    DateNumber value() const { return m_value; }

  private:
    DateNumber m_value;
    DateNumber m_limitA;
    DateNumber m_limitB;
};

// An empty prompt takes the caption.
bool runTextInput(QWidget* owner, const QString& caption, const QString& prompt, QString& value, int minLength,
                  int maxLength, const QString& okCaption = QStringLiteral("OK"));
bool runNumberInput(QWidget* owner, const QString& caption, const QString& prompt, std::int32_t& value,
                    std::int32_t minimum, std::int32_t maximum, bool dateForm = false);
// The two limits span the allowed range: the smaller one is the earliest date the picker allows, the other
// the latest, in whichever order they are given; a limit of 0 (no date) bounds nothing. The picker opens on
// `date` moved into that range (the nearest end when outside; today when there is no date). On OK `date`
// becomes the picked date in the (year - 1900) form; with `report` an information "alt:<old> neu:<new>"
// in the DD.MM.YY form follows.
bool runDateInput(QWidget* owner, const QString& caption, DateNumber& date, DateNumber limitA, DateNumber limitB,
                  bool report = false);

}  // namespace kvx
