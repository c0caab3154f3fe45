#pragma once
// The desktop for tests of the windows: records every message, question, dialog, print job and
// progress step, answers questions and dialogs from queues, presses Cancel in a progress where
// told, and has a fixed clock, folder and screen. A question
// or dialog with no scripted answer is recorded, answered the cautious way (No, Cancel, no file)
// and fails the running test at once, so that a test never waits on a box nobody will close.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/windowregistry.h"
#include "report/recordingpage.h"

namespace sw::testing {

struct AskedMessage {
    enum class Kind { Ok, YesNo, OkCancel, Text };
    Kind kind = Kind::Ok;
    std::string text;

    bool operator==(const AskedMessage&) const = default;
};

class ScriptedDesktop;

// A step of long work as the progress dialog would show it.
struct ProgressStep {
    std::string title;
    std::size_t done = 0;
    std::size_t total = 0;
    std::string culvertId;

    bool operator==(const ProgressStep&) const = default;
};

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    explicit ScriptedMessageBoxes(ScriptedDesktop& owner) : m_owner(owner) {}

    void showMessage(const std::string& text) override;
    [[nodiscard]] YesNo askYesNo(const std::string& text) override;
    [[nodiscard]] OkCancel askOkCancel(const std::string& text) override;
    [[nodiscard]] std::optional<std::string> askText(const std::string& text, const std::string& initial) override;

    void queueYesNo(YesNo answer) { m_yesNo.push_back(answer); }
    void queueOkCancel(OkCancel answer) { m_okCancel.push_back(answer); }
    // The next text typed and confirmed; nothing stands for Cancel.
    void queueText(std::optional<std::string> answer) { m_texts.push_back(std::move(answer)); }

    // Every box shown, in order.
    [[nodiscard]] const std::vector<AskedMessage>& asked() const { return m_asked; }
    [[nodiscard]] std::vector<std::string> texts() const;
    [[nodiscard]] int count(const std::string& text) const;
    void clearRecord() { m_asked.clear(); }

    // Runs while a box is open, standing for events that reach the windows during a modal box.
    void setWhileOpen(std::function<void(const AskedMessage&)> hook) { m_whileOpen = std::move(hook); }

private:
    void record(AskedMessage message);

    ScriptedDesktop& m_owner;
    std::deque<YesNo> m_yesNo;
    std::deque<OkCancel> m_okCancel;
    std::deque<std::optional<std::string>> m_texts;
    std::vector<AskedMessage> m_asked;
    std::function<void(const AskedMessage&)> m_whileOpen;
};

class ScriptedFileDialogs final : public FileDialogs {
public:
    explicit ScriptedFileDialogs(ScriptedDesktop& owner) : m_owner(owner) {}

    [[nodiscard]] std::string showFileDialog(FileDialogMode mode) override;

    // The next answer; an empty path stands for Cancel.
    void queuePath(std::string path) { m_paths.push_back(std::move(path)); }
    [[nodiscard]] const std::vector<FileDialogMode>& asked() const { return m_asked; }

private:
    ScriptedDesktop& m_owner;
    std::deque<std::string> m_paths;
    std::vector<FileDialogMode> m_asked;
};

class ScriptedPrinters final : public Printers {
public:
    [[nodiscard]] std::vector<std::string> installedPrinters() const override { return m_installed; }
    [[nodiscard]] std::string printerInUse() const override { return m_inUse; }
    [[nodiscard]] bool usePrinter(const std::string& name) override;
    [[nodiscard]] std::unique_ptr<Page> startDocument(const std::string& jobName) override;

    // The installed printers; the first is the system's default and the printer in use.
    void setInstalled(std::vector<std::string> names);
    // While set, startDocument refuses (a printer that does not answer).
    void setRefuseDocuments(bool refuse) { m_refuse = refuse; }
    [[nodiscard]] const std::vector<std::shared_ptr<RecordedDocument>>& documents() const { return m_documents; }

private:
    std::vector<std::string> m_installed;
    std::string m_inUse;
    bool m_refuse = false;
    std::vector<std::shared_ptr<RecordedDocument>> m_documents;
};

class FixedClock final : public Clock {
public:
    [[nodiscard]] CalendarDate today() const override { return m_today; }
    [[nodiscard]] std::string timeOfDay() const override { return m_time; }

    void setToday(CalendarDate date) { m_today = date; }
    void setTimeOfDay(std::string time) { m_time = std::move(time); }

private:
    CalendarDate m_today{2024, 3, 9};
    std::string m_time = "10:15:30 AM";
};

class FixedSystem final : public SystemInfo {
public:
    [[nodiscard]] std::string applicationFolder() const override { return m_folder; }
    [[nodiscard]] ScreenArea screen() const override { return m_screen; }

    void setApplicationFolder(std::string folder) { m_folder = std::move(folder); }
    void setScreen(ScreenArea screen) { m_screen = screen; }

private:
    std::string m_folder = "/opt/stormwick/bin";
    ScreenArea m_screen{0, 0, 1600, 900, 96.0};
};

class ScriptedDesktop final : public Desktop {
public:
    ScriptedDesktop();

    [[nodiscard]] ScriptedMessageBoxes& messages() override { return m_messages; }
    [[nodiscard]] ScriptedFileDialogs& fileDialogs() override { return m_fileDialogs; }
    [[nodiscard]] ScriptedPrinters& printers() override { return m_printers; }
    [[nodiscard]] FixedClock& clock() override { return m_clock; }
    [[nodiscard]] FixedSystem& system() override { return m_system; }
    [[nodiscard]] WindowRegistry& windows() override { return m_windows; }
    [[nodiscard]] std::unique_ptr<Progress> progress(const std::string& title) override;
    void endApplication() override { ++m_endRequests; }

    // Every step reported, in order, whatever the job.
    [[nodiscard]] const std::vector<ProgressStep>& progressSteps() const { return m_steps; }
    void clearProgressSteps() { m_steps.clear(); }
    // The n-th step reported from now on (0: the next) is answered as after Cancel, and so is
    // every later step of its job.
    void cancelAtStep(std::size_t n) { m_cancelIn = n; }
    // The progress dialogs up now. A message shown while one is up fails the test: the work must
    // drop its dialog before it tells how it ended.
    [[nodiscard]] int progressOpen() const { return m_progressOpen; }

    [[nodiscard]] int endRequests() const { return m_endRequests; }

    // Questions and dialogs that had no scripted answer.
    [[nodiscard]] const std::vector<std::string>& unexpected() const { return m_unexpected; }
    // Whether such a question fails the running Qt test at once (on by default). Off only for
    // tests of this class itself and for programs that run without a test.
    void setFailOnUnexpected(bool fail) { m_failOnUnexpected = fail; }
    void reportUnexpected(const std::string& what);

private:
    ScriptedMessageBoxes m_messages;
    ScriptedFileDialogs m_fileDialogs;
    ScriptedPrinters m_printers;
    FixedClock m_clock;
    FixedSystem m_system;
    WindowRegistry m_windows;
    int m_endRequests = 0;
    std::vector<ProgressStep> m_steps;
    std::optional<std::size_t> m_cancelIn;
    int m_progressOpen = 0;
    std::vector<std::string> m_unexpected;
    bool m_failOnUnexpected = true;
};

}  // namespace sw::testing
