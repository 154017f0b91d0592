// The sheet's PDF writer: what it leaves on success and on failure, and the
// print path of the preview, which paints the same pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include "model/sheet_content.h"
#include "tests/calculation_cases.h"
#include "tests/runner/recording_platform.h"
#include "ui/form1.h"
#include "ui/session.h"
#include "ui/sheet_output.h"
#include "ui/sheet_painter.h"

namespace ampera {
namespace {

model::SheetContent fullSheet() {
    model::Calculation c;
    cases::threeSections(c);
    cases::checks(c, "160", "15", "95");
    return model::sheetContent(c, {.printed = "09.12.2026 14:05", .points = model::sheetPoints(c)});
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(SheetPdf, WritesAndReplacesTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("лист расчета.pdf");
    for (int pass = 0; pass < 2; ++pass) {
        QString error;
        ASSERT_TRUE(writeSheetPdf(fullSheet(), path, &error)) << error.toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
        // Neither the temporary file nor the lock is left beside it.
        EXPECT_EQ(entries(dir.path()), QStringList{"лист расчета.pdf"});
    }
}

TEST(SheetPdf, FailuresNameTheFileAndLeaveNothing) {
    struct Case {
        const char* what;
        const char* name;  // the target, within the test's folder
        const char* reason;
    } cases[] = {
        {"a folder that is missing", "нет такой папки/лист.pdf", "Нет такого файла или каталога"},
        {"a folder that is a file", "файл/лист.pdf", "Это не каталог"},
        {"a name that is a folder", "папка.pdf", "Это каталог"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QFile file(dir.filePath("файл"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("не папка");
        file.close();
        ASSERT_TRUE(QDir(dir.path()).mkdir("папка.pdf"));
        const QStringList before = entries(dir.path());

        const QString path = dir.filePath(c.name);
        QString error;
        EXPECT_FALSE(writeSheetPdf(fullSheet(), path, &error)) << c.what;
        EXPECT_EQ(error, "Не удалось записать лист расчета в файл " + QDir::toNativeSeparators(path) + ": " +
                             QString::fromUtf8(c.reason))
            << c.what;
        EXPECT_EQ(entries(dir.path()), before) << c.what;
        EXPECT_TRUE(entries(dir.filePath("папка.pdf")).isEmpty()) << c.what;
    }
}

TEST(SheetPdf, OfferedName) {
    EXPECT_EQ(sheetPdfPath("", "/home/u/Документы"), "/home/u/Документы/ampera.pdf");
    EXPECT_EQ(sheetPdfPath("/work/фидер 1.ampera", "/home/u/Документы"), "/home/u/Документы/фидер 1.pdf");
    EXPECT_EQ(sheetPdfPath("/work/ТП-2.фидер.ampera", "/d"), "/d/ТП-2.фидер.pdf");
}

// The print preview paints on a QPrinter: the same sheet gives the same pages there.
TEST(SheetPdf, PrinterGetsTheSamePages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const model::SheetContent sheet = fullSheet();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(sheetPageLayout());
    const int pages = paintSheet(writer, sheet);
    EXPECT_GE(pages, 2);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("print.pdf"));
    printer.setPageLayout(sheetPageLayout());
    EXPECT_EQ(paintSheet(printer, sheet), pages);
    EXPECT_GT(QFileInfo(dir.filePath("print.pdf")).size(), 0);
}

// What the menu entry does once its save dialog has answered: the main
// window's calculation written and opened, or a message naming the file.
TEST(SheetPdf, MainWindowSavesAndOpensTheSheet) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RecordingPlatform platform;
    Session session(platform, dir.path());
    session.start();
    Form1* main = session.main();
    for (auto [field, value] : {std::pair{main->txtSt, "400"},
                                {main->txtU, "10"},
                                {main->txtUf, "400"},
                                {main->txtPk, "5,5"},
                                {main->txtUk, "4,5"},
                                {main->txtI, "10"}})
        field->setText(value);
    main->Command1_Click();
    const QString file = dir.filePath("фидер 1.ampera");
    const model::SheetContent sheet = main->sheetContent(file);
    EXPECT_EQ(sheet.file, "Файл расчета: фидер 1.ampera");
    EXPECT_EQ(sheet.sections[2].table.rows[3].cells[3], "12,2309");  // K4's Iк(3), as "Расчет" gave it

    const QString path = main->sheetPdfDefaultPath(file);
    EXPECT_TRUE(path.endsWith("/фидер 1.pdf"));
    const QString target = dir.filePath("фидер 1.pdf");
    main->saveSheetPdf(target, file);
    ASSERT_EQ(platform.launches.size(), 1);
    EXPECT_EQ(platform.launches[0].verb, "open");
    EXPECT_EQ(platform.launches[0].target, target);
    EXPECT_TRUE(QFileInfo(target).isFile());
    EXPECT_TRUE(platform.messages.isEmpty());

    const QString missing = dir.filePath("нет/фидер 1.pdf");
    main->saveSheetPdf(missing, file);
    EXPECT_EQ(platform.launches.size(), 1);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].title, "Лист расчета");
    EXPECT_EQ(platform.messages[0].text,
              "Не удалось записать лист расчета в файл " + missing + ": Нет такого файла или каталога");
    session.end();
}

}  // namespace
}  // namespace ampera

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
