#pragma once
// A printer page for tests: records every call in order. Its vertical position follows the line
// height of Courier New (ascent + descent = 1.1328125 em), the printed report's font, so that page
// breaks fall where they fall on paper.

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "report/page.h"

namespace sw::testing {

struct PageEvent {
    enum class Kind { Portrait, Text, Line, NewPage, EndDocument };
    Kind kind = Kind::Text;
    // Text: x1, y1 = position; Line: both ends.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    int page = 1;  // the sheet the event is on, from 1
};

struct RecordedDocument {
    std::string jobName;
    std::string printer;
    std::vector<PageEvent> events;
    bool ended = false;
};

inline constexpr double kCourierLineHeightEm = 1.1328125;

class RecordingPage;

// A page device that records every job it is asked for; it refuses jobs while refusing() is set.
class RecordingDevice final : public sw::PageDevice {
public:
    [[nodiscard]] std::unique_ptr<sw::Page> startDocument(const std::string& jobName) override;
    void setRefusing(bool refusing) { m_refusing = refusing; }
    // The printable height of its pages in grid lines; without one, a page never ends.
    void setPageLines(double lines) { m_pageLines = lines; }
    [[nodiscard]] const std::vector<std::shared_ptr<RecordedDocument>>& documents() const { return m_documents; }

private:
    bool m_refusing = false;
    double m_pageLines = std::numeric_limits<double>::infinity();
    std::vector<std::shared_ptr<RecordedDocument>> m_documents;
};

class RecordingPage final : public sw::Page {
public:
    // Records into `document`, which outlives the page.
    explicit RecordingPage(std::shared_ptr<RecordedDocument> document,
                           double pageLines = std::numeric_limits<double>::infinity());

    void setPortrait() override;
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void text(double x, double y, const std::string& text) override;
    [[nodiscard]] double currentY() const override { return m_currentY; }
    [[nodiscard]] double pageLines() const override { return m_pageLines; }
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    void endDocument() override;

    // The height of one line of the current font, in grid lines of 1/6 inch (12 points).
    [[nodiscard]] double lineHeight() const { return m_fontSize * kCourierLineHeightEm / 12.0; }

private:
    [[nodiscard]] PageEvent event(PageEvent::Kind kind) const;

    std::shared_ptr<RecordedDocument> m_document;
    std::string m_fontName = "Courier New";
    double m_fontSize = 12;
    bool m_bold = false;
    double m_currentY = 0;
    double m_pageLines;
    int m_page = 1;
};

}  // namespace sw::testing
