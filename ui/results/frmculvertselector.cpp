#include "ui/results/frmculvertselector.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "core/messages.h"
#include "core/text.h"
#include "engine/discharge.h"
#include "ui/results/resultshost.h"
#include "platform/screenunits.h"
#include "ui_frmculvertselector.h"

namespace sw {

std::string notComputedMessage(const CulvertRecord& culvert, const CulvertRun& run)
{
    std::string message = fillMessage(msg::kRunIncomplete, {messageValue(culvert.CulvertNo)});
    if (!run.Reason.empty())
        message += "\r" + run.Reason;
    return message;
}

FrmCulvertSelector::FrmCulvertSelector(ProjectSession& session, WindowState& windowState, Desktop& desktop,
                                       ResultsHost& host, ShowResults showResults)
    : QWidget(nullptr, Qt::Window),
      m_session(session),
      m_windowState(windowState),
      m_desktop(desktop),
      m_host(host),
      m_showResults(std::move(showResults)),
      m_ui(std::make_unique<Ui::FrmCulvertSelector>()),
      m_registration(desktop.windows(), this, "frmCulvertSelector")
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    connect(m_ui->cboCulvertNo3, &QComboBox::currentIndexChanged, this, &FrmCulvertSelector::culvertChosen);
    connect(m_ui->Option1, &QRadioButton::clicked, m_ui->cboCulvertNo3, [this] { m_ui->cboCulvertNo3->setEnabled(true); });
    connect(m_ui->Option2, &QRadioButton::clicked, m_ui->cboCulvertNo3, [this] { m_ui->cboCulvertNo3->setEnabled(false); });
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmCulvertSelector::runChosen);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, [this] {
        m_ui->cboCulvertNo3->clear();
        close();
    });
    load();
}

FrmCulvertSelector::~FrmCulvertSelector() = default;

void FrmCulvertSelector::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button != nullptr && button->isEnabled())
            button->click();
        else
            m_ui->cmdOK->click();
        return;
    case Qt::Key_Escape:
        m_ui->cmdCancel->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FrmCulvertSelector::load()
{
    adjustSize();
    const ScreenArea screen = m_desktop.system().screen();
    centreOnScreen(*this, screen);
    {
        // Filling the list chooses nothing: only its text, set next, does.
        const QSignalBlocker quiet(m_ui->cboCulvertNo3);
        m_ui->cboCulvertNo3->clear();
        m_ui->cboCulvertNo3->addItems(m_host.culvertIds());
        m_ui->cboCulvertNo3->setCurrentIndex(-1);
    }
    setCulvertText(m_host.culvertText());
    if (m_ui->cboCulvertNo3->count() == 1)
        m_ui->Option2->setEnabled(false);
}

void FrmCulvertSelector::setCulvertText(const QString& text)
{
    // A list without typing shows only its entries: a text that is none of them chooses nothing.
    m_ui->cboCulvertNo3->setCurrentIndex(m_ui->cboCulvertNo3->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void FrmCulvertSelector::culvertChosen(int entry)
{
    if (entry < 0)
        return;
    m_session.setCurCulvert(entry);
    m_host.showCulvert(entry);
}

bool FrmCulvertSelector::runChosen()
{
    const bool ran = m_ui->Option1->isChecked() ? runOne() : runAll();
    if (ran)
        hide();
    return ran;
}

// A culvert that cannot be computed stops the run with the message naming it, and the reason the
// engine knows in a line of its own: a board must never open on numbers of earlier inputs. Nothing
// when it is computed; the message is left to the caller, which drops its progress first.
std::optional<std::string> FrmCulvertSelector::notComputed(int culvert)
{
    const CulvertRun run = m_session.compute([culvert](Document& d) { return CalCulvert(d, culvert); });
    if (run.computed())
        return std::nullopt;
    return notComputedMessage(*m_session.culvert(culvert), run);
}

bool FrmCulvertSelector::runOne()
{
    // The list may show a culvert that is not chosen (none yet): there is nothing to run then.
    const int culvert = m_session.CurCulvert();
    if (m_session.culvert(culvert) == nullptr || m_ui->cboCulvertNo3->currentIndex() < 0) {
        m_desktop.messages().showMessage(std::string(msg::kRunNoCulvertChosen));
        return false;
    }
    if (const std::optional<std::string> why = notComputed(culvert)) {
        m_desktop.messages().showMessage(*why);
        return false;
    }
    m_host.refreshCulvertDisplays(culvert);
    m_showResults(culvert, true);
    return true;
}

// A project may hold thousands of culverts: the run shows its progress, and Cancel stops it before
// the next culvert without a board.
bool FrmCulvertSelector::runAll()
{
    const std::size_t count = usedCulvertCount(m_session.document().CulvertList);
    if (count == 0) {
        m_desktop.messages().showMessage(std::string(msg::kRunNoCulvert));
        return false;
    }
    m_windowState.BoardCulvert = 0;
    m_session.setCurCulvert(0);
    m_host.showCulvert(0);
    std::unique_ptr<Progress> progress = m_desktop.progress(std::string(msg::kProgressComputing));
    for (std::size_t i = 0; i <= count; ++i) {
        const CulvertRecord* record = i < count ? m_session.culvert(static_cast<int>(i)) : nullptr;
        if (!progress->step(i, count, record != nullptr ? std::string_view(record->CulvertNo) : std::string_view())) {
            progress.reset();
            m_desktop.messages().showMessage(
                fillMessage(msg::kRunCancelled, {std::to_string(i), std::to_string(count)}));
            return false;
        }
        if (i == count)
            break;
        if (const std::optional<std::string> why = notComputed(static_cast<int>(i))) {
            progress.reset();
            m_desktop.messages().showMessage(*why);
            return false;
        }
    }
    progress.reset();
    m_showResults(0, false);
    return true;
}

}  // namespace sw
