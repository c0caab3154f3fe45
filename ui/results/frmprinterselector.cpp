#include "ui/results/frmprinterselector.h"

#include <QFileInfo>

#include "core/messages.h"
#include "core/samefile.h"
#include "core/text.h"
#include "engine/discharge.h"
#include "platform/pdfpages.h"
#include "platform/screenunits.h"
#include "report/printerlist.h"
#include "report/printreport.h"
#include "report/reportfile.h"
#include "ui/results/resultshost.h"
#include "ui_frmprinterselector.h"

namespace sw {
namespace {

constexpr double kClientWidthTwips = 4300;

// What a Cancel of the printer route left: the culverts before it were printed and cannot be taken
// back.
std::string printCancelled(const std::vector<std::string>& printed, std::size_t total, const std::string& printer)
{
    const std::string all = std::to_string(total);
    if (printed.empty())
        return fillMessage(msg::kPrintCancelledNothing, {printer});
    if (printed.size() == 1)
        return fillMessage(msg::kPrintCancelledOne, {all, messageValue(printed.front()), printer});
    return fillMessage(msg::kPrintCancelled, {std::to_string(printed.size()), all, messageValue(printed.front()),
                                              messageValue(printed.back()), printer});
}

}  // namespace

FrmPrinterSelector::FrmPrinterSelector(ProjectSession& session, WindowState& windowState, Desktop& desktop)
    : QWidget(nullptr, Qt::Window),
      m_session(session),
      m_windowState(windowState),
      m_desktop(desktop),
      m_ui(std::make_unique<Ui::FrmPrinterSelector>()),
      m_registration(desktop.windows(), this, "frmPrinterSelector")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    connect(m_ui->grpRoute, &QButtonGroup::buttonToggled, this, &FrmPrinterSelector::routeChosen);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this,
            [this] { browse(*m_ui->txtFileLocation, FileDialogMode::Save); });
    connect(m_ui->cmdBrowsePdf, &QPushButton::clicked, this,
            [this] { browse(*m_ui->txtPdfLocation, FileDialogMode::SavePdf); });
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmPrinterSelector::sendReport);
    connect(m_ui->cmdCnacel, &QPushButton::clicked, this, &QWidget::close);
    load();
}

FrmPrinterSelector::~FrmPrinterSelector() = default;

void FrmPrinterSelector::load()
{
    const ScreenArea screen = m_desktop.system().screen();
    setMinimumWidth(twipsToPixels(kClientWidthTwips, screen.logicalDpi));
    adjustSize();
    centreOnScreen(*this, screen);
    routeChosen();
    const std::vector<std::string> printers =
        printerList(readPrinterSettings(m_windowState.PrinterIniPath), m_desktop.printers().installedPrinters());
    for (const std::string& name : printers)
        m_ui->cboPrinterList->addItem(QString::fromStdString(name));
    if (printers.empty()) {
        m_desktop.messages().showMessage(std::string(msg::kNoPrinterFound));
        return;
    }
    m_ui->cboPrinterList->setCurrentIndex(0);
    setWindowTitle(QString::fromStdString(printers.front()));
}

void FrmPrinterSelector::routeChosen()
{
    const bool printer = m_ui->opt2Printer->isChecked();
    const bool file = m_ui->opt2File->isChecked();
    const bool pdf = m_ui->opt2Pdf->isChecked();
    m_ui->cboPrinterList->setEnabled(printer);
    m_ui->txtFileLocation->setEnabled(file);
    m_ui->cmdBrowse->setEnabled(file);
    m_ui->txtPdfLocation->setEnabled(pdf);
    m_ui->cmdBrowsePdf->setEnabled(pdf);
}

// The project's own file is refused before the overwrite question, which would mean nothing for it.
void FrmPrinterSelector::browse(QLineEdit& location, FileDialogMode mode)
{
    const std::string path = m_desktop.fileDialogs().showFileDialog(mode);
    if (path.empty() || !notTheProject(path) || !replaceAgreed(location, path))
        return;
    location.setText(QString::fromStdString(path));
}

bool FrmPrinterSelector::sendReport()
{
    const std::optional<std::vector<int>> culverts = chosenCulverts();
    if (!culverts)
        return false;
    const bool sent = m_ui->opt2File->isChecked()  ? toFile(*culverts)
                      : m_ui->opt2Pdf->isChecked() ? toPdf(*culverts)
                                                   : toPrinter(*culverts);
    if (sent)
        close();
    return sent;
}

// The current culvert is the one the board shows; a range without a culvert in it would print
// nothing and still look done.
std::optional<std::vector<int>> FrmPrinterSelector::chosenCulverts()
{
    const int used = static_cast<int>(usedCulvertCount(m_session.document().CulvertList));
    if (m_ui->optPrintCulvert->isChecked()) {
        if (m_session.CurCulvert() >= 0 && m_session.CurCulvert() < used)
            return std::vector<int>{m_session.CurCulvert()};
        m_desktop.messages().showMessage(std::string(msg::kPrintNoCulvert));
        return std::nullopt;
    }
    if (used == 0) {
        m_desktop.messages().showMessage(std::string(msg::kRunNoCulvert));
        return std::nullopt;
    }
    std::vector<int> all(static_cast<std::size_t>(used));
    for (int i = 0; i < used; ++i)
        all[static_cast<std::size_t>(i)] = i;
    return all;
}

// The location without its blanks; nothing, with its message, when it is empty or the project's own
// file.
std::optional<std::string> FrmPrinterSelector::location(const QLineEdit& box)
{
    const std::string path(trimSpaces(box.text().toStdString()));
    if (path.empty()) {
        m_desktop.messages().showMessage(std::string(msg::kFileNoLocation));
        return std::nullopt;
    }
    if (!notTheProject(path))
        return std::nullopt;
    return path;
}

bool FrmPrinterSelector::notTheProject(const std::string& path)
{
    const std::string refusal = outputOverProject(path, m_session.filePath());
    if (refusal.empty())
        return true;
    m_desktop.messages().showMessage(refusal);
    return false;
}

// Browse's question, asked of a typed path as well; a path the user agreed to (in Browse or an
// earlier OK) is not asked about again.
bool FrmPrinterSelector::replaceAgreed(const QLineEdit& box, const std::string& path)
{
    if (m_agreed[&box] == path || !QFileInfo::exists(QString::fromStdString(path)))
        return true;
    if (m_desktop.messages().askYesNo(std::string(msg::kOverwriteOnSave)) != YesNo::Yes)
        return false;
    m_agreed[&box] = path;
    return true;
}

std::string FrmPrinterSelector::culvertId(int culvert) const
{
    const CulvertRecord* record = m_session.culvert(culvert);
    return record != nullptr ? record->CulvertNo : std::string();
}

// A message once the progress dialog is gone, so that it is not shown over the dialog.
void FrmPrinterSelector::say(std::unique_ptr<Progress>& progress, const std::string& text)
{
    progress.reset();
    m_desktop.messages().showMessage(text);
}

// Recomputes the culvert from its inputs, so that nothing goes out on numbers of earlier inputs.
bool FrmPrinterSelector::sufficient(int culvert, std::unique_ptr<Progress>& progress)
{
    if (m_session.compute([culvert](Document& d) { return CalCulvert(d, culvert); }).computed())
        return true;
    say(progress, fillMessage(msg::kInsufficientInfo, {messageValue(culvertId(culvert))}));
    return false;
}

// Every culvert recomputed before anything is written to `path`, the progress shown; false, with
// its message, at the first that cannot be computed or at Cancel.
bool FrmPrinterSelector::computeAll(const std::vector<int>& culverts, const std::string& path)
{
    std::unique_ptr<Progress> progress = m_desktop.progress(std::string(msg::kProgressComputing));
    const std::size_t total = culverts.size();
    for (std::size_t k = 0; k <= total; ++k) {
        if (!progress->step(k, total, k < total ? culvertId(culverts[k]) : std::string())) {
            say(progress, fillMessage(msg::kCancelledNothingWritten, {path}));
            return false;
        }
        if (k < total && !sufficient(culverts[k], progress))
            return false;
    }
    return true;
}

bool FrmPrinterSelector::toPrinter(const std::vector<int>& culverts)
{
    Printers& printers = m_desktop.printers();
    if (printers.installedPrinters().empty() && printers.printerInUse().empty()) {
        m_desktop.messages().showMessage(std::string(msg::kNoPrinterAtAll));
        return false;
    }
    // Only an installed printer of exactly that name is taken; any other text keeps the printer in
    // use, which the question names.
    static_cast<void>(printers.usePrinter(m_ui->cboPrinterList->currentText().toStdString()));
    const std::string printer = printers.printerInUse();
    if (m_desktop.messages().askOkCancel(fillMessage(msg::kReportSentTo, {printer})) == OkCancel::Cancel)
        return false;
    // Each culvert is a print job of its own: Cancel stops before the next one.
    std::unique_ptr<Progress> progress = m_desktop.progress(fillMessage(msg::kProgressPrinting, {printer}));
    std::vector<std::string> printed;
    const std::size_t total = culverts.size();
    for (const int culvert : culverts) {
        const std::string id = culvertId(culvert);
        if (!progress->step(printed.size(), total, id)) {
            say(progress, printCancelled(printed, total, printer));
            return false;
        }
        if (!sufficient(culvert, progress))
            return false;
        if (!printCulvert(printers, m_session.document(), culvert)) {
            say(progress, fillMessage(msg::kPrintRefused, {printer, messageValue(id)}));
            return false;
        }
        printed.push_back(id);
    }
    // Everything has gone to the printer: a Cancel now would take nothing back.
    static_cast<void>(progress->step(total, total, {}));
    return true;
}

// The current culvert's file shows the results as stored; all culverts are computed first, and one
// that cannot be stops the file before it is written.
bool FrmPrinterSelector::toFile(const std::vector<int>& culverts)
{
    const std::optional<std::string> path = location(*m_ui->txtFileLocation);
    if (!path)
        return false;
    const bool current = m_ui->optPrintCulvert->isChecked();
    if (!current && !computeAll(culverts, *path))
        return false;
    if (!replaceAgreed(*m_ui->txtFileLocation, *path))
        return false;
    FileWriteResult written;
    if (current) {
        written = Report2File(m_session.document(), *path, culverts.front());
    } else {
        std::unique_ptr<Progress> progress = m_desktop.progress(fillMessage(msg::kProgressReportFile, {*path}));
        written = ReportAll2File(m_session.document(), *path, progress.get());
    }
    if (written.cancelled())
        m_desktop.messages().showMessage(fillMessage(msg::kCancelledNothingWritten, {*path}));
    else if (!written.written())
        m_desktop.messages().showMessage(written.Message);
    return written.written();
}

// The pages the printer would print, into one PDF that replaces the file only once it is whole.
// Every culvert is computed before the question, which is not asked for a PDF that cannot be made.
bool FrmPrinterSelector::toPdf(const std::vector<int>& culverts)
{
    const std::optional<std::string> path = location(*m_ui->txtPdfLocation);
    if (!path)
        return false;
    if (!computeAll(culverts, *path))
        return false;
    if (!replaceAgreed(*m_ui->txtPdfLocation, *path))
        return false;
    PdfPages pdf(*path);
    std::unique_ptr<Progress> progress = m_desktop.progress(fillMessage(msg::kProgressPdf, {*path}));
    const PrintOutcome drawn = printCulverts(pdf, m_session.document(), culverts, progress.get());
    switch (drawn.status) {
    case PrintOutcome::Status::Cancelled:
        say(progress, fillMessage(msg::kCancelledNothingWritten, {*path}));
        return false;
    case PrintOutcome::Status::Refused:
        say(progress, fillMessage(msg::kPdfNotDrawn, {messageValue(culvertId(drawn.RefusedCulvert)), *path}));
        return false;
    case PrintOutcome::Status::Printed:
        break;
    }
    progress.reset();
    std::string failure;
    if (!pdf.finish(failure)) {
        m_desktop.messages().showMessage(failure);
        return false;
    }
    return true;
}

}  // namespace sw
