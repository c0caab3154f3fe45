#include "platform/printerpage.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>

#include "platform/fonts.h"

namespace sw {
namespace {

constexpr double kColumnsPerInch = 12.0;
constexpr double kLinesPerInch = 6.0;

}  // namespace

std::unique_ptr<PrinterPage> PrinterPage::begin(std::unique_ptr<QPrinter> printer)
{
    if (!printer)
        return nullptr;
    printer->setPageOrientation(QPageLayout::Portrait);
    std::unique_ptr<PrinterPage> page(new PrinterPage(std::move(printer)));
    if (!page->m_painter.begin(page->m_printer.get())) {
        page->m_ended = true;
        return nullptr;
    }
    page->m_painter.setPen(QPen(Qt::black, page->m_printer->logicalDpiY() / 144.0));
    return page;
}

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
{
    m_font.setFamily(resolveFontFamily(QString::fromLatin1(kFixedPitchFamily)));
    m_font.setPointSizeF(12);
}

PrinterPage::~PrinterPage()
{
    endDocument();
}

void PrinterPage::setPortrait()
{
    // Applies to the pages still to come; the job starts in portrait anyway.
    m_printer->setPageOrientation(QPageLayout::Portrait);
}

void PrinterPage::setFontName(const std::string& name)
{
    m_font.setFamily(resolveFontFamily(QString::fromStdString(name)));
}

void PrinterPage::setFontSize(double points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
}

void PrinterPage::setBold(bool bold)
{
    m_font.setBold(bold);
}

QPointF PrinterPage::toDevice(double x, double y) const
{
    return {x * m_printer->logicalDpiX() / kColumnsPerInch, y * m_printer->logicalDpiY() / kLinesPerInch};
}

double PrinterPage::lineHeight() const
{
    const QFontMetricsF metrics(m_font, m_printer.get());
    return metrics.height() * kLinesPerInch / m_printer->logicalDpiY();
}

void PrinterPage::text(double x, double y, const std::string& text)
{
    if (m_ended)
        return;
    m_painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, m_printer.get());
    const QPointF topLeft = toDevice(x, y);
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), QString::fromStdString(text));
    m_currentY = y + lineHeight();
}

double PrinterPage::currentY() const
{
    return m_currentY;
}

void PrinterPage::line(double x1, double y1, double x2, double y2)
{
    if (m_ended)
        return;
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PrinterPage::newPage()
{
    if (m_ended)
        return;
    m_printer->newPage();
    m_currentY = 0;
}

void PrinterPage::endDocument()
{
    if (m_ended)
        return;
    m_ended = true;
    m_painter.end();
}

}  // namespace sw
