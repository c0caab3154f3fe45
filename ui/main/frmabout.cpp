#include "ui/main/frmabout.h"

#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/screenunits.h"
#include "ui/main/artwork.h"

namespace sw {
namespace {

// The box stands a little left of and above the centre of the screen.
constexpr double kLeftOfCentreTwips = 650;
constexpr double kAboveCentreTwips = 250;
constexpr int kPictureSide = 72;

QLabel* pictureLabel(QWidget* parent, const char* name, const QPixmap& pixmap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    return label;
}

QLabel* textLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

QString FrmAbout::toolsLine()
{
    // The version first: it is what a designer reporting a problem is asked for.
    return QStringLiteral("Version " STORMWICK_VERSION ", built with C++20 and Qt %1").arg(QString::fromLatin1(qVersion()));
}

FrmAbout::FrmAbout(Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), m_desktop(desktop), m_registration(desktop.windows(), this, "frmAbout")
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About"));

    QLabel* image1 = pictureLabel(this, "Image1", culvertPicture(kPictureSide));
    QLabel* image2 = pictureLabel(this, "Image2", rainPicture(kPictureSide));
    QLabel* label1 = textLabel(this, "Label1", QStringLiteral("Stormwick (ZAV)"));
    QFont title = label1->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    label1->setFont(title);
    QLabel* label3 = textLabel(this, "Label3", QStringLiteral("CORVENNA"));
    QLabel* label4 = textLabel(this, "Label4", QStringLiteral("April, 1999"));
    QLabel* label2 = textLabel(this, "Label2", toolsLine());
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* texts = new QVBoxLayout;
    texts->addWidget(label1);
    texts->addWidget(label3);
    texts->addWidget(label4);
    texts->addSpacing(8);
    texts->addWidget(label2);
    auto* top = new QHBoxLayout;
    top->addWidget(image1, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    top->addSpacing(12);
    top->addWidget(image2, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    placeOnScreen();
}

void FrmAbout::placeOnScreen()
{
    const ScreenArea screen = m_desktop.system().screen();
    centreOnScreen(*this, screen, -kLeftOfCentreTwips, -kAboveCentreTwips);
}

void FrmAbout::closeEvent(QCloseEvent* event)
{
    m_registration.unregister();
    QWidget::closeEvent(event);
}

}  // namespace sw
