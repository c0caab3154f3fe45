#pragma once
// Print jobs drawn into one PDF file, each job starting on a new page, exactly as they would come
// out of a printer. The PDF is made in memory and replaces the file at its path only once it is
// complete: a failure leaves a former file as it was and no partial file behind.

#include <memory>
#include <string>

#include "report/page.h"

#include <QPageLayout>

class QBuffer;
class QPdfWriter;
class QPainter;

namespace sw {

// The page a PDF of the report is drawn on: letter paper, portrait, its printable area a quarter
// inch in from each edge, as on a printer.
[[nodiscard]] QPageLayout pdfPageLayout();

class PdfPages final : public PageDevice {
public:
    explicit PdfPages(std::string path);
    ~PdfPages() override;

    [[nodiscard]] std::unique_ptr<Page> startDocument(const std::string& jobName) override;

    // Completes the PDF and puts it in place of the file at the path. False, with the message
    // naming the path, when nothing was printed or the file cannot be written.
    [[nodiscard]] bool finish(std::string& failure);

    // The pages drawn so far.
    [[nodiscard]] int pageCount() const { return m_pages; }

private:
    std::string m_path;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    bool m_jobOpen = false;
};

}  // namespace sw
