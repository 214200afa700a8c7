#include "screens/second/Form3.h"

#include "content/Form3Texts.h"
#include "course/Design.h"
#include "course/Words.h"
#include "screens/Program.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

Form3::Form3(Program& owner)
    : course::LessonScreen({.name = QStringLiteral("Form3"),
                            .lastTaskRow = 23,
                            .picture5Left = 2175,
                            .picture5Top = 5385,
                            .picture8Left = 12255},
                           owner.host()),
      program(owner) {
    picResult->setTop(6520);
    TreeView1->setTag(QStringLiteral("11"));
    designStep6();
    designStep7();
    designStep8();
    designSteps9And10();
    connectEvents();
}

void Form3::load() {
    Form3_Form_Load();
}

void Form3::Form3_Form_Load() {
    ListView5->setColumnWidth(toolkit::twips(ListView5->width()) - 300);
    PoemIndex = course::buildPoemIndex(Text51->text());
    PoemAnswers = content::form3::PoemAnswers();
}

void Form3::connectEvents() {
    connect(this, &toolkit::Form::activated, this, &Form3::Form3_Form_Activate);
    connect(this, &toolkit::Form::closeRequested, this, &Form3::Form3_Form_Unload);
    connect(Command1, &QPushButton::clicked, this, &Form3::Form3_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Form3_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Form3_Command3_Click);
    connect(Command8, &QPushButton::clicked, this, &Form3::Form3_Command8_Click);
    connect(Text51, &toolkit::TextArea::clicked, this, &Form3::Form3_Text51_Click);
    connect(Text51, &toolkit::TextArea::gotFocus, this, &Form3::Form3_Text51_GotFocus);
    connect(TreeView1, &toolkit::TreeView::collapsed, this, &Form3::Form3_TreeView1_Collapse);
    connect(TreeView1, &toolkit::TreeView::nodeClicked, this, &Form3::Form3_TreeView1_NodeClick);

    for (toolkit::Label* word : {Label61, Label63, Label64, Label65, Label66, Label67, Label77, Label78,
                                 Label79, Label80, Label81, Label82}) {
        connect(word, &toolkit::Label::clicked, this, [word] { course::toggleMark(*word); });
    }
    // A click on an option's number acts as a click on its sentence series.
    connect(Label30, &toolkit::Label::clicked, this, &Form3::Form3_Label30_Click);
    connect(Label32, &toolkit::Label::clicked, this, &Form3::Form3_Label30_Click);
    connect(Label31, &toolkit::Label::clicked, this, &Form3::Form3_Label31_Click);
    connect(Label35, &toolkit::Label::clicked, this, &Form3::Form3_Label31_Click);
    connect(Label69, &toolkit::Label::clicked, this, &Form3::Form3_Label69_Click);
    connect(Label70, &toolkit::Label::clicked, this, &Form3::Form3_Label70_Click);
}

void Form3::Form3_Form_Activate() {
    TreeView1->select(TreeView1->node(QStringLiteral("n11")));
}

void Form3::Form3_Form_Unload() {
    program.unload(Program::Screen::Form3);
}

void Form3::Form3_Command2_Click() {
    program.unload(Program::Screen::Form1);
    program.unload(Program::Screen::Form2);
    program.unload(Program::Screen::Form3);
    program.end();
}

void Form3::Form3_Command3_Click() {
    program.showAbout(*this);
}

void Form3::Form3_Text51_Click() {
    const QStringList added = course::poemEntriesToAdd(PoemIndex, Text51->selStart(), ListView5->texts());
    for (const QString& entry : added) {
        ListView5->add(entry);
        Label12->setCaption(course::countCaption(ListView5->count()));
    }
}

// The poem never keeps the focus, so it cannot be typed into.
void Form3::Form3_Text51_GotFocus() {
    Command1->setFocus();
}

void Form3::Form3_Command8_Click() {
    course::removeSelected(*ListView5, *Label12);
}

void Form3::Form3_TreeView1_Collapse(toolkit::TreeView::Node* node) {
    keepExpanded(node);
}

void Form3::Form3_TreeView1_NodeClick() {
    selectHomeNode();
}

void Form3::Form3_Label30_Click() {
    course::toggleRing(*Shape5, *Label32);
}

void Form3::Form3_Label31_Click() {
    course::toggleRing(*Shape4, *Label35);
}

void Form3::Form3_Label69_Click() {
    course::chooseOne(*Shape8, *Label69, *Shape9, *Label70);
}

void Form3::Form3_Label70_Click() {
    course::chooseOne(*Shape9, *Label70, *Shape8, *Label69);
}
