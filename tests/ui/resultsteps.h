#pragma once
// The fixture of the tests of the results windows: a temporary folder for the project file and what
// the windows write, a project opened through File > Open, run as a person runs it, and the windows
// the run opens found by their names.

#include <QTemporaryDir>

#include "tests/ui/editorsteps.h"
#include "tests/ui/projecttexts.h"

namespace sw::testing {

class ResultsTest : public EditorTest {
    Q_OBJECT

protected:
    QWidget* window(const char* name) const { return m_h->desktop->windows().find(name); }
    template <typename T = QWidget>
    T* in(const char* window, const char* name) const
    {
        QWidget* w = this->window(window);
        return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    QString path(const QString& name) const { return m_dir->filePath(name); }

    // What the temporary folder holds, files and folders.
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    // The project written as gully.txt and opened from File > Open.
    bool open(const std::string& bytes)
    {
        return openFile(path("gully.txt"), bytes) && m_h->window->windowTitle() == path("gully.txt");
    }
    // Run, then OK in the selector with "Culvert ID" (the culvert at `entry`) or "All" (-1).
    bool run(int entry)
    {
        if (!s->click("cmdRunApp") || !window("frmCulvertSelector") || !window("frmCulvertSelector")->isVisible())
            return false;
        press("frmCulvertSelector", entry < 0 ? "Option2" : "Option1");
        if (entry >= 0)
            in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->setCurrentIndex(entry);
        press("frmCulvertSelector", "cmdOK");
        return true;
    }
    // A click on a button of a window (on the circle of an option button), and the windows it closes
    // gone.
    void press(const char* window, const char* button)
    {
        QWidget* b = in(window, button);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->height() / 2, b->height() / 2));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void trigger(const char* window, const char* action)
    {
        in<QAction>(window, action)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // "<<" or ">>" on the board, if a person could press it.
    bool step(const char* button)
    {
        auto* b = in<QPushButton>("frmDisplayBoard", button);
        if (!b || !b->isEnabled() || !b->isVisible())
            return false;
        press("frmDisplayBoard", button);
        return true;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        openWindow();
        m_h->windowState->SummaryFilePath = path("summary.txt").toStdString();
        m_h->windowState->PrinterIniPath = path("printer.ini").toStdString();
        m_h->desktop->printers().setInstalled({"Office Printer", "Plotter A0"});
        QVERIFY(m_dir->isValid() && writeBytes(path("printer.ini"), "Office Printer\r\nPlotter A0\r\n"));
    }
};

}  // namespace sw::testing
