#include "platform/qtdesktop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QTime>

#include "platform/pdfpages.h"
#include "platform/printerpage.h"
#include "platform/progressdialog.h"

namespace sw {
namespace {

// A question with Yes and No has no way out but its two buttons: Escape or the close box must not
// count as No, which for "save the file?" would throw the work away.
class QuestionBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

void prepare(QMessageBox& box, const std::string& text, QMessageBox::StandardButtons buttons)
{
    box.setWindowTitle(QString::fromLatin1(kApplicationName));
    box.setIcon(QMessageBox::NoIcon);
    // Messages can carry names the user typed: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(messageDisplayText(text)));
    box.setStandardButtons(buttons);
}

}  // namespace

std::string messageDisplayText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string systemTimeText()
{
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    // The long format of some systems ends with the time zone ("t"); the time of day is enough.
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return locale.toString(QTime::currentTime(), format.trimmed()).toStdString();
}

void QtMessageBoxes::showMessage(const std::string& text)
{
    QMessageBox box(QApplication::activeWindow());
    prepare(box, text, QMessageBox::Ok);
    box.exec();
}

YesNo QtMessageBoxes::askYesNo(const std::string& text)
{
    QuestionBox box(QApplication::activeWindow());
    prepare(box, text, QMessageBox::Yes | QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? YesNo::Yes : YesNo::No;
}

OkCancel QtMessageBoxes::askOkCancel(const std::string& text)
{
    QMessageBox box(QApplication::activeWindow());
    prepare(box, text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? OkCancel::Ok : OkCancel::Cancel;
}

std::optional<std::string> QtMessageBoxes::askText(const std::string& text, const std::string& initial)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromLatin1(kApplicationName));
    dialog.setLabelText(QString::fromStdString(messageDisplayText(text)));
    dialog.setTextValue(QString::fromStdString(initial));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

std::string QtFileDialogs::showFileDialog(FileDialogMode mode)
{
    const bool pdf = mode == FileDialogMode::SavePdf;
    const bool csv = mode == FileDialogMode::SaveCsv;
    const bool save = mode == FileDialogMode::Save || pdf || csv;
    QFileDialog dialog(QApplication::activeWindow(), save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    if (pdf || csv) {
        dialog.setNameFilters({pdf ? QStringLiteral("PDF Files (*.pdf)") : QStringLiteral("CSV Files (*.csv)")});
        dialog.setDefaultSuffix(pdf ? QStringLiteral("pdf") : QStringLiteral("csv"));
    } else {
        dialog.setNameFilters({QStringLiteral("All Files (*.*)"), QStringLiteral("Text Files(*.txt)"),
                               QStringLiteral("Batch Files (*.bat)")});
        dialog.selectNameFilter(QStringLiteral("Text Files(*.txt)"));
    }
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!m_lastFolder.empty())
        dialog.setDirectory(QString::fromStdString(m_lastFolder));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return {};
    m_lastFolder = QFileInfo(chosen.first()).absolutePath().toStdString();
    return QDir::toNativeSeparators(chosen.first()).toStdString();
}

std::vector<std::string> QtPrinters::installedPrinters() const
{
    std::vector<std::string> out;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        out.push_back(name.toStdString());
    return out;
}

std::string QtPrinters::printerInUse() const
{
    if (!m_chosen.empty())
        return m_chosen;
    return QPrinterInfo::defaultPrinterName().toStdString();
}

bool QtPrinters::usePrinter(const std::string& name)
{
    for (const std::string& installed : installedPrinters()) {
        if (installed == name) {
            m_chosen = name;
            return true;
        }
    }
    return false;
}

std::unique_ptr<Page> QtPrinters::startDocument(const std::string& jobName)
{
    std::unique_ptr<QPrinter> printer;
    if (!m_pdfOutput.empty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(m_pdfOutput));
        printer->setPageLayout(pdfPageLayout());
    } else {
        const std::string name = printerInUse();
        if (name.empty())
            return nullptr;
        const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
        if (info.isNull())
            return nullptr;
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    printer->setDocName(QString::fromStdString(jobName));
    return PrinterPage::begin(std::move(printer));
}

CalendarDate QtClock::today() const
{
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

std::string QtClock::timeOfDay() const
{
    return systemTimeText();
}

std::string QtSystemInfo::applicationFolder() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

ScreenArea QtSystemInfo::screen() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {0, 0, 800, 600, 96.0};
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.width(), area.height(), screen->logicalDotsPerInch()};
}

std::unique_ptr<Progress> QtDesktop::progress(const std::string& title)
{
    return std::make_unique<ProgressDialog>(title);
}

void QtDesktop::endApplication()
{
    QCoreApplication::quit();
}

}  // namespace sw
