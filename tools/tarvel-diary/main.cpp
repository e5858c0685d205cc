#include "tarvel-diary/DiaryTool.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return tarvel::RunDiaryTool(QCoreApplication::arguments().mid(1), stdout, stderr);
}
