// The fresh DialogParameterBlock and its bounds-checked access.
#include "framework/dialog_parameter_block.h"

namespace kvx {

DialogParameterBlock::DialogParameterBlock() {
    for (DialogItem& item : m_items) {
        item.left = 1;
        item.top = 1;
        item.height = 1;
        item.maxLength = 10;
    }
    m_items[0].width = 50;
    m_items[0].height = 40;
}

DialogItem* DialogParameterBlock::at(int index) {
    if (index < 0 || index >= kRecords) return nullptr;
    return &m_items[static_cast<std::size_t>(index)];
}

const DialogItem* DialogParameterBlock::at(int index) const {
    if (index < 0 || index >= kRecords) return nullptr;
    return &m_items[static_cast<std::size_t>(index)];
}

QString cutTo(const QString& text, int capacity) {
    return text.size() > capacity ? text.left(capacity) : text;
}

}  // namespace kvx
