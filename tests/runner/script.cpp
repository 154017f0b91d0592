#include "tests/runner/script.h"

namespace runner {

namespace {

QString trimRight(QString s) {
    while (!s.isEmpty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.chop(1);
    return s;
}

// Splits off the first blank-separated word.
QString takeWord(QString& s) {
    int i = s.indexOf(' ');
    QString word = i < 0 ? s : s.left(i);
    s = i < 0 ? QString() : s.mid(i + 1);
    return word;
}

bool isBlockCommand(const QString& name) { return name == "file" || name == "expect-file"; }

}  // namespace

bool parseScript(const QString& text, std::vector<Command>& out, QString& error) {
    QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        Command c;
        c.line = i + 1;
        QString rest = trimRight(line);
        while (rest.startsWith(' ') || rest.startsWith('\t')) rest.remove(0, 1);
        c.name = takeWord(rest);
        c.target = takeWord(rest);
        c.rest = rest;
        if (isBlockCommand(c.name)) {
            bool closed = false;
            for (++i; i < lines.size(); ++i) {
                QString b = lines[i];
                if (b.endsWith('\r')) b.chop(1);
                if (b == ".end") {
                    closed = true;
                    break;
                }
                c.block << b;
            }
            if (!closed) {
                error = QString("%1: block without .end").arg(c.line);
                return false;
            }
        }
        out.push_back(c);
    }
    return true;
}

QString value(const QString& rest) {
    if (rest.size() < 2 || !rest.startsWith('"') || !rest.endsWith('"')) return rest;
    QString out;
    QString inner = rest.mid(1, rest.size() - 2);
    for (int i = 0; i < inner.size(); ++i) {
        QChar c = inner[i];
        if (c == '\\' && i + 1 < inner.size()) {
            QChar n = inner[++i];
            if (n == 'r') out += '\r';
            else if (n == 'n') out += '\n';
            else if (n == 't') out += '\t';
            else out += n;  // \" and \\ and any other escaped character
        } else {
            out += c;
        }
    }
    return out;
}

QString takeArgument(QString& s) {
    if (!s.startsWith('"')) return takeWord(s);
    int end = 1;
    while (end < s.size() && s[end] != '"') end += s[end] == '\\' ? 2 : 1;
    const QString argument = value(s.left(end + 1));
    s = s.mid(end + 2);
    return argument;
}

QString unescapeFileLine(const QString& line, bool tab) {
    QString out;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            QChar n = line[i + 1];
            if (n == 'r' || n == 'n' || n == '\\' || (tab && n == 't')) {
                out += n == 'r' ? QChar('\r') : n == 'n' ? QChar('\n') : n == 't' ? QChar('\t') : QChar('\\');
                ++i;
                continue;
            }
        }
        out += line[i];
    }
    return out;
}

}  // namespace runner
