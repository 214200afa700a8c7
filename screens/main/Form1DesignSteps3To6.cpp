// The panels of steps 3 to 5 and of the first half of step 6 (tasks 6 to 14) on the main lesson screen.
#include "screens/main/Form1.h"

#include "content/Form1Texts.h"
#include "course/Design.h"
#include "course/Words.h"
#include "toolkit/CommandButton.h"
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

constexpr int listLeft = 6960; // the picked-word lists stand right of their reading texts
constexpr int listWidth = 1935;
constexpr int buttonWidth = 2655;

toolkit::PictureBox* wordRow(const QString& name, QWidget* panel, int top) {
    auto* row = new toolkit::PictureBox(name, panel);
    toolkit::place(row, 240, top, 9375, 555);
    row->setBackColor(0xFFFFFF);
    return row;
}

} // namespace

void Form1::designTask6() {
    Text35 = explanation(QStringLiteral("Text35"), Picture7, shown(content::form1::Text35()), 240, 120, 9375,
                         1335, script());
    Label35 = prompt(
        QStringLiteral("Label35"), Picture7,
        shown(QStringLiteral("ZADATAK 6: U tekstu koji sledi izdvoj vlastite imenice koje označavaju imena "
                             "geografskih pojmova.")),
        240, 1500, 6480, 465);
    Text36 = readingText(QStringLiteral("Text36"), Picture7,
                         shown(QStringLiteral("Zadatak 6, tekst iz kog biraš imena geografskih pojmova")),
                         shown(content::form1::Text36()), 240, 1980, 6480, 2775);
    Label78 = course::linkLabel(QStringLiteral("Label78"), Picture7, shown(content::form1::Label78().caption),
                                240, 4800, 6480, 495);
    Label78->setWordWrap(true);
    Label36 = labelAt(QStringLiteral("Label36"), Picture7, shown(QStringLiteral("Odabrane reči")), listLeft,
                      1740, buttonWidth, 255);
    ListView2 =
        course::pickedList(QStringLiteral("ListView2"), Picture7, listLeft, 1980, listWidth, 2775, script());
    Command5 = course::removeButton(QStringLiteral("Command5"), ListView2, listLeft, 4860, buttonWidth, 375,
                                    script());

    connectPicking(*Text36, &Form1::Form1_Text36_Click, *Label36, *Command5, &Form1::Form1_Command5_Click);
    connectLink(*Label78, content::form1::Label78().address);
    course::resetLinksOnMove(*Picture7, {Label78});
    course::resetLinksOnMove(*Text36, {Label78});
}

void Form1::designTask7() {
    Label37 = prompt(QStringLiteral("Label37"), Picture9,
                     shown(QStringLiteral("ZADATAK 7: Nabroj imena bar četiri planete sunčevog sistema.")),
                     720, 1320, 8400, 255);
    const QString ordinals[4] = {shown(QStringLiteral("prva")), shown(QStringLiteral("druga")),
                                 shown(QStringLiteral("treća")), shown(QStringLiteral("četvrta"))};
    for (int i = 0; i < 4; ++i) {
        planetBoxes[i] = answerBox(QStringLiteral("Text%1").arg(37 + i), Picture9,
                                   shown(QStringLiteral("Zadatak 7, %1 planeta")).arg(ordinals[i]),
                                   720 + i * 2160, 2040, 1935);
    }
}

void Form1::designTask8() {
    Text41 = explanation(QStringLiteral("Text41"), Picture10, shown(content::form1::Text41()), 240, 120, 9375,
                         1095, script());
    Label41 = prompt(
        QStringLiteral("Label41"), Picture10,
        shown(QStringLiteral("ZADATAK 8: Na osnovu objašnjenja, napiši kako glasi zajednička imenica.")), 240,
        1380, 9375, 255);
    const QString clues[4] = {
        shown(QStringLiteral("Služe za igranje, dodavanje, sport.")),
        shown(QStringLiteral("Sve su ženskog roda.")),
        shown(QStringLiteral("Svaki leti i prevozi putnike i teret.")),
        shown(QStringLiteral("Piše se na papiru rukom ili kompjuterom, olovkom ili perom i mastilom."))};
    for (int i = 0; i < 4; ++i) {
        const int top = 1920 + i * 720;
        rowNumbers[i] = labelAt(QStringLiteral("Label%1").arg(42 + i), Picture10,
                                QStringLiteral("%1.").arg(i + 1), 240, top, 360, 255);
        descriptions[i] =
            labelAt(QStringLiteral("Label%1").arg(46 + i), Picture10, clues[i], 720, top, 5280, 495);
        commonNounBoxes[i] = answerBox(QStringLiteral("Text%1").arg(42 + i), Picture10,
                                       shown(QStringLiteral("Zadatak 8, %1. %2")).arg(i + 1).arg(clues[i]),
                                       6240, top - 60, 2895);
    }
}

void Form1::designTasks9And10() {
    Label51 =
        prompt(QStringLiteral("Label51"), Picture11, shown(content::form1::Label51()), 240, 120, 6480, 465);
    Text46 = readingText(QStringLiteral("Text46"), Picture11,
                         shown(QStringLiteral("Zadatak 9, stihovi iz kojih biraš zajedničke imenice")),
                         shown(content::form1::Text46()), 240, 600, 6480, 1455);
    Label79 = course::linkLabel(QStringLiteral("Label79"), Picture11,
                                shown(content::form1::Label79().caption), 240, 2100, 6480, 255);
    Label50 = labelAt(QStringLiteral("Label50"), Picture11, shown(QStringLiteral("Odabrane reči ( 0 )")),
                      listLeft, 360, buttonWidth, 255);
    ListView3 =
        course::pickedList(QStringLiteral("ListView3"), Picture11, listLeft, 600, listWidth, 1575, script());
    Command6 = course::removeButton(QStringLiteral("Command6"), ListView3, listLeft, 2220, buttonWidth, 375,
                                    script());
    Label52 = prompt(
        QStringLiteral("Label52"), Picture11,
        shown(QStringLiteral("ZADATAK 10: pronađi i prepiši na liniju zajedničke imenice koje označavaju "
                             "bića.")),
        240, 2760, 9375, 255);
    Text47 = readingText(QStringLiteral("Text47"), Picture11, shown(QStringLiteral("Zadatak 10, odlomak")),
                         shown(content::form1::Text47()), 240, 3060, 9375, 1335);
    Label80 = course::linkLabel(QStringLiteral("Label80"), Picture11,
                                shown(content::form1::Label80().caption), 240, 4440, 9375, 255);
    Text48 = answerBox(QStringLiteral("Text48"), Picture11,
                       shown(QStringLiteral("Zadatak 10, zajedničke imenice koje označavaju bića")), 240,
                       4860, 9375);

    connectPicking(*Text46, &Form1::Form1_Text46_Click, *Label50, *Command6, &Form1::Form1_Command6_Click);
    connectLink(*Label79, content::form1::Label79().address);
    connectLink(*Label80, content::form1::Label80().address);
    course::resetLinksOnMove(*Picture11, {Label79, Label80});
    course::resetLinksOnMove(*Text46, {Label79});
    course::resetLinksOnMove(*Text47, {Label80});
    course::resetLinksOnMove(*Text48, {Label80});
}

void Form1::designTask11() {
    Text49 = explanation(QStringLiteral("Text49"), Picture12, shown(content::form1::Text49()), 240, 120, 9375,
                         1095, script());
    Label55 =
        prompt(QStringLiteral("Label55"), Picture12, shown(content::form1::Label55()), 240, 1260, 6480, 465);
    Text50 = readingText(QStringLiteral("Text50"), Picture12,
                         shown(QStringLiteral("Zadatak 11, stihovi iz kojih biraš apstraktne imenice")),
                         shown(content::form1::Text50()), 240, 1740, 4335, 3255);
    Label81 = course::linkLabel(QStringLiteral("Label81"), Picture12,
                                shown(content::form1::Label81().caption), 240, 5100, 6480, 255);
    Label56 = labelAt(QStringLiteral("Label56"), Picture12, shown(QStringLiteral("Odabrane reči ( 0 )")),
                      listLeft, 1500, buttonWidth, 255);
    ListView4 =
        course::pickedList(QStringLiteral("ListView4"), Picture12, listLeft, 1740, listWidth, 3255, script());
    Command7 = course::removeButton(QStringLiteral("Command7"), ListView4, listLeft, 5040, buttonWidth, 375,
                                    script());

    connectPicking(*Text50, &Form1::Form1_Text50_Click, *Label56, *Command7, &Form1::Form1_Command7_Click);
    connectLink(*Label81, content::form1::Label81().address);
    course::resetLinksOnMove(*Picture12, {Label81});
    course::resetLinksOnMove(*Text50, {Label81});
}

void Form1::designTask12() {
    Label59 =
        prompt(QStringLiteral("Label59"), Picture13,
               shown(QStringLiteral("ZADATAK 12: izdvoj apstraktne imenice koje označavaju neku osobinu.")),
               240, 360, 9375, 255);
    Text51 = readingText(QStringLiteral("Text51"), Picture13,
                         shown(QStringLiteral("Zadatak 12, reči iz kojih biraš")),
                         shown(content::form1::Text51()), 240, 960, 6480, 1095);
    Label58 = labelAt(QStringLiteral("Label58"), Picture13, shown(QStringLiteral("Odabrane reči ( 0 )")),
                      listLeft, 720, buttonWidth, 255);
    ListView5 =
        course::pickedList(QStringLiteral("ListView5"), Picture13, listLeft, 960, listWidth, 3255, script());
    Command8 = course::removeButton(QStringLiteral("Command8"), ListView5, listLeft, 4320, buttonWidth, 375,
                                    script());

    connectPicking(*Text51, &Form1::Form1_Text51_Click, *Label58, *Command8, &Form1::Form1_Command8_Click);
}

void Form1::designTasks13And14() {
    Text53 = explanation(QStringLiteral("Text53"), Picture14, shown(content::form1::Text53()), 240, 120, 9375,
                         1095, script());
    Label62 = prompt(
        QStringLiteral("Label62"), Picture14,
        shown(QStringLiteral("ZADATAK 13: pronađi i podvuci apstraktne imenice koje označavaju neku ideju")),
        240, 1440, 9375, 255);
    Picture15 = wordRow(QStringLiteral("Picture15"), Picture14, 1800);
    const auto word = [](const QString& name, QWidget* row, const QString& text, int left) {
        return course::wordLabel(name, row, text, left, 120, 255, 9.75);
    };
    Label61 = word(QStringLiteral("Label61"), Picture15, shown(QStringLiteral("OLOVKA,")), 240);
    Label63 = word(QStringLiteral("Label63"), Picture15, shown(QStringLiteral("MISAO,")), 1200);
    Label64 = word(QStringLiteral("Label64"), Picture15, shown(QStringLiteral("RAVNOPRAVNOST,")), 2040);
    Label65 = word(QStringLiteral("Label65"), Picture15, shown(QStringLiteral("PRAVDA,")), 3960);
    Label66 = word(QStringLiteral("Label66"), Picture15, shown(QStringLiteral("KNJIGA,")), 4920);
    Label67 = word(QStringLiteral("Label67"), Picture15, shown(QStringLiteral("USPOMENA.")), 5760);
    course::keepApart({Label61, Label63, Label64, Label65, Label66, Label67});
    Label74 = prompt(
        QStringLiteral("Label74"), Picture14,
        shown(QStringLiteral("ZADATAK 14: pronađi i podvuci apstraktne imenice koje označavaju neko osećanje "
                             "ili raspoloženje")),
        240, 2640, 9375, 435);
    Picture16 = wordRow(QStringLiteral("Picture16"), Picture14, 3180);
    Label73 = word(QStringLiteral("Label73"), Picture16, shown(QStringLiteral("SLIKA,")), 240);
    Label72 = word(QStringLiteral("Label72"), Picture16, shown(QStringLiteral("SETA,")), 960);
    Label71 = word(QStringLiteral("Label71"), Picture16, shown(QStringLiteral("MOLBA,")), 1680);
    Label70 = word(QStringLiteral("Label70"), Picture16, shown(QStringLiteral("SLOVO,")), 2520);
    Label69 = word(QStringLiteral("Label69"), Picture16, shown(QStringLiteral("KAŠIKA,")), 3360);
    Label68 = word(QStringLiteral("Label68"), Picture16, shown(QStringLiteral("LJUBAV,")), 4200);
    Label75 = word(QStringLiteral("Label75"), Picture16, shown(QStringLiteral("STRAH,")), 5160);
    Label76 = word(QStringLiteral("Label76"), Picture16, shown(QStringLiteral("TOČAK.")), 6000);
    course::keepApart({Label73, Label72, Label71, Label70, Label69, Label68, Label75, Label76});

    // Every word of tasks 13 and 14 marks and unmarks itself.
    for (toolkit::Label* each : {Label61, Label63, Label64, Label65, Label66, Label67, Label73, Label72,
                                 Label71, Label70, Label69, Label68, Label75, Label76}) {
        connect(each, &toolkit::Label::clicked, this, [each] { course::toggleMark(*each); });
    }
}
