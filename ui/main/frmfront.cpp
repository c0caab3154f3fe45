#include "ui/main/frmfront.h"

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/screenunits.h"
#include "ui/main/artwork.h"

namespace sw {

std::string printerIniPathIn(const std::string& applicationFolder)
{
    return QDir::toNativeSeparators(QDir(QString::fromStdString(applicationFolder)).filePath(QStringLiteral("printer.ini")))
        .toStdString();
}

std::string defaultSummaryFilePath()
{
#ifdef Q_OS_WIN
    return "c:\\temp\\summary.txt";
#else
    return QDir::toNativeSeparators(QDir(QDir::tempPath()).filePath(QStringLiteral("summary.txt"))).toStdString();
#endif
}

FrmFront::FrmFront(WindowState& state, Desktop& desktop, std::function<void()> showMain)
    : QWidget(nullptr, Qt::Window),
      m_desktop(desktop),
      m_showMain(std::move(showMain)),
      m_registration(desktop.windows(), this, "frmFront")
{
    setObjectName(QStringLiteral("frmFront"));
    setWindowTitle(QStringLiteral("QELM - Stormwick"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(splashPicture(QSize(560, 340)));
    picture->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(sizeHint());

    const ScreenArea screen = m_desktop.system().screen();
    centreOnScreen(*this, screen);

    state.PrinterIniPath = printerIniPathIn(m_desktop.system().applicationFolder());
    state.SummaryFilePath = defaultSummaryFilePath();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kSplashMs);
    connect(m_timer1, &QTimer::timeout, this, &FrmFront::handOver);
    m_timer1->start();
}

void FrmFront::handOver()
{
    m_timer1->stop();
    m_registration.unregister();
    hide();
    if (m_showMain)
        m_showMain();
    deleteLater();
}

}  // namespace sw
