#include "ui/main/tabring.h"

#include <QApplication>
#include <QWidget>

namespace sw {
namespace {

bool takesFocus(const QWidget* control)
{
    return control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

bool moveAlongRing(const std::vector<QWidget*>& ring, bool next)
{
    const int count = int(ring.size());
    if (count == 0)
        return false;
    const QWidget* focus = QApplication::focusWidget();
    int at = -1;
    for (int i = 0; i < count && at < 0; ++i)
        if (focus != nullptr && (ring[std::size_t(i)] == focus || ring[std::size_t(i)]->isAncestorOf(focus)))
            at = i;
    const int step = next ? 1 : count - 1;
    int i = at < 0 ? (next ? count - 1 : 0) : at;
    for (int tried = 0; tried < count; ++tried) {
        i = (i + step) % count;
        QWidget* control = ring[std::size_t(i)];
        if (takesFocus(control)) {
            control->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

}  // namespace sw
