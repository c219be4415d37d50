// Tboxdlg: layout by line count, the button result rules, modal and non-modal showing.
#include "framework/box_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "framework/dialog_options.h"
#include "framework/messages.h"

namespace kvx {

namespace {
constexpr int kScreenMargin = 4;
// Half-lines kept free for the caption, the gaps and the button row.
constexpr int kReservedHalfLines = 10;
constexpr int kTextRecord = 1;
constexpr int kSecondLineRecord = 2;
constexpr int kFirstButtonRecord = 3;

QPointer<Tboxdlg> g_openBox;

QStringList boxLines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.split(QLatin1Char('\n'));
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}
}  // namespace

int countBoxLines(const QString& text, int usableWidth) {
    const int width = std::max(1, usableWidth);
    int count = 0;
    for (const QString& line : boxLines(text))
        count += std::max<int>(1, static_cast<int>((line.size() + width - 1) / width));
    return count;
}

BoxLayout boxLayout(const QString& text, int screenWidthChars, int screenHalfLines) {
    BoxLayout l;
    l.usableWidth = std::max(10, screenWidthChars - kScreenMargin);
    l.maxLines = std::max(1, (screenHalfLines - kReservedHalfLines) / 2);
    l.lineCount = countBoxLines(text, l.usableWidth);
    l.asEdit = l.lineCount > l.maxLines;
    l.centred = !l.asEdit && l.lineCount <= 2;
    return l;
}

Tboxdlg::Tboxdlg(const BoxOptions& o, const CharCellMetrics& m, QSize screen)
    : Tkodialog(o.owner),
      m_buttons(o.buttons.begin(), o.buttons.begin() + std::min<std::size_t>(3, o.buttons.size())),
      m_textColour(o.textColour),
      m_backgroundColour(o.backgroundColour),
      m_autoClose(o.autoClose) {
    const QString text = o.text;
    m_layout = boxLayout(text, screen.width() / std::max(1, m.charWidth), screen.height() / std::max(1, m.halfStep));
    int longest = 0;
    for (const QString& line : boxLines(text)) longest = std::max<int>(longest, static_cast<int>(line.size()));
    const int textWidth = m_layout.asEdit ? m_layout.usableWidth : std::clamp(longest + 2, 10, m_layout.usableWidth);
    const int textLines = m_layout.asEdit ? m_layout.maxLines : m_layout.lineCount;
    const int textHeight = textLines <= 1 ? 1 : 2 * textLines;
    if (m_layout.asEdit) {
        QString joined = text;
        joined.replace(QLatin1Char('\r'), QLatin1Char(';')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        declareItem(2, 1, 301, kTextRecord, 0, QStringLiteral(" "), textHeight, textWidth, DialogItemKind::Edit);
        item(kTextRecord)->text = joined;  // beyond the 80 characters of a declared text
        item(kTextRecord)->maxLength = static_cast<int>(joined.size());
    } else {
        declareItem(2, 1, 201, kTextRecord, m_layout.centred ? style::kLabelCentred : 0, QStringLiteral(" "),
                    textHeight, textWidth, DialogItemKind::Label);
        item(kTextRecord)->text = text;
    }
    int top = 1 + (textHeight <= 1 ? 2 : textHeight) + 1;
    int records = kTextRecord;
    if (!o.secondLine.isEmpty()) {
        declareItem(2, top, 202, kSecondLineRecord, 0, o.secondLine, 1, textWidth, DialogItemKind::Label);
        top += 2;
        records = kSecondLineRecord;
    }
    const int n = static_cast<int>(m_buttons.size());
    int buttonsWidth = 0;
    for (const BoxButton& b : m_buttons) buttonsWidth += std::max<int>(5, static_cast<int>(b.caption.size())) + 2;
    const int width = std::min(std::max({textWidth + 4, buttonsWidth + 2 * (n + 1), 30}), m_layout.usableWidth);
    for (int i = 0; i < n; ++i) {
        const BoxButton& b = m_buttons[static_cast<std::size_t>(i)];
        const int w = std::max<int>(5, static_cast<int>(cutTo(b.caption, kButtonCaptionCapacity).size())) + 2;
        declareButtonCentred((i + 1) * width / (n + 1), top, b.id, kFirstButtonRecord + i, b.caption, w, 2);
    }
    setCounts(0, 0, n > 0 ? kFirstButtonRecord + n - 1 : records);
    const QString caption = o.caption + QStringLiteral(" MaxZ:") + QString::number(m_layout.maxLines) +
                            QStringLiteral(" ZZ:") + QString::number(m_layout.lineCount);
    setHeader(width, top + 4, caption);
    if (!o.picture.isNull()) block().header().picture = o.picture;
    if (o.font) {
        for (int r = 1; r <= itemCount(); ++r) item(r)->font = *o.font;
    }
}

void Tboxdlg::setupwindow() {
    Tkodialog::setupwindow();
    if (auto* label = qobject_cast<QLabel*>(controlById(201))) {
        label->setWordWrap(true);
        const DialogItem* it = item(kTextRecord);
        label->setGeometry(it->left, it->top, it->width, std::max(it->height, label->heightForWidth(it->width)));
        QPalette pal = label->palette();
        if (m_textColour.isValid()) pal.setColor(QPalette::WindowText, m_textColour);
        if (m_backgroundColour.isValid()) {
            pal.setColor(QPalette::Window, m_backgroundColour);
            label->setAutoFillBackground(true);
        }
        label->setPalette(pal);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(controlById(301))) edit->setCursorPosition(0);
    for (const BoxButton& b : m_buttons) {
        auto* button = qobject_cast<QPushButton*>(controlById(b.id));
        if (!button) continue;
        // The box's own result rules replace the standard button handlers.
        disconnect(button, &QPushButton::clicked, this, nullptr);
        const int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { press(id); });
    }
}

void Tboxdlg::press(int id) {
    for (const BoxButton& b : m_buttons) {
        if (b.id == id && b.onClick) {
            b.onClick();
            return;
        }
    }
    if (id == dlgid::kOk || id == dlgid::kYes) {
        endWith(1);
    } else if (id == dlgid::kCancel || id == dlgid::kNo) {
        setLastDialogCancelled(true);
        endWith(2);
    } else {
        endWith(id);
    }
}

int showBox(const BoxOptions& options, Tboxdlg** openBox) {
    if (openBox) *openBox = nullptr;
    if (!options.owner || !messageOptions().confirmations) return 1;
    CharCellMetrics m = runCharCellMetrics();
    if (options.font) m = computeCharCellMetrics(fontPixelHeight(*options.font), 6, 1);
    if (!options.modal && g_openBox && g_openBox->autoClose() && g_openBox->canclose()) {
        g_openBox->close();
        g_openBox->deleteLater();
        g_openBox = nullptr;
    }
    auto* box = new Tboxdlg(options, m, screenSize());
    box->setupwindow();
    // Centred on the owner, or at owner position + offset; never beyond the top or left screen edge.
    const QPoint ownerPos = options.owner->mapToGlobal(QPoint(0, 0));
    QPoint at = options.offset.isNull() ? ownerPos + QPoint((options.owner->width() - box->width()) / 2,
                                                            (options.owner->height() - box->height()) / 2)
                                        : ownerPos + options.offset;
    box->move(std::max(0, at.x()), std::max(0, at.y()));
    if (!options.modal) {
        box->setCloseOnOkCancel(true);
        box->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
        g_openBox = box;
        box->show();
        if (openBox) *openBox = box;
        return 0;
    }
    const int result = box->execute();
    delete box;
    return result;
}

Tboxdlg* openNonModalBox() {
    return g_openBox.data();
}

}  // namespace kvx
