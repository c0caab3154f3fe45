#include "app/pdfreport.h"

#include <QGuiApplication>

#include "core/messages.h"
#include "core/text.h"
#include "platform/fonts.h"
#include "platform/pdfpages.h"
#include "report/printreport.h"

namespace sw {

bool writePdfReport(const Document& document, const std::vector<int>& culverts, const std::string& path,
                    std::string& failure, Progress* progress)
{
    // Fonts and PDF pages want a GUI application, though nothing is shown: the offscreen one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "stormwick-report";
    int argc = 1;
    char* argv[] = {name, nullptr};
    // Qt's own notes (about the runtime folder, say) are not for the user of a batch command.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            qFatal("%s", qPrintable(text));
    });
    QGuiApplication application(argc, argv);
    ensureFontSubstitutions();

    PdfPages pages(path);
    const PrintOutcome drawn = printCulverts(pages, document, culverts, progress);
    if (drawn.status == PrintOutcome::Status::Refused) {
        failure = fillMessage(msg::kPdfNotDrawn,
                              {messageValue(document.CulvertList[static_cast<std::size_t>(drawn.RefusedCulvert)].CulvertNo),
                               path});
        return false;
    }
    return pages.finish(failure);
}

}  // namespace sw
