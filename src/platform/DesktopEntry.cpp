#include "platform/DesktopEntry.h"

#include <QFile>
#include <algorithm>

#include "platform/CommandLine.h"

namespace DesktopEntry {

namespace {

QString unescaped(const QString& raw) {
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            text += raw[i];
            continue;
        }
        switch (raw[++i].unicode()) {
            case 's': text += ' '; break;
            case 'n': text += '\n'; break;
            case 't': text += '\t'; break;
            case 'r': text += '\r'; break;
            case '\\': text += '\\'; break;
            default: text += '\\' + raw[i];
        }
    }
    return text;
}

// A word made only of field codes stands for arguments the caller would supply: it goes.
std::optional<QString> withoutFieldCodes(const QString& word) {
    QString kept;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] != '%') kept += word[i];
        else if (++i < word.size() && word[i] == '%') kept += '%';
    }
    if (kept.isEmpty() && !word.isEmpty()) return std::nullopt;
    return kept;
}

}  // namespace

QString value(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inEntry && !line.startsWith('#') && equals > 0 && line.left(equals).trimmed() == key)
            return unescaped(line.mid(equals + 1).trimmed());
    }
    return {};
}

std::optional<QStringList> execArguments(const QString& path) {
    const std::optional<QStringList> words = CommandLine::split(value(path, "Exec"));
    if (!words) return std::nullopt;
    QStringList arguments;
    for (const QString& word : *words)
        if (const std::optional<QString> kept = withoutFieldCodes(word)) arguments << *kept;
    return arguments;
}

QString execValue(const QString& program) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString exec = program;
    if (std::any_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); })) {
        for (const char* c : {"\\", "\"", "`", "$"}) exec.replace(c, QString("\\") + c);
        exec = '"' + exec + '"';
    }
    exec.replace("%", "%%");
    exec.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t").replace("\r", "\\r");
    return exec;
}

}  // namespace DesktopEntry
