#include "platform/pdfpages.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/messages.h"
#include "core/text.h"
#include "platform/printerpage.h"
#include "report/textfile.h"

namespace sw {
namespace {

constexpr double kMarginInches = 0.25;
constexpr int kResolution = 600;

}  // namespace

QPageLayout pdfPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
}

PdfPages::PdfPages(std::string path) : m_path(std::move(path)) {}

PdfPages::~PdfPages()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

std::unique_ptr<Page> PdfPages::startDocument(const std::string& jobName)
{
    if (m_jobOpen)
        return nullptr;  // one job at a time, as on a printer
    if (!m_writer) {
        m_buffer = std::make_unique<QBuffer>();
        m_buffer->open(QIODevice::WriteOnly);
        m_writer = std::make_unique<QPdfWriter>(m_buffer.get());
        m_writer->setResolution(kResolution);
        m_writer->setCreator(QStringLiteral("Stormwick"));
        m_writer->setTitle(QString::fromStdString(jobName));
        m_writer->setPageLayout(pdfPageLayout());
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_writer.get()))
            return nullptr;
    } else {
        // Every job starts on a sheet of its own.
        m_writer->newPage();
    }
    ++m_pages;
    m_jobOpen = true;
    return PrinterPage::onDevice(*m_writer, *m_painter, [this] { ++m_pages; }, [this] { m_jobOpen = false; });
}

bool PdfPages::finish(std::string& failure)
{
    if (!m_painter || m_pages == 0) {
        failure = fillMessage(msg::kPdfNothingPrinted, {m_path});
        return false;
    }
    m_painter->end();
    const QByteArray& bytes = m_buffer->data();
    const FileWriteResult written = writeFileBytes(m_path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!written.written())
        failure = written.Message;
    return written.written();
}

}  // namespace sw
