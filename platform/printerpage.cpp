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
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get()))
        return nullptr;
    std::unique_ptr<PrinterPage> page(new PrinterPage(*printer, *painter));
    page->m_ownedPrinter = std::move(printer);
    page->m_ownedPainter = std::move(painter);
    return page;
}

std::unique_ptr<PrinterPage> PrinterPage::onDevice(QPagedPaintDevice& device, QPainter& painter,
                                                   std::function<void()> newPage, std::function<void()> ended)
{
    std::unique_ptr<PrinterPage> page(new PrinterPage(device, painter));
    page->m_onNewPage = std::move(newPage);
    page->m_onEnded = std::move(ended);
    return page;
}

PrinterPage::PrinterPage(QPagedPaintDevice& device, QPainter& painter) : m_device(&device), m_painter(&painter)
{
    m_font.setFamily(resolveFontFamily(QString::fromLatin1(kFixedPitchFamily)));
    m_font.setPointSizeF(12);
    m_painter->setPen(QPen(Qt::black, m_device->logicalDpiY() / 144.0));
}

PrinterPage::~PrinterPage()
{
    endDocument();
}

void PrinterPage::setPortrait()
{
    // Applies to the pages still to come; every job starts in portrait anyway.
    m_device->setPageOrientation(QPageLayout::Portrait);
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
    return {x * m_device->logicalDpiX() / kColumnsPerInch, y * m_device->logicalDpiY() / kLinesPerInch};
}

double PrinterPage::lineHeight() const
{
    const QFontMetricsF metrics(m_font, m_device);
    return metrics.height() * kLinesPerInch / m_device->logicalDpiY();
}

void PrinterPage::text(double x, double y, const std::string& text)
{
    if (m_ended)
        return;
    m_painter->setFont(m_font);
    const QString drawn = QString::fromStdString(text);
    const QFontMetricsF metrics(m_font, m_device);
    const QPointF topLeft = toDevice(x, y);
    const double width = metrics.horizontalAdvance(drawn);
    const double room = m_device->width() - topLeft.x();
    if (width > room && room > 0) {
        // A value longer than the paper is wide is drawn narrower, all of it: the report must
        // carry every character, not lose the end of a name past the edge.
        m_painter->save();
        m_painter->translate(topLeft.x(), topLeft.y() + metrics.ascent());
        m_painter->scale(room / width, 1.0);
        m_painter->drawText(QPointF(0, 0), drawn);
        m_painter->restore();
    } else {
        m_painter->drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), drawn);
    }
    m_currentY = y + lineHeight();
}

double PrinterPage::currentY() const
{
    return m_currentY;
}

double PrinterPage::pageLines() const
{
    return m_device->height() * kLinesPerInch / m_device->logicalDpiY();
}

void PrinterPage::line(double x1, double y1, double x2, double y2)
{
    if (m_ended)
        return;
    m_painter->drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PrinterPage::newPage()
{
    if (m_ended)
        return;
    m_device->newPage();
    m_currentY = 0;
    if (m_onNewPage)
        m_onNewPage();
}

void PrinterPage::endDocument()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_ownedPainter)
        m_ownedPainter->end();
    if (m_onEnded)
        m_onEnded();
}

}  // namespace sw
