// Word picking: the index of a text as the pupil picks from it (token offsets and cleaning, the caret
// range of a word, and several words, a listed word or a dash under one caret), and the clicks on the
// reading texts of the lesson screens with the answer lists, their counts and remove buttons.
#include "tests/Pupil.h"

#include "course/WordIndex.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"

#include <QApplication>
#include <QTest>

#include <climits>
#include <map>
#include <string>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using course::PickRule;
using course::WordIndex;

std::string str(const QStringList& list) {
    return list.isEmpty() ? "(none)" : u"[%1]"_s.arg(list.join(u'|')).toStdString();
}

TEST(WordIndex, StartsAreTheOffsetsOfTheRawTokens) {
    // Two spaces give an empty word; the offsets count what the cleaning removed.
    const WordIndex index = course::buildWordIndex(u"\r\nKaži \"Diko\",  x."_s, course::cleaningText50());
    EXPECT_EQ(str(index.words), "[Kaži|Diko||x]");
    EXPECT_EQ(index.starts, QList<int>({0, 7, 15, 16}));
}

TEST(WordIndex, CleaningRulesDifferByTextAndApplyOnceEach) {
    const auto of = [](const QString& token, const course::Cleaning& rules) {
        return course::buildWordIndex(token, rules).words.join(u'|');
    };
    const std::tuple<const char*, QString, QString> cases[] = {
        {"one trailing mark only", of(u"kraj.."_s, course::cleaningText3()), u"kraj."_s},
        {"the break goes, then the mark", of(u"kraj.\r\n"_s, course::cleaningText3()), u"kraj"_s},
        {"Text50 keeps a trailing break", of(u"dam\r\n"_s, course::cleaningText50()), u"dam\r\n"_s},
        {"a leading break goes in every text", of(u"\r\nSvod"_s, course::cleaningText50()), u"Svod"_s},
        {"a lone line break", of(u"\r\n"_s, course::cleaningText50()), QString()},
        {"quotes only in Text50", of(u"\"Diko\""_s, course::cleaningText3()), u"\"Diko\""_s},
        {"a mark inside the quotes stays", of(u"\"blago;\""_s, course::cleaningText50()), u"blago;"_s},
        {"poem: quotes, then the mark before the break",
         course::buildPoemIndex(u"neće\".\r\n"_s).words.join(u'|'), u"neće"_s},
    };
    for (const auto& [name, got, want] : cases)
        EXPECT_EQ(got.toStdString(), want.toStdString()) << name;
}

TEST(WordPicking, TakesEveryWordWhoseRangeHoldsTheCaret) {
    const WordIndex abcd = course::buildWordIndex(u"ab cd"_s, course::cleaningText3());
    const auto pick = [](const WordIndex& index, int selStart, PickRule rule = PickRule::Plain,
                         const QStringList& listed = {}) {
        return str(course::entriesToAdd(index, selStart, listed, rule));
    };
    // The reading texts never put two words under one caret; these indexes make the ranges overlap.
    const auto at0 = [](const QStringList& words) { return WordIndex{words, QList<int>(words.size(), 0)}; };
    const auto poem = [&](const QStringList& words, const QStringList& listed = {}) {
        return str(course::poemEntriesToAdd(at0(words), 1, listed));
    };
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"caret before the first letter", pick(abcd, 0), "(none)"},
        {"caret right after the word", pick(abcd, 3), "[ab]"},
        {"caret after the space", pick(abcd, 4), "[cd]"},
        {"caret far past the end", pick(abcd, INT_MAX), "(none)"},
        {"smallest caret", pick(abcd, INT_MIN), "(none)"},
        {"one word twice under the caret", pick(at0({"a", "a", "b"}), 1), "[a|b]"},
        {"a listed word keeps out only itself", pick(at0({"x", "y"}), 1, PickRule::Plain, {u"x"_s}), "[y]"},
        {"Alpskog and venca give one entry", pick(at0({"Alpskog", "venca"}), 1, PickRule::AlpskogVenca),
         "[Alpskog venca]"},
        {"a dash ends the click", pick(at0({"x", "-", "y"}), 1, PickRule::StopAtDash), "[x]"},
        {"poem: a listed word keeps the later ones out", poem({"x", "y"}, {u"x"_s}), "(none)"},
        {"poem: one word twice", poem({"x", "x", "y"}), "[x]"},
        {"poem: a dash with spaces ends the click", poem({" - ", "y"}), "(none)"},
    };
    for (const auto& [name, got, want] : cases)
        EXPECT_EQ(got, want) << name;
}

// A reading text with the answer list it fills, the label that counts the list and its remove button.
struct Reading {
    toolkit::TextArea* text;
    toolkit::ListView* list;
    toolkit::Label* count;
    toolkit::CommandButton* remove;
};

// The count caption as a pick or a removal writes it.
QString countOf(qsizetype entries) {
    return u"Odabrane reèi ( %1 )"_s.arg(entries);
}

class Picking : public CourseTest {
  protected:
    // A fresh run with the reading text judged at `tag` in front.
    Reading open(int tag) {
        restart();
        Form1& f1 = enterCourse();
        walkTo(tag);
        Form3& f3 = program->form3();
        const std::map<int, Reading> readings = {
            {1, {f1.Text3, f1.ListView1, f1.Label4, f1.Command4}},
            {5, {f1.Text36, f1.ListView2, f1.Label36, f1.Command5}},
            {8, {f1.Text46, f1.ListView3, f1.Label50, f1.Command6}},
            {9, {f1.Text50, f1.ListView4, f1.Label56, f1.Command7}},
            {10, {f1.Text51, f1.ListView5, f1.Label58, f1.Command8}},
            {13, {f3.Text51, f3.ListView5, f3.Label12, f3.Command8}},
        };
        return readings.at(tag);
    }
};

// A click on the text just before the first `piece` of it, moved by `shift` characters; what the
// click added to the list.
QStringList clickAt(const Reading& reading, const QString& piece, int shift) {
    const qsizetype before = reading.list->count();
    const auto at = static_cast<int>(reading.text->text().indexOf(piece));
    EXPECT_TRUE(at >= 0 && pupil::clickCaret(reading.text, at + shift)) << "the click missed";
    return reading.list->texts().mid(before);
}

} // namespace

// Each reading text picks by its own rules into its own list; only an addition writes the count, and
// only the list of task 1 selects its new entry. A click leaves the focus on "Napred", never on the
// text. The remove button takes out the selected entry and writes the count; with nothing selected it
// only writes the count.
TEST_F(Picking, EachReadingTextPicksIntoItsOwnListAndItsButtonRemovesTheSelectedEntry) {
    const struct {
        int tag;
        const char* name;
        const char* piece; // the click lands just before it, moved by `shift` characters
        int shift;
        QStringList added;
    } picks[] = {
        {1, "inside the first word", "Car Radovan", 2, {u"Car"_s}},
        {1, "the same word again", "Car Radovan", 1, {}},
        {1, "car differs from Car", "car careva", 2, {u"car"_s}},
        {1, "just before a word that begins a line", "gospodar", 0, {u"gospodar"_s}},
        {5, "Alpskog stands for Alpskog venca", "Alpskog", 3, {u"Alpskog venca"_s}},
        {5, "and so does venca", "venca", 2, {}},
        {5, "a name before its comma", "Muru,", 4, {u"Muru"_s}},
        {8, "between the space and svoda: the word before", "svoda", 0, {u"do"_s}},
        {8, "the first word of a line", "gore", 1, {u"gore"_s}},
        {9, "right after a dash that ends a line", "dam, -", 6, {}},
        {9, "a name inside its quotes", "Diko", 2, {u"Diko"_s}},
        {9, "a word of a line", "blago", 1, {u"blago"_s}},
        {10, "the empty word between two spaces", "kišobran,", 0, {QString()}},
        {10, "a word of a line", "strah", 1, {u"strah"_s}},
        {13, "inside Majka near its end", "Majka", 4, {}},
        {13, "a word of the title, inside its quotes", "Oranje", 3, {u"Oranje"_s}},
        {13, "a word of a line", "sinko", 1, {u"sinko"_s}},
    };
    for (const int tag : {1, 5, 8, 9, 10, 13}) {
        SCOPED_TRACE("the reading text of tag " + std::to_string(tag));
        const Reading reading = open(tag);
        course::LessonScreen& screen = front();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        screen.Command3->setFocus();
        for (const auto& pick : picks) {
            if (pick.tag != tag) {
                continue;
            }
            SCOPED_TRACE(pick.name);
            const QString count =
                pick.added.isEmpty() ? reading.count->caption() : countOf(reading.list->count() + 1);
            EXPECT_EQ(clickAt(reading, pick.piece, pick.shift), pick.added);
            EXPECT_EQ(reading.count->caption(), count);
            EXPECT_EQ(reading.list->selectedPosition(), tag == 1 ? reading.list->count() : 0);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == screen.Command1; }));

        QStringList listed = reading.list->texts();
        reading.list->clearSelection();
        pupil::click(reading.remove);
        EXPECT_EQ(reading.list->texts(), listed) << "with nothing selected";
        reading.list->select(2);
        pupil::click(reading.remove);
        listed.removeAt(1);
        EXPECT_EQ(reading.list->texts(), listed);
        EXPECT_EQ(reading.count->caption(), countOf(listed.size()));
    }
}

// The list of task 1 brings each new entry into view.
TEST_F(Picking, Task1ScrollsEachNewEntryIntoView) {
    const Reading task1 = open(1);
    for (const char* word :
         {"muškarci", "Radovan", "careva", "vladar", "svemira", "sekiru", "ramenu", "konja", "brdo", "snegom",
          "ruci", "buljinu", "zemlji", "ljudi", "bitke", "trijumfe", "miru"}) {
        ASSERT_EQ(clickAt(task1, QString::fromUtf8(word), 1), QStringList(QString::fromUtf8(word)));
        const QRect entry = task1.list->visualItemRect(task1.list->item(task1.list->count() - 1));
        EXPECT_TRUE(task1.list->viewport()->rect().contains(entry)) << word << " is out of view";
    }
    EXPECT_FALSE(task1.list->viewport()->rect().contains(task1.list->visualItemRect(task1.list->item(0))))
        << "the list never had to scroll";
}
