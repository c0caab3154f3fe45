#include "ui/results/frmsummary.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>

#include "core/encoding.h"
#include "platform/fonts.h"
#include "platform/screenunits.h"
#include "ui/results/windowhabits.h"
#include "ui_frmsummary.h"

namespace sw {

FrmSummary::FrmSummary(Desktop& desktop, std::string summaryPath, const QString& title, const SummaryRows& rows,
                       double designPeriod)
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
    closeOnEscape(*this);
    plot(rows, designPeriod);

    // Wide enough for the table's 46 columns, high enough for its 11 lines.
    const QFontMetrics metrics(m_ui->txtSummary->font());
    m_ui->txtSummary->setMinimumSize(metrics.horizontalAdvance(QString(50, QLatin1Char('0'))),
                                     metrics.lineSpacing() * 13);
    adjustSize();
    const ScreenArea screen = desktop.system().screen();
    centreOnScreen(*this, screen);
}

// Q (cfs) on the left axis and i (in/hr) on the right, over the return periods on a logarithmic
// axis: how the discharge grows with the period, at a glance. The design period is marked on both.
void FrmSummary::plot(const SummaryRows& rows, double designPeriod)
{
    auto* chart = new QChart();
    chart->setTitle(QStringLiteral("Discharge and intensity by return period"));
    auto* q = new QLineSeries(chart);
    q->setName(QStringLiteral("Q (cfs)"));
    auto* i = new QLineSeries(chart);
    i->setName(QStringLiteral("i (in/hr)"));
    auto* design = new QScatterSeries(chart);
    design->setName(QStringLiteral("Design period"));
    design->setMarkerSize(11);
    auto* designI = new QScatterSeries(chart);
    designI->setMarkerSize(11);
    double maxQ = 0;
    double maxI = 0;
    for (const SummaryRow& row : rows) {
        q->append(row.Period, row.SumQ);
        i->append(row.Period, row.SumI);
        maxQ = std::max(maxQ, row.SumQ);
        maxI = std::max(maxI, row.SumI);
        if (row.Period == designPeriod) {
            design->append(row.Period, row.SumQ);
            designI->append(row.Period, row.SumI);
        }
    }
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{q, design, i, designI})
        chart->addSeries(series);
    designI->setColor(design->color());
    chart->legend()->markers(designI).first()->setVisible(false);

    auto* periods = new QLogValueAxis(chart);
    periods->setBase(10);
    periods->setRange(1.5, 700);
    periods->setLabelFormat(QStringLiteral("%g"));
    periods->setMinorTickCount(8);  // the 2 to 9 of each decade, for reading a period off the axis
    periods->setTitleText(QStringLiteral("Return period (years)"));
    auto* cfs = new QValueAxis(chart);
    cfs->setRange(0, maxQ > 0 ? maxQ * 1.1 : 1);
    cfs->applyNiceNumbers();
    cfs->setTitleText(QStringLiteral("Q (cfs)"));
    auto* inches = new QValueAxis(chart);
    inches->setRange(0, maxI > 0 ? maxI * 1.1 : 1);
    inches->applyNiceNumbers();
    inches->setTitleText(QStringLiteral("i (in/hr)"));
    chart->addAxis(periods, Qt::AlignBottom);
    chart->addAxis(cfs, Qt::AlignLeft);
    chart->addAxis(inches, Qt::AlignRight);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{q, design, i, designI}) {
        series->attachAxis(periods);
        series->attachAxis(series == q || series == design ? cfs : inches);
    }
    m_ui->chtSummary->setChart(chart);
    m_ui->chtSummary->setRenderHint(QPainter::Antialiasing);
}

FrmSummary::~FrmSummary()
{
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(std::u8string(m_summaryPath.begin(), m_summaryPath.end())), ec);
}

}  // namespace sw
