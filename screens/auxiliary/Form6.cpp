#include "screens/auxiliary/Form6.h"

#include "content/AboutText.h"
#include "content/Pictures.h"
#include "screens/Program.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextArea.h"
#include "toolkit/Twips.h"

Form6::Form6(Program& owner)
    : toolkit::Form(QStringLiteral("Form6")),
      Label1(new toolkit::Label(QStringLiteral("Label1"), this, owner.shown(QStringLiteral("O programu")))),
      Picture3(new toolkit::PictureBox(QStringLiteral("Picture3"), this)),
      Picture1(new toolkit::PictureBox(QStringLiteral("Picture1"), this)),
      Picture2(new toolkit::PictureBox(QStringLiteral("Picture2"), Picture1)),
      Text1(new toolkit::TextArea(QStringLiteral("Text1"), Picture2)),
      Image1(new toolkit::Image(QStringLiteral("Image1"), this)),
      Command1(
          new toolkit::CommandButton(QStringLiteral("Command1"), this, owner.shown(QStringLiteral("OK")))),
      program(owner) {
    setCaption(program.shown(QStringLiteral("O programu")));
    makeDialog();
    setClientSize(11580, 9930);
    setBackColor(0xE0E0E0);

    Label1->setForeColor(0x000080);
    QFont heading(QStringLiteral("Arial"));
    heading.setPointSizeF(14.25);
    Label1->setFont(heading);
    Label1->setAlignment(Qt::AlignCenter);
    toolkit::place(Label1, 3323, 240, 4935, 375);

    // A grey panel behind the white one, offset down and right, reads as its shadow.
    toolkit::place(Picture3, 720, 1080, 10575, 7575);
    Picture3->setBackColor(0x808080);
    toolkit::place(Picture1, 480, 840, 10695, 7695);
    Picture1->setBackColor(0xFFFFFF);
    toolkit::place(Picture2, 240, 240, 10215, 7215);
    Picture2->setBackColor(0xFFFFFF);

    Text1->setText(program.shown(content::aboutText()));
    Text1->setAccessibleName(program.shown(QStringLiteral("O programu")));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont text(QStringLiteral("Arial"));
    text.setPointSizeF(12);
    Text1->setFont(text);
    toolkit::place(Text1, 120, 120, 10050, 6855);

    Image1->setPicture(content::decorationPicture());
    toolkit::place(Image1, 4440, 120, 480, 480);
    Label1->raise();

    Command1->setBackColor(0xFFFFFF);
    toolkit::place(Command1, 4680, 9000, 2175, 495);
    centre();

    connect(Command1, &QPushButton::clicked, this, &Form6::Form6_Command1_Click);
    setCancelButton(Command1); // Escape closes it as OK does
    connect(this, &toolkit::Form::closeRequested, this, &Form6::Form6_Command1_Click);
}

void Form6::Form6_Command1_Click() {
    program.unload(Program::Screen::Form6);
}
