#include "ui/main/frmrptable.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

#include "core/messages.h"
#include "platform/backcolour.h"
#include "platform/screenunits.h"
#include "ui_frmrptable.h"

namespace sw {
namespace {

// The window stands right of and above the centre of the screen, clear of the return period box.
constexpr double kRightOfCentreTwips = 2500;
constexpr double kAboveCentreTwips = 1500;

struct ValueCell {
    const char* name;
    const char* caption;
    int shape;  // -1: nothing to pick
};

// By road (rows: Interstate to temporary facilities) and structure (columns: culverts to median
// pipe), as the design manual prints it.
constexpr ValueCell kValues[5][5] = {
    {{"Label12", "50", 0}, {"Label13", "50", 1}, {"Label14", "50", 2}, {"Label15", "50", 3}, {"Label16", "50", 4}},
    {{"Label17", "50", 5}, {"Label18", "10", 6}, {"Label19", "50", 7}, {"Label20", "10", 8}, {"Label21", "50", 9}},
    {{"Label22", "50", 10}, {"Label23", "10", 11}, {"Label24", "50", 12}, {"Label25", "10", 13}, {"Label26", "10", 14}},
    {{"Label27", "25", 15}, {"Label28", "10", 16}, {"Label29", "25", 17}, {"Label30", "10", 18}, {"Label31", "10", 19}},
    {{"Label32", "2", 20}, {"Label33", "2", 21}, {"Label34", "N.A.", -1}, {"Label35", "2", 22}, {"Label36", "2", 23}},
};

// The grid holds the cells on odd rows and columns and the ruling on the even ones.
constexpr int kGridLines = 13;
constexpr int cellIndex(int position) { return 2 * position + 1; }

constexpr int kValueWidth = 92;
constexpr int kRowHeadingWidth = 210;
constexpr int kCellHeight = 30;

}  // namespace

FrmRPTable::FrmRPTable(Desktop& desktop, Take take, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_ui(std::make_unique<Ui::FrmRPTable>()),
      m_take(std::move(take)),
      m_registration(desktop.windows(), this, "frmRPTable")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    buildTable();
    for (QLabel* label : findChildren<QLabel*>())
        if (label != m_ui->lblTableNote)
            setBackColour(label, BackColour::Entry);
    m_ui->lblTableNote->setMinimumHeight(2 * m_ui->lblTableNote->fontMetrics().lineSpacing());
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(sizeHint());
    centreOnScreen(*this, desktop.system().screen(), kRightOfCentreTwips, -kAboveCentreTwips);
    MarkFrequency(-1);
}

FrmRPTable::~FrmRPTable() = default;

void FrmRPTable::buildTable()
{
    QGridLayout* grid = m_ui->gridTable;
    QWidget* frame = m_ui->Frame1;
    // Line1 to Line7 run across above, between and below the rows; Line8 to Line14 down the
    // columns.
    for (int k = 0; k < 14; ++k) {
        auto* line = new QFrame(frame);
        line->setObjectName(QStringLiteral("Line%1").arg(k + 1));
        const bool across = k < 7;
        line->setFrameShape(across ? QFrame::HLine : QFrame::VLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        if (across) {
            line->setFixedHeight(1);
            grid->addWidget(line, 2 * k, 0, 1, kGridLines);
        } else {
            line->setFixedWidth(1);
            grid->addWidget(line, 0, 2 * (k - 7), kGridLines, 1);
        }
    }
    for (QLabel* heading : {m_ui->Label1, m_ui->Label2, m_ui->Label3, m_ui->Label4, m_ui->Label5, m_ui->Label6})
        heading->setMinimumWidth(kRowHeadingWidth);
    for (QLabel* heading : {m_ui->Label7, m_ui->Label8, m_ui->Label9, m_ui->Label10, m_ui->Label11})
        heading->setFixedWidth(kValueWidth);

    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const ValueCell& cell = kValues[row][column];
            auto* value = new QLabel(QString::fromLatin1(cell.caption), frame);
            value->setObjectName(QString::fromLatin1(cell.name));
            value->setAlignment(Qt::AlignCenter);
            value->setMinimumHeight(kCellHeight);
            grid->addWidget(value, cellIndex(row + 1), cellIndex(column + 1));
            if (cell.shape < 0)
                continue;
            value->setCursor(Qt::PointingHandCursor);
            value->installEventFilter(this);
            m_shapeOfValue[value] = cell.shape;
        }
    }
    // The shapes last, so that they lie over their cells; a click goes through them to the value.
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const int shape = kValues[row][column].shape;
            if (shape < 0)
                continue;
            auto* shp = new QFrame(frame);
            shp->setObjectName(QStringLiteral("shp%1").arg(shape));
            shp->setFrameShape(QFrame::Box);
            shp->setFrameShadow(QFrame::Plain);
            shp->setLineWidth(2);
            QPalette red = shp->palette();
            red.setColor(QPalette::WindowText, QColor(200, 0, 0));
            shp->setPalette(red);
            shp->setAttribute(Qt::WA_TransparentForMouseEvents);
            grid->addWidget(shp, cellIndex(row + 1), cellIndex(column + 1));
            m_shp[static_cast<std::size_t>(shape)] = shp;
        }
    }
}

void FrmRPTable::MarkFrequency(int k)
{
    for (int i = 0; i < kShapeCount; ++i)
        m_shp[static_cast<std::size_t>(i)]->setVisible(i == k);
}

bool FrmRPTable::eventFilter(QObject* watched, QEvent* event)
{
    const auto value = m_shapeOfValue.find(watched);
    if (value != m_shapeOfValue.end() && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<const QLabel*>(watched);
        // A click: the left button let go over the value it went down on.
        if (release->button() == Qt::LeftButton && label->rect().contains(release->position().toPoint())) {
            valueClicked(label, value->second);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmRPTable::valueClicked(const QLabel* value, int shape)
{
    if (!m_take(value->text())) {
        m_ui->lblTableNote->setText(QString::fromUtf8(msg::kTableNoCulvert.data(), qsizetype(msg::kTableNoCulvert.size())));
        return;
    }
    m_ui->lblTableNote->clear();
    MarkFrequency(shape);
}

void FrmRPTable::closeEvent(QCloseEvent* event)
{
    m_registration.unregister();
    QWidget::closeEvent(event);
}

}  // namespace sw
