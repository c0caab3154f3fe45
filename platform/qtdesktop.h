#pragma once
// The real desktop: Qt message boxes, file dialog, printers, clock, screen and progress dialog.

#include <memory>
#include <string>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace sw {

// The application's name in the title of message boxes.
inline constexpr const char* kApplicationName = "Stormwick";

// A message text as the box shows it: every carriage return (alone or before a line feed)
// starts a new line.
[[nodiscard]] std::string messageDisplayText(const std::string& text);

// The time of day in the system's long time format, without a time zone.
[[nodiscard]] std::string systemTimeText();

class QtMessageBoxes final : public MessageBoxes {
public:
    void showMessage(const std::string& text) override;
    [[nodiscard]] YesNo askYesNo(const std::string& text) override;
    [[nodiscard]] OkCancel askOkCancel(const std::string& text) override;
    [[nodiscard]] std::optional<std::string> askText(const std::string& text, const std::string& initial) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    [[nodiscard]] std::string showFileDialog(FileDialogMode mode) override;

private:
    std::string m_lastFolder;  // the dialog opens where the user last was
};

class QtPrinters final : public Printers {
public:
    [[nodiscard]] std::vector<std::string> installedPrinters() const override;
    [[nodiscard]] std::string printerInUse() const override;
    [[nodiscard]] bool usePrinter(const std::string& name) override;
    [[nodiscard]] std::unique_ptr<Page> startDocument(const std::string& jobName) override;

    // For tests: every document is written to this PDF file instead of a printer (the last job
    // wins). An empty path prints again.
    void setPdfOutput(std::string path) { m_pdfOutput = std::move(path); }

private:
    std::string m_chosen;  // empty: the system's default printer
    std::string m_pdfOutput;
};

class QtClock final : public Clock {
public:
    [[nodiscard]] CalendarDate today() const override;
    [[nodiscard]] std::string timeOfDay() const override;
};

class QtSystemInfo final : public SystemInfo {
public:
    [[nodiscard]] std::string applicationFolder() const override;
    [[nodiscard]] ScreenArea screen() const override;
};

class QtDesktop final : public Desktop {
public:
    [[nodiscard]] MessageBoxes& messages() override { return m_messages; }
    [[nodiscard]] FileDialogs& fileDialogs() override { return m_fileDialogs; }
    [[nodiscard]] QtPrinters& printers() override { return m_printers; }
    [[nodiscard]] Clock& clock() override { return m_clock; }
    [[nodiscard]] SystemInfo& system() override { return m_system; }
    [[nodiscard]] WindowRegistry& windows() override { return m_windows; }
    [[nodiscard]] std::unique_ptr<Progress> progress(const std::string& title) override;
    void endApplication() override;

private:
    QtMessageBoxes m_messages;
    QtFileDialogs m_fileDialogs;
    QtPrinters m_printers;
    QtClock m_clock;
    QtSystemInfo m_system;
    WindowRegistry m_windows;
};

}  // namespace sw
