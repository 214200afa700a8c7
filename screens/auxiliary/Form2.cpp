#include "screens/auxiliary/Form2.h"

#include "content/Pictures.h"
#include "screens/Program.h"
#include "screens/main/Form1.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/Timer.h"
#include "toolkit/Twips.h"

namespace {

constexpr quint32 darkRed = 0x000080;
constexpr quint32 lightGrey = 0xE0E0E0;

toolkit::Shape* filled(const QString& name, QWidget* box, toolkit::Shape::Kind kind, quint32 colour, int left,
                       int top, int width, int height) {
    auto* shape = new toolkit::Shape(name, box, kind);
    shape->setNoBorder();
    shape->setFill(colour);
    toolkit::place(shape, left, top, width, height);
    return shape;
}

} // namespace

Form2::Form2(Program& owner)
    : toolkit::Form(QStringLiteral("Form2")),
      Picture1(new toolkit::PictureBox(QStringLiteral("Picture1"), this)),
      Shape5(filled(QStringLiteral("Shape5"), Picture1, toolkit::Shape::Kind::Rectangle, darkRed, 0, 0, 6375,
                    255)),
      Shape1(filled(QStringLiteral("Shape1"), Picture1, toolkit::Shape::Kind::Rectangle, darkRed, -120, 3360,
                    6495, 375)),
      Shape3(filled(QStringLiteral("Shape3"), Picture1, toolkit::Shape::Kind::Oval, 0xFFFFFF, 0, 550, 6735,
                    2820)),
      Shape2(filled(QStringLiteral("Shape2"), Picture1, toolkit::Shape::Kind::Oval, darkRed, 3120, 1320, 4455,
                    2535)),
      Shape4(filled(QStringLiteral("Shape4"), Picture1, toolkit::Shape::Kind::RoundedRectangle, lightGrey,
                    2640, 840, 3135, 1575)),
      Image1(new toolkit::Image(QStringLiteral("Image1"), Picture1)),
      Picture2(new toolkit::PictureBox(QStringLiteral("Picture2"), Picture1)),
      Label1(new toolkit::Label(QStringLiteral("Label1"), Picture2, owner.shown(QStringLiteral("Tesmora")))),
      Timer1(new toolkit::Timer(QStringLiteral("Timer1"), this, 4000, true)), program(owner) {
    setBorderless();
    // A window without a title bar still has a name for a screen reader.
    setAccessibleName(Label1->caption());
    setClientSize(6375, 3735);
    toolkit::place(Picture1, 0, 0, 6375, 3735);
    Picture1->setBackgroundRole(QPalette::Base);

    Image1->setPicture(content::bookPicture(owner.script()));
    toolkit::place(Image1, 240, 840, 1920, 1920);

    toolkit::place(Picture2, 2760, 900, 2895, 1450);
    Picture2->setBackColor(lightGrey);
    QFont title(QStringLiteral("Arial"));
    title.setPointSizeF(24);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setForeColor(darkRed);
    Label1->setAlignment(Qt::AlignCenter);
    toolkit::place(Label1, 0, 420, 2895, 615);
    // The title box stands above every decoration.
    Picture2->raise();
    centre();

    connect(Timer1, &toolkit::Timer::tick, this, &Form2::Form2_Timer1_Timer);
    connect(this, &toolkit::Form::clicked, this, &Form2::Form2_Form_Click);
    connect(Picture1, &toolkit::PictureBox::clicked, this, &Form2::Form2_Picture1_Click);
    connect(Picture2, &toolkit::PictureBox::clicked, this, &Form2::Form2_Picture2_Click);
    connect(Image1, &toolkit::Image::clicked, this, &Form2::Form2_Image1_Click);
    connect(Label1, &toolkit::Label::clicked, this, &Form2::Form2_Label1_Click);
    // A key leaves it as a click does.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &toolkit::Form::keyPressed, this, &Form2::Form2_Form_KeyPress);
    // Closing the splash by any other means (a key of the window manager) ends the program: with no
    // window left, it could not go on otherwise.
    connect(this, &toolkit::Form::closeRequested, this, [this] { program.end(); });
}

void Form2::leave() {
    program.form1().show();
    Timer1->setEnabled(false);
    program.unload(Program::Screen::Form2);
}

void Form2::Form2_Timer1_Timer() {
    leave();
}
void Form2::Form2_Form_Click() {
    leave();
}
void Form2::Form2_Picture1_Click() {
    leave();
}
void Form2::Form2_Picture2_Click() {
    leave();
}
void Form2::Form2_Image1_Click() {
    leave();
}
void Form2::Form2_Label1_Click() {
    leave();
}
void Form2::Form2_Form_KeyPress() {
    leave();
}
