#include "tests/runner/player.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "storage/cp1251.h"
#include "tests/runner/user_input.h"
#include "ui/click_label.h"
#include "ui/form_base.h"
#include "ui/session.h"
#include "ui/time_chart_drawing.h"
#include "ui/twips.h"

namespace runner {

using ampera::FormBase;

namespace {

const QStringList kWindows = {"Form1", "Form2", "Form3", "Form4", "Form5",
                              "Form6", "Form7", "Form8", "Form9", "Form10"};

QByteArray toCp1251(const QString& s) { return QByteArray::fromStdString(ampera::utf8ToCp1251(s.toStdString())); }
QString fromCp1251(const QByteArray& b) { return QString::fromStdString(ampera::cp1251ToUtf8(b.toStdString())); }

QString textOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* l = qobject_cast<QListWidget*>(w)) return l->currentItem() ? l->currentItem()->text() : QString();
    return {};
}

QLineEdit* lineEditOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->lineEdit();
    return nullptr;
}

QStringList itemsOf(QWidget* w, bool* ok) {
    QStringList items;
    *ok = true;
    if (auto* l = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < l->count(); ++i) items << l->item(i)->text();
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    } else if (const QVariant legend = w->property(ampera::kLegendProperty); legend.isValid()) {
        items = legend.toStringList();  // a chart's legend
    } else {
        *ok = false;
    }
    return items;
}

QString yesNo(bool b) { return b ? "yes" : "no"; }

// The keys a script may press by name.
struct NamedKey {
    const char* name;
    int key;
    const char* text;
};
const NamedKey kKeys[] = {
    {"Enter", Qt::Key_Return, "\r"},    {"Tab", Qt::Key_Tab, "\t"},
    {"Escape", Qt::Key_Escape, "\x1b"}, {"Backspace", Qt::Key_Backspace, "\b"},
    {"Delete", Qt::Key_Delete, "\x7f"}, {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},           {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},       {"Up", Qt::Key_Up, ""},
    {"Down", Qt::Key_Down, ""},
};

// One character as a key: its key code and its text.
void pressCharacter(QWidget* w, const QString& ch) {
    const int key = ch.size() == 1 ? int(QChar(ch.at(0)).toUpper().unicode()) : int(Qt::Key_unknown);
    pressKey(w, key, ch);
}

// The window comes to the front and becomes active, as under the user's hand.
void activate(QWidget* window) {
    if (!window->isVisible() || QApplication::activeWindow() == window) return;
    window->activateWindow();
    for (int i = 0; i < 10 && QApplication::activeWindow() != window; ++i) QCoreApplication::processEvents();
}

// Whether the field draws its text from the first character: the place of the
// first character, as last drawn, against the place where an empty field of
// the same make starts its text.
bool showsStart(QLineEdit* e) {
    e->grab();  // drawing settles the scroll offset of the text
    int first = 0;
    {
        QSignalBlocker block(e);
        const int cursor = e->cursorPosition();
        const int start = e->selectionStart();
        const int length = e->selectedText().size();
        e->setCursorPosition(0);
        first = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        if (length > 0) e->setSelection(cursor == start ? start + length : start, cursor == start ? -length : length);
        else e->setCursorPosition(cursor);
    }
    QLineEdit reference(e->window());
    reference.setStyle(e->style());
    reference.setFont(e->font());
    reference.setFrame(e->hasFrame());
    reference.setTextMargins(e->textMargins());
    reference.setAlignment(e->alignment());
    reference.resize(e->size());
    reference.ensurePolished();
    const int home = reference.inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    return first >= home;
}

// A menu entry's text as the user reads it: "&&" is an ampersand, a single "&" marks the mnemonic.
QString entryText(const QAction* a) {
    QString t = a->text();
    t.replace("&&", QChar(0x1));
    t.remove('&');
    t.replace(QChar(0x1), '&');
    return t;
}

void closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// Picks the entry at path ("A > B": entry B of submenu A) from the open menu as
// a user would: each submenu opened by pointing at it, the entry taken by
// Enter. A disabled entry on the way is no pick (true, nothing done). False
// with what the menu offers when an entry is not there.
bool pickEntry(QMenu* menu, const QStringList& path, QString& offered) {
    for (qsizetype k = 0; k < path.size(); ++k) {
        QAction* found = nullptr;
        QStringList entries;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            entries << entryText(a);
            if (!found && entryText(a) == path[k].trimmed()) found = a;
        }
        const bool last = k == path.size() - 1;
        if (!found || (!last && !found->menu())) {
            offered = entries.join('|');
            closeMenus();
            return false;
        }
        if (!found->isEnabled()) {
            closeMenus();
            return true;
        }
        menu->setActiveAction(found);
        if (last) {
            pressKey(menu, Qt::Key_Return, "\r");
        } else {
            QMenu* sub = found->menu();
            if (!sub->isVisible()) sub->popup(menu->actionGeometry(found).topRight() + menu->pos());
            menu = sub;
        }
    }
    closeMenus();
    return true;
}

}  // namespace

Player::Player(QString scriptName, QString programDirectory)
    : scriptName_(std::move(scriptName)), dir_(std::move(programDirectory)) {}

Player::~Player() = default;

void Player::scriptError(const Command& c, const QString& message) {
    std::fprintf(stderr, "%s:%d: script error: %s\n", qPrintable(scriptName_), c.line, qPrintable(message));
    throw Stop{2};
}

void Player::failed(const Command& c, const QString& expected, const QString& got) {
    std::fprintf(stderr, "%s:%d: expected %s, got %s\n", qPrintable(scriptName_), c.line, qPrintable(expected),
                 qPrintable(got));
    throw Stop{1};
}

int Player::play(const std::vector<Command>& commands) {
    try {
        for (const Command& c : commands) {
            run(c);
            settle();
            if (!platform_.problem.isEmpty()) scriptError(c, platform_.problem);
        }
    } catch (const Stop& s) {
        return s.code;
    }
    return 0;
}

void Player::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormBase* Player::window(const Command& c, const QString& name) {
    if (!kWindows.contains(name)) scriptError(c, "unknown window " + name);
    if (!started_) scriptError(c, "the program has not been started");
    FormBase* w = session_->existing(name);
    if (!w) scriptError(c, "window " + name + " does not exist");
    return w;
}

QWidget* Player::control(const Command& c) {
    int dot = c.target.indexOf('.');
    if (dot < 0) scriptError(c, "expected Window.Control, got " + c.target);
    FormBase* w = window(c, c.target.left(dot));
    QString name = c.target.mid(dot + 1);
    QWidget* found = w->findChild<QWidget*>(name);
    if (!found) scriptError(c, "unknown control " + c.target);
    return found;
}

void Player::run(const Command& c) {
    if (session_ && session_->ended()) {
        if (runFileCheck(c)) return;
        scriptError(c, c.name + " after the program has ended");
    }
    if (runFileCheck(c)) return;

    if (c.name == "file" || c.name == "mkdir") {
        if (started_) scriptError(c, c.name + " after start");
        if (c.target.isEmpty()) scriptError(c, c.name + " needs a name");
        QString path = QDir(dir_).filePath(c.target);
        if (c.name == "mkdir") {
            if (!QDir().mkpath(path)) scriptError(c, "cannot create " + path);
            return;
        }
        QByteArray bytes;
        for (const QString& line : c.block) bytes += toCp1251(line) + "\r\n";
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) scriptError(c, "cannot write " + path);
        return;
    }
    if (c.name == "start") {
        if (started_) scriptError(c, "start twice");
        started_ = true;
        // "start FILE": the program is started with FILE on its command line.
        const QString file = value(c.target + (c.rest.isEmpty() ? "" : " " + c.rest));
        session_ = std::make_unique<ampera::Session>(platform_, dir_);
        session_->start(file.isEmpty() ? QString() : QDir(dir_).absoluteFilePath(file));
        return;
    }
    if (runTableCommand(c)) return;
    if (c.name.startsWith("expect")) {
        runWindowCheck(c);
        return;
    }
    runAction(c);
}

bool Player::runFileCheck(const Command& c) {
    const QString& n = c.name;
    if (n == "expect-file") {
        QFile f(QDir(dir_).filePath(c.target));
        if (!f.open(QIODevice::ReadOnly)) failed(c, "file " + c.target, "no such file");
        QString got = fromCp1251(f.readAll());
        QString want;
        for (const QString& line : c.block) want += unescapeFileLine(line);
        if (got != want) {
            auto show = [](QString s) {
                return "\"" + s.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n\n") + "\"";
            };
            failed(c, "file " + c.target + " to hold\n" + show(want) + "\n", "\n" + show(got));
        }
        return true;
    }
    if (n == "expect-file-contains") {
        QFile f(QDir(dir_).filePath(c.target));
        if (!f.open(QIODevice::ReadOnly)) failed(c, "file " + c.target, "no such file");
        const QString want = value(c.rest);
        const QStringList lines = fromCp1251(f.readAll()).split(QRegularExpression("[\\r\\n]"));
        if (!std::ranges::any_of(lines, [&](const QString& line) { return line.contains(want); }))
            failed(c, "a line of " + c.target + " to hold \"" + want + "\"", "none");
        return true;
    }
    if (n == "expect-no-file") {
        if (QFileInfo::exists(QDir(dir_).filePath(c.target))) failed(c, "no file " + c.target, "a file");
        return true;
    }
    if (n == "expect-launch") {
        QString verb = c.target;
        QString target = value(c.rest);
        target.replace("{dir}", dir_);
        if (launchesChecked_ >= platform_.launches.size()) failed(c, "launch " + verb + " " + target, "no launch");
        const auto& l = platform_.launches[launchesChecked_++];
        if (l.verb != verb || l.target != target)
            failed(c, "launch " + verb + " " + target, "launch " + l.verb + " " + l.target);
        return true;
    }
    if (n == "expect-no-launch") {
        if (launchesChecked_ < platform_.launches.size()) {
            const auto& l = platform_.launches[launchesChecked_];
            failed(c, "no more launches", "launch " + l.verb + " " + l.target);
        }
        return true;
    }
    if (n == "expect-message") {
        QString title = value(c.target + (c.rest.isEmpty() ? "" : " " + c.rest));
        if (messagesChecked_ >= platform_.messages.size()) failed(c, "message " + title, "no message");
        const auto& m = platform_.messages[messagesChecked_++];
        if (m.title != title) failed(c, "message " + title, "message " + m.title + ": " + m.text);
        return true;
    }
    if (n == "expect-message-contains") {
        QString line = c.target + (c.rest.isEmpty() ? "" : " " + c.rest);
        const QString title = takeArgument(line), want = value(line);
        if (title.isEmpty() || want.isEmpty()) scriptError(c, n + " needs a title and a text");
        if (messagesChecked_ >= platform_.messages.size()) failed(c, "message " + title, "no message");
        const auto& m = platform_.messages[messagesChecked_++];
        if (m.title != title || !m.text.contains(want))
            failed(c, "message " + title + " holding \"" + want + "\"", "message " + m.title + ": " + m.text);
        return true;
    }
    if (n == "expect-no-message") {
        if (messagesChecked_ < platform_.messages.size()) {
            const auto& m = platform_.messages[messagesChecked_];
            failed(c, "no more messages", "message " + m.title + ": " + m.text);
        }
        if (questionsChecked_ < platform_.questions.size())
            failed(c, "no more messages", "question " + platform_.questions[questionsChecked_].text);
        return true;
    }
    if (n == "expect-question") {
        const QString want = value(c.target + (c.rest.isEmpty() ? "" : " " + c.rest));
        if (questionsChecked_ >= platform_.questions.size()) failed(c, "question " + want, "no question");
        const QString got = platform_.questions[questionsChecked_++].text;
        if (got != want) failed(c, "question " + want, "question " + got);
        return true;
    }
    if (n == "expect-move") {
        if (movesChecked_ >= platform_.moves.size()) failed(c, "move of " + c.target, "no move");
        QString got = platform_.moves[movesChecked_++];
        if (got != c.target) failed(c, "move of " + c.target, "move of " + got);
        return true;
    }
    if (n == "expect-no-move") {
        if (movesChecked_ < platform_.moves.size())
            failed(c, "no more moves", "move of " + platform_.moves[movesChecked_]);
        return true;
    }
    if (n == "expect-ended") {
        if (!session_ || !session_->ended()) failed(c, "the program to have ended", "it runs");
        return true;
    }
    return false;
}

void Player::runAction(const Command& c) {
    const QString& n = c.name;
    if (n == "wait") {
        bool ok = false;
        int ms = c.target.toInt(&ok);
        if (!ok || ms < 0) scriptError(c, "wait needs milliseconds");
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        return;
    }
    if (n == "shot") {
        FormBase* w = window(c, c.target);
        QString file = value(c.rest);
        if (file.isEmpty()) scriptError(c, "shot needs a file name");
        if (!w->grab().save(file)) scriptError(c, "cannot write " + file);
        return;
    }
    if (n == "close") {
        FormBase* w = window(c, c.target);
        // as the desktop asks: a close event to the window's platform window
        if (QWindow* handle = w->windowHandle(); handle && w->isVisible()) {
            QCloseEvent e;
            QApplication::sendEvent(handle, &e);
        } else {
            w->close();
        }
        return;
    }
    if (n == "answer" || n == "answer-file") {
        const QString answer = value(c.target + (c.rest.isEmpty() ? "" : " " + c.rest));
        if (n == "answer") {
            if (answer.isEmpty()) scriptError(c, "answer needs a button's text");
            platform_.answers.append(answer);
        } else {
            platform_.fileAnswers.append(answer.isEmpty() ? QString() : QDir(dir_).absoluteFilePath(answer));
        }
        return;
    }
    if (n == "shortcut") {
        FormBase* w = window(c, c.target);
        const QKeySequence keys(c.rest, QKeySequence::PortableText);
        if (c.rest.isEmpty() || keys.count() != 1 || keys[0].key() == Qt::Key_unknown)
            scriptError(c, "shortcut needs one key combination, got " + c.rest);
        if (!w->isVisible() || !w->isEnabled()) return;  // no keys reach a hidden or disabled window
        activate(w);
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != w) target = w;
        QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
        return;
    }
    if (n == "drop") {
        FormBase* w = window(c, c.target);
        const QString path = value(c.rest);
        if (path.isEmpty()) scriptError(c, "drop needs a file");
        if (!w->isVisible() || !w->acceptDrops()) return;  // the window takes no drops
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QDir(dir_).absoluteFilePath(path))});
        const QPointF at(w->width() / 2.0, 2);  // on the window's own background, not on a control
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
        if (!enter.isAccepted()) return;
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        if (!move.isAccepted()) return;
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &drop);
        return;
    }
    if (n != "set" && n != "type" && n != "click" && n != "choose" && n != "choose-at" && n != "press" && n != "key" &&
        n != "focus" && n != "menu")
        scriptError(c, "unknown command " + n);

    QWidget* w = control(c);
    const bool enabled = w->isEnabled() && w->window()->isEnabled();

    if (n == "set" || n == "type") {
        QString v = value(c.rest);
        QLineEdit* e = lineEditOf(w);
        auto* plain = qobject_cast<QPlainTextEdit*>(w);
        if (!e && !plain) scriptError(c, c.target + " is not a text field");
        if (!enabled) return;
        if (n == "set") {
            if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setEditText(v);
            else if (e) e->setText(v);
            else plain->setPlainText(v);
            return;
        }
        for (uint cp : v.toUcs4()) {
            QString key = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
            if (e) {
                // the user's keys: End, then the character
                QPointer<QLineEdit> field(e);
                pressKey(e, Qt::Key_End, {});
                if (field) pressCharacter(e, key);
                if (!field || session_->ended()) return;
            } else {
                plain->moveCursor(QTextCursor::End);
                plain->insertPlainText(key);
            }
        }
        return;
    }
    if (n == "key" || n == "focus") {
        QString key = value(c.rest);
        int code = 0;
        QString text;
        if (n == "key") {
            for (const NamedKey& k : kKeys)
                if (key == QLatin1String(k.name)) {
                    code = k.key;
                    text = QString::fromLatin1(k.text);
                }
            if (code == 0) {
                if (key.toUcs4().size() != 1) scriptError(c, "key needs a key name or one character, got " + key);
                text = key;
            }
        }
        if (!enabled) return;
        activate(w->window());
        w->setFocus(Qt::TabFocusReason);
        if (n == "focus") return;
        QWidget* target = QApplication::focusWidget();
        if (!target || (target != w && !w->isAncestorOf(target))) target = w->focusProxy() ? w->focusProxy() : w;
        if (code != 0) pressKey(target, code, text);
        else pressCharacter(target, text);
        return;
    }
    if (n == "menu") {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!button) scriptError(c, c.target + " is not a button");
        const QString item = value(c.rest);
        if (item.isEmpty()) scriptError(c, "menu needs an entry");
        if (!enabled) return;
        button->click();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) failed(c, "a menu opened by " + c.target, "none");
        QString offered;
        if (!pickEntry(menu, item.split(" > "), offered)) failed(c, "a menu entry " + item, offered);
        return;
    }
    if (n == "click") {
        if (!enabled) return;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) b->click();
        else if (auto* l = qobject_cast<ampera::ClickLabel*>(w)) l->click();
        return;
    }
    if (n == "choose" || n == "choose-at") {
        QString item = value(c.rest);
        bool ok = true;
        QStringList items = itemsOf(w, &ok);
        if (!ok) scriptError(c, c.target + " is not a list");
        int index = -1;
        if (n == "choose") {
            index = items.indexOf(item);
            if (index < 0) failed(c, "an item " + item + " in " + c.target, items.join('|'));
        } else {
            index = item.toInt(&ok);
            if (!ok) scriptError(c, "choose-at needs an index");
            if (index < 0 || index >= items.size())
                failed(c, QString("an item at %1 in %2").arg(index).arg(c.target), items.join('|'));
        }
        if (!enabled) return;
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            if (list->currentRow() != index) list->setCurrentRow(index);
            else emit list->currentRowChanged(index);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            pickItem(combo, index);
        }
        return;
    }
    // press
    Qt::MouseButton button = Qt::NoButton;
    if (c.rest == "left") button = Qt::LeftButton;
    else if (c.rest == "right") button = Qt::RightButton;
    else scriptError(c, "press needs left or right");
    if (!enabled) return;
    QPointF local(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, local, w->mapToGlobal(local), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, w->mapToGlobal(local), button, Qt::NoButton, Qt::NoModifier);
    if (!session_->ended()) QApplication::sendEvent(w, &release);
}

void Player::runWindowCheck(const Command& c) {
    const QString& n = c.name;
    if (n == "expect-window") {
        if (!kWindows.contains(c.target)) scriptError(c, "unknown window " + c.target);
        if (!started_) scriptError(c, "the program has not been started");
        FormBase* w = session_->existing(c.target);
        QString got = !w ? "absent" : !w->isVisible() ? "hidden" : w->isMinimized() ? "minimized" : "shown";
        if (c.rest != "absent" && c.rest != "hidden" && c.rest != "shown" && c.rest != "minimized")
            scriptError(c, "expect-window needs absent, hidden, shown or minimized");
        if (got != c.rest) failed(c, c.target + " " + c.rest, got);
        return;
    }
    if (n == "expect-title") {
        FormBase* w = window(c, c.target);
        const QString want = value(c.rest);
        if (w->windowTitle() != want) failed(c, "title \"" + want + "\"", "\"" + w->windowTitle() + "\"");
        return;
    }
    if (n == "expect" && !c.target.contains('.')) {
        FormBase* w = window(c, c.target);
        QString want = value(c.rest);
        if (w->caption() != want) failed(c, "caption \"" + want + "\"", "\"" + w->caption() + "\"");
        return;
    }
    if (n == "expect-clipboard") {
        // VALUE is the whole rest of the line: quoted, value() applies its escapes; plain, they are applied here
        const QString raw = c.rest.isEmpty() ? c.target : c.target + " " + c.rest;
        const bool quoted = raw.size() >= 2 && raw.startsWith('"') && raw.endsWith('"');
        const QString want = quoted ? value(raw) : unescapeFileLine(raw, true);
        const QString got = QGuiApplication::clipboard()->text();
        const auto show = [](QString s) { return s.replace("\t", "\\t").replace("\r", "\\r").replace("\n", "\\n"); };
        if (got != want) failed(c, "the clipboard \"" + show(want) + "\"", "\"" + show(got) + "\"");
        return;
    }
    QWidget* w = control(c);
    if (n == "expect") {
        QString want = value(c.rest), got = textOf(w);
        if (got != want) failed(c, c.target + " \"" + want + "\"", "\"" + got + "\"");
    } else if (n == "expect-checked" || n == "expect-enabled" || n == "expect-shown") {
        if (c.rest != "yes" && c.rest != "no") scriptError(c, n + " needs yes or no");
        bool got = false;
        if (n == "expect-checked") {
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (!b) scriptError(c, c.target + " cannot be checked");
            got = b->isChecked();
        } else if (n == "expect-enabled") {
            got = !w->testAttribute(Qt::WA_ForceDisabled);
        } else {
            got = !w->isHidden();
        }
        if (yesNo(got) != c.rest) failed(c, c.target + " " + n.mid(7) + " " + c.rest, yesNo(got));
    } else if (n == "expect-shows-start") {
        if (c.rest != "yes" && c.rest != "no") scriptError(c, n + " needs yes or no");
        QLineEdit* e = lineEditOf(w);
        if (!e) scriptError(c, c.target + " is not a text field");
        const bool got = showsStart(e);
        if (yesNo(got) != c.rest)
            failed(c, c.target + " shows-start " + c.rest, yesNo(got) + " (\"" + e->text() + "\")");
    } else if (n == "expect-tooltip") {
        QString want = value(c.rest), got = w->toolTip();
        if (got != want) failed(c, c.target + " tooltip \"" + want + "\"", "\"" + got + "\"");
    } else if (n == "expect-items") {
        bool ok = true;
        QStringList got = itemsOf(w, &ok);
        if (!ok) scriptError(c, c.target + " is not a list");
        QString want = value(c.rest);
        if (got.join('|') != want) failed(c, "items " + want, got.join('|'));
    } else if (n == "expect-selected") {
        auto* list = qobject_cast<QListWidget*>(w);
        if (!list) scriptError(c, c.target + " is not a list box");
        QString got = list->currentItem() ? list->currentItem()->text() : QString();
        if (got != value(c.rest)) failed(c, "selected " + value(c.rest), got);
    } else if (n == "expect-geometry") {
        QStringList parts = c.rest.split(' ', Qt::SkipEmptyParts);
        if (parts.size() != 4) scriptError(c, "expect-geometry needs LEFT TOP WIDTH HEIGHT");
        int want[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            want[i] = parts[i].toInt(&ok);
            if (!ok) scriptError(c, "expect-geometry needs whole numbers");
        }
        QRect g = w->geometry();
        int got[4] = {ampera::twips(g.x()), ampera::twips(g.y()), ampera::twips(g.width()), ampera::twips(g.height())};
        for (int i = 0; i < 4; ++i) {
            if (std::abs(got[i] - want[i]) > ampera::twipsPerPixel())
                failed(c, "geometry " + c.rest, QString("%1 %2 %3 %4").arg(got[0]).arg(got[1]).arg(got[2]).arg(got[3]));
        }
    } else {
        scriptError(c, "unknown command " + n);
    }
}

}  // namespace runner
