// The panels of the second lesson screen.
#include "screens/second/Form3.h"

#include "content/Form3Texts.h"
#include "content/Pictures.h"
#include "course/Design.h"
#include "course/Words.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"

using course::labelAt;
using course::prompt;
using course::readingText;

namespace {

constexpr quint32 answerGrey = 0xF5F5F5;

toolkit::TextBox* greyBox(const QString& name, QWidget* panel, const QString& asks, int left, int top,
                          int width = 1695) {
    toolkit::TextBox* box = course::answerBox(name, panel, asks, left, top, width, 360);
    box->setBackColor(answerGrey);
    return box;
}

toolkit::Label* word(const QString& name, QWidget* row, const QString& text, int left, int top) {
    return course::wordLabel(name, row, text, left, top, 255, 9.75);
}

// A label of tasks 19 and 23 in 12 pt that the pointer clicks: an option, or the number before one.
toolkit::Label* clickable(const QString& name, QWidget* panel, const QString& text, int left, int top,
                          int width, int height) {
    toolkit::Label* label = labelAt(name, panel, text, left, top, width, height);
    label->setFontSize(12);
    label->setForeColor(course::wordColour);
    label->setPointer();
    return label;
}

toolkit::Shape* ring(const QString& name, QWidget* panel, int left, int top, int width, int height) {
    auto* shape = new toolkit::Shape(name, panel, toolkit::Shape::Kind::Circle);
    shape->setBorder(0x000000, 2);
    toolkit::place(shape, left, top, width, height);
    shape->hide();
    return shape;
}

// An option, chosen while its ring shows; an exclusive one clears the other of its pair.
toolkit::Label* option(const QString& name, QWidget* panel, const QString& text, toolkit::Shape* chosen,
                       bool exclusive, int left, int top, int width, int height) {
    toolkit::Label* label = clickable(name, panel, text, left, top, width, height);
    label->makeOption(chosen, exclusive);
    chosen->raise(); // drawn over its option
    return label;
}

} // namespace

void Form3::designTasks15And16() {
    Label62 = prompt(
        QStringLiteral("Label62"), Picture14,
        shown(QStringLiteral("ZADATAK 15: pronađi i podvuci apstraktne imenice koje označavaju osobine.")),
        720, 480, 8775, 255);
    Picture15 = new toolkit::PictureBox(QStringLiteral("Picture15"), Picture14);
    toolkit::place(Picture15, 960, 720, 8295, 495);
    Picture15->setBackColor(0xFFFFFF);
    Label61 = word(QStringLiteral("Label61"), Picture15, shown(QStringLiteral("MUDROST,")), 0, 120);
    Label63 = word(QStringLiteral("Label63"), Picture15, shown(QStringLiteral("BICIKL,")), 1200, 120);
    Label64 = word(QStringLiteral("Label64"), Picture15, shown(QStringLiteral("UŽAS,")), 2040, 120);
    Label65 = word(QStringLiteral("Label65"), Picture15, shown(QStringLiteral("PLAŠLJIVOST,")), 2760, 120);
    Label66 = word(QStringLiteral("Label66"), Picture15, shown(QStringLiteral("BEŽANJE,")), 4200, 120);
    Label67 = word(QStringLiteral("Label67"), Picture15, shown(QStringLiteral("ZADATAK.")), 5280, 120);
    course::keepApart({Label61, Label63, Label64, Label65, Label66, Label67});

    Label74 = prompt(QStringLiteral("Label74"), Picture14,
                     shown(QStringLiteral("ZADATAK 16: imenuj apstraktnom imenicom pojam koji je opisan.")),
                     720, 1320, 8775, 255);
    const QString descriptions[4] = {shown(content::form3::Text1()), shown(content::form3::Text2()),
                                     shown(content::form3::Text3()), shown(content::form3::Text4())};
    const int descriptionTops[4] = {1830, 2760, 3600, 4400};
    // Tall enough for every line: three lines for the first and the last, two for the others (the
    // second description is one running line that wraps in two).
    const int descriptionHeights[4] = {855, 630, 630, 855};
    const int boxTops[4] = {2040, 2880, 3750, 4680};
    for (int i = 0; i < 4; ++i) {
        const QString numberName =
            i == 0 ? QStringLiteral("Label7") : QStringLiteral("Label7Row%1").arg(i + 1);
        descriptionNumbers[i] = labelAt(numberName, Picture14, QStringLiteral("%1.").arg(i + 1), 840,
                                        descriptionTops[i] + 60, 360, 255);
        descriptionTexts[i] =
            readingText(QStringLiteral("Text%1").arg(i + 1), Picture14,
                        shown(QStringLiteral("Zadatak 16, opis %1")).arg(i + 1), descriptions[i], 1200,
                        descriptionTops[i], 4080, descriptionHeights[i]);
        abstractNounBoxes[i] =
            greyBox(QStringLiteral("Text%1").arg(i + 5), Picture14,
                    shown(QStringLiteral("Zadatak 16, apstraktna imenica za opis %1")).arg(i + 1), 5400,
                    boxTops[i], 2535);
    }

    for (toolkit::Label* each : {Label61, Label63, Label64, Label65, Label66, Label67}) {
        connect(each, &toolkit::Label::clicked, this, [each] { course::toggleMark(*each); });
    }
}

void Form3::designTask17() {
    Text53 = course::explanation(QStringLiteral("Text53"), Picture1, shown(content::form3::Text53()), 840,
                                 240, 8535, 1575, script());
    Label11 =
        prompt(QStringLiteral("Label11"), Picture1,
               shown(QStringLiteral("ZADATAK 17: pronađi i izdvoj glagolske imenice u narodnoj pesmi.")), 720,
               2040, 8655, 255);
    Text51 = readingText(QStringLiteral("Text51"), Picture1,
                         shown(QStringLiteral("Zadatak 17, narodna pesma iz koje biraš glagolske imenice")),
                         shown(content::form3::Text51()), 480, 2880, 4815, 2055);
    Text51->setBackColor(answerGrey);
    Label12 = labelAt(QStringLiteral("Label12"), Picture1, shown(QStringLiteral("Odabrane reči ( 0 )")), 6480,
                      2280, 2655, 255);
    ListView5 = course::pickedList(QStringLiteral("ListView5"), Picture1, 6480, 2640, 1935, 2415, script());
    Command8 = new toolkit::CommandButton(QStringLiteral("Command8"), Picture1);
    Command8->setPicture(content::removePicture());
    Command8->setIconSize(QSize(24, 24));
    Command8->setToolTip(shown(QStringLiteral(" Ukloni odabranu stavku sa liste ")));
    course::removesFrom(*Command8, *ListView5, script());
    toolkit::place(Command8, 8640, 2640, 735, 615);

    course::makePickable(*Text51, *Label12, script());
    connect(Text51, &toolkit::TextArea::clicked, this, &Form3::Form3_Text51_Click);
    connect(Text51, &toolkit::TextArea::gotFocus, this, &Form3::Form3_Text51_GotFocus);
    connect(Command8, &QPushButton::clicked, this, &Form3::Form3_Command8_Click);
}

void Form3::designTask18() {
    Label14 = prompt(QStringLiteral("Label14"), Picture2,
                     shown(QStringLiteral("ZADATAK 18: Od sledećih glagola napraviti glagolske imenice.")),
                     840, 360, 8535, 255);
    const char* verbCaptions[12] = {"pisati", "plakati",  "pevati", "ljubiti",     "plivati",   "zviždati",
                                    "crtati", "bolovati", "trčati", "igrati (se)", "sklanjati", "zastakliti"};
    const int verbNumbers[12] = {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27};
    for (int i = 0; i < 12; ++i) {
        const bool left = i < 6;
        const int top = 1080 + (i % 6) * 600;
        verbs[i] = labelAt(QStringLiteral("Label%1").arg(verbNumbers[i]), Picture2,
                           shown(QString::fromUtf8(verbCaptions[i])), left ? 960 : 5520, top + 60, 1935, 255);
        verbalNounBoxes[i] = greyBox(
            QStringLiteral("Text%1").arg(9 + i), Picture2,
            shown(QStringLiteral("Zadatak 18, glagolska imenica od glagola %1")).arg(verbs[i]->caption()),
            left ? 3000 : 7560, top);
    }
}

void Form3::designTask19() {
    Text21 = course::explanation(QStringLiteral("Text21"), Picture3, shown(content::form3::Text21()), 840,
                                 240, 8535, 2535, script());
    Label29 = prompt(QStringLiteral("Label29"), Picture3,
                     shown(QStringLiteral(
                         "ZADATAK 19: Samo u jednom od dva ponuđena niza rečenica, u svakoj rečenici, imamo "
                         "ZBIRNU imenicu. Zaokruži broj ispred njega.")),
                     840, 2880, 8535, 495);
    // Each series is the option; the number before it is clicked as well, but is no second option.
    Label32 = clickable(QStringLiteral("Label32"), Picture3, QStringLiteral("1."), 840, 3720, 360, 300);
    Shape5 = ring(QStringLiteral("Shape5"), Picture3, 720, 3600, 375, 495);
    Label30 = option(QStringLiteral("Label30"), Picture3,
                     shown(QStringLiteral(
                         "Dečaci su stigli u školu. Opalo lišće ležalo je svuda uokolo. Drveće je bilo golo. "
                         "Pod nogama, pucketalo je suvo granje.")),
                     Shape5, false, 1320, 3720, 8055, 615);
    Label30->setAccessibleName(QStringLiteral("1. ") + Label30->caption());
    Label35 = clickable(QStringLiteral("Label35"), Picture3, QStringLiteral("2."), 840, 4560, 360, 300);
    Shape4 = ring(QStringLiteral("Shape4"), Picture3, 720, 4440, 375, 495);
    Label31 = option(QStringLiteral("Label31"), Picture3,
                     shown(QStringLiteral(
                         "Deca su stigla u školu. Opalo lišće ležalo je svuda uokolo. Drveće je bilo golo. "
                         "Pod nogama, pucketalo je suvo granje.")),
                     Shape4, false, 1320, 4560, 8055, 615);
    Label31->setAccessibleName(QStringLiteral("2. ") + Label31->caption());

    // A click on an option's number acts as a click on its sentence series.
    connect(Label30, &toolkit::Label::clicked, this, &Form3::Form3_Label30_Click);
    connect(Label32, &toolkit::Label::clicked, this, &Form3::Form3_Label30_Click);
    connect(Label31, &toolkit::Label::clicked, this, &Form3::Form3_Label31_Click);
    connect(Label35, &toolkit::Label::clicked, this, &Form3::Form3_Label31_Click);
}

void Form3::designTask20() {
    Label48 =
        prompt(QStringLiteral("Label48"), Picture4,
               shown(QStringLiteral("ZADATAK 20: Napiši kako glase zbirne imenice od imenica koje su date.")),
               840, 480, 8535, 255);
    const char* nounCaptions[8] = {"trn", "siroče", "plemić", "cvet", "pile", "prsten", "kesten", "gospodin"};
    const int nounNumbers[8] = {47, 46, 45, 44, 43, 42, 41, 37};
    for (int i = 0; i < 8; ++i) {
        const bool left = i < 4;
        const int top = 1800 + (i % 4) * 600;
        nouns[i] = labelAt(QStringLiteral("Label%1").arg(nounNumbers[i]), Picture4,
                           shown(QString::fromUtf8(nounCaptions[i])), left ? 840 : 5280, top + 60, 1815, 255);
        collectiveNounBoxes[i] = greyBox(
            QStringLiteral("Text%1").arg(29 - i), Picture4,
            shown(QStringLiteral("Zadatak 20, zbirna imenica od imenice %1")).arg(nouns[i]->caption()),
            left ? 2760 : 7320, top);
    }
}

void Form3::designTask21() {
    Text30 = course::explanation(QStringLiteral("Text30"), Picture6, shown(content::form3::Text30()), 720,
                                 240, 8535, 3135, script());
    Label50 =
        prompt(QStringLiteral("Label50"), Picture6,
               shown(QStringLiteral(
                   "ZADATAK 21: Proveri da li nešto znaš o zidanju kuća tako što ćeš tačno dopuniti "
                   "rečenicu, a zatim iz nje izdvojiti i na posebnoj liniji ispisati gradivne imenice")),
               720, 3600, 8535, 675);
    // The sentence leaves two gaps of blanks, and the answer boxes lie over them, a little inside, so
    // that they touch no letter of the sentence.
    const QString start = shown(QStringLiteral("Da bi napravio beton, zidar treba da pomeša"));
    const QString firstGap(31, u' ');
    const QString secondGap(32, u' ');
    Label51 =
        labelAt(QStringLiteral("Label51"), Picture6,
                start + firstGap + u',' + secondGap + shown(QStringLiteral("i vodu.")), 360, 4560, 9375, 255);
    Label51->setWordWrap(false);
    const QFontMetrics metrics(Label51->font());
    const int firstLeft = 360 + toolkit::twips(metrics.horizontalAdvance(start));
    const int secondLeft = 360 + toolkit::twips(metrics.horizontalAdvance(start + firstGap + u','));
    const int firstWidth = toolkit::twips(metrics.horizontalAdvance(firstGap));
    const int secondWidth = toolkit::twips(metrics.horizontalAdvance(secondGap));
    constexpr int inset = 45;
    Text31 = greyBox(QStringLiteral("Text31"), Picture6, shown(QStringLiteral("Zadatak 21, prva praznina")),
                     firstLeft + inset, 4440, firstWidth - 2 * inset);
    Text32 = greyBox(QStringLiteral("Text32"), Picture6, shown(QStringLiteral("Zadatak 21, druga praznina")),
                     secondLeft + inset, 4440, secondWidth - 2 * inset);
    const QString sentence = start + shown(QStringLiteral(" …, … i vodu."));
    Text31->setAccessibleDescription(sentence);
    Text32->setAccessibleDescription(sentence);
}

void Form3::designTasks22And23() {
    Label55 =
        prompt(QStringLiteral("Label55"), Picture7,
               shown(QStringLiteral("ZADATAK 22: Evo malo \"kuhinjskih\" imenica:")), 840, 360, 8535, 255);
    const char* kitchen[9] = {"voda", "so", "ulje", "mast", "tanjir", "meso", "supa", "sos", "nož"};
    const int columnLeft[3] = {1680, 3600, 5640};
    const int rowTop[3] = {1320, 1920, 2520};
    for (int i = 0; i < 9; ++i) {
        kitchenNouns[i] = new toolkit::CheckBox(QStringLiteral("Check%1").arg(i + 1), Picture7,
                                                shown(QString::fromUtf8(kitchen[i])));
        toolkit::place(kitchenNouns[i], columnLeft[i % 3], rowTop[i / 3], 1695, 375);
    }
    Label56 = labelAt(QStringLiteral("Label56"), Picture7,
                      shown(QStringLiteral("Otkači one koje ne spadaju u gradivne imenice !")), 1920, 3120,
                      6495, 255);
    Label59 = prompt(QStringLiteral("Label59"), Picture7,
                     shown(QStringLiteral("ZADATAK 23: Razmisli pa zaokruži broj ispred tačne tvrdnje:")),
                     840, 3840, 8535, 255);
    Label68 = labelAt(QStringLiteral("Label68"), Picture7, shown(QStringLiteral("Nazivi svih metala:")), 960,
                      4380, 2295, 255);
    Shape8 = ring(QStringLiteral("Shape8"), Picture7, 3280, 4320, 345, 300);
    Shape9 = ring(QStringLiteral("Shape9"), Picture7, 3270, 4800, 350, 300);
    Label69 = option(QStringLiteral("Label69"), Picture7, shown(QStringLiteral("1. Jesu gradivne imenice")),
                     Shape8, true, 3360, 4320, 4095, 300);
    Label70 = option(QStringLiteral("Label70"), Picture7, shown(QStringLiteral("2. Nisu gradivne imenice")),
                     Shape9, true, 3360, 4800, 4095, 300);

    connect(Label69, &toolkit::Label::clicked, this, &Form3::Form3_Label69_Click);
    connect(Label70, &toolkit::Label::clicked, this, &Form3::Form3_Label70_Click);
}

void Form3::designTask24() {
    Text33 = course::explanation(QStringLiteral("Text33"), Picture9, shown(content::form3::Text33()), 720,
                                 360, 8535, 2655, script());
    Label73 = prompt(QStringLiteral("Label73"), Picture9,
                     shown(QStringLiteral("ZADATAK 24: Pronađi i podvuci imenice pluralia tantum.")), 720,
                     3480, 8535, 255);
    Label77 = word(QStringLiteral("Label77"), Picture9, shown(QStringLiteral("JATA,")), 1080, 3960);
    Label78 = word(QStringLiteral("Label78"), Picture9, shown(QStringLiteral("NEDRA,")), 1800, 3960);
    Label79 = word(QStringLiteral("Label79"), Picture9, shown(QStringLiteral("STADO,")), 2640, 3960);
    Label80 = word(QStringLiteral("Label80"), Picture9, shown(QStringLiteral("PANTALONE,")), 3480, 3960);
    Label81 = word(QStringLiteral("Label81"), Picture9, shown(QStringLiteral("LOPTE,")), 4800, 3960);
    Label82 = word(QStringLiteral("Label82"), Picture9, shown(QStringLiteral("MERDEVINE.")), 5640, 3960);
    course::keepApart({Label77, Label78, Label79, Label80, Label81, Label82});

    for (toolkit::Label* each : {Label77, Label78, Label79, Label80, Label81, Label82}) {
        connect(each, &toolkit::Label::clicked, this, [each] { course::toggleMark(*each); });
    }
}
