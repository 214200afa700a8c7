// "Napred" on the main lesson screen: each progress tag judges its tasks and, when they are solved,
// moves on to the next panel.
#include "screens/main/Form1.h"

#include "course/Design.h"
#include "course/Outline.h"
#include "course/Words.h"
#include "screens/Program.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Step1Tasks.h"
#include "screens/main/Step2Tasks.h"
#include "screens/main/Step3Tasks.h"
#include "screens/main/Step4Tasks.h"
#include "screens/main/Step5Tasks.h"
#include "screens/main/Step6Tasks.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

void Form1::Form1_Command1_Click() {
    const QString tag = Command1->tag();
    bool succeeded = true;
    if (tag == u"0") {
        succeeded = pressIntroduction();
    } else if (tag == u"1") {
        succeeded = pressTask1();
    } else if (tag == u"2") {
        succeeded = pressTask2();
    } else if (tag == u"3") {
        succeeded = pressTask3();
    } else if (tag == u"4") {
        succeeded = pressTasks4And5();
    } else if (tag == u"5") {
        succeeded = pressTask6();
    } else if (tag == u"6") {
        succeeded = pressTask7();
    } else if (tag == u"7") {
        succeeded = pressTask8();
    } else if (tag == u"8") {
        succeeded = pressTasks9And10();
    } else if (tag == u"9") {
        succeeded = pressTask11();
    } else if (tag == u"10") {
        succeeded = pressTask12();
    } else if (tag == u"11") {
        succeeded = pressTasks13And14();
    }
    // A tag that names no branch judges nothing; only the outline follows it.
    if (succeeded) {
        outlineUpdate();
    }
}

bool Form1::pressIntroduction() {
    Command1->setCaption(shown(QStringLiteral("Napred")));
    Timer2->setEnabled(true);
    showPanel(Picture2);
    Label1->setCaption(course::stepTitle(1, script()));
    Command1->setTag(QStringLiteral("1"));
    return true;
}

bool Form1::pressTask1() {
    program.writeTaskNumber(1);
    if (!tasks::task1Solved(AnswersTask1, ListView1->texts())) {
        refuse();
        return false;
    }
    program.tickTask(1, Image7->picture());
    showPanel(Picture3);
    Command1->setCaption(shown(QStringLiteral("Napred")));
    Label1->setCaption(course::stepTitle(1, script()));
    Command1->setTag(QStringLiteral("2"));
    return true;
}

bool Form1::pressTask2() {
    program.writeTaskNumber(2);
    if (!tasks::task2Solved(Text4->text(), Text5->text(), Text6->text())) {
        refuse();
        return false;
    }
    program.tickTask(2, Image7->picture());
    showPanel(Picture4);
    Label1->setCaption(course::stepTitle(2, script()));
    Command1->setTag(QStringLiteral("3"));
    program.recordStepTime(*program.form5().Label14);
    return true;
}

bool Form1::pressTask3() {
    program.writeTaskNumber(3);
    if (!tasks::task3Solved(course::textsOf(tableCells))) {
        refuse();
        return false;
    }
    program.tickTask(3, Image7->picture());
    showPanel(Picture6);
    Command1->setTag(QStringLiteral("4"));
    return true;
}

bool Form1::pressTasks4And5() {
    program.writeTaskNumber(4);
    program.writeTaskNumber(5);
    if (!tasks::task4Solved(Text32->text(), Text52->text())) {
        refuse();
        return false;
    }
    program.tickTask(4, Image7->picture());
    if (!tasks::task5Solved(Text33->text(), Text34->text())) {
        refuse();
        return false;
    }
    program.tickTask(5, Image7->picture());
    showPanel(Picture7);
    Command1->setTag(QStringLiteral("5"));
    program.recordStepTime(*program.form5().Label15);
    Label1->setCaption(course::stepTitle(3, script()));
    return true;
}

bool Form1::pressTask6() {
    // Task 6 counts its errors before its number is written.
    const int errors = tasks::task6Errors(AnswersTask6, ListView2->texts());
    program.writeTaskNumber(6);
    if (errors >= 1) {
        refuse();
        return false;
    }
    program.tickTask(6, Image7->picture());
    showPanel(Picture9);
    Command1->setTag(QStringLiteral("6"));
    return true;
}

bool Form1::pressTask7() {
    program.writeTaskNumber(7);
    if (tasks::task7Errors(course::textsOf(planetBoxes)) > 0) {
        refuse();
        return false;
    }
    program.tickTask(7, Image7->picture());
    showPanel(Picture10);
    Command1->setTag(QStringLiteral("7"));
    program.recordStepTime(*program.form5().Label16);
    Label1->setCaption(course::stepTitle(4, script()));
    return true;
}

bool Form1::pressTask8() {
    program.writeTaskNumber(8);
    if (tasks::task8Errors(course::textsOf(commonNounBoxes)) > 0) {
        refuse();
        return false;
    }
    program.tickTask(8, Image7->picture());
    showPanel(Picture11);
    Command1->setTag(QStringLiteral("8"));
    return true;
}

bool Form1::pressTasks9And10() {
    program.writeTaskNumber(9);
    if (tasks::task9Errors(AnswersTask9, ListView3->texts()) > 0) {
        refuse();
        return false;
    }
    program.tickTask(9, Image7->picture());
    program.writeTaskNumber(10);
    if (tasks::task10Errors(Text48->text()) > 0) {
        refuse();
        return false;
    }
    program.tickTask(10, Image7->picture());
    showPanel(Picture12);
    Label1->setCaption(course::stepTitle(5, script()));
    Command1->setTag(QStringLiteral("9"));
    program.recordStepTime(*program.form5().Label17);
    return true;
}

bool Form1::pressTask11() {
    program.writeTaskNumber(11);
    if (tasks::task11Errors(AnswersTask11, ListView4->texts()) > 0) {
        refuse();
        return false;
    }
    program.tickTask(11, Image7->picture());
    showPanel(Picture13);
    Label1->setCaption(course::stepTitle(5, script()));
    Command1->setTag(QStringLiteral("10"));
    return true;
}

bool Form1::pressTask12() {
    program.writeTaskNumber(12);
    if (tasks::task12Errors(AnswersTask12, ListView5->texts()) > 0) {
        refuse();
        return false;
    }
    program.tickTask(12, Image7->picture());
    showPanel(Picture14);
    Label1->setCaption(course::stepTitle(6, script()));
    Command1->setTag(QStringLiteral("11"));
    program.recordStepTime(*program.form5().Label18);
    return true;
}

bool Form1::pressTasks13And14() {
    // The rows of tasks 13 and 14 stand only on the second and closing screens.
    program.writeTaskNumber(13);
    if (!tasks::task13Solved({course::marked(*Label61), course::marked(*Label63), course::marked(*Label64),
                              course::marked(*Label65), course::marked(*Label66),
                              course::marked(*Label67)})) {
        refuse();
        return false;
    }
    program.tickTask(13, Image7->picture());
    program.writeTaskNumber(14);
    if (!tasks::task14Solved({course::marked(*Label73), course::marked(*Label72), course::marked(*Label71),
                              course::marked(*Label70), course::marked(*Label69), course::marked(*Label68),
                              course::marked(*Label75), course::marked(*Label76)})) {
        refuse();
        return false;
    }
    program.tickTask(14, Image7->picture());

    // Hand-off: the second screen takes over where this one stands.
    Form3& second = program.form3();
    second.Label1->setCaption(course::stepTitle(6, script()));
    program.form4().Label1->setCaption(course::stepTitle(6, script()));
    second.Command1->setTag(QStringLiteral("12"));
    // Placed before it is shown, so that a window manager frames it where this screen stands.
    second.setLeft(left());
    second.setTop(top());
    second.show();
    hide();
    return true;
}
