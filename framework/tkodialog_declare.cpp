// Tkodialog: the declaring operations that fill the DialogParameterBlock before setupwindow.
#include "framework/tkodialog.h"

#include <algorithm>

#include "framework/dialog_options.h"

namespace kvx {

namespace {
constexpr int kStandardButtonWidth = 10;
}

void Tkodialog::setHeader(int width, int height, const QString& caption) {
    DialogItem& head = m_block->header();
    head.width = width;
    head.maxLength = width;
    head.height = height;
    head.text = cutTo(caption, kItemTextCapacity);
}

void Tkodialog::setHeaderAt(int left, int top, int width, int height, const QString& caption) {
    setHeader(width, height, caption);
    m_block->header().left = left;
    m_block->header().top = top;
}

void Tkodialog::declareItem(int left, int top, int id, int record, std::uint32_t styleBits, const QString& text,
                            int height, int width, DialogItemKind kind) {
    DialogItem* it = m_block->at(record);
    if (!it || record == 0) {
        trace(1, QStringLiteral("tkodialog: record out of range ") + QString::number(record));
        return;
    }
    if (left != 0) it->left = left;
    if (top != 0) it->top = top;
    if (id != 0) it->id = id;
    if (height != 0) it->height = height;
    if (width != 0) {
        it->width = width;
        it->maxLength = width;
    }
    if (!text.isEmpty()) it->text = cutTo(text, kItemTextCapacity);
    if (kind != DialogItemKind::None) it->kind = kind;
    it->style = styleBits;
}

void Tkodialog::declareLabel(int left, int top, int k, int record, const QString& text, int width) {
    declareItem(left, top, dlgid::labelId(k), record, 0, text, 1, width, DialogItemKind::Label);
}

void Tkodialog::declareEdit(int left, int top, int k, int record, const QString& text, int width) {
    declareItem(left, top, dlgid::controlId(k), record, 0, text, 1, width, DialogItemKind::Edit);
}

void Tkodialog::declareCheckBox(int left, int top, int k, int record, const QString& text, int width) {
    declareItem(left, top, dlgid::controlId(k), record, 0, text, 0, width, DialogItemKind::CheckBox);
}

void Tkodialog::declareRadio(int left, int top, int k, int record, const QString& text, int width) {
    declareItem(left, top, dlgid::controlId(k), record, 0, text, 0, width, DialogItemKind::Radio);
}

void Tkodialog::declareCombo(int left, int top, int k, int record, std::uint32_t styleBits, int lines, int width) {
    declareItem(left, top, dlgid::controlId(k), record, styleBits, QString(), lines, width, DialogItemKind::Combo);
    if (DialogItem* it = m_block->at(record)) it->text.clear();
}

void Tkodialog::declareEditableCombo(int left, int top, int k, int record, int lines, int width) {
    declareCombo(left, top, k, record, 0, lines, width);
}

void Tkodialog::declareListCombo(int left, int top, int k, int record, int lines, int width) {
    declareCombo(left, top, k, record, 3, lines, width);
}

void Tkodialog::declareList(int left, int top, int k, int record, std::uint32_t styleBits, int height, int width) {
    declareItem(left, top, dlgid::controlId(k), record, styleBits, QString(), height, width, DialogItemKind::List);
}

void Tkodialog::declareButton(int left, int top, int id, int record, const QString& caption, int width, int height) {
    declareItem(left, top, id, record, 0, cutTo(caption, kButtonCaptionCapacity), height, width,
                DialogItemKind::Button);
}

void Tkodialog::declareButtonCentred(int centre, int top, int id, int record, const QString& caption, int width,
                                     int height) {
    declareButton(centre - width / 2, top, id, record, caption, width, height);
}

void Tkodialog::declareStandardButton(int centre, int top, int id, int record, const QString& caption) {
    int width = kStandardButtonWidth;
    if (dialogOptions().captionDependentButtonWidths)
        width = std::clamp(static_cast<int>(caption.size()), kStandardButtonWidth, 25);
    declareButtonCentred(centre, top, id, record, caption, width, 2);
}

void Tkodialog::declareOkButton(int centre, int top, int record) {
    declareStandardButton(centre, top, dlgid::kOk, record, QStringLiteral("OK"));
}

void Tkodialog::declareCancelButton(int centre, int top, int record) {
    declareStandardButton(centre, top, dlgid::kCancel, record, QStringLiteral("Abbruch"));
}

void Tkodialog::declareHelpButton(int centre, int top, int record) {
    declareStandardButton(centre, top, dlgid::kHelp, record, QStringLiteral("Hilfe"));
}

void Tkodialog::declareButtonRow(int dialogWidth, int top, int firstRecord) {
    declareOkButton(dialogWidth / 3, top, firstRecord);
    declareCancelButton(2 * (dialogWidth / 3), top, firstRecord + 1);
}

void Tkodialog::computeMetrics(int extra, int stepBias) {
    const auto& font = dialogOptions().dialogFont;
    m_metrics = computeCharCellMetrics(font ? fontPixelHeight(*font) : 0, extra, stepBias);
}

void Tkodialog::setCounts(int labels, int controls, int items) {
    m_labelCount = std::clamp(labels, 0, DialogParameterBlock::kMaxItems);
    m_controlCount = std::clamp(controls, 0, DialogParameterBlock::kMaxItems);
    m_itemCount = std::clamp(items, 0, DialogParameterBlock::kMaxItems);
}

}  // namespace kvx
