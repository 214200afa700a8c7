#include "screens/Program.h"
#include "toolkit/Host.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.tesmora.tesmora"));
    toolkit::DesktopHost host;
    Program program(host);
    program.start();
    return QApplication::exec();
}
