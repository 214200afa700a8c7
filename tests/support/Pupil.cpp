#include "tests/support/Pupil.h"

#include "content/Script.h"
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

#include <QAccessible>
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

int pickingOffset(const toolkit::TextArea* text, const course::WordIndex& index, const QString& word) {
    const auto i = index.words.indexOf(word);
    if (i < 0) {
        return -1;
    }
    int firstLetter = index.starts[i];
    const QString stored = text->text();
    while (firstLetter < stored.size() &&
           (stored[firstLetter] == u'\r' || stored[firstLetter] == u'\n' || stored[firstLetter] == u'"')) {
        ++firstLetter;
    }
    return firstLetter + 1;
}

bool pickWord(toolkit::TextArea* text, const course::WordIndex& index, const QString& word) {
    const int offset = pickingOffset(text, index, word);
    return offset >= 0 && clickCaret(text, offset);
}

namespace {

template <std::size_t N>
void typeAll(Answers& answers, const std::array<toolkit::TextBox*, N>& boxes, const QStringList& texts) {
    for (std::size_t i = 0; i < N; ++i) {
        answers.typed.append({boxes[i], texts[static_cast<qsizetype>(i)]});
    }
}

// The words are named as the Latin course writes them; the pupil picks them as the screen shows them.
void pickAll(Answers& answers, const course::LessonScreen& screen, toolkit::TextArea* text,
             const course::WordIndex& index, std::initializer_list<const char*> words) {
    for (const char* word : words) {
        answers.picks.append({text, pickingOffset(text, index, screen.shown(QString::fromUtf8(word)))});
    }
}

void markAll(Answers& answers, std::initializer_list<toolkit::Label*> words) {
    for (toolkit::Label* word : words) {
        answers.labels.append({word, true});
    }
}

Answers mainScreen(Form1& f, int tag) {
    Answers a;
    switch (tag) {
    case 1:
        pickAll(a, f, f.Text3, f.IndexText3,
                {"Car",     "Radovan",  "car",    "careva",  "vladar",   "sudbine", "gospodar",
                 "svemira", "sekiru",   "ramenu", "konja",   "brdo",     "snegom",  "ruci",
                 "buljinu", "očima",    "zemlji", "ljudi",   "muškarci", "bitke",   "trijumfe",
                 "moć",     "vojskama", "miru",   "veličine"});
        break;
    case 2:
        a.typed = {{f.Text4, QStringLiteral("rod")},
                   {f.Text5, QStringLiteral("broj")},
                   {f.Text6, QStringLiteral("padež")}};
        break;
    case 3:
        typeAll(a, f.tableCells,
                {"krompira", "krompiru",   "krompir",  "krompiru", "krompirom",  "krompiru",
                 "tela",     "telu",       "telo",     "telo",     "telom",      "telu",
                 "krompira", "krompirima", "krompire", "krompiri", "krompirima", "krompirima",
                 "tela",     "telima",     "tela",     "tela",     "telima",     "telima"});
        break;
    case 4:
        a.typed = {{f.Text52, QStringLiteral("živa")},
                   {f.Text32, QStringLiteral("gramatički")},
                   {f.Text33, QStringLiteral("Milan, Branka, majka, ovca, medved")},
                   {f.Text34, QStringLiteral("sok, radost, snaga, veština, igra, balet")}};
        break;
    case 5:
        pickAll(a, f, f.Text36, f.IndexText36, {"Radkersburgu", "Austrije", "Alpskog", "Muru"});
        break;
    case 6:
        typeAll(a, f.planetBoxes, {"Merkur", "Venera", "Zemlja", "Mars"});
        break;
    case 7:
        typeAll(a, f.commonNounBoxes, {"lopte", "majke", "avion", "pismo"});
        break;
    case 8:
        pickAll(a, f, f.Text46, f.IndexText46,
                {"gore", "svoda", "dnu", "pene", "Površina", "stene", "Svod", "voda"});
        a.typed = {{f.Text48, QStringLiteral("pesnik, podlac, pijanica, kockar, čovek, špijun")}};
        break;
    case 9:
        pickAll(a, f, f.Text50, f.IndexText50, {"Diko", "snago", "blago", "dušo", "drago"});
        break;
    case 10:
        pickAll(a, f, f.Text51, f.IndexText51, {"Lepota", "strah", "misao", "ljubav", "pravednost", "bol"});
        break;
    case 11:
        markAll(a, {f.Label64, f.Label65, f.Label72, f.Label68, f.Label75});
        break;
    default:
        break;
    }
    return a;
}

Answers secondScreen(Form3& f, int tag) {
    Answers a;
    switch (tag) {
    case 12:
        markAll(a, {f.Label61, f.Label65});
        typeAll(a, f.abstractNounBoxes, {"jednakost", "strah", "ljubav", "pamet"});
        break;
    case 13:
        pickAll(a, f, f.Text51, f.PoemIndex, {"Oranje", "četovanja"});
        break;
    case 14:
        typeAll(a, f.verbalNounBoxes,
                {"pisanje", "plakanje", "pevanje", "ljubljenje", "plivanje", "zviždanje", "crtanje",
                 "bolovanje", "trčanje", "igranje", "sklanjanje", "zastakljivanje"});
        break;
    case 15:
        // The second series ringed, the first not.
        a.labels = {{f.Label30, false}, {f.Label31, true}};
        break;
    case 16:
        typeAll(a, f.collectiveNounBoxes,
                {"trnje", "siročad", "plemstvo", "cveće", "pilad", "prstenje", "kestenje", "gospoda"});
        break;
    case 17:
        a.typed = {{f.Text31, QStringLiteral("šljunak")}, {f.Text32, QStringLiteral("cement")}};
        break;
    case 18:
        // Only "tanjir" and "nož" ticked, and the first statement ringed.
        for (std::size_t i = 0; i < f.kitchenNouns.size(); ++i) {
            a.ticks.append({f.kitchenNouns[i], i == 4 || i == 8});
        }
        a.labels = {{f.Label69, true}};
        break;
    case 19:
        markAll(a, {f.Label78, f.Label80, f.Label82});
        break;
    default:
        break;
    }
    return a;
}

} // namespace

namespace {

Answers inLatin(Program& program, int tag) {
    if (tag <= 11) {
        return mainScreen(program.form1(), tag);
    }
    if (tag <= 19) {
        return secondScreen(program.form3(), tag);
    }
    Answers a;
    markAll(a, {program.form4().Label85, program.form4().Label81});
    return a;
}

} // namespace

Answers rightAnswers(Program& program, int tag) {
    Answers a = inLatin(program, tag);
    // A pupil of the Cyrillic course types in either script: every other answer in Cyrillic.
    for (qsizetype i = 1; program.script() == content::Script::Cyrillic && i < a.typed.size(); i += 2) {
        a.typed[i].second = content::toCyrillic(a.typed[i].second);
    }
    return a;
}

bool giveRightAnswers(Program& program, int tag) {
    const Answers answers = rightAnswers(program, tag);
    for (const auto& [box, text] : answers.typed) {
        type(box, text);
    }
    bool picked = true;
    for (const auto& [text, offset] : answers.picks) {
        picked &= offset >= 0 && clickCaret(text, offset);
    }
    for (const auto& [label, checked] : answers.labels) {
        if (label->checked() != checked) {
            click(label);
        }
    }
    for (const auto& [box, ticked] : answers.ticks) {
        if ((box->value() == 1) != ticked) {
            tick(box);
        }
    }
    return picked;
}

namespace {

void offeredFrom(QAccessibleInterface* accessible, QList<QAccessibleInterface*>& out) {
    if (!accessible || accessible->state().invisible) {
        return;
    }
    out.append(accessible);
    for (int i = 0; i < accessible->childCount(); ++i) {
        offeredFrom(accessible->child(i), out);
    }
}

} // namespace

QList<QAccessibleInterface*> offered(QWidget& window) {
    QList<QAccessibleInterface*> all;
    offeredFrom(QAccessible::queryAccessibleInterface(&window), all);
    return all;
}

} // namespace pupil
