#pragma once
// The real progress of long work: a QProgressDialog, application-modal so that nothing else can be
// started or closed under the work, shown once Qt estimates the work to last longer than half a
// second. Until it shows no event is handled (the work is short, or about to show it); once shown,
// each update lets the windows repaint and the dialog take a Cancel.

#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "report/progress.h"

namespace sw {

class ProgressDialog final : public Progress {
public:
    explicit ProgressDialog(std::string title);
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    [[nodiscard]] bool step(std::size_t done, std::size_t total, std::string_view culvertId) override;

    // The dialog, for tests: shown or not.
    [[nodiscard]] QProgressDialog* dialog() const { return m_dialog.data(); }

private:
    std::string m_title;
    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
};

}  // namespace sw
