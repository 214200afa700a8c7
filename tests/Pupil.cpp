#include "tests/Pupil.h"

#include "course/Words.h"
#include "screens/auxiliary/Form2.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
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

void clickCaret(toolkit::TextArea* text, int offset) {
    // Put the caret far from the target first, so only the click can bring it there.
    text->moveCursor(QTextCursor::End);
    QTextCursor target(text->document());
    target.setPosition(text->shownPosition(offset));
    const QRect caret = text->cursorRect(target);
    ASSERT_TRUE(text->viewport()->rect().contains(caret.center()))
        << "offset " << offset << " of " << text->objectName().toStdString() << " is not on screen";
    clickAt(text->viewport(), QPoint(caret.left(), caret.center().y()));
}

void pickWord(toolkit::TextArea* text, const course::WordIndex& index, const QString& word) {
    const auto i = index.words.indexOf(word);
    ASSERT_GE(i, 0) << word.toStdString() << " is not a word of " << text->objectName().toStdString();
    int firstLetter = index.starts[i];
    const QString stored = text->text();
    while (firstLetter < stored.size() &&
           (stored[firstLetter] == u'\r' || stored[firstLetter] == u'\n' || stored[firstLetter] == u'"')) {
        ++firstLetter;
    }
    clickCaret(text, firstLetter + 1);
}

} // namespace pupil

using pupil::pickWord;
using pupil::type;

void CourseTest::SetUp() {
    program = std::make_unique<Program>(host);
    program->setClockSource([this] { return nowMs; });
}

void CourseTest::TearDown() {
    program.reset();
}

Form1& CourseTest::enterCourse() {
    program->start();
    pupil::click(program->form2().Label1);
    return program->form1();
}

toolkit::Form& CourseTest::front() const {
    for (auto screen : {Program::Screen::Form4, Program::Screen::Form3, Program::Screen::Form1}) {
        if (toolkit::Form* form = program->loaded(screen); form && form->isVisible()) {
            return *form;
        }
    }
    ADD_FAILURE() << "no lesson screen is in front";
    return program->form1();
}

int CourseTest::frontTag() const {
    return static_cast<course::LessonScreen&>(front()).Command1->tag().toInt();
}

void CourseTest::pressNapred() {
    pupil::click(static_cast<course::LessonScreen&>(front()).Command1);
}

void CourseTest::wait(int seconds) {
    nowMs += 1000LL * seconds;
    Q_EMIT program->form1().Timer1->tick();
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

void solveMainScreen(Form1& f, int tag) {
    switch (tag) {
    case 1:
        for (const char* noun :
             {"Car",     "Radovan",  "car",    "careva",  "vladar",   "sudbine", "gospodar",
              "svemira", "sekiru",   "ramenu", "konja",   "brdo",     "snegom",  "ruci",
              "buljinu", "očima",    "zemlji", "ljudi",   "muškarci", "bitke",   "trijumfe",
              "moć",     "vojskama", "miru",   "veličine"}) {
            pickWord(f.Text3, f.IndexText3, QString::fromUtf8(noun));
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
            pickWord(f.Text36, f.IndexText36, QString::fromUtf8(name));
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
            pickWord(f.Text46, f.IndexText46, QString::fromUtf8(noun));
        }
        type(f.Text48, QStringLiteral("pesnik, podlac, pijanica, kockar, čovek, špijun"));
        break;
    case 9:
        for (const char* noun : {"Diko", "snago", "blago", "dušo", "drago"}) {
            pickWord(f.Text50, f.IndexText50, QString::fromUtf8(noun));
        }
        break;
    case 10:
        for (const char* noun : {"Lepota", "strah", "misao", "ljubav", "pravednost", "bol"}) {
            pickWord(f.Text51, f.IndexText51, QString::fromUtf8(noun));
        }
        break;
    case 11:
        mark({f.Label64, f.Label65, f.Label72, f.Label68, f.Label75});
        break;
    default:
        break;
    }
}

void solveSecondScreen(Form3& f, int tag) {
    switch (tag) {
    case 12:
        mark({f.Label61, f.Label65});
        typeAll(f.abstractNounBoxes, {"jednakost", "strah", "ljubav", "pamet"});
        break;
    case 13:
        pickWord(f.Text51, f.PoemIndex, QStringLiteral("Oranje"));
        pickWord(f.Text51, f.PoemIndex, QStringLiteral("četovanja"));
        break;
    case 14:
        typeAll(f.verbalNounBoxes,
                {"pisanje", "plakanje", "pevanje", "ljubljenje", "plivanje", "zviždanje", "crtanje",
                 "bolovanje", "trčanje", "igranje", "sklanjanje", "zastakljivanje"});
        break;
    case 15:
        pupil::click(f.Label35);
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
        pupil::tick(f.kitchenNouns[4]);
        pupil::tick(f.kitchenNouns[8]);
        pupil::click(f.Label69);
        break;
    case 19:
        mark({f.Label78, f.Label80, f.Label82});
        break;
    default:
        break;
    }
}

} // namespace

void CourseTest::solve(int tag) {
    if (tag <= 11) {
        solveMainScreen(program->form1(), tag);
    } else if (tag <= 19) {
        solveSecondScreen(program->form3(), tag);
    } else {
        Form4& closing = program->form4();
        mark({closing.Label85, closing.Label81});
    }
    pressNapred();
}

void CourseTest::walkTo(int tag) {
    while (frontTag() < tag) {
        const int before = frontTag();
        solve(before);
        if (front().objectName() == QStringLiteral("Form4") && before == 20) {
            return;
        }
        ASSERT_NE(frontTag(), before) << "the right answers of tag " << before << " were refused";
    }
}
