#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tarvel {

// The single line of an empty diary, written into the backup when it is reset.
inline constexpr char kEmptyDiaryLine[] = "-----,-----,-,,,,,,,,,,,,";

// Memo line breaks are written to files as this marker; the store holds them as "\n".
inline constexpr char kLineBreakMarker[] = "[CRLF]";
// A "," of a memo is written to a file as this marker, since fields have no quoting.
inline constexpr char kCommaMarker[] = "[COMMA]";

// The memo with each line break ("\r\n", "\n" or "\r") as the line-break marker.
QString MarkLineBreaks(QString memo);

// A memo as the diary file holds it: commas as the comma marker, and any raw line break (which
// would split the record) as the line-break marker.
QString MemoToFileText(const QString& memo);
// A memo field as read from a file: commas and line breaks ("\n") restored.
QString MemoFromFileText(QStringView field);

// The text of a diary file: UTF-8 when the bytes are valid UTF-8 (one leading byte-order mark is
// dropped), otherwise Windows-1252, the code page of older single-byte diaries.
QString DecodeDiaryBytes(const QByteArray& bytes);

} // namespace tarvel
