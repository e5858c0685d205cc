#pragma once

#include <QStringList>

#include <cstdio>

namespace tarvel {

// tarvel-diary: shows, rewrites and exports diary files with the program's own reader and writer.
// Returns the exit status: 0 on success, 2 when the diary cannot be read or written, 1 on a usage
// error.
int RunDiaryTool(const QStringList& arguments, FILE* out, FILE* err);

} // namespace tarvel
