#include "ui/results/windowhabits.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>

#include "platform/desktop.h"

namespace sw {
namespace {

// Holds the window's minimum to what its contents need, again whenever their layout changes (a
// frame hidden, a longer text).
class MinimumFollower final : public QObject {
public:
    MinimumFollower(QMainWindow& window, QWidget& contents, const ScreenArea& screen)
        : QObject(&contents), m_window(window), m_contents(contents), m_screen(screen.width, screen.height)
    {
        contents.installEventFilter(this);
        follow();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_contents && event->type() == QEvent::LayoutRequest)
            follow();
        return false;
    }

private:
    void follow()
    {
        QSize needed = m_contents.minimumSizeHint();
        if (QMenuBar* bar = m_window.menuBar(); !bar->isHidden()) {
            const int height = bar->heightForWidth(needed.width());
            needed.rheight() += height > 0 ? height : bar->sizeHint().height();
        }
        m_window.setMinimumSize(needed.boundedTo(m_screen));
    }

    QMainWindow& m_window;
    QWidget& m_contents;
    QSize m_screen;
};

}  // namespace

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
    new MinimumFollower(window, *contents, screen);
    return scroll;
}

}  // namespace sw
