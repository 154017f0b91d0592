// The main window's calculation files: the "Файл" menu, "Новый расчет",
// opening and saving, the recent files and the titles that name the file.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QStandardPaths>
#include <algorithm>
#include <functional>

#include "model/calculation_file.h"
#include "ui/calculation_document.h"
#include "ui/form1.h"
#include "ui/form3_elements.h"
#include "ui/form4_arc_motor.h"
#include "ui/form6_transformer_catalogue.h"
#include "ui/form8_checks.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/recent_files.h"
#include "ui/session.h"

namespace ampera {

namespace {

using model::Part;

const char* const kFilter = "Расчет ampera (*.ampera)";
const char* const kOpenTitle = "Открытие расчета";
const char* const kSaveTitle = "Сохранение расчета";
const char* const kRecentTitle = "Последние файлы";

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

// ---- the menu

void Form1::buildFileMenu() {
    fileMenu_ = new QMenu(this);
    fileMenu_->setObjectName("mnuFile");
    const auto entry = [this](const char* name, const QString& caption, const char* keys,
                              std::function<void()> handler) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcut(QKeySequence(QString::fromLatin1(keys), QKeySequence::PortableText));
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [handler] { handler(); });
        addAction(a);  // the shortcut works in the window while the menu is closed
        fileMenu_->addAction(a);
    };
    entry("mnuNew", "Новый расчет", "Ctrl+N", [this] { newCalculation(); });
    entry("mnuOpen", "Открыть…", "Ctrl+O", [this] { openCalculation(); });
    entry("mnuSave", "Сохранить", "Ctrl+S", [this] { saveCalculation(); });
    entry("mnuSaveAs", "Сохранить как…", "Ctrl+Shift+S", [this] { saveCalculationAs(); });
    fileMenu_->addSeparator();
    entry("mnuSheetPdf", "Лист расчета в PDF…", "Ctrl+E", [this] { mnuSheetPdf_Click(); });
    entry("mnuPrint", "Печать…", "Ctrl+P", [this] { mnuPrint_Click(); });
    entry("mnuNetworkExcel", "Сеть в Excel…", "", [this] { mnuNetworkExcel_Click(); });
    fileMenu_->addSeparator();
    recentMenu_ = fileMenu_->addMenu(kRecentTitle);
    recentMenu_->setObjectName("mnuRecent");
    recentMenu_->setToolTipsVisible(true);
}

void Form1::Command24_Click() {
    fillRecentMenu();
    fileMenu_->popup(Command24->mapToGlobal(QPoint(0, Command24->height())));
}

// The recent files, numbered, newest first; two files of one name are told apart by their folders.
void Form1::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList& paths = recent_->paths();
    for (qsizetype k = 0; k < paths.size(); ++k) {
        const QFileInfo file(paths[k]);
        QString name = file.fileName();
        const auto sameName = [&name](const QString& p) { return QFileInfo(p).fileName() == name; };
        if (std::count_if(paths.begin(), paths.end(), sameName) > 1) name += " (" + file.dir().dirName() + ")";
        QAction* a = recentMenu_->addAction("&" + QString::number(k + 1) + " " + name.replace("&", "&&"));
        a->setToolTip(shownPath(paths[k]));
        connect(a, &QAction::triggered, this, [this, path = paths[k]] { openRecent(path); });
    }
    recentMenu_->menuAction()->setEnabled(!paths.isEmpty());
}

// ---- the commands

bool Form1::mayLeaveCalculation() {
    if (!document_->hasFile() || !document_->modified()) return true;
    const QString answer = session().platform().question("ampera", "Сохранить изменения в " + document_->name() + "?",
                                                         {"Да", "Нет", "Отмена"});
    if (answer == "Да") return saveCalculation();
    return answer == "Нет";
}

void Form1::newCalculation() {
    if (!mayLeaveCalculation()) return;
    startAnew();
    document_->clear();
}

void Form1::openCalculation() {
    if (!mayLeaveCalculation()) return;
    const QString path = session().platform().openFileName(this, "Открыть расчет", dialogFolder(), kFilter);
    if (!path.isEmpty()) load(path);
}

void Form1::openFile(const QString& path) {
    if (mayLeaveCalculation()) load(path);
}

void Form1::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        session().platform().message(kRecentTitle,
                                     "Файл " + shownPath(path) + " не найден; он убран из списка последних файлов.");
        recent_->remove(path);
        return;
    }
    openFile(path);
}

void Form1::openAtStart(const QString& path) { load(path); }

QString Form1::calculationFile() const { return document_->path(); }

bool Form1::saveCalculation() { return document_->hasFile() ? saveTo(document_->path()) : saveCalculationAs(); }

bool Form1::saveCalculationAs() {
    const QString suggested = document_->hasFile() ? document_->path()
                                                   : QDir(dialogFolder()).filePath("расчет" + q(model::kFileSuffix));
    QString path = session().platform().saveFileName(this, "Сохранить расчет как", suggested, kFilter);
    if (path.isEmpty()) return false;
    if (!path.endsWith(q(model::kFileSuffix), Qt::CaseInsensitive)) path += q(model::kFileSuffix);
    return saveTo(QFileInfo(path).absoluteFilePath());
}

// ---- opening

// "Новый расчет" without its question: the main window's fields as the program
// starts (their start texts, then the window's load with the settings file),
// its entry panels closed and reset, then "Сброс", which discards the
// secondary windows; the transformer catalogue goes too, and the network
// becomes the busbars alone with θк at its start.
void Form1::startAnew() {
    session().network().replace(network::Network{});
    model().reset(Part::Main);
    setValue(Check1, false);
    resetCablePanel();
    setValue(Check2, true);
    txtXv11->setText("0");
    Form_Load();
    Command19_Click();
    session().discard(Form6::kName);
    writeChecked();
}

bool Form1::load(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    const model::FileRead read = model::readCalculationFile(text(file));
    if (!read.ok) {
        session().platform().message(kOpenTitle, "Не удалось открыть расчет " + shownPath(file) + ": " +
                                                     q(model::problemText(read.error)) + ".");
        return false;
    }
    startAnew();
    restore(read.texts);
    if (read.texts.network) session().network().replace(*read.texts.network);
    document_->saved(file);
    recent_->add(file);
    return true;
}

// The texts as saved, each window the file holds made hidden and loaded
// before its texts go back. Nothing is calculated.
void Form1::restore(const model::FileTexts& file) {
    model::restoreCalculation(model(), file, [this](Part part) {
        switch (part) {
        case Part::Reactor: session().form<Form3>(); break;
        // Its load starts the arc computation, which would overwrite the saved texts.
        case Part::ArcMotor: session().form<Form4>()->stopArcTimer(); break;
        case Part::Checks: session().form<Form8>(); break;
        case Part::Main:
        case Part::Summary: break;
        }
    });
    writeChecked();
}

// ---- saving

// The main window and the summary always; a secondary window's texts when it
// exists (it holds the designer's inputs) or when they are not at their start.
std::vector<Part> Form1::partsToSave() const {
    std::vector<Part> parts = {Part::Main, Part::Summary};
    const std::pair<Part, const char*> windows[] = {
        {Part::Reactor, Form3::kName}, {Part::ArcMotor, Form4::kName}, {Part::Checks, Form8::kName}};
    for (const auto& [part, window] : windows)
        if (session().existing(window) || !model::atStart(model(), part)) parts.push_back(part);
    return parts;
}

bool Form1::saveTo(const QString& path) {
    StorageError error;
    if (!model::saveCalculationFile(text(path), model(), partsToSave(), error, &session().network().network())) {
        session().platform().message(
            kSaveTitle, "Не удалось сохранить расчет в файл " + shownPath(path) + ": " + q(error.description) + ".");
        return false;
    }
    document_->saved(path);
    recent_->add(path);
    return true;
}

QString Form1::dialogFolder() const {
    if (document_->hasFile()) return QFileInfo(document_->path()).absolutePath();
    if (!recent_->paths().isEmpty()) return QFileInfo(recent_->paths().front()).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// ---- titles

// The file's name after the program's title, with "*" while changes are unsaved. The desktop shows the title strip's
// text; only the strip shortens a long name in its middle.
void Form1::showTitle() {
    if (!document_->hasFile()) {
        Label7->setText(kTitle);
        setWindowTitle(kTitle);
        return;
    }
    const QString mark = document_->modified() ? "*" : "";
    const QString title = QString(kTitle) + " — ";
    const QFontMetrics metrics(Label7->font());
    const int room = std::max(Label7->width() - metrics.horizontalAdvance(title + mark),
                              8 * metrics.averageCharWidth());
    Label7->setText(title + metrics.elidedText(document_->name(), Qt::ElideMiddle, room) + mark);
    setWindowTitle(title + document_->name() + mark);
}

}  // namespace ampera
