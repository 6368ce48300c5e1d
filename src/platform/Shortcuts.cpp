#include "platform/Shortcuts.h"

#include <array>

namespace folionix::platform {

namespace {

struct KeyEntry {
    quint8 virtualKey;
    Qt::Key key;
};

// Virtual keys outside the letter, digit and function-key ranges.
constexpr std::array<KeyEntry, 20> NamedKeys = {{
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},    {0x0D, Qt::Key_Return},
    {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},  {0x21, Qt::Key_PageUp},
    {0x22, Qt::Key_PageDown},  {0x23, Qt::Key_End},    {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},     {0x27, Qt::Key_Right},
    {0x28, Qt::Key_Down},      {0x2D, Qt::Key_Insert}, {0x2E, Qt::Key_Delete},
    {0x6A, Qt::Key_Asterisk},  {0x6B, Qt::Key_Plus},   {0x6D, Qt::Key_Minus},
    {0x6F, Qt::Key_Slash},     {0x13, Qt::Key_Pause},
}};

int qtKey(quint8 vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk; // Qt::Key_A.. and Qt::Key_0.. share the ASCII codes
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key_F1 + (vk - 0x70);
    for (const auto &entry : NamedKeys) {
        if (entry.virtualKey == vk)
            return entry.key;
    }
    return 0;
}

} // namespace

QKeySequence shortcutFromStored(quint16 value)
{
    const int key = qtKey(quint8(value & 0xFF));
    if (key == 0)
        return {};
    Qt::KeyboardModifiers modifiers;
    if (value & 0x2000)
        modifiers |= Qt::ShiftModifier;
    if (value & 0x4000)
        modifiers |= Qt::ControlModifier;
    if (value & 0x8000)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(key)));
}

} // namespace folionix::platform
