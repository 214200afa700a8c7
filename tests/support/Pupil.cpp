#include "tests/support/Pupil.h"

#include "course/Words.h"
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace pupil {

void click(QWidget* control) {
    clickAt(control, control->rect().center());
}

void clickAt(QWidget* control, QPoint point) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, point);
}

void tick(toolkit::CheckBox* box) {
    // On the box itself, at the left, rather than on the empty space right of its caption.
    clickAt(box, QPoint(box->height() / 2, box->height() / 2));
}

void type(toolkit::TextBox* box, const QString& text) {
    box->clear();
    box->setFocus();
    // One key press per character, each carrying the character it types, as a keyboard layout sends it.
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &release);
    }
}

bool clickCaret(toolkit::TextArea* text, int offset) {
    // Put the caret far from the target first, so only the click can bring it there.
    text->setSelStart(static_cast<int>(text->text().size()));
    QTextCursor target(text->document());
    target.setPosition(text->shownPosition(offset));
    const QRect caret = text->cursorRect(target);
    if (!text->viewport()->rect().contains(caret.center())) {
        return false;
    }
    clickAt(text->viewport(), QPoint(caret.left(), caret.center().y()));
    return text->selStart() == offset;
}

bool pickWord(toolkit::TextArea* text, const course::WordIndex& index, const QString& word) {
    const auto i = index.words.indexOf(word);
    if (i < 0) {
        return false;
    }
    int firstLetter = index.starts[i];
    const QString stored = text->text();
    while (firstLetter < stored.size() &&
           (stored[firstLetter] == u'\r' || stored[firstLetter] == u'\n' || stored[firstLetter] == u'"')) {
        ++firstLetter;
    }
    return clickCaret(text, firstLetter + 1);
}

namespace {

void mark(std::initializer_list<toolkit::Label*> words) {
    for (toolkit::Label* word : words) {
        if (!course::marked(*word)) {
            pupil::click(word);
        }
    }
}

template <std::size_t N>
void typeAll(const std::array<toolkit::TextBox*, N>& boxes, const QStringList& answers) {
    for (std::size_t i = 0; i < N; ++i) {
        type(boxes[i], answers[static_cast<qsizetype>(i)]);
    }
}

bool answerMainScreen(Form1& f, int tag) {
    bool picked = true;
    switch (tag) {
    case 1:
        for (const char* noun :
             {"Car",     "Radovan",  "car",    "careva",  "vladar",   "sudbine", "gospodar",
              "svemira", "sekiru",   "ramenu", "konja",   "brdo",     "snegom",  "ruci",
              "buljinu", "očima",    "zemlji", "ljudi",   "muškarci", "bitke",   "trijumfe",
              "moć",     "vojskama", "miru",   "veličine"}) {
            picked &= pickWord(f.Text3, f.IndexText3, QString::fromUtf8(noun));
        }
        break;
    case 2:
        type(f.Text4, QStringLiteral("rod"));
        type(f.Text5, QStringLiteral("broj"));
        type(f.Text6, QStringLiteral("padež"));
        break;
    case 3:
        typeAll(f.tableCells, {"krompira", "krompiru",   "krompir",  "krompiru", "krompirom",  "krompiru",
                               "tela",     "telu",       "telo",     "telo",     "telom",      "telu",
                               "krompira", "krompirima", "krompire", "krompiri", "krompirima", "krompirima",
                               "tela",     "telima",     "tela",     "tela",     "telima",     "telima"});
        break;
    case 4:
        type(f.Text52, QStringLiteral("živa"));
        type(f.Text32, QStringLiteral("gramatički"));
        type(f.Text33, QStringLiteral("Milan, Branka, majka, ovca, medved"));
        type(f.Text34, QStringLiteral("sok, radost, snaga, veština, igra, balet"));
        break;
    case 5:
        for (const char* name : {"Radkersburgu", "Austrije", "Alpskog", "Muru"}) {
            picked &= pickWord(f.Text36, f.IndexText36, QString::fromUtf8(name));
        }
        break;
    case 6:
        typeAll(f.planetBoxes, {"Merkur", "Venera", "Zemlja", "Mars"});
        break;
    case 7:
        typeAll(f.commonNounBoxes, {"lopte", "majke", "avion", "pismo"});
        break;
    case 8:
        for (const char* noun : {"gore", "svoda", "dnu", "pene", "Površina", "stene", "Svod", "voda"}) {
            picked &= pickWord(f.Text46, f.IndexText46, QString::fromUtf8(noun));
        }
        type(f.Text48, QStringLiteral("pesnik, podlac, pijanica, kockar, čovek, špijun"));
        break;
    case 9:
        for (const char* noun : {"Diko", "snago", "blago", "dušo", "drago"}) {
            picked &= pickWord(f.Text50, f.IndexText50, QString::fromUtf8(noun));
        }
        break;
    case 10:
        for (const char* noun : {"Lepota", "strah", "misao", "ljubav", "pravednost", "bol"}) {
            picked &= pickWord(f.Text51, f.IndexText51, QString::fromUtf8(noun));
        }
        break;
    case 11:
        mark({f.Label64, f.Label65, f.Label72, f.Label68, f.Label75});
        break;
    default:
        break;
    }
    return picked;
}

bool answerSecondScreen(Form3& f, int tag) {
    bool picked = true;
    switch (tag) {
    case 12:
        mark({f.Label61, f.Label65});
        typeAll(f.abstractNounBoxes, {"jednakost", "strah", "ljubav", "pamet"});
        break;
    case 13:
        picked &= pickWord(f.Text51, f.PoemIndex, QStringLiteral("Oranje"));
        picked &= pickWord(f.Text51, f.PoemIndex, QStringLiteral("četovanja"));
        break;
    case 14:
        typeAll(f.verbalNounBoxes,
                {"pisanje", "plakanje", "pevanje", "ljubljenje", "plivanje", "zviždanje", "crtanje",
                 "bolovanje", "trčanje", "igranje", "sklanjanje", "zastakljivanje"});
        break;
    case 15:
        // The second series ringed, the first not.
        if (f.Shape4->isHidden()) {
            pupil::click(f.Label35);
        }
        if (!f.Shape5->isHidden()) {
            pupil::click(f.Label32);
        }
        break;
    case 16:
        typeAll(f.collectiveNounBoxes,
                {"trnje", "siročad", "plemstvo", "cveće", "pilad", "prstenje", "kestenje", "gospoda"});
        break;
    case 17:
        type(f.Text31, QStringLiteral("šljunak"));
        type(f.Text32, QStringLiteral("cement"));
        break;
    case 18:
        // Only "tanjir" and "nož" ticked, and the first statement ringed.
        for (std::size_t i = 0; i < f.kitchenNouns.size(); ++i) {
            const int wanted = i == 4 || i == 8 ? 1 : 0;
            if (f.kitchenNouns[i]->value() != wanted) {
                pupil::tick(f.kitchenNouns[i]);
            }
        }
        if (f.Shape8->isHidden()) {
            pupil::click(f.Label69);
        }
        break;
    case 19:
        mark({f.Label78, f.Label80, f.Label82});
        break;
    default:
        break;
    }
    return picked;
}

} // namespace

bool giveRightAnswers(Program& program, int tag) {
    if (tag <= 11) {
        return answerMainScreen(program.form1(), tag);
    }
    if (tag <= 19) {
        return answerSecondScreen(program.form3(), tag);
    }
    Form4& closing = program.form4();
    mark({closing.Label85, closing.Label81});
    return true;
}

} // namespace pupil
