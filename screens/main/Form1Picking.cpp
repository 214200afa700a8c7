// Word picking: a click on a reading text copies the word under the caret into the answer list beside
// it, once; the remove buttons take the selected entry out again.
#include "screens/main/Form1.h"

#include "course/Design.h"

#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"

void Form1::pick(toolkit::TextArea& text, const course::WordIndex& index, toolkit::ListView& list,
                 toolkit::Label& count, course::PickRule rule, bool selectNewEntry) {
    const QStringList added = course::entriesToAdd(index, text.selStart(), list.texts(), rule);
    for (const QString& entry : added) {
        list.add(entry);
        if (selectNewEntry) {
            list.ensureVisible(list.count());
            list.select(list.count());
        }
        count.setCaption(course::countCaption(list.count(), script()));
    }
}

void Form1::Form1_Text3_Click() {
    pick(*Text3, IndexText3, *ListView1, *Label4, course::PickRule::Plain, true);
}

void Form1::Form1_Text36_Click() {
    pick(*Text36, IndexText36, *ListView2, *Label36, course::PickRule::AlpskogVenca, false);
}

void Form1::Form1_Text46_Click() {
    pick(*Text46, IndexText46, *ListView3, *Label50, course::PickRule::Plain, false);
}

void Form1::Form1_Text50_Click() {
    pick(*Text50, IndexText50, *ListView4, *Label56, course::PickRule::StopAtDash, false);
}

void Form1::Form1_Text51_Click() {
    pick(*Text51, IndexText51, *ListView5, *Label58, course::PickRule::StopAtDash, false);
}

// A reading text never keeps the focus, so it cannot be typed into.
void Form1::Form1_ReadingText_GotFocus() {
    Command1->setFocus();
}

void Form1::Form1_Command4_Click() {
    course::removeSelected(*ListView1, *Label4, script());
}
void Form1::Form1_Command5_Click() {
    course::removeSelected(*ListView2, *Label36, script());
}
void Form1::Form1_Command6_Click() {
    course::removeSelected(*ListView3, *Label50, script());
}
void Form1::Form1_Command7_Click() {
    course::removeSelected(*ListView4, *Label56, script());
}
void Form1::Form1_Command8_Click() {
    course::removeSelected(*ListView5, *Label58, script());
}
