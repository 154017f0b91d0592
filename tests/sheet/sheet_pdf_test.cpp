// The sheet's PDF writer: what it leaves on success and on failure, and the name it offers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/sheet_content.h"
#include "tests/calculation_cases.h"
#include "ui/sheet_output.h"

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

}  // namespace
}  // namespace ampera
