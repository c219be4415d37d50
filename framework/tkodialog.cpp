// Tkodialog: life cycle, setupwindow (conversion, control creation, placement, button wiring) and the
// handlers of the standard buttons.
#include "framework/tkodialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "framework/dialog_options.h"
#include "framework/framework_trace.h"
#include "framework/modal_runner.h"

namespace kvx {

namespace {
int g_truncations = 0;
bool g_lastCancelled = false;
Tkodialog* g_current = nullptr;
int g_openDialogs = 0;

QColor fromColourRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// Declared widths count character cells of the original toolkit, whose check mark is narrower than this
// platform's; a caption that no longer fits gets the room it needs instead of being clipped.
void widenToCaption(QWidget* w) {
    const int needed = w->sizeHint().width();
    if (needed > w->width()) w->resize(needed, w->height());
}
}  // namespace

Tkodialog::Tkodialog(QWidget* owner, int dialogId)
    : QDialog(owner ? owner : QApplication::activeWindow()),
      m_block(std::make_unique<DialogParameterBlock>()),
      m_dialogId(dialogId) {
    ++g_openDialogs;
    trace(1, QStringLiteral("tkodialog.Create 1"));
    trace(2, QStringLiteral("tkodialog.Create 2"));
    Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;
    if (dialogOptions().systemMenu) flags |= Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
    setWindowTitle(QStringLiteral("Dialog"));
    resize(435, 300);
    trace(2, QStringLiteral("tkodialog.create 4"));
    if (dialogOptions().dialogFont) {
        setFont(*dialogOptions().dialogFont);
    } else {
        QFont form(QStringLiteral("MS Sans Serif"));
        form.setPixelSize(11);
        setFont(form);
    }
    trace(2, QStringLiteral("tkodialog.Create 5"));
}

Tkodialog::~Tkodialog() {
    trace(2, QStringLiteral("tkodialog.destroy compos:") + QString::number(children().size()));
    trace(2, QStringLiteral("dispose par "));
    if (m_modalResult == dlgid::kCancel) g_lastCancelled = true;
    --g_openDialogs;
    if (g_current == this) g_current = m_previous;
}

int Tkodialog::execute() {
    if (!m_setUp) setupwindow();
    m_runningModal = true;
    const int result = modalRunner().runDialog(*this);
    m_runningModal = false;
    return m_modalResult != 0 ? m_modalResult : result;
}

void Tkodialog::setupwindow() {
    m_setUp = true;
    if (m_metrics.isZero()) m_metrics = runCharCellMetrics();
    DialogItem& head = m_block->header();
    trace(1, QStringLiteral("tkodialog.setupwindow start ") + head.text);
    if (!head.picture.isNull()) {
        auto* pic = new QLabel(this);
        pic->setPixmap(head.picture);
        pic->move(5, 5);
    }
    QString title = head.text;
    if (dialogOptions().showDialogId) title = cutTo(title + QLatin1Char(' ') + QString::number(m_dialogId), 80);
    finishdlgparameter();
    setWindowTitle(title);
    if (head.colour != 0) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, fromColourRef(head.colour));
        setPalette(pal);
    }
    placeWindow();
    wireButtons();
    for (int r = 1; r <= m_itemCount; ++r) {
        DialogItem& it = *m_block->at(r);
        if (it.kind != DialogItemKind::None) it.declaredId = it.id;
    }
    trace(1, QStringLiteral("tkodialog.setupwindow ende:") + title);
    if (g_current != this) {
        m_previous = g_current;
        g_current = this;
    }
}

void Tkodialog::finishdlgparameter() {
    convertToPixels(m_block->header(), true, m_metrics);
    for (int r = 1; r <= m_itemCount; ++r) {
        DialogItem& it = *m_block->at(r);
        convertToPixels(it, false, m_metrics);
        it.control = createControl(it);
        if (it.control && !it.picture.isNull()) {
            auto* pic = new QLabel(this);
            pic->setPixmap(it.picture);
            pic->move(std::max(0, it.left - 5 - it.picture.width()), it.top);
        }
    }
    trace(2, QStringLiteral("finishdlgparameter"));
}

void Tkodialog::applyCommon(DialogItem& it, QWidget* w, bool dialogFontOnly) {
    w->setProperty("tag", it.id);
    w->setGeometry(it.left, it.top, std::max(it.width, 1), std::max(it.height, 1));
    if (it.font && !dialogFontOnly) w->setFont(*it.font);
    if (!it.hint.isEmpty() && dialogOptions().hintLevel >= 2) w->setToolTip(it.hint);
    if (it.colour != 0 && it.kind != DialogItemKind::Button) {
        QPalette pal = w->palette();
        const QColor colour = fromColourRef(it.colour);
        pal.setColor(QPalette::Window, colour);
        pal.setColor(QPalette::Base, colour);
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
}

QWidget* Tkodialog::createControl(DialogItem& it) {
    switch (it.kind) {
        case DialogItemKind::Label:
            return createLabel(it);
        case DialogItemKind::Button:
            return createButton(it);
        case DialogItemKind::List: {
            auto* list = new QListWidget(this);
            applyCommon(it, list, false);
            list->setSortingEnabled((it.style & style::kListSorted) != 0);
            if (it.style & style::kListMultiSelect) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
            return list;
        }
        case DialogItemKind::Combo:
            return createCombo(it);
        case DialogItemKind::Edit: {
            auto* edit = new QLineEdit(it.text, this);
            applyCommon(it, edit, false);
            if (it.style & style::kEditPassword) edit->setEchoMode(QLineEdit::Password);
            if (it.style & style::kEditDisabled) edit->setEnabled(false);
            if (it.maxLength > 0 && it.maxLength != it.width) edit->setMaxLength(it.maxLength);
            return edit;
        }
        case DialogItemKind::CheckBox: {
            auto* box = new QCheckBox(it.text, this);
            applyCommon(it, box, false);
            widenToCaption(box);
            return box;
        }
        case DialogItemKind::Radio: {
            auto* radio = new QRadioButton(it.text, this);
            radio->setAutoExclusive(true);
            applyCommon(it, radio, false);
            widenToCaption(radio);
            return radio;
        }
        case DialogItemKind::DatePicker: {
            auto* picker = new QDateEdit(this);
            picker->setCalendarPopup(true);
            picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
            applyCommon(it, picker, true);
            return picker;
        }
        case DialogItemKind::None:
            break;
    }
    return nullptr;
}

QWidget* Tkodialog::createLabel(DialogItem& it) {
    auto* label = new QLabel(QString(it.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    // Texts from the data (names, remarks) are shown as written, never read as markup.
    label->setTextFormat(Qt::PlainText);
    applyCommon(it, label, false);
    const bool centred = (it.style & style::kLabelCentred) != 0;
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    if (it.bevelKind != 0) label->setFrameStyle(QFrame::Panel | (it.bevelKind == 1 ? QFrame::Sunken : QFrame::Raised));
    // A label sizes itself to its text; a centred one keeps its declared width to centre in.
    const QSize hint = label->sizeHint();
    label->resize(centred ? std::max(it.width, hint.width()) : hint.width(), std::max(it.height, hint.height()));
    return label;
}

QWidget* Tkodialog::createCombo(DialogItem& it) {
    auto* combo = new QComboBox(this);
    const bool listOnly = (it.style & (style::kComboListOnlyA | style::kComboListOnlyB)) != 0;
    combo->setEditable(!listOnly);
    if (!listOnly) combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(std::max(1, it.height - 2));
    combo->setProperty("sorted", (it.style & style::kComboSorted) != 0);
    // The declared height is the list's line count; the closed combo is one line high.
    const int lines = it.height;
    it.height = m_metrics.lineHeight;
    applyCommon(it, combo, true);
    it.height = lines;
    // No input limit from the declared width: only edits get one, and a combo's stored values (such as a
    // ten-character unit in a seven-cell combo) must show uncut so that reading them back keeps them.
    return combo;
}

QWidget* Tkodialog::createButton(DialogItem& it) {
    auto* button = new QPushButton(it.text, this);
    button->setObjectName(QStringLiteral("tdlgbutton"));
    // Never default: Enter and Escape press nothing by themselves.
    button->setAutoDefault(false);
    button->setDefault(false);
    QStyle::StandardPixmap glyph = QStyle::SP_CustomBase;
    switch (it.id) {
        case dlgid::kOk:
            glyph = QStyle::SP_DialogOkButton;
            break;
        case dlgid::kCancel:
            glyph = QStyle::SP_DialogCancelButton;
            break;
        case dlgid::kYes:
            glyph = QStyle::SP_DialogYesButton;
            break;
        case dlgid::kNo:
            glyph = QStyle::SP_DialogNoButton;
            break;
        case dlgid::kHelp:
            glyph = QStyle::SP_DialogHelpButton;
            break;
        default:
            break;
    }
    if (glyph != QStyle::SP_CustomBase) button->setIcon(style()->standardIcon(glyph));
    applyCommon(it, button, false);
    if (it.colour != 0) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::ButtonText, fromColourRef(it.colour));
        button->setPalette(pal);
    }
    if (button->height() < 20) button->resize(button->width(), 20);
    return button;
}

void Tkodialog::placeWindow() {
    const DialogItem& head = m_block->header();
    const int w = std::max(head.width, 1);
    const int h = std::max(head.height, 1);
    QRect area;
    if (m_placement == Placement::CentreOnParent && parentWidget()) {
        area = parentWidget()->window()->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    int left = head.left;
    int top = head.top;
    if (m_placement != Placement::Declared) {
        left = area.x() + std::max(0, (area.width() - w) / 2);
        top = area.y() + std::max(0, (area.height() - h) / 2);
    }
    setFixedSize(w, h);
    move(std::max(0, left), std::max(0, top));
}

void Tkodialog::wireButtons() {
    struct Wiring {
        int id;
        void (Tkodialog::*handler)();
        const char* traceName;
    };
    static const Wiring table[] = {
        {dlgid::kOkContinue, &Tkodialog::okweiter, "okweiter="},
        {dlgid::kOk, &Tkodialog::okbutton, "okbutton="},
        {dlgid::kCancel, &Tkodialog::cancelbutton, "cbutton="},
        {dlgid::kExtra, &Tkodialog::zusatzbutton, "zbutton="},
        {dlgid::kYes, &Tkodialog::yesbutton, "yes="},
        {dlgid::kNo, &Tkodialog::nobutton, "no="},
        {dlgid::kHelp, &Tkodialog::helpbutton, "helpbutton="},
    };
    for (const Wiring& w : table) {
        int found = -1;
        for (int r = 1; r <= m_itemCount; ++r) {
            const DialogItem& it = *m_block->at(r);
            if (it.kind == DialogItemKind::Button && it.id == w.id && it.control) found = r;
        }
        trace(2, QString::fromLatin1(w.traceName) + QString::number(found));
        if (found < 0) continue;
        auto* button = static_cast<QPushButton*>(m_block->at(found)->control);
        const auto handler = w.handler;
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    }
}

bool Tkodialog::canclose() {
    trace(1, QStringLiteral("tkodialog.canclose:") + windowTitle());
    return true;
}

void Tkodialog::zusatzbutton() {
    trace(1, QStringLiteral("tkodialog.zusatzbutton"));
}

void Tkodialog::helpbutton() {
    trace(1, QStringLiteral("tkodialog.helpbutton"));
}

void Tkodialog::okbutton() {
    const bool ok = canclose();
    trace(1, QStringLiteral("tkodialog.okbutton ") + QString::number(ok));
    if (ok) endWith(dlgid::kOk);
}

void Tkodialog::okweiter() {
    const bool ok = canclose();
    trace(1, QStringLiteral("tkodialog.okweiter ") + QString::number(ok));
    if (ok) endWith(dlgid::kOkContinue);
}

void Tkodialog::cancelbutton() {
    trace(1, QStringLiteral("tkodialog.cancelbutton"));
    g_lastCancelled = true;
    endWith(dlgid::kCancel);
}

void Tkodialog::yesbutton() {
    const bool ok = canclose();
    trace(1, QStringLiteral("tkodialog.yesbutton ") + QString::number(ok));
    if (ok) endWith(dlgid::kYes);
}

void Tkodialog::nobutton() {
    const bool ok = canclose();
    trace(1, QStringLiteral("tkodialog.nobutton ") + QString::number(ok));
    if (ok) endWith(dlgid::kNo);
}

void Tkodialog::endWith(int result) {
    m_modalResult = result;
    if (m_runningModal || m_closeOnOkCancel) {
        m_closed = true;
        QDialog::done(result);
    }
}

void Tkodialog::reject() {
    cancelbutton();
}

void Tkodialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();  // no default or cancel button
            return;
        case Qt::Key_F1:
            trace(1, QStringLiteral("tkodialog.onhelp"));
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void Tkodialog::trace(int level, const QString& text) const {
    frameworkTrace(level, text);
}

int Tkodialog::truncationCount() {
    return g_truncations;
}
void Tkodialog::resetTruncationCount() {
    g_truncations = 0;
}
bool Tkodialog::lastDialogCancelled() {
    return g_lastCancelled;
}
void Tkodialog::setLastDialogCancelled(bool cancelled) {
    g_lastCancelled = cancelled;
}
Tkodialog* Tkodialog::current() {
    return g_current;
}
int Tkodialog::openCount() {
    return g_openDialogs;
}

// Counted here so that getText can reach the framework counter without exposing a setter.
void countTruncation() {
    ++g_truncations;
}

}  // namespace kvx
