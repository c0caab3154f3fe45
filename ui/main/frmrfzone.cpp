#include "ui/main/frmrfzone.h"

#include <QCloseEvent>

#include "core/messages.h"
#include "core/text.h"
#include "engine/zonemap.h"
#include "platform/screenunits.h"
#include "ui/main/zonemapimage.h"
#include "ui_frmrfzone.h"

namespace sw {

FrmRFzone::FrmRFzone(Desktop& desktop, Take take, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_ui(std::make_unique<Ui::FrmRFzone>()),
      m_take(std::move(take)),
      m_registration(desktop.windows(), this, "frmRFzone")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    // Room for the note from the start, so that the window keeps its size when it speaks.
    m_ui->lblMapNote->setMinimumHeight(2 * m_ui->lblMapNote->fontMetrics().lineSpacing());
    connect(m_ui->Picture1, &ZoneMapPicture::pressed, this, &FrmRFzone::pressAt);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(sizeHint());
    centreOnScreen(*this, desktop.system().screen());
}

FrmRFzone::~FrmRFzone() = default;

void FrmRFzone::pressAt(QPoint imagePixel)
{
    const std::optional<std::string> zone = FindZoneAtPixel(imagePixel.x(), imagePixel.y());
    if (!zone)
        return;
    if (m_take(QString::fromStdString(*zone))) {
        m_ui->lblMapNote->clear();
        return;
    }
    // Nothing to give the zone to: the map still answers where the point lies.
    m_ui->lblMapNote->setText(QString::fromStdString(fillMessage(msg::kMapNoCulvert, {*zone})));
}

void FrmRFzone::closeEvent(QCloseEvent* event)
{
    m_registration.unregister();
    QWidget::closeEvent(event);
}

}  // namespace sw
