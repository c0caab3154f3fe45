#include "ui/main/fixedpitchlist.h"

#include <QFontMetrics>
#include <QListView>
#include <QScrollBar>

namespace sw {
namespace {

// The sub-area rows are 62 characters; the intensity lines are shorter but carry the culvert ID.
constexpr int kFixedPitchListColumns = 66;

}  // namespace

void fitFixedPitchList(QListView* list)
{
    const QFontMetrics metrics(list->font());
    const int text = metrics.horizontalAdvance(QString(kFixedPitchListColumns, QLatin1Char('0')));
    list->setMinimumWidth(text + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width());
    list->setMinimumHeight(metrics.lineSpacing() * 8 + 2 * list->frameWidth());
}

}  // namespace sw
