#include "platform/CommandLine.h"

namespace CommandLine {

namespace {

bool isBlank(QChar c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

std::optional<QStringList> split(const QString& line) {
    QStringList words;
    QString word;
    bool inWord = false;
    enum { Plain, Single, Double } quote = Plain;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quote == Single) {
            if (c == '\'') quote = Plain;
            else word += c;
        } else if (c == '\\') {
            if (++i == line.size()) return std::nullopt;
            const QChar next = line[i];
            if (next == '\n') continue;  // backslash-newline joins two lines
            if (quote == Double && !QStringLiteral("$`\"\\").contains(next)) word += c;
            word += next;
            inWord = true;
        } else if (quote == Double) {
            if (c == '"') quote = Plain;
            else word += c;
        } else if (isBlank(c)) {
            if (inWord) words << word;
            word.clear();
            inWord = false;
        } else {
            if (c == '\'') quote = Single;
            else if (c == '"') quote = Double;
            else word += c;
            inWord = true;
        }
    }
    if (quote != Plain) return std::nullopt;
    if (inWord) words << word;
    return words;
}

}  // namespace CommandLine
