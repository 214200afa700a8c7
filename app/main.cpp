#include "screens/Program.h"
#include "toolkit/Host.h"
#include "toolkit/desktop/Desktop.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <optional>
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
    options.addOption(
        {QStringLiteral("high-contrast"),
         QStringLiteral("Show the course in high contrast, in the desktop's high-contrast colours "
                        "(visok kontrast), whatever the desktop's setting.")});
    options.addOption(
        {QStringLiteral("no-high-contrast"),
         QStringLiteral("Show the course in its own colours, whatever the desktop's setting.")});
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
    // High contrast as the last of its options says, else as the desktop says, now and whenever the
    // pupil changes the desktop's setting while the course runs.
    const std::optional<bool> byOption = Program::highContrastByOptions(options.optionNames());
    const auto followContrast = [&program, byOption] {
        const bool high = byOption.value_or(toolkit::desktop::highContrast());
        program.setLook(high ? toolkit::Look::HighContrast : toolkit::Look::Design,
                        high ? toolkit::desktop::highContrastColours() : QPalette());
    };
    followContrast();
    if (!byOption) {
        toolkit::desktop::watchContrast(&program, followContrast);
    }
    program.start();
    return QApplication::exec();
}
