// The clickable labels of the three lesson screens as the pupil meets them: words marked and unmarked
// by a click, the option rings of tasks 19 and 23, the accent mark over "vile.", and the links under
// the quoted excerpts with their hover look, the surfaces that take it away and the articles they open.
#include "tests/Pupil.h"

#include "content/Form1Texts.h"
#include "course/Words.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/TreeView.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <optional>

#include <string>
#include <vector>

namespace {

class WordLabels : public CourseTest {};

std::string nameOf(const QWidget* control) {
    return control->objectName().toStdString();
}

// The pointer comes to rest over a point of a control (its middle unless given), as the window
// system reports it: the event goes to whatever lies under the pointer there.
void pointAt(QWidget* control, std::optional<QPoint> point = std::nullopt) {
    QWidget* window = control->window();
    QTest::mouseMove(window->windowHandle(),
                     control->mapTo(window, point.value_or(control->rect().center())));
}

// A point of a surface with none of its controls over it.
QPoint bare(QWidget* surface) {
    for (int y = surface->height() - 6; y > 0; y -= 5) {
        for (int x = surface->width() - 6; x > 0; x -= 5) {
            if (surface->childAt(x, y) == nullptr) {
                return {x, y};
            }
        }
    }
    ADD_FAILURE() << nameOf(surface) << " has no bare point";
    return {};
}

// What a link shows: underlined and dark grey while hovered, plain grey otherwise.
void expectHovered(const toolkit::Label& link, bool hovered) {
    SCOPED_TRACE(link.objectName().toStdString());
    EXPECT_EQ(link.underline(), hovered);
    EXPECT_EQ(link.foreColor(), hovered ? course::linkHoverColour : course::linkColour);
    EXPECT_FALSE(link.bold());
}

void expectMarked(const toolkit::Label& word, bool marked) {
    SCOPED_TRACE(word.objectName().toStdString() + " \"" + word.caption().toStdString() + "\"");
    EXPECT_EQ(word.bold(), marked);
    EXPECT_EQ(word.underline(), marked);
    EXPECT_EQ(word.foreColor(), course::wordColour);
}

// Each word of a row marks and unmarks itself alone, and its caption and place never change.
void expectRowMarksWordByWord(const std::vector<toolkit::Label*>& row) {
    for (toolkit::Label* word : row) {
        const QString caption = word->caption();
        const QRect place = word->geometry();
        for (const int clicks : {1, 2, 3}) {
            pupil::click(word);
            for (const toolkit::Label* other : row) {
                expectMarked(*other, other == word && clicks % 2 == 1);
            }
        }
        pupil::click(word);
        EXPECT_EQ(word->caption(), caption);
        EXPECT_EQ(word->geometry(), place);
    }
    // Every word of a row can be marked at once; it is the judge that refuses that.
    for (toolkit::Label* word : row) {
        pupil::click(word);
    }
    for (const toolkit::Label* word : row) {
        expectMarked(*word, true);
    }
    for (toolkit::Label* word : row) {
        pupil::click(word);
    }
}

} // namespace

TEST_F(WordLabels, AClickMarksAWordBoldAndUnderlinedAndTheNextClickUnmarksIt) {
    Form1& f1 = enterCourse();
    walkTo(11);
    {
        SCOPED_TRACE("task 13");
        expectRowMarksWordByWord({f1.Label61, f1.Label63, f1.Label64, f1.Label65, f1.Label66, f1.Label67});
    }
    {
        SCOPED_TRACE("task 14");
        expectRowMarksWordByWord(
            {f1.Label73, f1.Label72, f1.Label71, f1.Label70, f1.Label69, f1.Label68, f1.Label75, f1.Label76});
    }
    walkTo(12);
    Form3& f3 = program->form3();
    {
        SCOPED_TRACE("task 15");
        expectRowMarksWordByWord({f3.Label61, f3.Label63, f3.Label64, f3.Label65, f3.Label66, f3.Label67});
    }
    walkTo(19);
    {
        SCOPED_TRACE("task 24");
        expectRowMarksWordByWord({f3.Label77, f3.Label78, f3.Label79, f3.Label80, f3.Label81, f3.Label82});
    }
    walkTo(20);
    Form4& f4 = program->form4();
    {
        SCOPED_TRACE("task 25");
        expectRowMarksWordByWord({f4.Label76, f4.Label83, f4.Label84, f4.Label85});
    }
    {
        SCOPED_TRACE("task 26");
        expectRowMarksWordByWord({f4.Label77, f4.Label78, f4.Label79, f4.Label80, f4.Label81, f4.Label82,
                                  f4.Label11, f4.Label12, f4.Label14});
    }
}

TEST_F(WordLabels, Task19RingsEachSeriesOnItsOwnAndItsNumberActsAsTheSeries) {
    enterCourse();
    walkTo(15);
    Form3& f = program->form3();
    struct Row {
        const char* name;
        std::vector<toolkit::Label*> clicks;
        bool first;
        bool second;
    };
    const Row rows[] = {
        {"the first series", {f.Label30}, true, false},
        {"the number 1.", {f.Label32}, true, false},
        {"the first series, then its number", {f.Label30, f.Label32}, false, false},
        {"the number 1. twice", {f.Label32, f.Label32}, false, false},
        {"the second series", {f.Label31}, false, true},
        {"the number 2.", {f.Label35}, false, true},
        {"the number 2., then its series", {f.Label35, f.Label31}, false, false},
        {"both series", {f.Label30, f.Label31}, true, true},
        {"both numbers", {f.Label32, f.Label35}, true, true},
        {"both series, then the number 1.", {f.Label30, f.Label31, f.Label32}, false, true},
        {"three clicks on the number 2.", {f.Label35, f.Label35, f.Label35}, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (toolkit::Label* option : row.clicks) {
            pupil::click(option);
        }
        EXPECT_EQ(f.Shape5->isVisible(), row.first);
        EXPECT_EQ(f.Label32->bold(), row.first);
        EXPECT_EQ(f.Shape4->isVisible(), row.second);
        EXPECT_EQ(f.Label35->bold(), row.second);
        for (const toolkit::Label* series : {f.Label30, f.Label31}) {
            EXPECT_FALSE(series->bold() || series->underline()) << nameOf(series);
        }
        // Back to nothing ringed for the next row.
        if (f.Shape5->isVisible()) {
            pupil::click(f.Label30);
        }
        if (f.Shape4->isVisible()) {
            pupil::click(f.Label31);
        }
        ASSERT_FALSE(f.Shape5->isVisible() || f.Shape4->isVisible() || f.Label32->bold() ||
                     f.Label35->bold());
    }
}

TEST_F(WordLabels, Task23RingsAtMostOneStatement) {
    enterCourse();
    walkTo(18);
    Form3& f = program->form3();
    struct Row {
        const char* name;
        std::vector<toolkit::Label*> clicks;
        bool first;
        bool second;
    };
    const Row rows[] = {
        {"the first statement", {f.Label69}, true, false},
        {"the second statement", {f.Label70}, false, true},
        {"the first, then the second moves the ring", {f.Label69, f.Label70}, false, true},
        {"the second, then the first moves the ring", {f.Label70, f.Label69}, true, false},
        {"the first twice leaves neither", {f.Label69, f.Label69}, false, false},
        {"the second twice leaves neither", {f.Label70, f.Label70}, false, false},
        {"first, second, first", {f.Label69, f.Label70, f.Label69}, true, false},
        {"second, second, first", {f.Label70, f.Label70, f.Label69}, true, false},
        {"first, second, second", {f.Label69, f.Label70, f.Label70}, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (toolkit::Label* option : row.clicks) {
            pupil::click(option);
        }
        EXPECT_EQ(f.Shape8->isVisible(), row.first);
        EXPECT_EQ(f.Label69->bold(), row.first);
        EXPECT_EQ(f.Shape9->isVisible(), row.second);
        EXPECT_EQ(f.Label70->bold(), row.second);
        EXPECT_FALSE(f.Label69->underline() || f.Label70->underline());
        if (f.Shape8->isVisible()) {
            pupil::click(f.Label69);
        }
        if (f.Shape9->isVisible()) {
            pupil::click(f.Label70);
        }
        ASSERT_FALSE(f.Shape8->isVisible() || f.Shape9->isVisible());
    }
}

TEST_F(WordLabels, MarkingVileThickensTheAccentOverItAndNoOtherWordTouchesIt) {
    enterCourse();
    walkTo(20);
    Form4& f = program->form4();
    const auto expectAccent = [&f](int width) {
        EXPECT_EQ(f.Line5->borderWidth(), width);
        EXPECT_EQ(f.Line1->borderWidth(), width);
    };
    expectAccent(1);
    const std::vector<toolkit::Label*> others = {f.Label76, f.Label83, f.Label84, f.Label77,
                                                 f.Label78, f.Label79, f.Label80, f.Label81,
                                                 f.Label82, f.Label11, f.Label12, f.Label14};
    for (const int accent : {1, 2}) {
        SCOPED_TRACE(accent == 2 ? "with vile. marked" : "with vile. unmarked");
        for (toolkit::Label* word : others) {
            pupil::click(word);
            expectAccent(accent);
            pupil::click(word);
            expectAccent(accent);
        }
        pupil::click(f.Label85);
        expectMarked(*f.Label85, accent == 1);
        expectAccent(accent == 1 ? 2 : 1);
    }
    // The accent stands on the top edge of "vile.", within the word's width.
    const QRect word = f.Label85->geometry();
    for (const toolkit::Line* line : {f.Line5, f.Line1}) {
        EXPECT_TRUE(line->geometry().intersects(word.adjusted(0, -1, 0, 0))) << nameOf(line);
        EXPECT_LT(line->geometry().center().y(), word.top()) << nameOf(line);
        EXPECT_GE(line->geometry().center().x(), word.left()) << nameOf(line);
        EXPECT_LE(line->geometry().center().x(), word.right()) << nameOf(line);
    }
}

// The pointer over a link underlines it and darkens it; only the surfaces listed for a link take that
// away again, whatever else the pointer crosses on the way.
TEST_F(WordLabels, ALinkStaysHoveredUntilThePointerCrossesOneOfItsSurfaces) {
    Form1& f = enterCourse();
    struct Row {
        int tag;
        toolkit::Label* link;
        QWidget* surface;
        bool resets;
    };
    QWidget* background = &f;
    const Row rows[] = {
        {1, f.Label77, f.Picture2, true},   {1, f.Label77, f.Text3, true},
        {1, f.Label77, background, true},   {1, f.Label77, f.Text2, false},
        {1, f.Label77, f.Label3, false},    {1, f.Label77, f.Label4, false},
        {1, f.Label77, f.ListView1, false}, {1, f.Label77, f.Command4, false},
        {1, f.Label77, f.TreeView1, false}, {5, f.Label78, f.Picture7, true},
        {5, f.Label78, f.Text36, true},     {5, f.Label78, background, true},
        {5, f.Label78, f.Text35, false},    {5, f.Label78, f.Label35, false},
        {5, f.Label78, f.ListView2, false}, {8, f.Label79, f.Picture11, true},
        {8, f.Label79, f.Text46, true},     {8, f.Label79, f.Text47, false},
        {8, f.Label79, f.Text48, false},    {8, f.Label79, background, false},
        {8, f.Label79, f.Label51, false},   {8, f.Label80, f.Picture11, true},
        {8, f.Label80, f.Text47, true},     {8, f.Label80, f.Text48, true},
        {8, f.Label80, f.Text46, false},    {8, f.Label80, background, false},
        {8, f.Label80, f.Label52, false},   {9, f.Label81, f.Picture12, true},
        {9, f.Label81, f.Text50, true},     {9, f.Label81, background, false},
        {9, f.Label81, f.Text49, false},    {9, f.Label81, f.ListView4, false},
    };
    for (const Row& row : rows) {
        walkTo(row.tag);
        SCOPED_TRACE(nameOf(row.link) + " and " + nameOf(row.surface));
        ASSERT_TRUE(row.link->isVisible() && row.surface->isVisible());
        pointAt(row.link);
        expectHovered(*row.link, true);
        // A second move over the link changes nothing.
        pointAt(row.link, row.link->rect().topLeft() + QPoint(2, 2));
        expectHovered(*row.link, true);
        const bool bareSurface = qobject_cast<toolkit::PictureBox*>(row.surface) || row.surface == background;
        pointAt(row.surface, bareSurface ? bare(row.surface) : row.surface->rect().center());
        expectHovered(*row.link, !row.resets);
        // Whatever the row found, the link's own surface resets it for the next row.
        pointAt(row.link->parentWidget(), bare(row.link->parentWidget()));
        expectHovered(*row.link, false);
    }
}

TEST_F(WordLabels, MovingFromOneLinkToTheNextLeavesTheFirstUnderlined) {
    Form1& f = enterCourse();
    walkTo(8);
    pointAt(f.Label79);
    pointAt(f.Label80);
    expectHovered(*f.Label79, true);
    expectHovered(*f.Label80, true);
    pointAt(f.Text47);
    expectHovered(*f.Label79, true);
    expectHovered(*f.Label80, false);
    pointAt(f.Label80);
    pointAt(f.Text46);
    expectHovered(*f.Label79, false);
    expectHovered(*f.Label80, true);
}

TEST_F(WordLabels, AClickOnALinkHandsItsArticleToTheDesktop) {
    Form1& f = enterCourse();
    namespace text = content::form1;
    struct Row {
        int tag;
        toolkit::Label* link;
        QString address;
    };
    const Row rows[] = {
        {1, f.Label77, text::Label77().address}, {5, f.Label78, text::Label78().address},
        {8, f.Label79, text::Label79().address}, {8, f.Label80, text::Label80().address},
        {9, f.Label81, text::Label81().address},
    };
    for (const Row& row : rows) {
        walkTo(row.tag);
        SCOPED_TRACE(nameOf(row.link));
        const QStringList before = host.addresses;
        const int messages = refusals();
        pupil::click(row.link);
        EXPECT_EQ(host.addresses, QStringList(before) << row.address);
        EXPECT_EQ(refusals(), messages);
        EXPECT_EQ(f.Command1->tag(), QString::number(row.tag));
        EXPECT_TRUE(row.address.startsWith(QStringLiteral("https://"))) << row.address.toStdString();
    }
    // One writer, one article: the prose of task 1 and the verses of task 9 are both his.
    EXPECT_EQ(text::Label77().address, text::Label79().address);
    const QStringList articles = {text::Label77().address, text::Label78().address, text::Label80().address,
                                  text::Label81().address};
    EXPECT_EQ(QSet<QString>(articles.begin(), articles.end()).size(), 4);
}

// Every label that does something on a click shows the pointing hand, and no other label does.
TEST_F(WordLabels, EveryClickableLabelAndNoOtherShowsThePointingHand) {
    Form1& f1 = enterCourse();
    Form3& f3 = program->form3();
    Form4& f4 = program->form4();
    const std::vector<toolkit::Label*> clickable = {
        // Form1: the words of tasks 13 and 14, the links.
        f1.Label61, f1.Label63, f1.Label64, f1.Label65, f1.Label66, f1.Label67, f1.Label73, f1.Label72,
        f1.Label71, f1.Label70, f1.Label69, f1.Label68, f1.Label75, f1.Label76, f1.Label77, f1.Label78,
        f1.Label79, f1.Label80, f1.Label81,
        // Form3: the words of tasks 15 and 24, the options of tasks 19 and 23.
        f3.Label61, f3.Label63, f3.Label64, f3.Label65, f3.Label66, f3.Label67, f3.Label77, f3.Label78,
        f3.Label79, f3.Label80, f3.Label81, f3.Label82, f3.Label30, f3.Label31, f3.Label32, f3.Label35,
        f3.Label69, f3.Label70,
        // Form4: the words of tasks 25 and 26.
        f4.Label76, f4.Label83, f4.Label84, f4.Label85, f4.Label77, f4.Label78, f4.Label79, f4.Label80,
        f4.Label81, f4.Label82, f4.Label11, f4.Label12, f4.Label14};
    int others = 0;
    for (const course::LessonScreen* screen : std::initializer_list<course::LessonScreen*>{&f1, &f3, &f4}) {
        for (const toolkit::Label* label : screen->findChildren<toolkit::Label*>()) {
            const bool isClickable = std::find(clickable.begin(), clickable.end(), label) != clickable.end();
            SCOPED_TRACE(screen->objectName().toStdString() + "." + nameOf(label));
            EXPECT_EQ(label->testAttribute(Qt::WA_SetCursor), isClickable);
            if (isClickable) {
                EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
            } else {
                ++others;
            }
        }
    }
    EXPECT_GT(others, 100);
}
