// The framework-wide dialog options.
#include "framework/dialog_options.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace kvx {

DialogOptions& dialogOptions() {
    static DialogOptions options;
    return options;
}

int fontPixelHeight(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    double dpi = 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInchY();
    return static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
}

}  // namespace kvx
