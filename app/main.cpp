#include "screens/Program.h"
#include "toolkit/Host.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.tesmora.tesmora"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("A course on the morphology of Serbian nouns. It is shown in Cyrillic when the "
                       "desktop's locale is Serbian in Cyrillic (sr_RS.UTF-8), else in Latin."));
    const QCommandLineOption help = options.addHelpOption();
    options.addOption(
        {QStringLiteral("cyrillic"), QStringLiteral("Show the course in Cyrillic (ćirilica).")});
    options.addOption({QStringLiteral("latin"), QStringLiteral("Show the course in Latin (latinica).")});
    // Anything else on the command line is ignored, as it always was.
    options.parse(QCoreApplication::arguments());
    if (options.isSet(help)) {
        options.showHelp();
    }
    const content::Script script =
        Program::chooseScript(options.optionNames(), qEnvironmentVariable("LC_ALL"),
                              qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));

    toolkit::DesktopHost host;
    Program program(host, script);
    program.start();
    return QApplication::exec();
}
