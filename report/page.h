#pragma once
// What the printed report needs of a printer page. Positions are on a grid of character cells
// 1/12 inch wide and 1/6 inch high, measured from the top-left of the printable area; a text is
// placed by its top-left corner. The real page paints on a printer; tests record every call.

#include <memory>
#include <string>

namespace sw {

class Page {
public:
    virtual ~Page() = default;

    virtual void setPortrait() = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;

    // Prints a text at (x, y); afterwards the vertical position is the top of the line below it.
    virtual void text(double x, double y, const std::string& text) = 0;
    // The vertical position after the last text, in grid lines.
    [[nodiscard]] virtual double currentY() const = 0;
    // The height of the printable area, in grid lines: a line that starts lower than this minus
    // one would not be on the paper.
    [[nodiscard]] virtual double pageLines() const = 0;

    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void newPage() = 0;
    // Ends the print job.
    virtual void endDocument() = 0;
};

// Where print jobs go: a printer, or the pages of a PDF file.
class PageDevice {
public:
    virtual ~PageDevice() = default;

    // Starts a print job; empty when none can be started (no printer, or it refuses). The page
    // ends the job with endDocument.
    [[nodiscard]] virtual std::unique_ptr<Page> startDocument(const std::string& jobName) = 0;
};

}  // namespace sw
