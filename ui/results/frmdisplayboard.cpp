#include "ui/results/frmdisplayboard.h"

#include <QListView>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/boardtext.h"
#include "platform/screenunits.h"
#include "ui/results/windowhabits.h"
#include "ui_frmdisplayboard.h"

namespace sw {
namespace {

constexpr int kWidestList = 640;
// The rows measured whole: those whose characters' advances add up to the most.
constexpr int kRowsMeasured = 8;

// The width of the widest row. Shaping every row of thousands costs more than the rest of the
// window: a row's width is taken as the sum of its characters' advances, and only the rows that
// sum the most are measured whole (kerning may add to them).
qreal widestRow(const QFont& font, const QStringList& rows)
{
    const QFontMetricsF metrics(font);
    std::array<qreal, 128> ascii{};
    for (std::size_t c = 0; c < ascii.size(); ++c)
        ascii[c] = metrics.horizontalAdvance(QChar(char16_t(c)));
    std::vector<std::pair<qreal, int>> sums;
    sums.reserve(std::size_t(rows.size()));
    for (int j = 0; j < rows.size(); ++j) {
        qreal sum = 0;
        for (const QChar c : rows[j])
            sum += c.unicode() < ascii.size() ? ascii[c.unicode()] : metrics.horizontalAdvance(c);
        sums.emplace_back(sum, j);
    }
    const auto measured = sums.begin() + std::min<std::ptrdiff_t>(kRowsMeasured, std::ptrdiff_t(sums.size()));
    std::partial_sort(sums.begin(), measured, sums.end(), std::greater<>());
    qreal widest = sums.empty() ? 0 : sums.front().first;
    for (auto s = sums.begin(); s != measured; ++s)
        widest = std::max(widest, metrics.horizontalAdvance(rows[s->second]));
    return widest;
}

}  // namespace

FrmDisplayBoard::FrmDisplayBoard(Desktop& desktop, const ProjectInfo& project, const CulvertRecord& culvert,
                                 int areas, const QString& title, bool steps)
    : QMainWindow(nullptr),
      m_ui(std::make_unique<Ui::FrmDisplayBoard>()),
      m_registration(desktop.windows(), this, "frmDisplayBoard")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);

    m_rows = new QStringListModel(m_ui->lstArea);
    m_ui->lstArea->setModel(m_rows);
    showCulvert(project, culvert, areas, title, steps);
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

void FrmDisplayBoard::showCulvert(const ProjectInfo& project, const CulvertRecord& culvert, int areas,
                                  const QString& title, bool steps)
{
    setWindowTitle(title);
    const BoardText b = boardText(project, culvert);
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
    QStringList rows;
    const std::size_t listed = std::min(static_cast<std::size_t>(std::max(areas, 0)), culvert.Areas.size());
    rows.reserve(qsizetype(listed));
    for (std::size_t j = 0; j < listed; ++j)
        rows.append(QString::fromStdString(boardAreaRow(culvert.Areas[j])));
    // The rows are read whole: the list is as wide as its longest row, within reason.
    const QFontMetrics metrics(m_ui->lstArea->font());
    const int widest = std::max(metrics.horizontalAdvance(QString(40, QLatin1Char('0'))),
                                int(std::ceil(widestRow(m_ui->lstArea->font(), rows))));
    m_rows->setStringList(rows);
    m_ui->lstArea->setMinimumWidth(std::min(widest + 2 * metrics.averageCharWidth(), kWidestList) +
                                   2 * m_ui->lstArea->frameWidth() +
                                   m_ui->lstArea->verticalScrollBar()->sizeHint().width());
    m_ui->lstArea->scrollToTop();
    m_ui->lblPrevious->setEnabled(true);
    m_ui->lblNext->setEnabled(true);
    m_ui->Frame5->setVisible(steps);
}

QPushButton* FrmDisplayBoard::nextButton() const
{
    return m_ui->lblNext;
}

QPushButton* FrmDisplayBoard::previousButton() const
{
    return m_ui->lblPrevious;
}

}  // namespace sw
