// The five program fonts as the settings keep them: the font a font dialog chose turned into the stored
// description, and the lines of the font view (view 23) that show each font in itself.
#pragma once

#include <string>
#include <vector>

#include "base/font_description.h"
#include "settings/settings_record.h"

namespace kvx {

// Sizes the font dialogs offer, in points.
inline constexpr int kFontDialogMinSize = 8;
inline constexpr int kFontDialogMaxSize = 20;

// A font as the font dialog returns it.
struct ChosenFont {
    std::string name;  // Windows-1252
    std::uint8_t charset = 0;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
};

// The description rebuilt from a chosen font: name cut to 37 characters, size kept within the dialog's
// 8..20 points, weight 4 for bold and 1 otherwise, italic 1 or 0. Angle and colour, which the dialog does
// not offer, are kept from `previous`.
FontDescription describeChosenFont(const ChosenFont& chosen, const FontDescription& previous);

// The font a description asks for, as the dialog opens on it (size 10 when the description has none).
ChosenFont chosenFontOf(const FontDescription& description);

// Label of a program font in the font view, e.g. "Listfont(Schriftart für Windows-Listen):" (UTF-8).
std::string fontLabel(FontSlot slot);
// A readable form of a description (UTF-8): "ARIAL 10 pt fett kursiv"; "keine eigene Schrift" for a name
// of 3 characters or fewer.
std::string fontDescriptionText(const FontDescription& description);
// The caption of the font dialog of a slot, e.g. "Listfont wählen".
std::string fontDialogTitle(FontSlot slot);

struct FontViewLine {
    FontSlot slot;
    std::string text;  // label, a blank and the description, UTF-8
};
// The five lines of the font view, in the order dialog, detail, list, tree and print font.
std::vector<FontViewLine> fontViewLines(const SettingsRecord& settings);

}  // namespace kvx
