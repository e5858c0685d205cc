#include <QApplication>
#include <QMainWindow>

#include "platform/TextTable.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarvel"));
    QApplication::setApplicationName(QStringLiteral("Tarvel"));
    QMainWindow window;
    window.setWindowTitle(tarvel::LoadText(101));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
