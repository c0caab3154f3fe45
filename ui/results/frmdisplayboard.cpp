#include "ui/results/frmdisplayboard.h"

#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

#include "engine/boardtext.h"
#include "platform/screenunits.h"
#include "ui/results/windowhabits.h"
#include "ui_frmdisplayboard.h"

namespace sw {
namespace {

constexpr int kWidestList = 640;

}  // namespace

FrmDisplayBoard::FrmDisplayBoard(Desktop& desktop, const ProjectInfo& project, const CulvertRecord& culvert,
                                 int areas, const QString& title)
    : QMainWindow(nullptr),
      m_ui(std::make_unique<Ui::FrmDisplayBoard>()),
      m_registration(desktop.windows(), this, "frmDisplayBoard")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    setWindowTitle(title);

    const BoardText b = boardText(project, culvert, static_cast<std::size_t>(std::max(areas, 0)));
    const std::pair<QLabel*, const std::string&> values[] = {
        {m_ui->lblPjtName, b.PjtName},     {m_ui->lblPjtNo, b.PjtNo},         {m_ui->lblControlNo, b.ControlNo},
        {m_ui->lblDescrpt, b.Descrpt},     {m_ui->lblDateTime, b.DateTime},   {m_ui->lblDesinger, b.Desinger},
        {m_ui->lblCulvertID, b.CulvertID}, {m_ui->lblCulvertSta, b.CulvertSta}, {m_ui->lblReturnPd, b.ReturnPd},
        {m_ui->lblRFZone, b.RFZone},       {m_ui->lblRemotePt, b.RemotePt},   {m_ui->lblCulvertPt, b.CulvertPt},
        {m_ui->lblLenTravel, b.LenTravel}, {m_ui->lblSlope, b.Slope},         {m_ui->lblTC, b.TC},
        {m_ui->lblCorFactor, b.CorFactor}, {m_ui->lblCorTC, b.CorTC},         {m_ui->lblIntensity, b.Intensity},
        {m_ui->lblLotNo, b.LotNo},         {m_ui->lblTotalArea, b.TotalArea}, {m_ui->lblC, b.C},
        {m_ui->lblQ, b.Q},
    };
    for (const auto& [label, text] : values)
        label->setText(QString::fromStdString(text));
    for (const std::string& row : b.AreaRows)
        m_ui->lstArea->addItem(QString::fromStdString(row));
    // The rows are read whole: the list is as wide as its longest row, within reason.
    const QFontMetrics metrics(m_ui->lstArea->font());
    int widest = metrics.horizontalAdvance(QString(40, QLatin1Char('0')));
    for (const std::string& row : b.AreaRows)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(row)));
    m_ui->lstArea->setMinimumWidth(std::min(widest + 2 * metrics.averageCharWidth(), kWidestList) +
                                   2 * m_ui->lstArea->frameWidth() +
                                   m_ui->lstArea->verticalScrollBar()->sizeHint().width());
    // Q is what the designer comes for.
    QFont q = m_ui->lblQ->font();
    q.setBold(true);
    q.setPointSizeF(q.pointSizeF() * 1.25);
    m_ui->lblQ->setFont(q);

    connect(m_ui->mnuPrint, &QAction::triggered, this, &FrmDisplayBoard::printRequested);
    connect(m_ui->mnuClose, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->mnuSummary, &QAction::triggered, this, &FrmDisplayBoard::summaryRequested);
    connect(m_ui->cmdViewSummary, &QPushButton::clicked, this, &FrmDisplayBoard::summaryRequested);
    connect(m_ui->mnuCalculation, &QAction::triggered, this, &FrmDisplayBoard::calculationRequested);
    connect(m_ui->cmdViewCalculation, &QPushButton::clicked, this, &FrmDisplayBoard::calculationRequested);
    connect(m_ui->mnuAllCulverts, &QAction::triggered, this, &FrmDisplayBoard::allCulvertsRequested);
    connect(m_ui->mnuExportCsv, &QAction::triggered, this, &FrmDisplayBoard::exportCsvRequested);
    connect(m_ui->lblNext, &QPushButton::clicked, this, &FrmDisplayBoard::nextClicked);
    connect(m_ui->lblPrevious, &QPushButton::clicked, this, &FrmDisplayBoard::previousClicked);

    const ScreenArea screen = desktop.system().screen();
    keepContentsWhole(*this, screen);
    adjustSize();
    centreOnScreen(*this, screen);
}

FrmDisplayBoard::~FrmDisplayBoard() = default;

QPushButton* FrmDisplayBoard::nextButton() const
{
    return m_ui->lblNext;
}

QPushButton* FrmDisplayBoard::previousButton() const
{
    return m_ui->lblPrevious;
}

void FrmDisplayBoard::hideSteps()
{
    m_ui->Frame5->hide();
}

}  // namespace sw
