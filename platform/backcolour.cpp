#include "platform/backcolour.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace sw {

std::optional<BackColour> systemBackColour(int index)
{
    switch (index) {
    case 5:
        return BackColour::WindowBackground;
    case 9:
        return BackColour::TitleBarText;
    case 15:
        return BackColour::ButtonFace;
    default:
        return std::nullopt;
    }
}

QColor backColourValue(BackColour colour)
{
    const QPalette app = QApplication::palette();
    switch (colour) {
    case BackColour::Entry:
        return QColor(192, 255, 255);
    case BackColour::White:
        return QColor(255, 255, 255);
    case BackColour::WindowBackground:
        return app.color(QPalette::Active, QPalette::Base);
    case BackColour::TitleBarText:
        return app.color(QPalette::Active, QPalette::HighlightedText);
    case BackColour::ButtonFace:
        return app.color(QPalette::Active, QPalette::Button);
    }
    return QColor(255, 255, 255);
}

void setBackColour(QWidget* widget, BackColour colour)
{
    if (widget == nullptr)
        return;
    const QColor back = backColourValue(colour);
    // Fixed light colours on a dark scheme would leave light text on a light box.
    const QColor text = back.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, text);
    if (qobject_cast<QLabel*>(widget) != nullptr) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::WindowText, text);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

QColor backColourOf(const QWidget* widget)
{
    if (widget == nullptr)
        return {};
    const QPalette::ColorRole role =
        qobject_cast<const QLabel*>(widget) != nullptr ? QPalette::Window : QPalette::Base;
    return widget->palette().color(QPalette::Active, role);
}

}  // namespace sw
