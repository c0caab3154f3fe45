#include "platform/scripteddesktop.h"

#include <algorithm>
#include <ranges>

#include <QtTest/QTest>

namespace sw::testing {

void ScriptedMessageBoxes::record(AskedMessage message)
{
    if (m_owner.progressOpen() > 0)
        m_owner.reportUnexpected("message shown over a progress dialog: " + message.text);
    m_asked.push_back(message);
    if (m_whileOpen)
        m_whileOpen(message);
}

void ScriptedMessageBoxes::showMessage(const std::string& text)
{
    record({AskedMessage::Kind::Ok, text});
}

namespace {

// The next scripted answer; with none left, the cautious one, and the running test fails.
template <typename Answer>
Answer next(std::deque<Answer>& queue, Answer cautious, ScriptedDesktop& owner, const std::string& what)
{
    if (queue.empty()) {
        owner.reportUnexpected(what);
        return cautious;
    }
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

YesNo ScriptedMessageBoxes::askYesNo(const std::string& text)
{
    record({AskedMessage::Kind::YesNo, text});
    return next(m_yesNo, YesNo::No, m_owner, "Yes/No question without a scripted answer: " + text);
}

OkCancel ScriptedMessageBoxes::askOkCancel(const std::string& text)
{
    record({AskedMessage::Kind::OkCancel, text});
    return next(m_okCancel, OkCancel::Cancel, m_owner, "OK/Cancel question without a scripted answer: " + text);
}

std::optional<std::string> ScriptedMessageBoxes::askText(const std::string& text, const std::string& /*initial*/)
{
    record({AskedMessage::Kind::Text, text});
    return next(m_texts, std::optional<std::string>(), m_owner, "text asked for without a scripted answer: " + text);
}

std::vector<std::string> ScriptedMessageBoxes::texts() const
{
    const auto texts = m_asked | std::views::transform(&AskedMessage::text);
    return {texts.begin(), texts.end()};
}

int ScriptedMessageBoxes::count(const std::string& text) const
{
    return static_cast<int>(std::ranges::count(m_asked, text, &AskedMessage::text));
}

std::string ScriptedFileDialogs::showFileDialog(FileDialogMode mode)
{
    m_asked.push_back(mode);
    const char* name = mode == FileDialogMode::Open      ? "open"
                       : mode == FileDialogMode::SavePdf ? "save PDF"
                       : mode == FileDialogMode::SaveCsv ? "save CSV"
                                                         : "save";
    return next(m_paths, std::string(), m_owner, std::string("file dialog without a scripted answer, mode ") + name);
}

bool ScriptedPrinters::usePrinter(const std::string& name)
{
    if (std::ranges::find(m_installed, name) == m_installed.end())
        return false;
    m_inUse = name;
    return true;
}

std::unique_ptr<Page> ScriptedPrinters::startDocument(const std::string& jobName)
{
    if (m_refuse)
        return nullptr;
    auto document = std::make_shared<RecordedDocument>();
    document->jobName = jobName;
    document->printer = m_inUse;
    m_documents.push_back(document);
    return std::make_unique<RecordingPage>(document);
}

void ScriptedPrinters::setInstalled(std::vector<std::string> names)
{
    m_installed = std::move(names);
    m_inUse = m_installed.empty() ? std::string() : m_installed.front();
}

ScriptedDesktop::ScriptedDesktop() : m_messages(*this), m_fileDialogs(*this) {}

std::unique_ptr<Progress> ScriptedDesktop::progress(const std::string& title)
{
    class Scripted final : public Progress {
    public:
        Scripted(ScriptedDesktop& owner, std::string title) : m_owner(owner), m_title(std::move(title))
        {
            ++m_owner.m_progressOpen;
        }
        ~Scripted() override { --m_owner.m_progressOpen; }
        bool step(std::size_t done, std::size_t total, std::string_view culvertId) override
        {
            m_owner.m_steps.push_back({m_title, done, total, std::string(culvertId)});
            if (m_owner.m_cancelIn && (*m_owner.m_cancelIn)-- == 0) {
                m_owner.m_cancelIn.reset();
                m_cancelled = true;
            }
            return !m_cancelled;
        }

    private:
        ScriptedDesktop& m_owner;
        std::string m_title;
        bool m_cancelled = false;
    };
    return std::make_unique<Scripted>(*this, title);
}

void ScriptedDesktop::reportUnexpected(const std::string& what)
{
    m_unexpected.push_back(what);
    if (m_failOnUnexpected)
        QTest::qFail(what.c_str(), __FILE__, __LINE__);
}

}  // namespace sw::testing
