// Program fonts: chosen fonts to descriptions, and the font view.
#include "settings/program_fonts.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/short_string.h"

namespace kvx {

FontDescription describeChosenFont(const ChosenFont& chosen, const FontDescription& previous) {
    FontDescription d;
    d.name = cutText(chosen.name, 37);
    d.charset = chosen.charset;
    d.size = static_cast<std::uint16_t>(std::clamp(chosen.pointSize, kFontDialogMinSize, kFontDialogMaxSize));
    d.weight = chosen.bold ? 4 : 1;
    d.italic = chosen.italic ? 1 : 0;
    d.angle = previous.angle;
    d.colour = previous.colour;
    return d;
}

ChosenFont chosenFontOf(const FontDescription& description) {
    ChosenFont f;
    f.name = description.name;
    f.charset = description.charset;
    f.pointSize = description.size == 0 ? 10 : description.size;
    f.bold = description.bold();
    f.italic = description.italic != 0;
    return f;
}

std::string fontLabel(FontSlot slot) {
    switch (slot) {
        case FontSlot::Dialog:
            return "Dialogfont(Schriftart für Dialoge):";
        case FontSlot::Detail:
            return "Detailfont(Schriftart für Listen):";
        case FontSlot::List:
            return "Listfont(Schriftart für Windows-Listen):";
        case FontSlot::Tree:
            return "Treefont(Schriftart für Baum-Listen):";
        case FontSlot::Print:
            break;
    }
    return "Druckfont:";
}

std::string fontDialogTitle(FontSlot slot) {
    switch (slot) {
        case FontSlot::Dialog:
            return "Dialogfont wählen";
        case FontSlot::Detail:
            return "Detailfont wählen";
        case FontSlot::List:
            return "Listfont wählen";
        case FontSlot::Tree:
            return "Treefont wählen";
        case FontSlot::Print:
            break;
    }
    return "Druckfont wählen";
}

std::string fontDescriptionText(const FontDescription& d) {
    if (!d.hasFont()) return "keine eigene Schrift";
    std::string text = cp1252ToUtf8(d.name) + " " + std::to_string(d.size) + " pt";
    if (d.bold()) text += " fett";
    if (d.italic != 0) text += " kursiv";
    return text;
}

std::vector<FontViewLine> fontViewLines(const SettingsRecord& settings) {
    std::vector<FontViewLine> lines;
    for (FontSlot slot : {FontSlot::Dialog, FontSlot::Detail, FontSlot::List, FontSlot::Tree, FontSlot::Print})
        lines.push_back({slot, fontLabel(slot) + " " + fontDescriptionText(settings.font(slot))});
    return lines;
}

}  // namespace kvx
