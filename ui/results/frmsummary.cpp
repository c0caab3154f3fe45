#include "ui/results/frmsummary.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/encoding.h"
#include "platform/screenunits.h"
#include "platform/fonts.h"
#include "ui_frmsummary.h"

namespace sw {

FrmSummary::FrmSummary(Desktop& desktop, std::string summaryPath, const QString& title)
    : QWidget(nullptr, Qt::Window),
      m_ui(std::make_unique<Ui::FrmSummary>()),
      m_summaryPath(std::move(summaryPath)),
      m_registration(desktop.windows(), this, "frmSummary")
{
    ensureFontSubstitutions();
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    setWindowTitle(title);
    std::ifstream in(std::filesystem::path(std::u8string(m_summaryPath.begin(), m_summaryPath.end())),
                     std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    m_ui->txtSummary->setPlainText(QString::fromStdString(fileTextToUtf8(bytes)));
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);

    // Wide enough for the table's 46 columns, high enough for its 11 lines.
    const QFontMetrics metrics(m_ui->txtSummary->font());
    m_ui->txtSummary->setMinimumSize(metrics.horizontalAdvance(QString(50, QLatin1Char('0'))),
                                     metrics.lineSpacing() * 13);
    adjustSize();
    const ScreenArea screen = desktop.system().screen();
    centreOnScreen(*this, screen);
}

FrmSummary::~FrmSummary()
{
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(std::u8string(m_summaryPath.begin(), m_summaryPath.end())), ec);
}

}  // namespace sw
