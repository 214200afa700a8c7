#include "screens/closing/Form4.h"

#include "content/Pictures.h"
#include "course/Design.h"
#include "course/Words.h"
#include "screens/Program.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Step10Tasks.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

namespace {

toolkit::Label* word(const QString& name, QWidget* panel, const QString& text, int left, int top) {
    return course::wordLabel(name, panel, text, left, top, 375, 12);
}

toolkit::Image* decoration(const QString& name, QWidget* panel, int left, int top) {
    auto* image = new toolkit::Image(name, panel);
    image->setPicture(content::decorationPicture());
    toolkit::place(image, left, top, 480, 480);
    return image;
}

} // namespace

Form4::Form4(Program& owner)
    : course::LessonScreen(
          {.name = QStringLiteral("Form4"), .clientWidth = 12405, .clientHeight = 8850, .lastTaskRow = 26},
          owner.host(), owner.script()),
      program(owner) {
    picResult->setTop(6520);
    setDefaultButton(Command1);
    Picture7 = addPanel(QStringLiteral("Picture7"), [this] { designTasks25And26(); });
    connect(this, &toolkit::Form::activated, this, &Form4::Form4_Form_Activate);
    connect(this, &toolkit::Form::closeRequested, this, &Form4::Form4_Form_Unload);
    connect(Command1, &QPushButton::clicked, this, &Form4::Form4_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Form4_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Form4_Command3_Click);
}

void Form4::designTasks25And26() {
    const QString promptText =
        shown(QStringLiteral("U rečenici su upotrebljene homonimske reči, a tvoj zadatak je da "
                             "podvučeš onaj homonim koji ima značenje pluralia tantum."));
    Label75 = course::prompt(QStringLiteral("Label75"), Picture7,
                             shown(QStringLiteral("ZADATAK 25: ")) + promptText, 840, 480, 8055, 495);
    Image41 = decoration(QStringLiteral("Image41"), Picture7, 9000, 360);
    Label76 = word("Label76", Picture7, shown(QStringLiteral("Vile")), 1200, 1320);
    Label83 = word("Label83", Picture7, shown(QStringLiteral("ne")), 1680, 1320);
    Label84 = word("Label84", Picture7, shown(QStringLiteral("koriste")), 2040, 1320);
    Label85 = word("Label85", Picture7, shown(QStringLiteral("vile.")), 2880, 1320);
    Line5 = new toolkit::Line(QStringLiteral("Line5"), Picture7, 3000, 1320, 3060, 1260, 0xC00000);
    Line1 = new toolkit::Line(QStringLiteral("Line1"), Picture7, 3000, 1320, 2940, 1260, 0xC00000);
    // The accent mark stays over its letter when its word moves.
    const int designed = Label85->x();
    course::keepApart({Label76, Label83, Label84, Label85});
    for (toolkit::Line* stroke : {Line5, Line1}) {
        stroke->move(stroke->pos() + QPoint(Label85->x() - designed, 0));
    }
    // What the eye sees in the accent mark, a screen reader says.
    Label85->setAccessibleDescription(shown(QStringLiteral("sa znakom naglaska iznad reči")));

    Label15 = course::prompt(QStringLiteral("Label15"), Picture7,
                             shown(QStringLiteral("ZADATAK 26: ")) + promptText, 840, 2160, 8055, 495);
    Image11 = decoration(QStringLiteral("Image11"), Picture7, 9000, 2040);
    Label77 = word("Label77", Picture7, shown(QStringLiteral("On")), 1200, 3120);
    Label78 = word("Label78", Picture7, shown(QStringLiteral("usta")), 1680, 3120);
    Label79 = word("Label79", Picture7, shown(QStringLiteral("i")), 2280, 3120);
    Label80 = word("Label80", Picture7, shown(QStringLiteral("otvori")), 2400, 3120);
    Label81 = word("Label81", Picture7, shown(QStringLiteral("usta")), 3120, 3120);
    Label82 = word("Label82", Picture7, shown(QStringLiteral("našavši")), 3720, 3120);
    Label11 = word("Label11", Picture7, shown(QStringLiteral("se")), 4680, 3120);
    Label12 = word("Label12", Picture7, shown(QStringLiteral("u")), 5070, 3120);
    Label14 = word("Label14", Picture7, shown(QStringLiteral("čudu.")), 5355, 3120);
    course::keepApart({Label77, Label78, Label79, Label80, Label81, Label82, Label11, Label12, Label14});

    for (toolkit::Label* other : {Label76, Label83, Label84, Label77, Label78, Label79, Label80, Label81,
                                  Label82, Label11, Label12, Label14}) {
        connect(other, &toolkit::Label::clicked, this, [other] { course::toggleMark(*other); });
    }
    connect(Label85, &toolkit::Label::clicked, this, &Form4::Form4_Label85_Click);
}

void Form4::Form4_Form_Activate() {
    TreeView1->select(TreeView1->node(QStringLiteral("n19")));
    TreeView1->ensureVisible(TreeView1->node(QStringLiteral("last")));
}

void Form4::Form4_Form_Unload() {
    program.unload(Program::Screen::Form4);
}

void Form4::Form4_Command2_Click() {
    program.unload(Program::Screen::Form1);
    program.unload(Program::Screen::Form2);
    program.unload(Program::Screen::Form3);
    program.end();
}

void Form4::Form4_Command3_Click() {
    program.showAbout(*this);
}

void Form4::Form4_Label85_Click() {
    course::toggleMark(*Label85);
    const int width = course::marked(*Label85) ? 2 : 1;
    Line5->setBorderWidth(width);
    Line1->setBorderWidth(width);
}

void Form4::Form4_Command1_Click() {
    if (Command1->tag() != QStringLiteral("20")) {
        return;
    }
    program.writeTaskNumber(25);
    if (!tasks::task25Solved({course::marked(*Label76), course::marked(*Label83), course::marked(*Label84),
                              course::marked(*Label85)})) {
        refuse();
        return;
    }
    program.tickTask(25, Image7->picture());
    program.writeTaskNumber(26);
    if (!tasks::task26Solved({course::marked(*Label77), course::marked(*Label78), course::marked(*Label79),
                              course::marked(*Label80), course::marked(*Label81), course::marked(*Label82),
                              course::marked(*Label11), course::marked(*Label12),
                              course::marked(*Label14)})) {
        refuse();
        return;
    }
    program.tickTask(26, Image7->picture());
    program.recordLastStepAndTotal(*program.form5().Label23);
    program.form5().showModal(this);
}
