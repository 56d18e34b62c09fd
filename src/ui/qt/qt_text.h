// The program's byte strings as Qt text and back. On Linux every text of the
// program is UTF-8, the officer names of the preview too once made readable
// (SjisToReadableText), so one conversion serves.
#pragma once

#include <QString>

#include <string>

inline QString ToQString(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }
