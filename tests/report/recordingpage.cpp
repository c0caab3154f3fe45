#include "tests/report/recordingpage.h"

namespace sw::testing {

std::unique_ptr<sw::Page> RecordingDevice::startDocument(const std::string& jobName)
{
    if (m_refusing)
        return nullptr;
    auto document = std::make_shared<RecordedDocument>();
    document->jobName = jobName;
    m_documents.push_back(document);
    return std::make_unique<RecordingPage>(document, m_pageLines);
}

RecordingPage::RecordingPage(std::shared_ptr<RecordedDocument> document, double pageLines)
    : m_document(std::move(document)), m_pageLines(pageLines)
{
}

PageEvent RecordingPage::event(PageEvent::Kind kind) const
{
    PageEvent e;
    e.kind = kind;
    e.fontName = m_fontName;
    e.fontSize = m_fontSize;
    e.bold = m_bold;
    e.page = m_page;
    return e;
}

void RecordingPage::setPortrait()
{
    m_document->events.push_back(event(PageEvent::Kind::Portrait));
}

void RecordingPage::setFontName(const std::string& name)
{
    m_fontName = name;
}

void RecordingPage::setFontSize(double points)
{
    if (points > 0)
        m_fontSize = points;
}

void RecordingPage::setBold(bool bold)
{
    m_bold = bold;
}

void RecordingPage::text(double x, double y, const std::string& text)
{
    PageEvent e = event(PageEvent::Kind::Text);
    e.x1 = x;
    e.y1 = y;
    e.text = text;
    m_document->events.push_back(std::move(e));
    m_currentY = y + lineHeight();
}

void RecordingPage::line(double x1, double y1, double x2, double y2)
{
    PageEvent e = event(PageEvent::Kind::Line);
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    m_document->events.push_back(std::move(e));
}

void RecordingPage::newPage()
{
    m_document->events.push_back(event(PageEvent::Kind::NewPage));
    ++m_page;
    m_currentY = 0;
}

void RecordingPage::endDocument()
{
    m_document->events.push_back(event(PageEvent::Kind::EndDocument));
    m_document->ended = true;
}

}  // namespace sw::testing
