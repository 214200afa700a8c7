#include "screens/main/Form1.h"

#include "content/Form1Texts.h"
#include "course/Design.h"
#include "course/Outline.h"
#include "course/Words.h"
#include "screens/Program.h"
#include "screens/closing/Form4.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

Form1::Form1(Program& owner)
    : course::LessonScreen({.name = QStringLiteral("Form1"), .lastTaskRow = 12}, owner.host(),
                           owner.script()),
      Timer1(new toolkit::Timer(QStringLiteral("Timer1"), this, 1000, true)),
      Timer2(new toolkit::Timer(QStringLiteral("Timer2"), this, 50, false)),
      Image8(new toolkit::Image(QStringLiteral("Image8"), this)), program(owner) {
    Command1->setCaption(shown(QStringLiteral("Započni vežbu")));
    TreeView1->setTag(QStringLiteral("1"));
    Image8->hide();
    Picture1 = addPanel(QStringLiteral("Picture1"), [this] { designIntroduction(); });
    Picture2 = addPanel(QStringLiteral("Picture2"), [this] { designTask1(); });
    Picture3 = addPanel(QStringLiteral("Picture3"), [this] { designTask2(); });
    Picture4 = addPanel(QStringLiteral("Picture4"), [this] { designTask3(); });
    Picture6 = addPanel(QStringLiteral("Picture6"), [this] { designTasks4And5(); });
    Picture7 = addPanel(QStringLiteral("Picture7"), [this] { designTask6(); });
    Picture9 = addPanel(QStringLiteral("Picture9"), [this] { designTask7(); });
    Picture10 = addPanel(QStringLiteral("Picture10"), [this] { designTask8(); });
    Picture11 = addPanel(QStringLiteral("Picture11"), [this] { designTasks9And10(); });
    Picture12 = addPanel(QStringLiteral("Picture12"), [this] { designTask11(); });
    Picture13 = addPanel(QStringLiteral("Picture13"), [this] { designTask12(); });
    Picture14 = addPanel(QStringLiteral("Picture14"), [this] { designTasks13And14(); });
    connectEvents();
    // The clocks count from the moment this screen exists; the splash before it is not counted.
    program.clocks().startAt(program.now());
}

void Form1::load() {
    course::buildOutline(*TreeView1, {.firstKeyedStep = 1, .lastKeyedStep = 6}, script());
    course::buildOutline(*program.form3().TreeView1, {.firstKeyedStep = 6, .lastKeyedStep = 10}, script());
    course::buildOutline(*program.form4().TreeView1,
                         {.firstKeyedStep = 10, .lastKeyedStep = 10, .lastTaskKeyed = true}, script());
    TreeView1->ensureVisible(TreeView1->node(1));
    setFollowing(&program.form3());
    program.form3().setFollowing(&program.form4());

    picResult->setTop(5520);

    // The indexes are made from the texts the reading panels will show.
    IndexText3 = course::buildWordIndex(shown(content::form1::Text3()), course::cleaningText3());
    IndexText36 = course::buildWordIndex(shown(content::form1::Text36()), course::cleaningText36());
    IndexText46 = course::buildWordIndex(shown(content::form1::Text46()), course::cleaningText46());
    IndexText50 = course::buildWordIndex(shown(content::form1::Text50()), course::cleaningText50());
    IndexText51 = course::buildWordIndex(shown(content::form1::Text51()), course::cleaningText51());

    AnswersTask1 = content::form1::AnswersTask1();
    AnswersTask6 = content::form1::AnswersTask6();
    AnswersTask9 = content::form1::AnswersTask9();
    AnswersTask11 = content::form1::AnswersTask11();
    AnswersTask12 = content::form1::AnswersTask12();
}

void Form1::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Form1_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Form1_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Form1_Command3_Click);
    connect(this, &toolkit::Form::closeRequested, this, &Form1::Form1_Form_Unload);
    connect(this, &toolkit::Form::mouseMoved, this, &Form1::Form1_Form_MouseMove);
    connect(Timer1, &toolkit::Timer::tick, this, &Form1::Form1_Timer1_Timer);
    connect(Timer2, &toolkit::Timer::tick, this, &Form1::Form1_Timer2_Timer);
    connect(TreeView1, &toolkit::TreeView::collapsed, this, &Form1::Form1_TreeView1_Collapse);
    connect(TreeView1, &toolkit::TreeView::nodeClicked, this, &Form1::Form1_TreeView1_NodeClick);
}

void Form1::connectPicking(toolkit::TextArea& text, void (Form1::*onClick)(), toolkit::Label& count,
                           toolkit::CommandButton& remove, void (Form1::*onRemove)()) {
    course::makePickable(text, count, script());
    connect(&text, &toolkit::TextArea::clicked, this, onClick);
    connect(&text, &toolkit::TextArea::gotFocus, this, &Form1::Form1_ReadingText_GotFocus);
    connect(&remove, &QPushButton::clicked, this, onRemove);
}

void Form1::connectLink(toolkit::Label& label, const QString& address) {
    connect(&label, &toolkit::Label::clicked, this, [this, address] { program.host().openAddress(address); });
    connect(&label, &toolkit::Label::mouseMoved, this, [&label] { course::hoverLink(label); });
}

void Form1::Form1_Form_MouseMove() {
    // A link whose panel has not been shown yet does not exist.
    for (toolkit::Label* link : {Label77, Label78}) {
        if (link) {
            course::resetLink(*link);
        }
    }
}

void Form1::Form1_Command2_Click() {
    program.unload(Program::Screen::Form1);
    program.unload(Program::Screen::Form2);
    program.unload(Program::Screen::Form3);
    program.end();
}

void Form1::Form1_Command3_Click() {
    program.showAbout(*this);
}

void Form1::Form1_Form_Unload() {
    program.unload(Program::Screen::Form1);
}

void Form1::Form1_Timer1_Timer() {
    program.catchUpClocks();
}

void Form1::Form1_Timer2_Timer() {
    const int top = picResult->top();
    if (top >= 6480) {
        Timer2->setEnabled(false);
    }
    picResult->setTop(top + 40);
}

void Form1::Form1_TreeView1_Collapse(toolkit::TreeView::Node* node) {
    keepExpanded(node);
}

void Form1::Form1_TreeView1_NodeClick() {
    selectHomeNode();
}
