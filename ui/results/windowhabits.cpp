#include "ui/results/windowhabits.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>

#include "platform/desktop.h"

namespace sw {

void closeOnEscape(QWidget& window)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

QScrollArea* keepContentsWhole(QMainWindow& window, const ScreenArea& screen)
{
    QWidget* contents = window.takeCentralWidget();
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("scrContents"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    window.setCentralWidget(scroll);
    contents->ensurePolished();
    if (QLayout* layout = contents->layout())
        layout->activate();
    QSize needed = contents->minimumSizeHint();
    if (QMenuBar* bar = window.menuBar(); bar != nullptr && !bar->isHidden())
        needed.rheight() += bar->heightForWidth(needed.width()) > 0 ? bar->heightForWidth(needed.width())
                                                                     : bar->sizeHint().height();
    window.setMinimumSize(needed.boundedTo(QSize(screen.width, screen.height)));
    return scroll;
}

}  // namespace sw
