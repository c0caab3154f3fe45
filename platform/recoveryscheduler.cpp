#include "platform/recoveryscheduler.h"

#include <QDateTime>
#include <algorithm>

#include "project/projectwriter.h"

namespace sw {

RecoveryScheduler::RecoveryScheduler(std::unique_ptr<RecoveryStore> store, Source source, Intervals intervals,
                                     QObject* parent)
    : QObject(parent), m_source(std::move(source)), m_intervals(intervals), m_store(std::move(store))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryScheduler::writeDue);
    m_writer = new QObject;
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("recovery copies"));
    m_thread.start(QThread::LowPriority);
}

RecoveryScheduler::~RecoveryScheduler()
{
    m_timer.stop();
    // The queued writes and removals run before the thread ends: events before the quit.
    QMetaObject::invokeMethod(m_writer, [thread = &m_thread] { thread->quit(); }, Qt::QueuedConnection);
    m_thread.wait();
}

std::chrono::milliseconds RecoveryScheduler::nextDelay() const
{
    if (!m_sinceWrite.isValid())
        return m_intervals.first;
    const std::chrono::milliseconds sinceWrite{m_sinceWrite.elapsed()};
    return std::max(m_intervals.first, m_intervals.repeat - sinceWrite);
}

void RecoveryScheduler::documentChanged()
{
    if (!m_timer.isActive())
        m_timer.start(nextDelay());
}

void RecoveryScheduler::writeDue()
{
    // A disk so slow that the last copy is still being written: try again later rather than
    // queue copies behind it.
    if (m_writing.load()) {
        m_timer.start(m_intervals.first);
        return;
    }
    std::string bytes;
    try {
        bytes = buildRecoveryCopy(m_source.document());
    } catch (const std::exception&) {
        m_sinceWrite.start();  // out of memory: not again before the next period
        emit copyWritten(false);
        return;
    }
    m_sinceWrite.start();
    m_writing.store(true);
    // The writing thread ends before this object does (see the destructor), so `this` outlives
    // the task; the report back is dropped if this object is gone by the time it arrives.
    QMetaObject::invokeMethod(
        m_writer,
        [this, bytes = std::move(bytes), path = m_source.filePath(), time = QDateTime::currentDateTimeUtc()] {
            const bool written = m_store->writeCopyBytes(bytes, path, time);
            m_writing.store(false);
            QMetaObject::invokeMethod(this, [this, written] { emit copyWritten(written); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void RecoveryScheduler::documentSettled()
{
    m_timer.stop();
    m_sinceWrite.invalidate();
    QMetaObject::invokeMethod(
        m_writer,
        [this] {
            m_store->removeCopy();
            QMetaObject::invokeMethod(this, [this] { emit copyRemoved(); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

}  // namespace sw
