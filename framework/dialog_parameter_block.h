// The DialogParameterBlock: the declaration of a code-built dialog, one DialogItem per control, measured in
// character widths and half-line steps until setupwindow converts it to pixels and creates the controls.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace kvx {

enum class DialogItemKind : std::uint16_t {
    None = 0,
    Label = 1,
    Button = 2,
    List = 3,
    Combo = 4,
    Edit = 5,
    CheckBox = 6,
    Radio = 7,
    DatePicker = 14,
};

// Style bits with an effect on the created control (other bits are carried but ignored).
namespace style {
inline constexpr std::uint32_t kLabelCentred = 0x1;
inline constexpr std::uint32_t kComboListOnlyA = 0x1;
inline constexpr std::uint32_t kComboListOnlyB = 0x2;
inline constexpr std::uint32_t kListSorted = 0x2;
inline constexpr std::uint32_t kEditPassword = 0x20;
inline constexpr std::uint32_t kComboSorted = 0x100;
inline constexpr std::uint32_t kListMultiSelect = 0x1000;
inline constexpr std::uint32_t kEditDisabled = 0x1000;
}  // namespace style

inline constexpr int kItemTextCapacity = 80;
inline constexpr int kHintCapacity = 255;
inline constexpr int kButtonCaptionCapacity = 40;

struct DialogItem {
    QWidget* control = nullptr;
    int declaredId = 0;
    // The declared id; it is also the control's tag and the id every put and get looks up.
    int id = 0;
    // 0 = default; else 0x00BBGGRR (for buttons the font colour).
    std::uint32_t colour = 0;
    std::uint32_t style = 0;
    DialogItemKind kind = DialogItemKind::None;
    // Cells and half-lines as declared; pixels after setupwindow.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int maxLength = 0;
    QString text;
    std::uint8_t bevelKind = 0;
    std::uint8_t border = 0;
    std::uint8_t innerBevel = 0;
    std::uint8_t outerBevel = 0;
    QString hint;
    std::optional<QFont> font;
    QPixmap picture;
};

// Record 0 is the header (window position, size, caption, colour); records 1..140 are items.
class DialogParameterBlock final {
  public:
    static constexpr int kRecords = 141;
    static constexpr int kMaxItems = kRecords - 1;

    // A fresh block: every record id 0, left 1, top 1, height 1, maximum length 10; the header 50 x 40.
    DialogParameterBlock();

    // nullptr for an index outside 0..140 (declaring beyond the block is ignored, not undefined).
    DialogItem* at(int index);
    const DialogItem* at(int index) const;
    DialogItem& header() { return m_items[0]; }
    const DialogItem& header() const { return m_items[0]; }

  private:
    std::array<DialogItem, kRecords> m_items;
};

// Cuts a text to `capacity` characters.
QString cutTo(const QString& text, int capacity);

}  // namespace kvx
