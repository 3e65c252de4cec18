#pragma once

#include <QStringList>
#include <optional>

namespace CommandLine {

// The words of a command line as a POSIX shell splits them: blanks separate words, single
// quotes keep everything, double quotes keep all but a backslash before $ ` " or \, and a
// backslash outside quotes keeps the next character. Nothing is expanded and no character is an
// operator. Nothing when a quote is left open or the line ends in a lone backslash.
std::optional<QStringList> split(const QString& line);

}  // namespace CommandLine
