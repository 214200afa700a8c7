#include "screens/Program.h"
#include "toolkit/Host.h"
#include "toolkit/desktop/Desktop.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <string_view>

namespace {

// The options of the course.
void describe(QCommandLineParser& options) {
    options.setApplicationDescription(QStringLiteral(
        "A course on the morphology of Serbian nouns. It is shown in Cyrillic when the "
        "desktop's language is Serbian in Cyrillic (sr_RS.UTF-8, sr-Cyrl-RS), else in Latin."));
    options.addHelpOption();
    options.addOption(
        {QStringLiteral("cyrillic"), QStringLiteral("Show the course in Cyrillic (ćirilica).")});
    options.addOption({QStringLiteral("latin"), QStringLiteral("Show the course in Latin (latinica).")});
}

} // namespace

int main(int argc, char* argv[]) {
    // The help needs no display, so it is printed, and the program ends, before any window can be made.
    if (std::any_of(argv + 1, argv + argc, [](std::string_view argument) {
            return argument == "--help" || argument == "--help-all" || argument == "-h" || argument == "-?";
        })) {
        const QCoreApplication help(argc, argv);
        QCommandLineParser options;
        describe(options);
        options.process(help);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.tesmora.tesmora"));
    // Anything else on the command line is ignored, as it always was.
    QCommandLineParser options;
    describe(options);
    options.parse(QCoreApplication::arguments());
    const content::Script script =
        Program::chooseScript(options.optionNames(), toolkit::desktop::languages());

    toolkit::DesktopHost host;
    Program program(host, script);
    program.start();
    return QApplication::exec();
}
