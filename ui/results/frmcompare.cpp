#include "ui/results/frmcompare.h"

#include <QHeaderView>

#include "core/messages.h"
#include "engine/compare.h"
#include "project/projectreader.h"
#include "report/comparefile.h"
#include "platform/screenunits.h"
#include "ui/results/comparetablemodel.h"
#include "ui_frmcompare.h"

namespace sw {

FrmCompare::FrmCompare(Desktop& desktop, const Document& oldProject, const std::string& oldName,
                       const Document& newProject, const std::string& newName)
    : QWidget(nullptr, Qt::Window),
      m_ui(std::make_unique<Ui::FrmCompare>()),
      m_registration(desktop.windows(), this, "frmCompare")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    m_ui->lblOldProject->setText(QString::fromStdString(oldName));
    m_ui->lblNewProject->setText(QString::fromStdString(newName));
    m_model = new CompareTableModel(compareProjects(oldProject, newProject), this);
    m_ui->tblCompare->setModel(m_model);
    // The list starts in the old project's order, not sorted by any column.
    m_ui->tblCompare->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_ui->tblCompare->setSortingEnabled(true);
    // What changed and why a culvert has no difference come right after the difference, before
    // the fourteen columns of the return periods; the model keeps the CSV file's order.
    QHeaderView* columns = m_ui->tblCompare->horizontalHeader();
    columns->moveSection(static_cast<int>(comparisonChangesColumn()), static_cast<int>(kComparisonFirstPeriodColumn));
    columns->moveSection(static_cast<int>(comparisonNoteColumn()), static_cast<int>(kComparisonFirstPeriodColumn) + 1);
    m_ui->tblCompare->resizeColumnsToContents();
    // Long changes and notes are wrapped at a readable width, each row as high as they need.
    const int widest = fontMetrics().averageCharWidth() * 60;
    for (const std::size_t c : {comparisonChangesColumn(), comparisonNoteColumn()})
        columns->resizeSection(static_cast<int>(c), std::min(columns->sectionSize(static_cast<int>(c)), widest));
    m_ui->tblCompare->resizeRowsToContents();
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);

    // As wide as the table within the screen; as high as a good part of it.
    const ScreenArea screen = desktop.system().screen();
    const int wanted = columns->length() + m_ui->tblCompare->verticalHeader()->width() + 40;
    resize(std::min(wanted, screen.width * 9 / 10), screen.height * 6 / 10);
    centreOnScreen(*this, screen);
}

FrmCompare::~FrmCompare() = default;

FrmCompare* compareWithFile(Desktop& desktop, const Document& openProject, const std::string& openName,
                            const std::string& path)
{
    MessageBoxes& messages = desktop.messages();
    const FormatCheck format = CheckFileFormat(path);
    if (!format.accepted()) {
        messages.showMessage(format.Message.empty() ? std::string(msg::kFormatInvalid) : format.Message);
        return nullptr;
    }
    Document chosen;
    const LoadOutcome load = readProjectFile(chosen, path);
    if (load.status == LoadOutcome::Status::Refused) {
        messages.showMessage(load.Message);
        return nullptr;
    }
    // Half a project would show the culverts it lost as removed.
    if (load.status == LoadOutcome::Status::Partial) {
        messages.showMessage(load.Message + "\r" + std::string(msg::kComparePartialLoad));
        return nullptr;
    }
    if (!load.Notice.empty())
        messages.showMessage(load.Notice);
    auto* window = new FrmCompare(desktop, chosen, path, openProject, openName);
    window->show();
    return window;
}

FrmCompare* compareWith(Desktop& desktop, const Document& openProject, const std::string& openName)
{
    const std::string path = desktop.fileDialogs().showFileDialog(FileDialogMode::Open);
    return path.empty() ? nullptr : compareWithFile(desktop, openProject, openName, path);
}

}  // namespace sw
