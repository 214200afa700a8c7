// The panels of the introduction and of steps 1 and 2 (tasks 1 to 5) on the main lesson screen.
#include "screens/main/Form1.h"

#include "content/Form1Texts.h"
#include "content/Pictures.h"
#include "course/Design.h"
#include "course/Words.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"

using course::answerBox;
using course::explanation;
using course::labelAt;
using course::prompt;
using course::readingText;

namespace {

toolkit::Image* decoration(const QString& name, QWidget* panel, int left, int top, int side) {
    auto* image = new toolkit::Image(name, panel);
    image->setPicture(content::decorationPicture().scaledTo({toolkit::pixels(side), toolkit::pixels(side)}));
    toolkit::place(image, left, top, side, side);
    return image;
}

} // namespace

void Form1::designIntroduction() {
    Image1 = new toolkit::Image(QStringLiteral("Image1"), Picture1);
    Image1->setPicture(content::bookPicture(script()).scaledTo({96, 96}));
    toolkit::place(Image1, 360, 480, 1440, 1440);
    Text1 = readingText(QStringLiteral("Text1"), Picture1, shown(QStringLiteral("Obraćanje učeniku")),
                        shown(content::form1::Text1()), 2040, 480, 7560, 4440);
}

void Form1::designTask1() {
    Text2 = explanation(QStringLiteral("Text2"), Picture2, shown(content::form1::Text2()), 240, 120, 9375,
                        1095, script());
    Label3 = prompt(QStringLiteral("Label3"), Picture2,
                    shown(QStringLiteral("ZADATAK 1: Iz datog teksta izdvoj imenice")), 240, 1320, 6480, 255);
    Text3 = readingText(QStringLiteral("Text3"), Picture2,
                        shown(QStringLiteral("Zadatak 1, tekst iz kog biraš imenice")),
                        shown(content::form1::Text3()), 240, 1620, 6480, 2895);
    Label77 = course::linkLabel(QStringLiteral("Label77"), Picture2, shown(content::form1::Label77().caption),
                                240, 4620, 6480, 255);
    Label4 = labelAt(QStringLiteral("Label4"), Picture2, shown(QStringLiteral("Odabrane reči ( 0 )")), 6960,
                     1380, 2655, 255);
    ListView1 = course::pickedList(QStringLiteral("ListView1"), Picture2, 6960, 1620, 1935, 2895, script());
    Command4 = course::removeButton(QStringLiteral("Command4"), ListView1, 6960, 4620, 2655, 375, script());

    connectPicking(*Text3, &Form1::Form1_Text3_Click, *Label4, *Command4, &Form1::Form1_Command4_Click);
    connectLink(*Label77, content::form1::Label77().address);
    course::resetLinksOnMove(*Picture2, {Label77});
    course::resetLinksOnMove(*Text3, {Label77});
}

void Form1::designTask2() {
    decoration(QStringLiteral("Picture3Decoration"), Picture3, 720, 480, 720);
    Label6 = prompt(QStringLiteral("Label6"), Picture3,
                    shown(QStringLiteral("ZADATAK 2: Osnovne gramaticke kategorije kod imenica su:")), 720,
                    1800, 8400, 255);
    Text4 = answerBox(QStringLiteral("Text4"), Picture3, shown(QStringLiteral("Zadatak 2, prva kategorija")),
                      720, 2280, 1935);
    Label7 = labelAt(QStringLiteral("Label7"), Picture3, QStringLiteral(","), 2730, 2400, 120, 255);
    Text5 = answerBox(QStringLiteral("Text5"), Picture3, shown(QStringLiteral("Zadatak 2, druga kategorija")),
                      2880, 2280, 1935);
    Label8 = labelAt(QStringLiteral("Label8"), Picture3, shown(QStringLiteral("i")), 4935, 2340, 180, 255);
    Text6 = answerBox(QStringLiteral("Text6"), Picture3, shown(QStringLiteral("Zadatak 2, treća kategorija")),
                      5160, 2280, 1935);
}

void Form1::designTask3() {
    Text7 = explanation(QStringLiteral("Text7"), Picture4, shown(content::form1::Text7()), 240, 120, 9375,
                        1335, script());
    Label11 = prompt(
        QStringLiteral("Label11"), Picture4,
        shown(QStringLiteral("ZADATAK 3: popuni tabelu tako što ćeš promeniti po padežima imenice koje su ti "
                             "zadate.")),
        240, 1560, 9375, 435);
    // The table: a column per noun (singular, then plural), a row per case; the nominative row holds
    // the nouns themselves as column headings.
    const int columnLeft[4] = {1200, 3360, 5520, 7680};
    constexpr int columnWidth = 1935;
    constexpr int nominativeTop = 2340;
    constexpr int rowHeight = 450;
    const QString headings[13] = {
        shown(QStringLiteral("Jednina")), shown(QStringLiteral("Množina")),  shown(QStringLiteral("Krompir")),
        shown(QStringLiteral("Telo")),    shown(QStringLiteral("Krompiri")), shown(QStringLiteral("Tela")),
        shown(QStringLiteral("N.")),      shown(QStringLiteral("G.")),       shown(QStringLiteral("D.")),
        shown(QStringLiteral("A.")),      shown(QStringLiteral("V.")),       shown(QStringLiteral("I.")),
        shown(QStringLiteral("L."))};
    for (int i = 0; i < 13; ++i) {
        const QString name = QStringLiteral("Label%1").arg(12 + i);
        if (i < 2) { // Jednina over the two singular columns, Množina over the plural ones
            tableHeadings[i] =
                labelAt(name, Picture4, headings[i], columnLeft[2 * i], 2040, 2 * columnWidth, 255);
            tableHeadings[i]->setAlignment(Qt::AlignCenter);
            tableHeadings[i]->setBold(true);
        } else if (i < 6) {
            tableHeadings[i] =
                labelAt(name, Picture4, headings[i], columnLeft[i - 2], nominativeTop, columnWidth, 255);
            tableHeadings[i]->setAlignment(Qt::AlignCenter);
        } else {
            tableHeadings[i] =
                labelAt(name, Picture4, headings[i], 600, nominativeTop + (i - 6) * rowHeight, 480, 255);
        }
    }
    // A cell is named after its noun and its case: "Krompir, genitiv jednine".
    const QString cases[6] = {shown(QStringLiteral("genitiv")),      shown(QStringLiteral("dativ")),
                              shown(QStringLiteral("akuzativ")),     shown(QStringLiteral("vokativ")),
                              shown(QStringLiteral("instrumental")), shown(QStringLiteral("lokativ"))};
    for (int column = 0; column < 4; ++column) {
        const QString number =
            column < 2 ? shown(QStringLiteral("jednine")) : shown(QStringLiteral("množine"));
        for (int row = 0; row < 6; ++row) {
            const int cell = column * 6 + row;
            tableCells[cell] =
                answerBox(QStringLiteral("Text%1").arg(8 + cell), Picture4,
                          QStringLiteral("%1, %2 %3").arg(headings[2 + column], cases[row], number),
                          columnLeft[column], nominativeTop + (row + 1) * rowHeight - 60, columnWidth, 360);
        }
    }
}

void Form1::designTasks4And5() {
    Label26 = prompt(QStringLiteral("Label26"), Picture6,
                     shown(QStringLiteral("ZADATAK 4: Dopuni rečenicu:")), 240, 240, 9375, 255);
    // The first line of the sentence leaves a gap of blanks in which the box Text52 stands.
    const QString before = shown(QStringLiteral("Imenice koje ne označavaju (imenuju) "));
    const QString gap(26, u' ');
    Label27 = labelAt(QStringLiteral("Label27"), Picture6,
                      before + gap + shown(QStringLiteral("bića, nego stvari i pojave imaju")), 240, 780,
                      9375, 255);
    Label27->setWordWrap(false);
    const int gapLeft = 240 + toolkit::twips(QFontMetrics(Label27->font()).horizontalAdvance(before));
    const int gapWidth = toolkit::twips(QFontMetrics(Label27->font()).horizontalAdvance(gap));
    Text52 = answerBox(QStringLiteral("Text52"), Picture6, shown(QStringLiteral("Zadatak 4, prva praznina")),
                       gapLeft, 720, gapWidth - 60);
    Text52->setAccessibleDescription(
        shown(QStringLiteral("Imenice koje ne označavaju (imenuju) … bića, nego stvari i "
                             "pojave imaju")));
    Text32 = answerBox(QStringLiteral("Text32"), Picture6, shown(QStringLiteral("Zadatak 4, druga praznina")),
                       240, 1200, 1935);
    Text32->setAccessibleDescription(
        shown(QStringLiteral("… a ne prirodni rod jer nisu ni muškog ni ženskog pola.")));
    Label28 = labelAt(QStringLiteral("Label28"), Picture6,
                      shown(QStringLiteral("a ne prirodni rod jer nisu ni muškog ni ženskog pola.")), 2280,
                      1260, 7335, 255);
    Label29 = prompt(
        QStringLiteral("Label29"), Picture6,
        shown(QStringLiteral("ZADATAK 5: Na prvu liniju prepiši iz datog spiska imenice koje imaju prirodni "
                             "rod, a na drugu liniju imenice koje imaju gramatički rod.")),
        240, 1920, 9375, 495);
    Label30 = labelAt(QStringLiteral("Label30"), Picture6,
                      shown(QStringLiteral(
                          "Milan, sok, radost, snaga, Branka, majka, ovca, veština, igra, balet, medved.")),
                      240, 2580, 9375, 255);
    Label31 = labelAt(QStringLiteral("Label31"), Picture6, shown(QStringLiteral("Prirodni:")), 240, 3180,
                      1095, 255);
    Text33 = answerBox(QStringLiteral("Text33"), Picture6,
                       shown(QStringLiteral("Zadatak 5, imenice koje imaju prirodni rod")), 1440, 3120, 8175);
    Label32 = labelAt(QStringLiteral("Label32"), Picture6, shown(QStringLiteral("Gramatički:")), 240, 3780,
                      1095, 255);
    Text34 =
        answerBox(QStringLiteral("Text34"), Picture6,
                  shown(QStringLiteral("Zadatak 5, imenice koje imaju gramatički rod")), 1440, 3720, 8175);
}
