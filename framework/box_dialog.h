// Tboxdlg: a box with a text and up to three buttons, shown modally (the pressed button's result) or left
// open without a modal run. A text too long for the screen is shown joined in one edit field.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "framework/tkodialog.h"

namespace kvx {

struct BoxButton {
    QString caption;  // at most 40 characters
    int id = 0;
    // When set, a click runs this instead of ending the box.
    std::function<void()> onClick;
};

struct BoxOptions {
    QWidget* owner = nullptr;  // none: the box is not shown and the answer is yes
    QString text;              // lines separated by CR LF, up to 255 characters each
    QString secondLine;        // optional line under the text
    QString caption;
    std::vector<BoxButton> buttons;  // up to three
    QColor textColour;               // invalid = default
    QColor backgroundColour;
    std::uint8_t bevel = 0;
    QPoint offset;  // (0,0): centred on the owner; else at owner position + offset
    std::optional<QFont> font;
    QPixmap picture;
    bool modal = true;
    bool autoClose = false;  // a later non-modal box closes this one
};

// Layout facts of a box text, in character cells of the box's font.
struct BoxLayout {
    int usableWidth = 0;   // screen width in characters minus the margin
    int maxLines = 0;      // text lines that fit on the screen
    int lineCount = 0;     // lines the text needs at the usable width
    bool asEdit = false;   // more lines than fit: one edit field
    bool centred = false;  // shown as a label of at most 2 lines
};

// Lines of `text` at `usableWidth` characters: each CR LF separated line takes
// max(1, ceil(length / usableWidth)) lines.
int countBoxLines(const QString& text, int usableWidth);
BoxLayout boxLayout(const QString& text, int screenWidthChars, int screenHalfLines);

class Tboxdlg final : public Tkodialog {
    Q_OBJECT

  public:
    Tboxdlg(const BoxOptions& options, const CharCellMetrics& metrics, QSize screen);
    void setupwindow() override;
    const BoxLayout& layout() const { return m_layout; }
    bool autoClose() const { return m_autoClose; }

  private:
    void press(int id);

    std::vector<BoxButton> m_buttons;
    BoxLayout m_layout;
    QColor m_textColour;
    QColor m_backgroundColour;
    bool m_autoClose = false;
};

// The modal result of the pressed button: ids 1 and 6 give 1, ids 2 and 7 give 2, any other its own id.
// A non-modal box returns 0 at once and is left open (`openBox` receives it). Without an owner, or with
// confirmations off, nothing is shown and the result is 1 (yes).
int showBox(const BoxOptions& options, Tboxdlg** openBox = nullptr);

// The open non-modal box, if any.
Tboxdlg* openNonModalBox();

}  // namespace kvx
