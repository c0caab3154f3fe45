#pragma once
// When the recovery copy is written: at most `first` (15 s) after the first change not yet in the
// copy, and then, while changes go on, once every `repeat` (60 s). A change only arms the timer, so
// typing never writes a copy per keystroke. The document is turned into the copy's bytes on the
// scheduler's thread, between two events; the disk is written on a thread of its own, so a slow
// disk never holds up typing. When the document is saved, replaced by New or Open, or closed, the
// copy goes.

#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

#include "model/document.h"
#include "platform/recoverystore.h"

namespace sw {

class RecoveryScheduler : public QObject {
    Q_OBJECT

public:
    struct Intervals {
        std::chrono::milliseconds first{15'000};
        std::chrono::milliseconds repeat{60'000};
    };
    // What a copy is taken of: the current document, and the path of its file (empty when
    // untitled). Called on the scheduler's thread when a copy is due.
    struct Source {
        std::function<const Document&()> document;
        std::function<QString()> filePath;
    };

    // Takes the store over: from now on it is used on the scheduler's writing thread alone.
    RecoveryScheduler(std::unique_ptr<RecoveryStore> store, Source source, Intervals intervals, QObject* parent = nullptr);
    RecoveryScheduler(std::unique_ptr<RecoveryStore> store, Source source, QObject* parent = nullptr)
        : RecoveryScheduler(std::move(store), std::move(source), Intervals{}, parent)
    {
    }
    // Finishes the writing already asked for. The copy stays unless documentSettled came last.
    ~RecoveryScheduler() override;

public slots:
    // The document has a change not in its file.
    void documentChanged();
    // The document is in its file (saved), or gone (replaced by New or Open, or closed): no copy
    // is due any more, and this program's copy is removed.
    void documentSettled();

signals:
    // After each write and each removal, on the scheduler's thread; for whoever wants to know.
    void copyWritten(bool written);
    void copyRemoved();

private:
    void writeDue();
    [[nodiscard]] std::chrono::milliseconds nextDelay() const;

    Source m_source;
    Intervals m_intervals;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite;  // invalid until a copy is written after the document settled
    QThread m_thread;
    QObject* m_writer = nullptr;  // lives on m_thread; what the writing is queued to
    std::unique_ptr<RecoveryStore> m_store;
    std::atomic<bool> m_writing{false};
};

}  // namespace sw
