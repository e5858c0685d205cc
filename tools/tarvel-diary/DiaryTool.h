#pragma once

#include <QStringList>
#include <QTimeZone>

#include <cstdio>

namespace tarvel {

// tarvel-diary: shows, rewrites and exports diary files with the program's own reader and writer.
// Returns the exit status: 0 on success, 2 when the diary cannot be read or written, 1 on a usage
// error. Times of imported files with offsets are moved into `local`, and export writes its offsets.
int RunDiaryTool(const QStringList& arguments, FILE* out, FILE* err,
                 const QTimeZone& local = QTimeZone::systemTimeZone());

} // namespace tarvel
