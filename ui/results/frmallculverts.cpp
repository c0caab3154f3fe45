#include "ui/results/frmallculverts.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include "platform/screenunits.h"
#include "ui/results/allculvertsmodel.h"
#include "ui/results/windowhabits.h"
#include "ui_frmallculverts.h"

namespace sw {
namespace {

// A cell as one field of a tab-separated line.
QString field(QString text)
{
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')})
        text.replace(c, QLatin1Char(' '));
    return text;
}

}  // namespace

FrmAllCulverts::FrmAllCulverts(Desktop& desktop, std::vector<AllCulvertsRow> rows)
    : QWidget(nullptr, Qt::Window),
      m_ui(std::make_unique<Ui::FrmAllCulverts>()),
      m_registration(desktop.windows(), this, "frmAllCulverts")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    // Created after the view, so that they outlive it when the window goes.
    m_model = new AllCulvertsModel(this);
    m_filter = new AllCulvertsFilter(this);
    m_filter->setSourceModel(m_model);
    m_model->setRows(std::move(rows));

    QTableView* view = m_ui->tblCulverts;
    view->setModel(m_filter);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    // In the run's order until a column is clicked.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->installEventFilter(this);

    connect(m_ui->txtFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setContains(text);
        showStatus();
    });
    connect(m_ui->chkNotComputed, &QCheckBox::toggled, this, [this](bool only) {
        m_filter->setOnlyNotComputed(only);
        showStatus();
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) { chooseRow(index.row()); });
    connect(m_ui->cmdExportCsv, &QPushButton::clicked, this, &FrmAllCulverts::exportCsvRequested);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(*this);
    showStatus();

    const ScreenArea screen = desktop.system().screen();
    fitToColumns(screen);
    centreOnScreen(*this, screen);
}

FrmAllCulverts::~FrmAllCulverts() = default;

void FrmAllCulverts::setRows(std::vector<AllCulvertsRow> rows)
{
    m_model->setRows(std::move(rows));
    showStatus();
}

void FrmAllCulverts::showStatus()
{
    m_ui->lblStatus->setText(m_model->statusText(m_filter->rowCount()));
}

// As wide as the columns' texts and as high as a good number of rows, within the screen.
void FrmAllCulverts::fitToColumns(const ScreenArea& screen)
{
    QTableView* view = m_ui->tblCulverts;
    view->resizeColumnsToContents();
    for (int column = 0; column < m_model->columnCount(); ++column)
        view->setColumnWidth(column, std::min(view->columnWidth(column), screen.width / 3));
    const int width = view->horizontalHeader()->length() + 2 * view->frameWidth() +
                      view->verticalScrollBar()->sizeHint().width();
    const int rows = std::clamp(m_filter->rowCount(), 5, 25);
    const int height = view->horizontalHeader()->sizeHint().height() + rows * view->verticalHeader()->defaultSectionSize() +
                       2 * view->frameWidth() + view->horizontalScrollBar()->sizeHint().height();
    adjustSize();
    // Never smaller than the layout needs, never (by these numbers) larger than most of the screen.
    resize(std::max(std::min(width + 2 * layout()->contentsMargins().left(), screen.width * 9 / 10), this->width()),
           std::max(std::min(height + this->height() - view->height(), screen.height * 7 / 10), this->height()));
}

void FrmAllCulverts::chooseRow(int row)
{
    if (row < 0 || row >= m_filter->rowCount())
        return;
    emit culvertChosen(m_filter->index(row, 0).data(AllCulvertsModel::CulvertRole).toInt());
}

QString FrmAllCulverts::selectedRowsText() const
{
    QModelIndexList rows = m_ui->tblCulverts->selectionModel()->selectedRows();
    std::ranges::sort(rows, {}, &QModelIndex::row);
    QStringList cells;
    for (int column = 0; column < m_filter->columnCount(); ++column)
        cells << field(m_filter->headerData(column, Qt::Horizontal).toString());
    QString text = cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QModelIndex& row : rows) {
        cells.clear();
        for (int column = 0; column < m_filter->columnCount(); ++column)
            cells << field(m_filter->index(row.row(), column).data().toString());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

// Enter takes the current row to the board; Ctrl+C copies whole rows, not the one cell the view
// would copy.
bool FrmAllCulverts::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->tblCulverts && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            if (m_ui->tblCulverts->selectionModel()->hasSelection())
                QGuiApplication::clipboard()->setText(selectedRowsText());
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            chooseRow(m_ui->tblCulverts->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace sw
