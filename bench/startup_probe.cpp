// The course's start, measured as a whole process: the splash is left at once, as a click would,
// the main lesson screen appears, and the process quits as soon as that screen has been painted. With
// "--cyrillic" the course starts in Cyrillic.
#include "QuitWhenPainted.h"
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/main/Form1.h"
#include "toolkit/Host.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    toolkit::RecordingHost host;
    Program program(host, QApplication::arguments().contains(QStringLiteral("--cyrillic"))
                              ? content::Script::Cyrillic
                              : content::Script::Latin);
    program.start();
    // Watched before the click, in case the screen is painted while it comes up.
    QuitWhenPainted quit;
    program.form1().installEventFilter(&quit);
    program.form2().Form2_Form_Click();
    return QApplication::exec();
}
