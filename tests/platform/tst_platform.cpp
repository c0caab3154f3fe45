// The desktop layer: screen units, the window registry, back colours, fonts, the real message
// boxes, file dialog, printer page and clock, and the scripted desktop the window tests use.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDatabase>
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
#include "platform/scripteddesktop.h"

using namespace sw;
using sw::testing::ModalDriver;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void twipsToPixels();
    void registryKeepsLoadOrderAndNames();
    void backColoursMapOntoThePalette();
    void courierNewFallsBackToLiberationMono();
    void boxesShowPlainTextAndYesNoIgnoresEscape();
    void fileDialogsCancelOpenAndSaveAddingNothing();
    void printerPageWritesAPdf();
};

void TestPlatform::twipsToPixels()
{
    // One inch at 96 dpi; 43.33 pixels; 20.83 pixels; negative.
    for (const auto& [twips, dpi, pixels] : {std::tuple(1440.0, 96.0, 96), std::tuple(650.0, 96.0, 43),
                                             std::tuple(250.0, 120.0, 21), std::tuple(-650.0, 144.0, -65)}) {
        QCOMPARE(sw::twipsToPixels(twips, dpi), pixels);
        QVERIFY(qAbs(pixelsToTwips(pixels, dpi) - twips) <= 1440.0 / dpi / 2);
    }
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

void TestPlatform::backColoursMapOntoThePalette()
{
    QCOMPARE(systemBackColour(5), std::optional<BackColour>(BackColour::WindowBackground));
    QCOMPARE(systemBackColour(9), std::optional<BackColour>(BackColour::TitleBarText));
    QCOMPARE(systemBackColour(15), std::optional<BackColour>(BackColour::ButtonFace));
    QCOMPARE(systemBackColour(8), std::nullopt);

    const QPalette app = QApplication::palette();
    QLineEdit box;
    for (const auto& [colour, shown] :
         {std::pair(BackColour::Entry, QColor(192, 255, 255)), std::pair(BackColour::White, QColor(255, 255, 255)),
          std::pair(BackColour::WindowBackground, app.color(QPalette::Active, QPalette::Base)),
          std::pair(BackColour::TitleBarText, app.color(QPalette::Active, QPalette::HighlightedText)),
          std::pair(BackColour::ButtonFace, app.color(QPalette::Active, QPalette::Button))}) {
        setBackColour(&box, colour);
        QCOMPARE(backColourOf(&box), shown);
    }
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

// Each box is checked once it is answered: it stays until its exec() returns.
void TestPlatform::boxesShowPlainTextAndYesNoIgnoresEscape()
{
    QCOMPARE(messageDisplayText("Access Denied\rYour file\rPlease"), std::string("Access Denied\nYour file\nPlease"));
    QCOMPARE(messageDisplayText("one\r\ntwo"), std::string("one\ntwo"));
    ModalDriver driver;
    driver.expect([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        box->button(QMessageBox::Ok)->click();
        QCOMPARE(box->text(),
                 QStringLiteral("Please provide inputs for\"intensity info\" page\nThen save <b>the</b> file"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->windowTitle(), QStringLiteral("Stormwick"));
    });
    driver.expect([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        const bool stayedAfterEscape = box->isVisible();
        box->button(QMessageBox::No)->click();
        QVERIFY(stayedAfterEscape);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    });
    driver.expect([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
    QtMessageBoxes boxes;
    boxes.showMessage("Please provide inputs for\"intensity info\" page\rThen save <b>the</b> file");
    QCOMPARE(boxes.askYesNo("Save current file ?"), YesNo::No);
    QCOMPARE(boxes.askYesNo("File has already existed, overwrite it?"), YesNo::Yes);
    QVERIFY(driver.allHandled());
    QVERIFY(driver.unexpected().empty());
}

void TestPlatform::fileDialogsCancelOpenAndSaveAddingNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("project"));
    QVERIFY(QFile(existing).open(QIODevice::WriteOnly));

    QtFileDialogs dialogs;
    ModalDriver driver;
    driver.expect([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->reject();
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    });
    QCOMPARE(dialogs.showFileDialog(FileDialogMode::Open), std::string());
    bool seen = false;
    bool folderLoaded = false;
    driver.expect([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr)
            return;
        if (!seen) {
            seen = true;
            // A dialog accepted before its folder has loaded ignores the accept: select only
            // once the folder is there (the driver calls again until the dialog closes).
            auto* model = dialog->findChild<QFileSystemModel*>();
            QVERIFY(model != nullptr);
            QObject::connect(model, &QFileSystemModel::directoryLoaded, dialog, [&](const QString& loaded) {
                if (QDir(loaded) == QDir(dir.path()))
                    folderLoaded = true;
            });
            dialog->setDirectory(dir.path());
        }
        if (!folderLoaded)
            return;
        // Typed as a user would: selectFile() leaves a focused name box as it is.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setText(QFileInfo(existing).fileName());
        static_cast<QDialog*>(dialog)->accept();
        QCOMPARE(dialog->nameFilters(), QStringList({QStringLiteral("All Files (*.*)"),
                                                     QStringLiteral("Text Files(*.txt)"),
                                                     QStringLiteral("Batch Files (*.bat)")}));
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("Text Files(*.txt)"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->defaultSuffix(), QString());
    });
    const std::string chosen = dialogs.showFileDialog(FileDialogMode::Save);
    QVERIFY(driver.allHandled());
    // An existing file is returned without a question of the dialog's own.
    QVERIFY2(driver.unexpected().empty(), "the save dialog asked something of its own");
    QCOMPARE(QString::fromStdString(chosen), QDir::toNativeSeparators(existing));
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
    QVERIFY(bytes.startsWith("%PDF"));
    const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(bytes).count(pageObject), 2);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
