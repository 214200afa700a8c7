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
                           owner.host(), owner.script()),
      program(owner) {
    picResult->setTop(6520);
    TreeView1->setTag(QStringLiteral("11"));
    Picture14 = addPanel(QStringLiteral("Picture14"), [this] { designTasks15And16(); });
    Picture1 = addPanel(QStringLiteral("Picture1"), [this] { designTask17(); });
    Picture2 = addPanel(QStringLiteral("Picture2"), [this] { designTask18(); });
    Picture3 = addPanel(QStringLiteral("Picture3"), [this] { designTask19(); });
    Picture4 = addPanel(QStringLiteral("Picture4"), [this] { designTask20(); });
    Picture6 = addPanel(QStringLiteral("Picture6"), [this] { designTask21(); });
    Picture7 = addPanel(QStringLiteral("Picture7"), [this] { designTasks22And23(); });
    Picture9 = addPanel(QStringLiteral("Picture9"), [this] { designTask24(); });
    connectEvents();
}

void Form3::load() {
    Form3_Form_Load();
}

void Form3::Form3_Form_Load() {
    // The index is made from the poem its panel will show.
    PoemIndex = course::buildPoemIndex(shown(content::form3::Text51()));
    PoemAnswers = content::form3::PoemAnswers();
}

void Form3::connectEvents() {
    connect(this, &toolkit::Form::activated, this, &Form3::Form3_Form_Activate);
    connect(this, &toolkit::Form::closeRequested, this, &Form3::Form3_Form_Unload);
    connect(Command1, &QPushButton::clicked, this, &Form3::Form3_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Form3_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Form3_Command3_Click);
    connect(TreeView1, &toolkit::TreeView::collapsed, this, &Form3::Form3_TreeView1_Collapse);
    connect(TreeView1, &toolkit::TreeView::nodeClicked, this, &Form3::Form3_TreeView1_NodeClick);
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
        Label12->setCaption(course::countCaption(ListView5->count(), script()));
    }
}

// The poem never keeps the focus, so it cannot be typed into.
void Form3::Form3_Text51_GotFocus() {
    Command1->setFocus();
}

void Form3::Form3_Command8_Click() {
    course::removeSelected(*ListView5, *Label12, script());
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
