#pragma once

#include <QColor>
#include <QFont>

#include <functional>
#include <optional>

class QWidget;

namespace folionix::platform {

struct FontChoice {
    QFont font;
    QColor color;
};

// The desktop's colour dialog, starting from a colour; empty when cancelled.
std::optional<QColor> chooseColor(const QColor &initial, QWidget *parent);

// A font dialog (face, size, style, underline and strikeout) with a text colour; empty when
// cancelled. A face the author did not change keeps its stored name even where the system
// shows a substitute for it.
std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent);

// Tests answer the dialogs through these; an empty function restores the real dialog.
using ColorChooser = std::function<std::optional<QColor>(const QColor &initial)>;
using FontChooser = std::function<std::optional<FontChoice>(const FontChoice &initial)>;
void setColorChooser(ColorChooser chooser);
void setFontChooser(FontChooser chooser);

} // namespace folionix::platform
