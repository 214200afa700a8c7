// "Napred" on the second lesson screen: each progress tag judges its tasks and, when they are solved,
// moves on to the next panel.
#include "screens/second/Form3.h"

#include "course/Design.h"
#include "course/Outline.h"
#include "course/Words.h"
#include "screens/Program.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/second/Step10Tasks.h"
#include "screens/second/Step6Tasks.h"
#include "screens/second/Step7Tasks.h"
#include "screens/second/Step8Tasks.h"
#include "screens/second/Step9Tasks.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Shape.h"
#include "toolkit/TextBox.h"

namespace {

// An option is chosen while its ring shows.
bool ringed(const toolkit::Shape& ring) {
    return !ring.isHidden();
}

} // namespace

void Form3::Form3_Command1_Click() {
    const QString tag = Command1->tag();
    bool succeeded = true;
    if (tag == u"12") {
        succeeded = pressTasks15And16();
    } else if (tag == u"13") {
        succeeded = pressTask17();
    } else if (tag == u"14") {
        succeeded = pressTask18();
    } else if (tag == u"15") {
        succeeded = pressTask19();
    } else if (tag == u"16") {
        succeeded = pressTask20();
    } else if (tag == u"17") {
        succeeded = pressTask21();
    } else if (tag == u"18") {
        succeeded = pressTasks22And23();
    } else if (tag == u"19") {
        succeeded = pressTask24();
    }
    // A tag that names no branch judges nothing; only the outline follows it.
    if (succeeded) {
        outlineUpdate();
    }
}

bool Form3::pressTasks15And16() {
    program.writeTaskNumber(15);
    if (!tasks::task15Solved({course::marked(*Label61), course::marked(*Label63), course::marked(*Label64),
                              course::marked(*Label65), course::marked(*Label66),
                              course::marked(*Label67)})) {
        refuse();
        return false;
    }
    program.tickTask(15, Image7->picture());
    const int errors = tasks::task16Errors(course::textsOf(abstractNounBoxes));
    // The number of task 16 is written whatever its answers.
    program.writeTaskNumber(16);
    if (errors > 0) {
        refuse();
        return false;
    }
    program.tickTask(16, Image7->picture());
    Label1->setCaption(course::stepTitle(7, script()));
    showPanel(Picture1);
    Command1->setTag(QStringLiteral("13"));
    program.recordStepTime(*program.form5().Label19);
    return true;
}

bool Form3::pressTask17() {
    program.writeTaskNumber(17);
    if (tasks::task17Errors(PoemAnswers, ListView5->texts()) > 0) {
        refuse();
        return false;
    }
    program.tickTask(17, Image7->picture());
    Command1->setTag(QStringLiteral("14"));
    showPanel(Picture2);
    return true;
}

bool Form3::pressTask18() {
    program.writeTaskNumber(18);
    if (tasks::task18Errors(course::textsOf(verbalNounBoxes)) > 0) {
        refuse();
        return false;
    }
    program.tickTask(18, Image7->picture());
    showPanel(Picture3);
    Label1->setCaption(course::stepTitle(8, script()));
    Command1->setTag(QStringLiteral("15"));
    program.recordStepTime(*program.form5().Label20);
    return true;
}

bool Form3::pressTask19() {
    program.writeTaskNumber(19);
    if (!tasks::task19Solved(ringed(*Shape5), ringed(*Shape4))) {
        refuse();
        return false;
    }
    program.tickTask(19, Image7->picture());
    showPanel(Picture4);
    Command1->setTag(QStringLiteral("16"));
    return true;
}

bool Form3::pressTask20() {
    program.writeTaskNumber(20);
    if (tasks::task20Errors(course::textsOf(collectiveNounBoxes)) > 0) {
        refuse();
        return false;
    }
    program.tickTask(20, Image7->picture());
    showPanel(Picture6);
    Label1->setCaption(course::stepTitle(9, script()));
    Command1->setTag(QStringLiteral("17"));
    program.recordStepTime(*program.form5().Label21);
    return true;
}

bool Form3::pressTask21() {
    program.writeTaskNumber(21);
    if (tasks::task21Errors(Text31->text(), Text32->text()) > 0) {
        refuse();
        return false;
    }
    program.tickTask(21, Image7->picture());
    showPanel(Picture7);
    Command1->setTag(QStringLiteral("18"));
    return true;
}

bool Form3::pressTasks22And23() {
    program.writeTaskNumber(22);
    std::array<int, 9> ticked;
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        ticked[i] = kitchenNouns[i]->value();
    }
    if (!tasks::task22Solved(ticked)) {
        refuse();
        return false;
    }
    program.tickTask(22, Image7->picture());
    program.writeTaskNumber(23);
    if (!tasks::task23Solved(ringed(*Shape8))) {
        refuse();
        return false;
    }
    program.tickTask(23, Image7->picture());
    showPanel(Picture9);
    Command1->setTag(QStringLiteral("19"));
    Label1->setCaption(course::stepTitle(10, script()));
    program.recordStepTime(*program.form5().Label22);
    return true;
}

bool Form3::pressTask24() {
    // The row of task 24 stands only on the closing screen.
    program.writeTaskNumber(24);
    if (!tasks::task24Solved({course::marked(*Label77), course::marked(*Label78), course::marked(*Label79),
                              course::marked(*Label80), course::marked(*Label81),
                              course::marked(*Label82)})) {
        refuse();
        return false;
    }
    program.tickTask(24, Image7->picture());

    // Hand-off: the closing screen takes over where this one stands.
    Form4& closing = program.form4();
    closing.Command1->setTag(QStringLiteral("20"));
    closing.Label1->setCaption(course::stepTitle(10, script()));
    // Placed before it is shown, so that a window manager frames it where this screen stands.
    closing.setLeft(left());
    closing.setTop(top());
    closing.show();
    hide();
    return true;
}
