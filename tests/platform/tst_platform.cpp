// The desktop layer: screen units, the window registry, back colours, fonts, the real message
// boxes, file dialog, printer page and clock, and the scripted desktop the window tests use.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include "platform/backcolour.h"
#include "platform/fonts.h"
#include "platform/printerpage.h"
#include "platform/qtdesktop.h"
#include "platform/screenunits.h"
#include "platform/windowregistry.h"
#include "tests/platform/modaldriver.h"
#include "tests/platform/scripteddesktop.h"

using namespace sw;
using sw::testing::ModalDriver;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void twipsToPixels_data();
    void twipsToPixels();
    void registryKeepsLoadOrderAndNames();
    void registrationUnregistersOnceAndOnDestruction();
    void backColoursMapOntoThePalette();
    void courierNewFallsBackToLiberationMono();
    void messageLinesSplitAtCarriageReturns();
    void okBoxShowsPlainTextWithoutIcon();
    void yesNoBoxAnswersAndIgnoresEscape();
    void okCancelBoxTakesEscapeAsCancel();
    void saveDialogOffersTheFiltersAndAddsNothing();
    void openDialogCancelGivesEmptyText();
    void printerPageWritesAPdf();
    void printersRefuseUnknownNames();
    void clockAndSystemInfo();
    void scriptedDesktopAnswersInOrder();
    void scriptedDesktopRecordsUnexpectedQuestions();
    void recordingPageFollowsCourierLines();
};

void TestPlatform::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one inch at 96") << 1440.0 << 96.0 << 96;
    QTest::newRow("650 twips at 96") << 650.0 << 96.0 << 43;   // 43.33
    QTest::newRow("250 twips at 96") << 250.0 << 96.0 << 17;   // 16.67
    QTest::newRow("250 twips at 120") << 250.0 << 120.0 << 21; // 20.83
    QTest::newRow("one twip-pixel at 96") << 15.0 << 96.0 << 1;
    QTest::newRow("negative") << -650.0 << 144.0 << -65;
    QTest::newRow("zero") << 0.0 << 96.0 << 0;
}

void TestPlatform::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(sw::twipsToPixels(twips, dpi), pixels);
    if (pixels != 0)
        QVERIFY(qAbs(pixelsToTwips(pixels, dpi) - twips) <= 1440.0 / dpi / 2);
}

void TestPlatform::registryKeepsLoadOrderAndNames()
{
    WindowRegistry registry;
    QWidget main;
    QWidget selector;
    registry.add(&main, "frmMain");
    registry.add(&selector, "frmCulvertSelector");
    registry.add(&main, "frmMain");  // loading a loaded window adds nothing
    QCOMPARE(registry.count(), 2);
    QCOMPARE(registry.nameAt(0), std::string("frmMain"));
    QCOMPARE(registry.nameAt(1), std::string("frmCulvertSelector"));
    QCOMPARE(registry.windowAt(1), &selector);
    QCOMPARE(registry.find("FRMCULVERTSELECTOR"), &selector);
    QCOMPARE(registry.find("frmAbout"), nullptr);
    QCOMPARE(registry.nameAt(2), std::string());
    QCOMPARE(registry.windowAt(-1), nullptr);

    QVERIFY(!registry.isVisibleAt(1));
    selector.show();
    QVERIFY(registry.isVisibleAt(1));
    QVERIFY(!registry.isVisibleAt(5));

    registry.remove(&main);
    QCOMPARE(registry.count(), 1);
    QCOMPARE(registry.nameAt(0), std::string("frmCulvertSelector"));
    registry.remove(&main);
    QCOMPARE(registry.count(), 1);
}

void TestPlatform::registrationUnregistersOnceAndOnDestruction()
{
    WindowRegistry registry;
    QWidget a;
    QWidget b;
    {
        WindowRegistration first(registry, &a, "frmMain");
        WindowRegistration second(registry, &b, "frmAbout");
        QCOMPARE(registry.count(), 2);
        second.unregister();
        QVERIFY(!second.registered());
        QCOMPARE(registry.count(), 1);
        second.unregister();
        QCOMPARE(registry.count(), 1);
    }
    QCOMPARE(registry.count(), 0);

    // A window that is destroyed while still registered still counts: that is a leak to see.
    auto* leaked = new QWidget;
    registry.add(leaked, "frmLeak");
    delete leaked;
    QCOMPARE(registry.count(), 1);
    QCOMPARE(registry.windowAt(0), nullptr);
    QVERIFY(registry.windows().empty());
}

void TestPlatform::backColoursMapOntoThePalette()
{
    QCOMPARE(systemBackColour(5), std::optional<BackColour>(BackColour::WindowBackground));
    QCOMPARE(systemBackColour(9), std::optional<BackColour>(BackColour::TitleBarText));
    QCOMPARE(systemBackColour(15), std::optional<BackColour>(BackColour::ButtonFace));
    QCOMPARE(systemBackColour(8), std::nullopt);

    const QPalette app = QApplication::palette();
    QLineEdit box;
    setBackColour(&box, BackColour::Entry);
    QCOMPARE(backColourOf(&box), QColor(192, 255, 255));
    QCOMPARE(box.palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 255, 255));
    QCOMPARE(box.palette().color(QPalette::Text), QColor(Qt::black));
    setBackColour(&box, BackColour::White);
    QCOMPARE(backColourOf(&box), QColor(255, 255, 255));
    setBackColour(&box, BackColour::WindowBackground);
    QCOMPARE(backColourOf(&box), app.color(QPalette::Active, QPalette::Base));
    setBackColour(&box, BackColour::TitleBarText);
    QCOMPARE(backColourOf(&box), app.color(QPalette::Active, QPalette::HighlightedText));
    setBackColour(&box, BackColour::ButtonFace);
    QCOMPARE(backColourOf(&box), app.color(QPalette::Active, QPalette::Button));

    // A label paints its own background in the colour.
    QLabel label;
    setBackColour(&label, BackColour::Entry);
    QVERIFY(label.autoFillBackground());
    QCOMPARE(backColourOf(&label), QColor(192, 255, 255));
}

void TestPlatform::courierNewFallsBackToLiberationMono()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Courier New")))
        QSKIP("Courier New is installed here: no fallback to see");
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")))
        QSKIP("Liberation Mono is not installed here");
    QCOMPARE(resolveFontFamily(QStringLiteral("COURIER NEW")), QStringLiteral("Liberation Mono"));
    QCOMPARE(resolveFontFamily(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    QCOMPARE(resolveFontFamily(QStringLiteral("liberation mono")), QStringLiteral("Liberation Mono"));

    ensureFontSubstitutions();
    QFont font(QStringLiteral("Courier New"), 10);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Mono"));
    QVERIFY(QFontInfo(font).fixedPitch());
}

void TestPlatform::messageLinesSplitAtCarriageReturns()
{
    QCOMPARE(messageDisplayText("Access Denied\rYour file\rPlease"), std::string("Access Denied\nYour file\nPlease"));
    QCOMPARE(messageDisplayText("one\r\ntwo"), std::string("one\ntwo"));
    QCOMPARE(messageDisplayText("no break"), std::string("no break"));
    QCOMPARE(messageDisplayText("ends\r"), std::string("ends\n"));
}

void TestPlatform::okBoxShowsPlainTextWithoutIcon()
{
    ModalDriver driver;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::RichText;
    QString title;
    driver.expect([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return;
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        format = box->textFormat();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBoxes boxes;
    boxes.showMessage("Please provide inputs for\"intensity info\" page\rThen save <b>the</b> file");
    QVERIFY(driver.allHandled());
    QVERIFY(driver.unexpected().empty());
    QCOMPARE(text, QStringLiteral("Please provide inputs for\"intensity info\" page\nThen save <b>the</b> file"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(title, QStringLiteral("Stormwick"));
}

void TestPlatform::yesNoBoxAnswersAndIgnoresEscape()
{
    QtMessageBoxes boxes;
    {
        ModalDriver driver;
        QMessageBox::StandardButtons buttons;
        bool stayedAfterEscape = false;
        driver.expect([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            buttons = box->standardButtons();
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            stayedAfterEscape = box->isVisible();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(boxes.askYesNo("Save current file ?"), YesNo::No);
        QVERIFY(driver.allHandled());
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(stayedAfterEscape);
    }
    {
        ModalDriver driver;
        driver.expect([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
        QCOMPARE(boxes.askYesNo("File has already existed, overwrite it?"), YesNo::Yes);
        QVERIFY(driver.allHandled());
        QVERIFY(driver.unexpected().empty());
    }
}

void TestPlatform::okCancelBoxTakesEscapeAsCancel()
{
    QtMessageBoxes boxes;
    {
        ModalDriver driver;
        driver.expect([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(boxes.askOkCancel("Report will be sent to Office"), OkCancel::Cancel);
        QVERIFY(driver.allHandled());
    }
    {
        ModalDriver driver;
        driver.expect([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); });
        QCOMPARE(boxes.askOkCancel("Report will be sent to Office"), OkCancel::Ok);
        QVERIFY(driver.allHandled());
        QVERIFY(driver.unexpected().empty());
    }
}

void TestPlatform::saveDialogOffersTheFiltersAndAddsNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("project"));
    {
        QFile f(existing);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

    QtFileDialogs dialogs;
    ModalDriver driver;
    QStringList filters;
    QString selectedFilter;
    bool saveMode = false;
    bool confirmsOverwrite = true;
    QString suffix = QStringLiteral("unset");
    driver.expect([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr)
            return;
        filters = dialog->nameFilters();
        selectedFilter = dialog->selectedNameFilter();
        saveMode = dialog->acceptMode() == QFileDialog::AcceptSave;
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        suffix = dialog->defaultSuffix();
        dialog->setDirectory(dir.path());
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->accept();
    });
    const std::string chosen = dialogs.showFileDialog(FileDialogMode::Save);
    QVERIFY(driver.allHandled());
    // An existing file is returned without a question of the dialog's own.
    QVERIFY2(driver.unexpected().empty(), "the save dialog asked something of its own");
    QCOMPARE(filters, QStringList({QStringLiteral("All Files (*.*)"), QStringLiteral("Text Files(*.txt)"),
                                   QStringLiteral("Batch Files (*.bat)")}));
    QCOMPARE(selectedFilter, QStringLiteral("Text Files(*.txt)"));
    QVERIFY(saveMode);
    QVERIFY(!confirmsOverwrite);
    QCOMPARE(suffix, QString());
    QCOMPARE(QString::fromStdString(chosen), QDir::toNativeSeparators(existing));
}

void TestPlatform::openDialogCancelGivesEmptyText()
{
    QtFileDialogs dialogs;
    ModalDriver driver;
    bool openMode = false;
    driver.expect([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr)
            return;
        openMode = dialog->acceptMode() == QFileDialog::AcceptOpen;
        dialog->reject();
    });
    QCOMPARE(dialogs.showFileDialog(FileDialogMode::Open), std::string());
    QVERIFY(driver.allHandled());
    QVERIFY(openMode);
}

void TestPlatform::printerPageWritesAPdf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QtPrinters printers;
    printers.setPdfOutput(pdf.toStdString());
    std::unique_ptr<Page> page = printers.startDocument("Culvert 1");
    QVERIFY(page != nullptr);
    auto* printerPage = dynamic_cast<PrinterPage*>(page.get());
    QVERIFY(printerPage != nullptr);

    page->setPortrait();
    page->setFontName("COURIER NEW");
    page->setFontSize(12);
    page->setBold(true);
    if (!QFontDatabase::hasFamily(QStringLiteral("Courier New")) &&
        QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")))
        QCOMPARE(printerPage->fontFamily(), QStringLiteral("Liberation Mono"));
    page->text(2, 6, "CORVENNA-STORMWICK REPORT");
    const double advance = page->currentY() - 6;
    // One line of 12-point Courier: its line height, a little more than the 12-point grid line.
    QVERIFY2(advance >= 1.0 && advance < 1.25, qPrintable(QString::number(advance)));
    QVERIFY(qAbs(advance - testing::kCourierLineHeightEm) < 0.02);
    page->line(2, 7.3, 96, 7.3);
    page->setFontSize(11);
    page->setBold(false);
    page->text(2, 8, "Project Name:");
    QVERIFY(qAbs(page->currentY() - (8 + 11 * testing::kCourierLineHeightEm / 12)) < 0.02);
    page->newPage();
    QCOMPARE(page->currentY(), 0.0);
    page->text(2, 6, "Summary");
    page->endDocument();
    page->text(2, 7, "after the end: ignored");
    page.reset();

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 500);
    QVERIFY(bytes.startsWith("%PDF"));
    const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(bytes).count(pageObject), 2);
}

void TestPlatform::printersRefuseUnknownNames()
{
    QtPrinters printers;
    const std::string before = printers.printerInUse();
    QVERIFY(!printers.usePrinter("no printer has this name \x01"));
    QCOMPARE(printers.printerInUse(), before);
    if (printers.installedPrinters().empty() && before.empty())
        QCOMPARE(printers.startDocument("nothing to print on"), nullptr);
}

void TestPlatform::clockAndSystemInfo()
{
    QtClock clock;
    const QDate before = QDate::currentDate();
    const QTime timeBefore = QTime::currentTime();
    const CalendarDate today = clock.today();
    const std::string time = clock.timeOfDay();
    const QDate after = QDate::currentDate();
    const QTime timeAfter = QTime::currentTime();
    QVERIFY(today == (CalendarDate{before.year(), before.month(), before.day()}) ||
            today == (CalendarDate{after.year(), after.month(), after.day()}));
    const QString text = QString::fromStdString(time);
    QVERIFY(!text.isEmpty());
    QVERIFY(text.contains(timeBefore.toString(QStringLiteral("mm"))) ||
            text.contains(timeAfter.toString(QStringLiteral("mm"))));
    const QString zone = QDateTime::currentDateTime().timeZoneAbbreviation();
    if (zone.size() >= 3 && zone.at(0).isLetter())
        QVERIFY2(!text.contains(zone), qPrintable(text));

    QtSystemInfo system;
    QCOMPARE(QString::fromStdString(system.applicationFolder()),
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    const ScreenArea screen = system.screen();
    QVERIFY(screen.width > 0 && screen.height > 0);
    QVERIFY(screen.logicalDpi > 0);
}

void TestPlatform::scriptedDesktopAnswersInOrder()
{
    testing::ScriptedDesktop desktop;
    desktop.messages().queueYesNo(YesNo::Yes);
    desktop.messages().queueYesNo(YesNo::No);
    desktop.messages().queueOkCancel(OkCancel::Ok);
    desktop.fileDialogs().queuePath("/tmp/a.txt");
    desktop.fileDialogs().queuePath("");

    desktop.messages().showMessage("first");
    QCOMPARE(desktop.messages().askYesNo("q1"), YesNo::Yes);
    QCOMPARE(desktop.messages().askYesNo("q2"), YesNo::No);
    QCOMPARE(desktop.messages().askOkCancel("q3"), OkCancel::Ok);
    QCOMPARE(desktop.fileDialogs().showFileDialog(FileDialogMode::Save), std::string("/tmp/a.txt"));
    QCOMPARE(desktop.fileDialogs().showFileDialog(FileDialogMode::Open), std::string());

    using Kind = testing::AskedMessage::Kind;
    const std::vector<testing::AskedMessage> expected = {
        {Kind::Ok, "first"}, {Kind::YesNo, "q1"}, {Kind::YesNo, "q2"}, {Kind::OkCancel, "q3"}};
    QVERIFY(desktop.messages().asked() == expected);
    QVERIFY(desktop.fileDialogs().asked() == (std::vector<FileDialogMode>{FileDialogMode::Save, FileDialogMode::Open}));
    QVERIFY(desktop.unexpected().empty());

    desktop.printers().setInstalled({"Office", "Plotter"});
    QCOMPARE(desktop.printers().printerInUse(), std::string("Office"));
    QVERIFY(!desktop.printers().usePrinter("office"));
    QVERIFY(desktop.printers().usePrinter("Plotter"));
    std::unique_ptr<Page> page = desktop.printers().startDocument("job");
    QVERIFY(page != nullptr);
    QCOMPARE(desktop.printers().documents().size(), std::size_t(1));
    QCOMPARE(desktop.printers().documents().front()->printer, std::string("Plotter"));
    desktop.printers().setRefuseDocuments(true);
    QCOMPARE(desktop.printers().startDocument("refused"), nullptr);

    desktop.endApplication();
    QCOMPARE(desktop.endRequests(), 1);
}

void TestPlatform::scriptedDesktopRecordsUnexpectedQuestions()
{
    testing::ScriptedDesktop desktop;
    desktop.setFailOnUnexpected(false);
    QCOMPARE(desktop.messages().askYesNo("Save current file ?"), YesNo::No);
    QCOMPARE(desktop.messages().askOkCancel("Report will be sent to X"), OkCancel::Cancel);
    QCOMPARE(desktop.fileDialogs().showFileDialog(FileDialogMode::Save), std::string());
    QCOMPARE(desktop.unexpected().size(), std::size_t(3));
    QVERIFY(QString::fromStdString(desktop.unexpected().front()).contains(QStringLiteral("Save current file ?")));

    // What happens while a box is open is run inside it, once per box.
    int seen = 0;
    desktop.messages().setWhileOpen([&seen](const testing::AskedMessage& m) { seen += m.text == "limit" ? 1 : 0; });
    desktop.messages().showMessage("limit");
    QCOMPARE(seen, 1);
    QCOMPARE(desktop.messages().count("limit"), 1);
}

void TestPlatform::recordingPageFollowsCourierLines()
{
    auto document = std::make_shared<testing::RecordedDocument>();
    testing::RecordingPage page(document);
    page.setPortrait();
    page.setFontName("COURIER NEW");
    page.setFontSize(12);
    page.setBold(true);
    page.text(2, 6, "CORVENNA-STORMWICK REPORT");
    QCOMPARE(page.currentY(), 6 + testing::kCourierLineHeightEm);
    page.line(2, 7.3, 96, 7.3);
    page.setFontSize(11);
    page.setBold(false);
    page.text(2, 8, "Project Name:");
    page.newPage();
    page.text(2, 6, "Summary");
    page.endDocument();

    QVERIFY(document->ended);
    QCOMPARE(document->pageCount(), 2);
    const std::vector<testing::PageEvent> texts = document->texts();
    QCOMPARE(texts.size(), std::size_t(3));
    QCOMPARE(texts[0].fontName, std::string("COURIER NEW"));
    QVERIFY(texts[0].bold);
    QCOMPARE(texts[1].fontSize, 11.0);
    QVERIFY(!texts[1].bold);
    QCOMPARE(texts[2].page, 2);
    const testing::PageEvent* summary = document->findText("Summary");
    QVERIFY(summary != nullptr);
    QCOMPARE(summary->y1, 6.0);
    QCOMPARE(document->lines().size(), std::size_t(1));
    QCOMPARE(document->lines().front().x2, 96.0);
    QCOMPARE(document->events.front().kind, testing::PageEvent::Kind::Portrait);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
