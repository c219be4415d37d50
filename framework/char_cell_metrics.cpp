// Character-cell metrics and the conversion of dialog declarations to pixels.
#include "framework/char_cell_metrics.h"

#include "framework/dialog_options.h"
#include "framework/dialog_parameter_block.h"

namespace kvx {

int roundHalfEven(long long num, long long den) {
    const bool negative = num < 0;
    const long long a = negative ? -num : num;
    long long q = a / den;
    const long long twiceRest = 2 * (a % den);
    if (twiceRest > den || (twiceRest == den && q % 2 == 1)) ++q;
    return static_cast<int>(negative ? -q : q);
}

CharCellMetrics computeCharCellMetrics(int fontHeight, int extra, int stepBias) {
    CharCellMetrics m;
    const int h = fontHeight < 0 ? -fontHeight : fontHeight;
    if (h > 0) {
        // Integer arithmetic: 0.7 * 15 is not exactly 10.5 in binary floating point.
        m.charWidth = roundHalfEven(7LL * h, 10);
        m.lineHeight = roundHalfEven(3LL * h, 2);
    } else {
        m.charWidth = 8;
        m.lineHeight = 8;
    }
    m.lineHeight += extra;
    m.halfStep = stepBias + m.lineHeight / 2;
    return m;
}

namespace {
CharCellMetrics g_runMetrics;
}

const CharCellMetrics& runCharCellMetrics() {
    if (g_runMetrics.isZero()) {
        const auto& font = dialogOptions().dialogFont;
        g_runMetrics = computeCharCellMetrics(font ? fontPixelHeight(*font) : 0, 6, 1);
    }
    return g_runMetrics;
}

void resetRunCharCellMetrics() {
    g_runMetrics = CharCellMetrics{};
}

void convertToPixels(DialogItem& item, bool isHeader, const CharCellMetrics& m) {
    item.top = item.top * m.halfStep;
    item.left = item.left * m.charWidth;
    item.width = item.width != 0 ? item.width * m.charWidth : item.maxLength * m.charWidth;
    if (item.kind == DialogItemKind::Combo) return;
    const int declared = item.height;
    if (isHeader || declared > 1) {
        item.height = declared * m.halfStep;
    } else if (declared == 1) {
        item.height = m.lineHeight;
    }
    if (item.kind == DialogItemKind::Edit && declared > 1) item.height += m.halfStep;
}

}  // namespace kvx
