#pragma once
// What the windows need of the desktop: message boxes, the file dialog, printers, the clock, the
// application's folder and the screen, the progress of long work, the registry of loaded windows
// and the end of the application. Windows receive one Desktop by reference; the real one talks to
// Qt, the tests' one records every call and answers from a script. Texts are UTF-8.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/page.h"
#include "report/progress.h"

namespace sw {

class WindowRegistry;

enum class YesNo { Yes, No };
enum class OkCancel { Ok, Cancel };

// Message boxes without an icon. Lines of a text are joined by a carriage return ("\r") and shown
// as separate lines.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // OK button.
    virtual void showMessage(const std::string& text) = 0;
    [[nodiscard]] virtual YesNo askYesNo(const std::string& text) = 0;
    [[nodiscard]] virtual OkCancel askOkCancel(const std::string& text) = 0;
    // A line of text asked for, `initial` offered; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<std::string> askText(const std::string& text, const std::string& initial) = 0;
};

// The numbers are the modes the file commands have always used; SavePdf and SaveCsv are the save
// dialog for a PDF file of the report and for a CSV file of the results.
enum class FileDialogMode { Save = 1, Open = 2, SavePdf = 3, SaveCsv = 4 };

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen full path, or an empty text when the user cancels. The filter list is
    // "All Files (*.*)", "Text Files(*.txt)", "Batch Files (*.bat)" with the second chosen at
    // first; no extension is added; the save dialog never asks about overwriting (the commands
    // ask their own question). SavePdf and SaveCsv: the save dialog with the one filter
    // "PDF Files (*.pdf)" or "CSV Files (*.csv)", adding the extension to a name typed without one;
    // they ask nothing about overwriting either.
    [[nodiscard]] virtual std::string showFileDialog(FileDialogMode mode) = 0;
};

class Printers : public PageDevice {
public:
    // The names of the installed printers, in the system's order.
    [[nodiscard]] virtual std::vector<std::string> installedPrinters() const = 0;
    // The printer in use: the system's default printer until usePrinter chooses another; empty
    // when there is none.
    [[nodiscard]] virtual std::string printerInUse() const = 0;
    // Makes the installed printer of exactly that name the printer in use. False, with the
    // printer in use unchanged, when no installed printer has that name.
    [[nodiscard]] virtual bool usePrinter(const std::string& name) = 0;
    // startDocument (PageDevice) starts a job on the printer in use.
};

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const CalendarDate&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;

    [[nodiscard]] virtual CalendarDate today() const = 0;
    // The time of day in the system's time format.
    [[nodiscard]] virtual std::string timeOfDay() const = 0;
};

// The part of the screen windows may use, in pixels, and its logical resolution.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double logicalDpi = 96.0;

    bool operator==(const ScreenArea&) const = default;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // The folder of the application's program file.
    [[nodiscard]] virtual std::string applicationFolder() const = 0;
    [[nodiscard]] virtual ScreenArea screen() const = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    [[nodiscard]] virtual MessageBoxes& messages() = 0;
    [[nodiscard]] virtual FileDialogs& fileDialogs() = 0;
    [[nodiscard]] virtual Printers& printers() = 0;
    [[nodiscard]] virtual Clock& clock() = 0;
    [[nodiscard]] virtual SystemInfo& system() = 0;
    // The windows that are loaded now.
    [[nodiscard]] virtual WindowRegistry& windows() = 0;
    // The progress of long work culvert by culvert, `title` saying what it does: once the work
    // looks like lasting longer than half a second, a modal dialog shows the culverts done of all
    // and the culvert at hand, with Cancel as its only action; the windows stay drawn while it is
    // up, and take no other input. A step after Cancel returns false. The dialog goes with the
    // object: drop it before telling the user how the work ended.
    [[nodiscard]] virtual std::unique_ptr<Progress> progress(const std::string& title) = 0;

    // Ends the application at once, whatever windows are open.
    virtual void endApplication() = 0;
};

}  // namespace sw
