// Tkodialog: the base of every dialog of the program. A subclass declares its controls in the
// DialogParameterBlock (character cells, half-line rows) in its constructor; setupwindow turns that into
// real controls, sizes and places the window and wires the standard buttons; the subclass fills the
// controls in its setupwindow override and reads them back, validated, in canclose. A dialog always runs
// through modalRunner(), so that tests and the script driver can answer it by control id.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/date_number.h"
#include "framework/char_cell_metrics.h"
#include "framework/dialog_parameter_block.h"

class QComboBox;
class QListWidget;

namespace kvx {

// Ids of the standard buttons and the modal results they produce.
namespace dlgid {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
inline constexpr int kExtra = 11;
inline constexpr int kHelp = 12;
inline constexpr int kOkContinue = 116;
inline constexpr int labelId(int k) {
    return 200 + k;
}
inline constexpr int controlId(int k) {
    return 300 + k;
}
}  // namespace dlgid

// One control as a transcript shows it.
struct ControlInfo {
    int id = 0;
    DialogItemKind kind = DialogItemKind::None;
    QString value;
};

enum class Placement { Declared = 0, CentreOnScreen = 1, CentreOnParent = 2 };

class Tkodialog : public QDialog {
    Q_OBJECT

  public:
    // `owner` is the parent window (placement mode 2 centres on it); `dialogId` is the help context.
    explicit Tkodialog(QWidget* owner = nullptr, int dialogId = 0);
    ~Tkodialog() override;

    // setupwindow (once), then the modal run through modalRunner(); returns the modal result (1 = OK).
    int execute();

    // Overridable steps. A setupwindow override calls the base first, then fills its controls.
    virtual void setupwindow();
    // Called by OK, Yes, No and "OK and continue" (never by Cancel); false keeps the dialog open.
    virtual bool canclose();
    // Button id 11.
    virtual void zusatzbutton();
    // Button id 12; help is disabled in this program, so the base does nothing.
    virtual void helpbutton();

    // ---- declaring (constructor of the subclass, before setupwindow); cells and half-lines ----
    void setHeader(int width, int height, const QString& caption);
    void setHeaderAt(int left, int top, int width, int height, const QString& caption);
    // A zero left, top, id, height or width, or an empty text, keeps the record's value; kind None keeps it.
    // A non-zero width is also stored as the maximum length (the edit's input limit).
    void declareItem(int left, int top, int id, int record, std::uint32_t styleBits, const QString& text, int height,
                     int width, DialogItemKind kind);
    void declareLabel(int left, int top, int k, int record, const QString& text, int width);
    void declareEdit(int left, int top, int k, int record, const QString& text, int width);
    void declareCheckBox(int left, int top, int k, int record, const QString& text, int width);
    void declareRadio(int left, int top, int k, int record, const QString& text, int width);
    // `lines` is the list height: lines - 2 entries show when dropped down.
    void declareCombo(int left, int top, int k, int record, std::uint32_t styleBits, int lines, int width);
    void declareEditableCombo(int left, int top, int k, int record, int lines, int width);
    void declareListCombo(int left, int top, int k, int record, int lines, int width);
    void declareList(int left, int top, int k, int record, std::uint32_t styleBits, int height, int width);
    void declareButton(int left, int top, int id, int record, const QString& caption, int width, int height);
    void declareButtonCentred(int centre, int top, int id, int record, const QString& caption, int width, int height);
    // Standard width 10 (or the caption length within 10..25 when caption-dependent widths are on), 2 half-lines.
    void declareStandardButton(int centre, int top, int id, int record, const QString& caption);
    void declareOkButton(int centre, int top, int record);
    void declareCancelButton(int centre, int top, int record);
    void declareHelpButton(int centre, int top, int record);
    // OK centred at width div 3 and "Abbruch" at 2 * (width div 3), in records firstRecord and firstRecord + 1.
    void declareButtonRow(int dialogWidth, int top, int firstRecord);
    // This dialog's own metrics (e.g. extra 5 and step bias 5); without the call the run-wide metrics apply.
    void computeMetrics(int extra, int stepBias);
    void setCounts(int labels, int controls, int items);
    DialogItem* item(int record) { return m_block->at(record); }
    const DialogItem* item(int record) const { return m_block->at(record); }
    int labelCount() const { return m_labelCount; }
    int controlCount() const { return m_controlCount; }
    int itemCount() const { return m_itemCount; }
    const CharCellMetrics& metrics() const { return m_metrics; }
    int dialogId() const { return m_dialogId; }
    void setPlacement(Placement placement) { m_placement = placement; }
    // For dialogs shown without a modal run: OK and Cancel close the window.
    void setCloseOnOkCancel(bool on) { m_closeOnOkCancel = on; }

    // ---- putting values in (after the base setupwindow), by declared id ----
    // Sets the text and limits input to `limit` characters (no limit change when limit <= 0).
    void setItemText(int id, const QString& text, int limit);
    // Decimal text; input limit 5 (byte, unsigned 16-bit), 6 (signed 16-bit) or 11 (32-bit).
    void setItemNumber(int id, std::uint8_t value);
    void setItemNumber(int id, std::uint16_t value);
    void setItemNumber(int id, std::int16_t value);
    void setItemNumber(int id, std::int32_t value);
    // Combo or list entries (a sorted control keeps its order).
    bool addEntry(int id, const QString& text);
    int selectedIndex(int id) const;
    bool isChecked(int id) const;
    // The picker's date; 0 when the id is no date picker.
    DateNumber getDate(int id) const;
    QComboBox* comboById(int id) const;
    QListWidget* listById(int id) const;

    // ---- reading back (canclose), by declared id ----
    // At most `limit` characters (a longer text counts as truncated), cut to `size` (< 0: no cut), then
    // trailing and leading blanks removed.
    QString getText(int id, int limit, int size = -1);
    // As getText; an empty result makes `id` the first failing id when none failed before.
    QString getRequiredText(int id, int limit, int size, int& firstFailingId);
    // Reads up to 20 characters ("," or "." as decimal separator). On failure stores the "Realwert" message
    // and sets the first failing id, each only when no earlier field failed; `value` is written only on success.
    bool getReal(int id, double minimum, double maximum, double& value, int& firstFailingId);
    // Same rule for whole numbers with the "Ganzzahl-Wert" message.
    bool getInt16(int id, std::int16_t minimum, std::int16_t maximum, std::int16_t& value, int& firstFailingId);
    bool getUInt16(int id, std::uint16_t minimum, std::uint16_t maximum, std::uint16_t& value, int& firstFailingId);
    bool getByte(int id, std::uint8_t minimum, std::uint8_t maximum, std::uint8_t& value, int& firstFailingId);
    bool getInt32(int id, std::int32_t minimum, std::int32_t maximum, std::int32_t& value, int& firstFailingId);
    // Focus on the failing control; with `showMessage` (and message boxes not suppressed) an error titled
    // "Eingabefehler" shows the stored message. The stored message is cleared. The dialog stays open.
    void reportInputError(int firstFailingId, bool showMessage);
    const QString& storedInputError() const { return m_inputError; }

    // ---- script seam: fill controls as a user would, press buttons, inspect ----
    QString caption() const { return windowTitle(); }
    QWidget* controlById(int declaredId) const;
    // Edits and editable combos take the text as typed (cut at the input limit); list-only combos and lists
    // select the entry with that text; date pickers read "TT.MM.JJJJ" or "TT.MM.JJ".
    bool setControlText(int id, const QString& text);
    bool setChecked(int id, bool checked);
    bool setCurrentIndex(int id, int index);
    bool setDate(int id, DateNumber date);
    // Runs the same handler as a click; false when there is no enabled button with that id.
    bool pressButton(int id);
    int modalResult() const { return m_modalResult; }
    bool isClosed() const { return m_closed; }
    std::vector<ControlInfo> controls() const;
    bool isSetUp() const { return m_setUp; }

    // ---- framework state shared by all dialogs ----
    static int truncationCount();
    static void resetTruncationCount();
    static bool lastDialogCancelled();
    static void setLastDialogCancelled(bool cancelled);
    static Tkodialog* current();
    static int openCount();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The window's close box: Cancel, without canclose.
    void reject() override;
    // Sets the modal result and ends the run (or closes a dialog with the close-on-OK/Cancel flag).
    void endWith(int result);
    void trace(int level, const QString& text) const;
    DialogParameterBlock& block() { return *m_block; }
    // Records a failed field: the first failing id and its message, each only when no earlier field failed.
    bool failRange(int id, const QString& message, int& firstFailingId);

  private:
    void finishdlgparameter();
    QWidget* createControl(DialogItem& it);
    QWidget* createLabel(DialogItem& it);
    QWidget* createCombo(DialogItem& it);
    QWidget* createButton(DialogItem& it);
    void applyCommon(DialogItem& it, QWidget* w, bool dialogFontOnly);
    void placeWindow();
    void wireButtons();
    void okbutton();
    void okweiter();
    void cancelbutton();
    void yesbutton();
    void nobutton();
    DialogItem* itemById(int id) const;
    bool readWhole(int id, long long minimum, long long maximum, long long& value, int& firstFailingId);

    std::unique_ptr<DialogParameterBlock> m_block;
    int m_labelCount = 0;
    int m_controlCount = 0;
    int m_itemCount = 0;
    CharCellMetrics m_metrics;
    int m_dialogId = 0;
    bool m_closeOnOkCancel = false;
    Placement m_placement = Placement::CentreOnScreen;
    Tkodialog* m_previous = nullptr;
    int m_modalResult = 0;
    bool m_closed = false;
    bool m_setUp = false;
    bool m_runningModal = false;
    QString m_inputError;
};

}  // namespace kvx
