#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace runner {

// One command of a scenario script: its line number, name, the words after
// it and the raw rest of the line; block commands carry their lines.
struct Command {
    int line = 0;
    QString name;
    QString target;  // the first word after the name ("Form1.txtSt", "Form4", a file name)
    QString rest;    // everything after the target and one blank, trailing blanks removed
    QStringList block;
};

// Splits a script into commands; false with a message on a malformed block.
bool parseScript(const QString& text, std::vector<Command>& out, QString& error);

// A VALUE: the text as it stands, or in double quotes with the escapes
// \" \\ \r \n \t.
QString value(const QString& rest);

// Splits off the first argument of s: one word, or a text in double quotes
// with the escapes of a VALUE; s keeps what follows it and one blank.
QString takeArgument(QString& s);

// The escapes \r, \n, \\ of an expect-file block line, and \t too when tab is set.
QString unescapeFileLine(const QString& line, bool tab = false);

}  // namespace runner
