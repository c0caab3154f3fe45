#include "platform/progressdialog.h"

#include <algorithm>
#include <climits>

#include <QApplication>

#include "core/messages.h"
#include "core/text.h"
#include "platform/qtdesktop.h"

namespace sw {
namespace {

// Qt shows the dialog once the work looks like lasting longer than this.
constexpr int kShowAfterMs = 500;
// Between updates of the dialog (and the events handled with them): often enough for the windows
// and Cancel, seldom enough to cost the work nothing worth measuring.
constexpr qint64 kUpdateEveryMs = 30;

int clampedInt(std::size_t n)
{
    return static_cast<int>(std::min<std::size_t>(n, INT_MAX));
}

}  // namespace

ProgressDialog::ProgressDialog(std::string title)
    : m_title(std::move(title)), m_dialog(new QProgressDialog(QApplication::activeWindow()))
{
    m_dialog->setWindowTitle(QString::fromLatin1(kApplicationName));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(kShowAfterMs);
    // The dialog stays until the work drops it: the last step must not hide it half-way.
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setLabelText(QString::fromStdString(messageDisplayText(m_title)));
}

ProgressDialog::~ProgressDialog()
{
    delete m_dialog.data();
}

bool ProgressDialog::step(std::size_t done, std::size_t total, std::string_view culvertId)
{
    if (m_dialog.isNull())
        return true;  // its window went with its parent; the work goes on as it would without one
    const bool first = !m_sinceUpdate.isValid();
    // The last step of work that never showed the dialog does not show it for the moment left.
    const bool last = done >= total;
    if (last && !first && !m_dialog->isVisible())
        return !m_dialog->wasCanceled();
    if (first || last || m_sinceUpdate.elapsed() >= kUpdateEveryMs) {
        m_sinceUpdate.start();
        if (first)
            m_dialog->setRange(0, std::max(clampedInt(total), 1));
        if (done < total)
            m_dialog->setLabelText(QString::fromStdString(messageDisplayText(
                m_title + "\r" +
                fillMessage(msg::kProgressCulverts,
                            {std::to_string(done), std::to_string(total), std::string(culvertId)}))));
        // Shows the dialog when due; once it is shown, handles the events waiting.
        m_dialog->setValue(clampedInt(done));
    }
    return !m_dialog->wasCanceled();
}

}  // namespace sw
