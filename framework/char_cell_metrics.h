// Character-cell metrics of code-built dialogs: dialogs are declared in character widths and half-line
// steps, and these numbers turn such a declaration into pixels.
#pragma once

namespace kvx {

struct DialogItem;

struct CharCellMetrics {
    int charWidth = 0;
    int lineHeight = 0;
    int halfStep = 0;
    bool isZero() const { return charWidth == 0 && lineHeight == 0 && halfStep == 0; }
    bool operator==(const CharCellMetrics&) const = default;
};

// `fontHeight` is the absolute pixel height of the dialog font, 0 when there is none (then the character
// width and line height are 8). charWidth = 0.7 h and lineHeight = 1.5 h + extra, each rounded to the
// nearest integer with ties to the even neighbour; halfStep = stepBias + lineHeight div 2.
CharCellMetrics computeCharCellMetrics(int fontHeight, int extra, int stepBias);

// Integer num / den rounded to nearest, ties to even; den > 0.
int roundHalfEven(long long num, long long den);

// The metrics shared by every dialog that does not compute its own: computed at the first dialog of the
// run (extra 6, step bias 1) from the dialog font then in force, and kept until reset.
const CharCellMetrics& runCharCellMetrics();
// Forgets the run-wide metrics so that the next dialog computes them again (tests, font changes).
void resetRunCharCellMetrics();

// Converts one record from cells to pixels: left and width by the character width (width 0 takes the
// maximum length), top by the half-line step; heights (except of combos, kind 4, whose height stays the
// number of list lines): 1 becomes the line height, above 1 (or any height of the header) counts half-lines;
// a multi-line edit (kind 5) gets one more half-line step.
void convertToPixels(DialogItem& item, bool isHeader, const CharCellMetrics& metrics);

}  // namespace kvx
