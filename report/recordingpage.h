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

class RecordingPage final : public sw::Page {
public:
    // Records into `document`, which outlives the page.
    explicit RecordingPage(std::shared_ptr<RecordedDocument> document,
                           double pageLines = std::numeric_limits<double>::infinity())
        : m_document(std::move(document)), m_pageLines(pageLines)
    {
    }

    void setPortrait() override { record(PageEvent::Kind::Portrait); }
    void setFontName(const std::string& name) override { m_fontName = name; }
    void setFontSize(double points) override
    {
        if (points > 0)
            m_fontSize = points;
    }
    void setBold(bool bold) override { m_bold = bold; }
    void text(double x, double y, const std::string& text) override
    {
        record(PageEvent::Kind::Text, x, y).text = text;
        m_currentY = y + lineHeight();
    }
    [[nodiscard]] double currentY() const override { return m_currentY; }
    [[nodiscard]] double pageLines() const override { return m_pageLines; }
    void line(double x1, double y1, double x2, double y2) override { record(PageEvent::Kind::Line, x1, y1, x2, y2); }
    void newPage() override
    {
        record(PageEvent::Kind::NewPage);
        ++m_page;
        m_currentY = 0;
    }
    void endDocument() override
    {
        record(PageEvent::Kind::EndDocument);
        m_document->ended = true;
    }

    // The height of one line of the current font, in grid lines of 1/6 inch (12 points).
    [[nodiscard]] double lineHeight() const { return m_fontSize * kCourierLineHeightEm / 12.0; }

private:
    PageEvent& record(PageEvent::Kind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0)
    {
        return m_document->events.emplace_back(
            PageEvent{kind, x1, y1, x2, y2, {}, m_fontName, m_fontSize, m_bold, m_page});
    }

    std::shared_ptr<RecordedDocument> m_document;
    std::string m_fontName = "Courier New";
    double m_fontSize = 12;
    bool m_bold = false;
    double m_currentY = 0;
    double m_pageLines;
    int m_page = 1;
};

// A page device that records every job it is asked for; it refuses jobs while refusing() is set.
class RecordingDevice final : public sw::PageDevice {
public:
    [[nodiscard]] std::unique_ptr<sw::Page> startDocument(const std::string& jobName) override
    {
        if (m_refusing)
            return nullptr;
        auto document = std::make_shared<RecordedDocument>();
        document->jobName = jobName;
        m_documents.push_back(document);
        return std::make_unique<RecordingPage>(document, m_pageLines);
    }
    void setRefusing(bool refusing) { m_refusing = refusing; }
    // The printable height of its pages in grid lines; without one, a page never ends.
    void setPageLines(double lines) { m_pageLines = lines; }
    [[nodiscard]] const std::vector<std::shared_ptr<RecordedDocument>>& documents() const { return m_documents; }

private:
    bool m_refusing = false;
    double m_pageLines = std::numeric_limits<double>::infinity();
    std::vector<std::shared_ptr<RecordedDocument>> m_documents;
};

}  // namespace sw::testing
