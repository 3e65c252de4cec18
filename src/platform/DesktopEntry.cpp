#include "platform/DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
#include <QStringTokenizer>
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

// The whole text of a regular file no larger than an entry can be; a larger one is not read.
std::optional<QString> entryText(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > kMaxSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Bounded again: the file may have grown since, or report no size at all.
    const QByteArray bytes = file.read(kMaxSize + 1);
    if (bytes.size() > kMaxSize) return std::nullopt;
    return QString::fromUtf8(bytes);
}

}  // namespace

std::optional<Group> read(const QString& path) {
    const std::optional<QString> text = entryText(path);
    if (!text) return std::nullopt;
    Group entry;
    bool inEntry = false;
    for (const QStringView raw : qTokenize(*text, u'\n')) {
        const QStringView line = raw.trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntry || line.startsWith(u'#') || equals <= 0) continue;
        const QString key = line.left(equals).trimmed().toString();
        if (!entry.contains(key))
            entry.insert(key, unescaped(line.mid(equals + 1).trimmed().toString()));
    }
    return entry;
}

QString value(const QString& path, const QString& key) {
    return read(path).value_or(Group()).value(key);
}

std::optional<QStringList> execArguments(const Group& entry) {
    const std::optional<QStringList> words = CommandLine::split(entry.value("Exec"));
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
