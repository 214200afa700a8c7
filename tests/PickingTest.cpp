// Word picking as the pupil does it: clicks on the reading texts of the main and the second lesson
// screen, at the caret places where the rules of each text show, the answer lists and their count
// labels, the remove buttons, and the reading texts that never keep the focus.
#include "tests/Pupil.h"

#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"

#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A reading text with the answer list it fills and the label that counts the list.
struct Reading {
    toolkit::TextArea* text;
    toolkit::ListView* list;
    toolkit::Label* count;
    toolkit::CommandButton* remove;
};

// A caret place: just before the n-th occurrence of a piece of the text, moved by `shift` characters.
struct Caret {
    const char* piece;
    int shift = 0;
    int occurrence = 1;
};

class Picking : public CourseTest {
  protected:
    // The reading text judged at a tag, with its panel in front.
    Reading open(int tag) {
        Form1& f1 = enterCourse();
        walkTo(tag);
        Form3& f3 = program->form3();
        switch (tag) {
        case 1:
            return {f1.Text3, f1.ListView1, f1.Label4, f1.Command4};
        case 5:
            return {f1.Text36, f1.ListView2, f1.Label36, f1.Command5};
        case 8:
            return {f1.Text46, f1.ListView3, f1.Label50, f1.Command6};
        case 9:
            return {f1.Text50, f1.ListView4, f1.Label56, f1.Command7};
        case 10:
            return {f1.Text51, f1.ListView5, f1.Label58, f1.Command8};
        case 13:
            return {f3.Text51, f3.ListView5, f3.Label12, f3.Command8};
        default:
            ADD_FAILURE() << "no reading text at tag " << tag;
            return {};
        }
    }
};

int offsetOf(const toolkit::TextArea& text, const Caret& caret) {
    const QString piece = QString::fromUtf8(caret.piece);
    qsizetype at = -1;
    for (int n = 0; n < caret.occurrence; ++n) {
        at = text.text().indexOf(piece, at + 1);
    }
    EXPECT_GE(at, 0) << "\"" << caret.piece << "\" is not in " << text.objectName().toStdString();
    return static_cast<int>(at) + caret.shift;
}

// Clicks the text where the caret lands at that place; what the click added to the list.
QStringList clickAt(const Reading& reading, const Caret& caret) {
    const QStringList before = reading.list->texts();
    EXPECT_TRUE(pupil::clickCaret(reading.text, offsetOf(*reading.text, caret)))
        << "the click missed the caret place";
    const QStringList after = reading.list->texts();
    EXPECT_EQ(after.mid(0, before.size()), before) << "entries already listed changed";
    return after.mid(before.size());
}

std::string shown(const QStringList& entries) {
    return "[" + entries.join(u'|').toStdString() + "]";
}

struct Row {
    const char* name;
    Caret caret;
    QStringList added;
};

void expectPicks(const Reading& reading, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString count = reading.count->caption();
        EXPECT_EQ(shown(clickAt(reading, row.caret)), shown(row.added));
        // Only an addition writes the count.
        EXPECT_EQ(reading.count->caption(),
                  row.added.isEmpty() ? count : u"Odabrane reèi ( %1 )"_s.arg(reading.list->count()));
    }
}

} // namespace

TEST_F(Picking, Task1PicksTheWordUnderTheCaretOnceWithItsCapitals) {
    const Reading task1 = open(1);
    EXPECT_EQ(task1.count->caption(), u"Odabrane reči ( 0 )"_s);
    expectPicks(
        task1,
        {
            {"inside the first word", {"Car Radovan", 2}, {u"Car"_s}},
            {"the same word again", {"Car Radovan", 1}, {}},
            {"car differs from Car", {"car careva", 2}, {u"car"_s}},
            {"right after the comma that follows sudbine", {"sudbine,", 8}, {u"sudbine"_s}},
            {"just before the first letter of gospodar, which begins a line", {"gospodar"}, {u"gospodar"_s}},
            {"right after the last letter of gospodar", {"gospodar", 8}, {}},
            {"just before the first letter of a word within a line", {"svemira."}, {}},
            {"inside veličine, eight line breaks into the text", {"veličine", 4}, {u"veličine"_s}},
            {"inside očima, at the end of its line", {"očima", 3}, {u"očima"_s}},
        });
}

TEST_F(Picking, Task1SelectsEachNewEntryAndScrollsItIntoView) {
    const Reading task1 = open(1);
    const char* words[] = {"Radovan", "careva", "vladar",  "svemira", "sekiru", "ramenu", "konja",    "brdo",
                           "snegom",  "ruci",   "buljinu", "zemlji",  "ljudi",  "bitke",  "trijumfe", "miru"};
    for (const char* word : words) {
        SCOPED_TRACE(word);
        ASSERT_EQ(shown(clickAt(task1, {word, 1})), shown({QString::fromUtf8(word)}));
        const int last = task1.list->count();
        EXPECT_EQ(task1.list->selectedPosition(), last);
        const QRect shownEntry = task1.list->visualItemRect(task1.list->item(last - 1));
        EXPECT_TRUE(task1.list->viewport()->rect().contains(shownEntry)) << "the new entry is out of view";
    }
    // The list is longer than its box by now, so it did scroll.
    EXPECT_FALSE(task1.list->viewport()->rect().contains(task1.list->visualItemRect(task1.list->item(0))));
}

TEST_F(Picking, Task6JoinsAlpskogAndVencaIntoOneEntry) {
    const Reading task6 = open(5);
    EXPECT_EQ(task6.count->caption(), u"Odabrane reči"_s);
    expectPicks(task6,
                {
                    {"Alpskog", {"Alpskog", 3}, {u"Alpskog venca"_s}},
                    {"venca after Alpskog", {"venca", 2}, {}},
                    {"right after the full stop that follows Austrije", {"Austrije.", 9}, {u"Austrije"_s}},
                    {"inside Radkersburgu", {"Radkersburgu", 6}, {u"Radkersburgu"_s}},
                    {"Muru before its comma", {"Muru,", 4}, {u"Muru"_s}},
                });
    EXPECT_EQ(task6.list->selectedPosition(), 0) << "only the list of task 1 selects its new entry";
    // Taken out again, the entry comes back by a click on venca just as well.
    pupil::clickAt(task6.list->viewport(), task6.list->visualItemRect(task6.list->item(0)).center());
    ASSERT_EQ(task6.list->selectedPosition(), 1);
    pupil::click(task6.remove);
    expectPicks(task6, {
                           {"venca alone", {"venca", 1}, {u"Alpskog venca"_s}},
                           {"Alpskog after venca", {"Alpskog", 1}, {}},
                       });
}

TEST_F(Picking, Task9PicksThePreviousWordBeforeAWordOnlyWhenNothingFollowsIt) {
    const Reading task9 = open(8);
    expectPicks(task9, {
                           {"the first word, after the empty first line", {"Ljubičaste"}, {u"Ljubičaste"_s}},
                           {"between the space and svoda: do", {"svoda"}, {u"do"_s}},
                           {"between the space and do, after granitne,", {"do svoda"}, {}},
                           {"svoda itself", {"svoda", 2}, {u"svoda"_s}},
                           {"dnu without its semicolon", {"dnu;", 4}, {u"dnu"_s}},
                           {"the last word, before its full stop", {"voda.", 4}, {u"voda"_s}},
                           {"Svod, which begins the last line", {"Svod se", 1}, {u"Svod"_s}},
                       });
}

TEST_F(Picking, Task11NeverPicksTheDashAndCleansTheQuotes) {
    const Reading task11 = open(9);
    expectPicks(task11, {
                            {"right after the dash that ends the fourth line", {"dam, -", 6}, {}},
                            {"right after the dash that ends the tenth line", {"drago\" -", 8}, {}},
                            {"Diko inside its quotes", {"Diko", 2}, {u"Diko"_s}},
                            {"right after the closing quote and comma of snago", {"snago\",", 7}, {}},
                            {"right after the last letter of snago", {"snago", 5}, {u"snago"_s}},
                            {"dušo", {"dušo", 1}, {u"dušo"_s}},
                            {"dušo again", {"dušo", 4}, {}},
                            {"the first word of the poem", {"Kaži mi kaži", 2}, {u"Kaži"_s}},
                        });
}

TEST_F(Picking, Task12PicksTheEmptyWordBetweenTheTwoSpacesAfterMisao) {
    const Reading task12 = open(10);
    expectPicks(task12, {
                            {"just before kišobran,", {"kišobran,"}, {QString()}},
                            {"the empty word again", {"kišobran,"}, {}},
                            {"misao", {"misao", 3}, {u"misao"_s}},
                            {"kišobran itself", {"kišobran", 1}, {u"kišobran"_s}},
                            {"ljubav, which begins the second line", {"ljubav"}, {u"ljubav"_s}},
                            {"after the full stop of bol.", {"bol.", 4}, {u"bol"_s}},
                        });
    EXPECT_EQ(task12.list->count(), 5);
}

TEST_F(Picking, Task17PicksFromTheFolkPoemOfTheSecondScreen) {
    const Reading task17 = open(13);
    EXPECT_EQ(task17.count->caption(), u"Odabrane reči ( 0 )"_s);
    expectPicks(task17, {
                            {"inside Majka near its end", {"Majka", 4}, {}},
                            {"right after Majka", {"Majka", 5}, {}},
                            {"Oranje inside the quotes of the title", {"Oranje", 3}, {u"Oranje"_s}},
                            {"Oranje again", {"Oranje", 1}, {}},
                            {"četovanja before its comma", {"četovanja,", 9}, {u"četovanja"_s}},
                            {"just after the first letter of Majka", {"Majka", 1}, {u"Majka"_s}},
                            {"neće, before its closing quote", {"neće", 2}, {u"neće"_s}},
                        });
}

// The remove button takes out the selected entry, whichever list it serves, and writes the count; with
// nothing selected or nothing listed it only writes the count.
TEST_F(Picking, TheRemoveButtonsTakeOutTheSelectedEntryOnly) {
    struct List {
        int tag;
        std::vector<Caret> words;
        QStringList picked;
    };
    const List lists[] = {
        {1, {{"Radovan", 1}, {"vladar", 1}, {"brdo", 1}}, {u"Radovan"_s, u"vladar"_s, u"brdo"_s}},
        {5, {{"Muru", 1}, {"Alpskog", 1}, {"Austrije", 1}}, {u"Muru"_s, u"Alpskog venca"_s, u"Austrije"_s}},
        {8, {{"gore", 1}, {"pene", 1}, {"stene", 1}}, {u"gore"_s, u"pene"_s, u"stene"_s}},
        {9, {{"blago", 1}, {"lane", 1}, {"drago", 1}}, {u"blago"_s, u"lane"_s, u"drago"_s}},
        {10, {{"strah", 1}, {"bol", 1}, {"lopta", 1}}, {u"strah"_s, u"bol"_s, u"lopta"_s}},
        {13, {{"Marku", 1}, {"Oranje", 1}, {"sinko", 1}}, {u"Marku"_s, u"Oranje"_s, u"sinko"_s}},
    };
    for (const List& list : lists) {
        SCOPED_TRACE("the list of tag " + std::to_string(list.tag));
        program.reset();
        SetUp();
        const Reading reading = open(list.tag);
        const auto count = [&reading] { return reading.count->caption(); };

        pupil::click(reading.remove);
        EXPECT_EQ(count(), u"Odabrane reèi ( 0 )"_s) << "on the empty list";

        for (const Caret& word : list.words) {
            clickAt(reading, word);
        }
        ASSERT_EQ(reading.list->texts(), list.picked);
        if (const int selected = reading.list->selectedPosition(); selected != 0) {
            // A click with Ctrl held on the selected entry clears the selection.
            QTest::mouseClick(reading.list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              reading.list->visualItemRect(reading.list->item(selected - 1)).center());
            ASSERT_EQ(reading.list->selectedPosition(), 0);
        }
        pupil::click(reading.remove);
        EXPECT_EQ(reading.list->texts(), list.picked) << "with nothing selected";
        EXPECT_EQ(count(), u"Odabrane reèi ( 3 )"_s);

        pupil::clickAt(reading.list->viewport(),
                       reading.list->visualItemRect(reading.list->item(1)).center());
        ASSERT_EQ(reading.list->selectedPosition(), 2);
        pupil::click(reading.remove);
        EXPECT_EQ(reading.list->texts(), (QStringList{list.picked[0], list.picked[2]}));
        EXPECT_EQ(count(), u"Odabrane reèi ( 2 )"_s);

        // A removed word can be picked again.
        EXPECT_EQ(shown(clickAt(reading, list.words[1])), shown({list.picked[1]}));
        EXPECT_EQ(count(), u"Odabrane reèi ( 3 )"_s);
    }
}

TEST_F(Picking, RemovingTheOnlyEntryOfTask1CountsZero) {
    const Reading task1 = open(1);
    clickAt(task1, {"Car", 1});
    ASSERT_EQ(task1.list->selectedPosition(), 1);
    pupil::click(task1.remove);
    EXPECT_EQ(task1.list->count(), 0);
    EXPECT_EQ(task1.count->caption(), u"Odabrane reèi ( 0 )"_s);
}

// A reading text hands the focus on to "Napred" as soon as it gets it, by a click or by the keyboard,
// and the click still picks its word; what the pupil types then goes nowhere near the text.
TEST_F(Picking, AReadingTextPassesTheFocusToNapred) {
    struct Row {
        int tag;
        Caret caret;
        const char* picked;
    };
    const Row rows[] = {
        {1, {"Radovan", 1}, "Radovan"}, {5, {"Muru", 1}, "Muru"},    {8, {"stene", 1}, "stene"},
        {9, {"blago", 1}, "blago"},     {10, {"lopta", 1}, "lopta"}, {13, {"sinko", 1}, "sinko"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("the reading text of tag " + std::to_string(row.tag));
        program.reset();
        SetUp();
        const Reading reading = open(row.tag);
        auto& screen = static_cast<course::LessonScreen&>(front());
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        QWidget* somewhereElse = screen.Command3;
        somewhereElse->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == somewhereElse; }));

        const QString text = reading.text->text();
        const QString plain = reading.text->toPlainText();
        EXPECT_EQ(shown(clickAt(reading, row.caret)), shown({QString::fromUtf8(row.picked)}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == screen.Command1; }));
        QTest::keyClicks(QApplication::focusWidget(), u"xyz"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);

        somewhereElse->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == somewhereElse; }));
        reading.text->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == screen.Command1; }));
        QTest::keyClicks(QApplication::focusWidget(), u"abc"_s);

        EXPECT_EQ(reading.text->text(), text);
        EXPECT_EQ(reading.text->toPlainText(), plain);
        EXPECT_EQ(reading.list->count(), 1);
        EXPECT_EQ(frontTag(), row.tag) << "typing pressed nothing";
    }
}

// The caret of a click on a line after line breaks is counted in the stored text, where each line
// break is two characters: picking from the seventh line only works when that is so.
TEST_F(Picking, ACaretAfterLineBreaksCountsEachBreakTwice) {
    const Reading task1 = open(1);
    const QString text = task1.text->text();
    const auto muskarci = static_cast<int>(text.indexOf(u"muškarci"_s));
    ASSERT_EQ(text.left(muskarci).count(u"\r\n"_s), 6);
    ASSERT_TRUE(pupil::clickCaret(task1.text, muskarci + 3));
    EXPECT_EQ(task1.text->selStart(), muskarci + 3);
    EXPECT_EQ(task1.text->textCursor().position(), muskarci + 3 - 6)
        << "the editor itself counts a break once";
    EXPECT_EQ(task1.list->texts(), QStringList{u"muškarci"_s});
}
