#pragma once
// The printed page on a paged device (a printer, or a PDF being written): QPainter on it, texts
// placed on the grid of character cells, each drawn in the current font from its cell.

#include <functional>
#include <memory>
#include <string>

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include "report/page.h"

namespace sw {

class PrinterPage final : public Page {
public:
    // A job on a printer: the page owns it, starts it portrait in "Courier New" 12 points, and ends
    // it. Empty when the printer refuses the job.
    [[nodiscard]] static std::unique_ptr<PrinterPage> begin(std::unique_ptr<QPrinter> printer);
    // A job drawn with a painter that another object owns on its device (the pages of one PDF):
    // ending the job calls `ended` and leaves the painter to its owner; each new page calls
    // `newPage` after the device has turned its page.
    [[nodiscard]] static std::unique_ptr<PrinterPage> onDevice(QPagedPaintDevice& device, QPainter& painter,
                                                               std::function<void()> newPage,
                                                               std::function<void()> ended);
    // Ends the job if endDocument was not called, so that nothing stays half-sent.
    ~PrinterPage() override;

    void setPortrait() override;
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void text(double x, double y, const std::string& text) override;
    [[nodiscard]] double currentY() const override;
    [[nodiscard]] double pageLines() const override;
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    void endDocument() override;

    // The height of a line of the current font, in grid lines (1/6 inch).
    [[nodiscard]] double lineHeight() const;
    // The family actually used for the current font.
    [[nodiscard]] QString fontFamily() const { return m_font.family(); }

private:
    PrinterPage(QPagedPaintDevice& device, QPainter& painter);
    [[nodiscard]] QPointF toDevice(double x, double y) const;

    std::unique_ptr<QPrinter> m_ownedPrinter;
    std::unique_ptr<QPainter> m_ownedPainter;
    QPagedPaintDevice* m_device;
    QPainter* m_painter;
    std::function<void()> m_onNewPage;
    std::function<void()> m_onEnded;
    QFont m_font;
    double m_currentY = 0;
    bool m_ended = false;
};

}  // namespace sw
