#include "screens/main/Form1.h"

#include "content/Form1Texts.h"
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
    : course::LessonScreen({.name = QStringLiteral("Form1"), .lastTaskRow = 12}, owner.host()),
      Timer1(new toolkit::Timer(QStringLiteral("Timer1"), this, 1000, true)),
      Timer2(new toolkit::Timer(QStringLiteral("Timer2"), this, 50, false)),
      Image8(new toolkit::Image(QStringLiteral("Image8"), this)), program(owner) {
    Command1->setCaption(QStringLiteral("Započni vežbu"));
    TreeView1->setTag(QStringLiteral("1"));
    Image8->hide();
    designIntroductionAndStep1();
    designStep2();
    designSteps3And4();
    designSteps5And6();
    connectEvents();
    // The clocks count from the moment this screen exists; the splash before it is not counted.
    program.clocks().startAt(program.now());
}

void Form1::load() {
    course::buildOutline(*TreeView1, {.firstKeyedStep = 1, .lastKeyedStep = 6});
    course::buildOutline(*program.form3().TreeView1, {.firstKeyedStep = 6, .lastKeyedStep = 10});
    course::buildOutline(*program.form4().TreeView1,
                         {.firstKeyedStep = 10, .lastKeyedStep = 10, .lastTaskKeyed = true});
    TreeView1->ensureVisible(TreeView1->node(1));

    picResult->setTop(5520);

    for (toolkit::ListView* list : {ListView1, ListView2, ListView3, ListView4, ListView5}) {
        list->setColumnWidth(toolkit::twips(list->width()) - 300);
    }

    IndexText3 = course::buildWordIndex(Text3->text(), course::cleaningText3());
    IndexText36 = course::buildWordIndex(Text36->text(), course::cleaningText36());
    IndexText46 = course::buildWordIndex(Text46->text(), course::cleaningText46());
    IndexText50 = course::buildWordIndex(Text50->text(), course::cleaningText50());
    IndexText51 = course::buildWordIndex(Text51->text(), course::cleaningText51());

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

    connect(Text3, &toolkit::TextArea::clicked, this, &Form1::Form1_Text3_Click);
    connect(Text36, &toolkit::TextArea::clicked, this, &Form1::Form1_Text36_Click);
    connect(Text46, &toolkit::TextArea::clicked, this, &Form1::Form1_Text46_Click);
    connect(Text50, &toolkit::TextArea::clicked, this, &Form1::Form1_Text50_Click);
    connect(Text51, &toolkit::TextArea::clicked, this, &Form1::Form1_Text51_Click);
    for (toolkit::TextArea* reading : {Text3, Text36, Text46, Text50, Text51}) {
        connect(reading, &toolkit::TextArea::gotFocus, this, &Form1::Form1_ReadingText_GotFocus);
    }
    connect(Command4, &QPushButton::clicked, this, &Form1::Form1_Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Form1_Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Form1_Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Form1_Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Form1_Command8_Click);

    // Every word of tasks 13 and 14 marks and unmarks itself.
    for (toolkit::Label* word : {Label61, Label63, Label64, Label65, Label66, Label67, Label73, Label72,
                                 Label71, Label70, Label69, Label68, Label75, Label76}) {
        connect(word, &toolkit::Label::clicked, this, [word] { course::toggleMark(*word); });
    }

    // The links: a click opens the article, the pointer over a link underlines it, and the surfaces
    // around a link take the underline away again.
    const std::pair<toolkit::Label*, content::form1::Link> links[] = {{Label77, content::form1::Label77()},
                                                                      {Label78, content::form1::Label78()},
                                                                      {Label79, content::form1::Label79()},
                                                                      {Label80, content::form1::Label80()},
                                                                      {Label81, content::form1::Label81()}};
    for (const auto& [label, link] : links) {
        connect(label, &toolkit::Label::clicked, this,
                [this, address = link.address] { program.host().openAddress(address); });
        connect(label, &toolkit::Label::mouseMoved, this, [label] { course::hoverLink(*label); });
    }
    const auto reset = [](std::initializer_list<toolkit::Label*> labels) {
        return [list = QList<toolkit::Label*>(labels)] {
            for (toolkit::Label* link : list) {
                course::resetLink(*link);
            }
        };
    };
    connect(Picture2, &toolkit::PictureBox::mouseMoved, this, reset({Label77}));
    connect(Picture7, &toolkit::PictureBox::mouseMoved, this, reset({Label78}));
    connect(Picture11, &toolkit::PictureBox::mouseMoved, this, reset({Label79, Label80}));
    connect(Picture12, &toolkit::PictureBox::mouseMoved, this, reset({Label81}));
    connect(Text3, &toolkit::TextArea::mouseMoved, this, reset({Label77}));
    connect(Text36, &toolkit::TextArea::mouseMoved, this, reset({Label78}));
    connect(Text46, &toolkit::TextArea::mouseMoved, this, reset({Label79}));
    connect(Text47, &toolkit::TextArea::mouseMoved, this, reset({Label80}));
    connect(Text48, &toolkit::TextBox::mouseMoved, this, reset({Label80}));
    connect(Text50, &toolkit::TextArea::mouseMoved, this, reset({Label81}));
}

void Form1::Form1_Form_MouseMove() {
    course::resetLink(*Label77);
    course::resetLink(*Label78);
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
    program.clocks().catchUpTo(program.now());
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
