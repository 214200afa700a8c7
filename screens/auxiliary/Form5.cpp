#include "screens/auxiliary/Form5.h"

#include "content/Pictures.h"
#include "screens/Program.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/Shape.h"
#include "toolkit/Twips.h"

namespace {

toolkit::Label* cell(const QString& name, QWidget* screen, const QString& text, int left, int top,
                     int width) {
    auto* label = new toolkit::Label(name, screen, text);
    label->setAlignment(Qt::AlignCenter);
    toolkit::place(label, left, top, width, 255);
    return label;
}

toolkit::CommandButton* whiteButton(const QString& name, QWidget* screen, const QString& text, int left) {
    auto* button = new toolkit::CommandButton(name, screen, text);
    button->setBackColor(0xFFFFFF);
    toolkit::place(button, left, 8160, 1815, 375);
    return button;
}

constexpr int rowTop(int step) {
    return 2520 + 480 * (step - 1);
}

} // namespace

Form5::Form5(Program& owner)
    : toolkit::Form(QStringLiteral("Form5")),
      Label1(new toolkit::Label(QStringLiteral("Label1"), this,
                                owner.shown(QStringLiteral("Svi zadaci su uspešno rešeni")))),
      Label26(new toolkit::Label(
          QStringLiteral("Label26"), this,
          owner.shown(QStringLiteral("Čestitamo, uspešno si naučio, uvežbao i obnovio osnovna znanja o "
                                     "imenicama u srpskom jeziku!")))),
      Label2(
          cell(QStringLiteral("Label2"), this, owner.shown(QStringLiteral("KORAK BROJ")), 1560, 2040, 1455)),
      Label3(cell(QStringLiteral("Label3"), this, owner.shown(QStringLiteral("VREME")), 4680, 2040, 855)),
      Label14(cell(QStringLiteral("Label14"), this, {}, 3600, rowTop(1), 2895)),
      Label15(cell(QStringLiteral("Label15"), this, {}, 3600, rowTop(2), 2895)),
      Label16(cell(QStringLiteral("Label16"), this, {}, 3600, rowTop(3), 2895)),
      Label17(cell(QStringLiteral("Label17"), this, {}, 3600, rowTop(4), 2895)),
      Label18(cell(QStringLiteral("Label18"), this, {}, 3600, rowTop(5), 2895)),
      Label19(cell(QStringLiteral("Label19"), this, {}, 3600, rowTop(6), 2895)),
      Label20(cell(QStringLiteral("Label20"), this, {}, 3600, rowTop(7), 2895)),
      Label21(cell(QStringLiteral("Label21"), this, {}, 3600, rowTop(8), 2895)),
      Label22(cell(QStringLiteral("Label22"), this, {}, 3600, rowTop(9), 2895)),
      Label23(cell(QStringLiteral("Label23"), this, {}, 3600, rowTop(10), 2895)),
      Label24(cell(QStringLiteral("Label24"), this, owner.shown(QStringLiteral("Ukupno")), 840, 7320, 2775)),
      Label25(cell(QStringLiteral("Label25"), this, {}, 3600, 7320, 2895)),
      Command1(
          whiteButton(QStringLiteral("Command1"), this, owner.shown(QStringLiteral("O programu")), 1560)),
      Command2(whiteButton(QStringLiteral("Command2"), this, owner.shown(QStringLiteral("Izlaz")), 3840)),
      program(owner) {
    setCaption(program.shown(QStringLiteral("Tesmora")));
    makeDialog();
    setClientSize(7350, 8865);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9.75);
    setFont(arial);

    Label1->setForeColor(0x008000);
    Label1->setFontSize(15.75);
    Label1->setAlignment(Qt::AlignCenter);
    toolkit::place(Label1, 1500, 360, 4815, 375); // wide enough for the title in either script
    Label26->setForeColor(0x404040);
    Label26->setFontSize(12);
    Label26->setWordWrap(true);
    Label26->setAlignment(Qt::AlignCenter);
    toolkit::place(Label26, 1080, 1080, 5295, 615);
    // Its words take a line more in Cyrillic.
    Label26->resize(Label26->width(), std::max(Label26->height(), Label26->heightForWidth(Label26->width())));
    const std::array<toolkit::Label*, 10> times = {Label14, Label15, Label16, Label17, Label18,
                                                   Label19, Label20, Label21, Label22, Label23};
    for (int step = 1; step <= 10; ++step) {
        stepNumbers[step - 1] = cell(QStringLiteral("Label%1").arg(step + 3), this, QString::number(step),
                                     840, rowTop(step), 2775);
        times[step - 1]->setSpokenHeading(program.shown(QStringLiteral("Korak %1").arg(step)));
    }
    Label25->setSpokenHeading(program.shown(QStringLiteral("Ukupno vreme")));

    // The frame and the rules of the table, and its decorations.
    auto* frame = new toolkit::Shape(QStringLiteral("Shape1"), this, toolkit::Shape::Kind::Rectangle);
    frame->setBorder(0x808080, 1);
    toolkit::place(frame, 720, 1920, 5895, 5760);
    const int rules[13] = {2400, 2880, 3360, 3840, 4320, 4800, 5280, 5760, 6240, 6720, 7200, 7680, 0};
    for (int i = 0; i < 12; ++i) {
        new toolkit::Line(QStringLiteral("Line%1").arg(i + 1), this, 720, rules[i], 6615, rules[i], 0xC0C0C0);
    }
    new toolkit::Line(QStringLiteral("Line13"), this, 3600, 1920, 3600, 7680, 0xC0C0C0);
    const QPoint decorations[3] = {{840, 300}, {6240, 300}, {6240, 8040}};
    for (int i = 0; i < 3; ++i) {
        auto* image = new toolkit::Image(QStringLiteral("Image%1").arg(i + 1), this);
        image->setPicture(content::decorationPicture());
        toolkit::place(image, decorations[i].x(), decorations[i].y(), 480, 480);
    }
    centre();

    connect(Command1, &QPushButton::clicked, this, &Form5::Form5_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Form5_Command2_Click);
    connect(this, &toolkit::Form::closeRequested, this, &Form5::Form5_Form_Unload);
}

void Form5::Form5_Command1_Click() {
    program.showAbout(*this);
}

void Form5::Form5_Command2_Click() {
    program.end();
}

void Form5::Form5_Form_Unload() {
    program.unload(Program::Screen::Form5);
}
