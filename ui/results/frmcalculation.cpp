#include "ui/results/frmcalculation.h"

#include <QFontMetrics>

#include "platform/fonts.h"
#include "platform/screenunits.h"
#include "ui/results/windowhabits.h"
#include "ui_frmcalculation.h"

namespace sw {

FrmCalculation::FrmCalculation(Desktop& desktop, const std::vector<std::string>& sheet)
    : QWidget(nullptr, Qt::Window),
      m_ui(std::make_unique<Ui::FrmCalculation>()),
      m_registration(desktop.windows(), this, "frmCalculation")
{
    ensureFontSubstitutions();
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    QString text;
    for (const std::string& line : sheet)
        text += QString::fromStdString(line) + QLatin1Char('\n');
    m_ui->txtCalculation->setPlainText(text);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(*this);

    // As wide as its longest line, within the screen; as high as a good part of it.
    const ScreenArea screen = desktop.system().screen();
    const QFontMetrics metrics(m_ui->txtCalculation->font());
    int widest = 0;
    for (const std::string& line : sheet)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
    m_ui->txtCalculation->setMinimumSize(std::min(widest + 4 * metrics.averageCharWidth(), screen.width * 9 / 10),
                                         std::min(metrics.lineSpacing() * (static_cast<int>(sheet.size()) + 2),
                                                  screen.height * 7 / 10));
    adjustSize();
    centreOnScreen(*this, screen);
}

FrmCalculation::~FrmCalculation() = default;

}  // namespace sw
