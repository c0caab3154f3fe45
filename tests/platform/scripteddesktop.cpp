#include "tests/platform/scripteddesktop.h"

#include <algorithm>

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

YesNo ScriptedMessageBoxes::askYesNo(const std::string& text)
{
    record({AskedMessage::Kind::YesNo, text});
    if (m_yesNo.empty()) {
        m_owner.reportUnexpected("Yes/No question without a scripted answer: " + text);
        return YesNo::No;
    }
    const YesNo answer = m_yesNo.front();
    m_yesNo.pop_front();
    return answer;
}

OkCancel ScriptedMessageBoxes::askOkCancel(const std::string& text)
{
    record({AskedMessage::Kind::OkCancel, text});
    if (m_okCancel.empty()) {
        m_owner.reportUnexpected("OK/Cancel question without a scripted answer: " + text);
        return OkCancel::Cancel;
    }
    const OkCancel answer = m_okCancel.front();
    m_okCancel.pop_front();
    return answer;
}

std::optional<std::string> ScriptedMessageBoxes::askText(const std::string& text, const std::string& /*initial*/)
{
    record({AskedMessage::Kind::Text, text});
    if (m_texts.empty()) {
        m_owner.reportUnexpected("text asked for without a scripted answer: " + text);
        return std::nullopt;
    }
    std::optional<std::string> answer = m_texts.front();
    m_texts.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessageBoxes::texts() const
{
    std::vector<std::string> out;
    for (const AskedMessage& m : m_asked)
        out.push_back(m.text);
    return out;
}

int ScriptedMessageBoxes::count(const std::string& text) const
{
    return static_cast<int>(
        std::count_if(m_asked.begin(), m_asked.end(), [&text](const AskedMessage& m) { return m.text == text; }));
}

std::string ScriptedFileDialogs::showFileDialog(FileDialogMode mode)
{
    m_asked.push_back(mode);
    if (m_paths.empty()) {
        m_owner.reportUnexpected(std::string("file dialog without a scripted answer, mode ") +
                                 (mode == FileDialogMode::Open      ? "open"
                                  : mode == FileDialogMode::SavePdf ? "save PDF"
                                  : mode == FileDialogMode::SaveCsv ? "save CSV"
                                                                    : "save"));
        return {};
    }
    std::string path = m_paths.front();
    m_paths.pop_front();
    return path;
}

bool ScriptedPrinters::usePrinter(const std::string& name)
{
    if (std::find(m_installed.begin(), m_installed.end(), name) == m_installed.end())
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
