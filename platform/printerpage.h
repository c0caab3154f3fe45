#pragma once
// The printed page on a real printer (or, for tests, a PDF file): QPainter on a QPrinter.

#include <memory>
#include <string>

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include "report/page.h"

namespace sw {

class PrinterPage final : public Page {
public:
    // Starts the job: portrait, "Courier New" 12 points. Empty when the printer refuses the job.
    [[nodiscard]] static std::unique_ptr<PrinterPage> begin(std::unique_ptr<QPrinter> printer);
    // Ends the job if endDocument was not called, so that nothing stays half-sent.
    ~PrinterPage() override;

    void setPortrait() override;
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void text(double x, double y, const std::string& text) override;
    [[nodiscard]] double currentY() const override;
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    void endDocument() override;

    // The height of a line of the current font, in grid lines (1/6 inch).
    [[nodiscard]] double lineHeight() const;
    // The family actually used for the current font.
    [[nodiscard]] QString fontFamily() const { return m_font.family(); }

private:
    explicit PrinterPage(std::unique_ptr<QPrinter> printer);
    [[nodiscard]] QPointF toDevice(double x, double y) const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_currentY = 0;
    bool m_ended = false;
};

}  // namespace sw
