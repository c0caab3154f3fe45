#pragma once
// Back colours of entry boxes, in one place: the light cyan of the box being typed into, white,
// and the three colours of the desktop scheme the windows use by their old system colour numbers
// (5 window background, 9 title-bar text, 15 button face).

#include <optional>

#include <QColor>

class QWidget;

namespace sw {

enum class BackColour {
    Entry,            // RGB(192, 255, 255), the box with the focus
    White,            // RGB(255, 255, 255)
    WindowBackground, // system colour 5: the application palette's Base
    TitleBarText,     // system colour 9: the application palette's HighlightedText
    ButtonFace,       // system colour 15: the application palette's Button
};

// The system colour of an old colour number (5, 9 or 15); empty for any other number.
[[nodiscard]] std::optional<BackColour> systemBackColour(int index);

[[nodiscard]] QColor backColourValue(BackColour colour);

// Sets the back colour of a box (the palette's Base in every state; for a label also its Window,
// painted). The text colour follows so that the text stays readable on any scheme.
void setBackColour(QWidget* widget, BackColour colour);

// The back colour a box shows now.
[[nodiscard]] QColor backColourOf(const QWidget* widget);

}  // namespace sw
