// The clickable labels of the three lesson screens: words marked and unmarked by a click, the option
// rings of tasks 19 and 23, the accent over "vile.", and the links under the quoted excerpts.
#include "tests/Pupil.h"

#include "content/Form1Texts.h"
#include "course/Words.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class WordLabels : public CourseTest {};

bool pointing(const QWidget* label) {
    return label->testAttribute(Qt::WA_SetCursor) && label->cursor().shape() == Qt::PointingHandCursor;
}

// The pointer comes to rest over a control, as the window system reports it: near the top left corner
// of a panel or of the window, clear of the controls on it, else in the middle.
void pointAt(QWidget* control) {
    const bool surface = qobject_cast<toolkit::PictureBox*>(control) || control->isWindow();
    QWidget* window = control->window();
    QTest::mouseMove(window->windowHandle(),
                     control->mapTo(window, surface ? QPoint(2, 2) : control->rect().center()));
}

// What a link shows: underlined in dark grey while hovered, plain grey otherwise.
const std::pair<bool, quint32> hovered{true, course::linkHoverColour}, plain{false, course::linkColour};

} // namespace

// The words of tasks 13 to 15 and 24 to 26, row by row: each one marks itself alone, bold and
// underlined, and the next click unmarks it. The accent over "vile." is thick while that word is
// marked. No label but these words, the options and the links shows the pointing hand.
TEST_F(WordLabels, AClickMarksAWordAndTheNextUnmarksIt) {
    Form1& f1 = enterCourse();
    Form3& f3 = program->form3();
    Form4& f4 = program->form4();
    // A row stands on a panel whose controls exist once the course has reached it.
    const std::pair<int, std::function<QWidget*()>> rows[] = {{11, [&] { return f1.Picture15; }},
                                                              {11, [&] { return f1.Picture16; }},
                                                              {12, [&] { return f3.Picture15; }},
                                                              {19, [&] { return f3.Picture9; }},
                                                              {20, [&] { return f4.Picture7; }}};
    const auto marked = [](const QList<toolkit::Label*>& words) {
        return std::ranges::count_if(words, [](auto* word) { return word->bold() || word->underline(); });
    };
    // The two strokes of the accent over "vile.", once the closing screen has its panel.
    const auto accent = [&f4] { return f4.Line5 ? f4.Line5->borderWidth() + f4.Line1->borderWidth() : 2; };
    for (const auto& [tag, row] : rows) {
        walkTo(tag);
        QList<toolkit::Label*> words = row()->findChildren<toolkit::Label*>(Qt::FindDirectChildrenOnly);
        words.removeIf([](auto* label) { return !pointing(label); });
        for (toolkit::Label* word : words) {
            SCOPED_TRACE(word->objectName().toStdString());
            pupil::click(word);
            EXPECT_TRUE(word->bold() && word->underline());
            EXPECT_EQ(marked(words), 1);
            EXPECT_EQ(accent(), word == f4.Label85 ? 4 : 2);
            pupil::click(word);
            EXPECT_EQ(marked(words), 0);
            EXPECT_EQ(accent(), 2);
        }
    }
    // Every panel has been shown by now, so every label of the three screens exists.
    const std::pair<course::LessonScreen*, int> screens[] = {{&f1, 14 + 5}, {&f3, 12 + 6}, {&f4, 13}};
    for (const auto& [screen, clickable] : screens) {
        EXPECT_EQ(std::ranges::count_if(screen->findChildren<toolkit::Label*>(), pointing), clickable);
    }
}

// Task 19 rings a series and shows its number in bold, and its number acts as the series; task 23
// rings a statement and shows it in bold, one at a time.
TEST_F(WordLabels, Task19RingsEachSeriesOnItsOwnAndTask23AtMostOneStatement) {
    enterCourse();
    Form3& f = program->form3();
    // The controls are named by member, since they exist only once their panel has been shown.
    using Option = toolkit::Label* Form3::*;
    const std::pair<Option, toolkit::Shape * Form3::*> rings[] = {{&Form3::Label32, &Form3::Shape5},
                                                                  {&Form3::Label35, &Form3::Shape4},
                                                                  {&Form3::Label69, &Form3::Shape8},
                                                                  {&Form3::Label70, &Form3::Shape9}};
    const struct {
        int tag;
        const char* name;
        std::vector<Option> clicks;
        std::vector<Option> ringed; // shown bold, each with its ring
    } rows[] = {
        {15, "the first series", {&Form3::Label30}, {&Form3::Label32}},
        {15, "the second number, then its series", {&Form3::Label35, &Form3::Label31}, {}},
        {15, "both series", {&Form3::Label30, &Form3::Label31}, {&Form3::Label32, &Form3::Label35}},
        {18, "the second takes the ring over", {&Form3::Label69, &Form3::Label70}, {&Form3::Label70}},
        {18, "and the first takes it back", {&Form3::Label70, &Form3::Label69}, {&Form3::Label69}},
        {18, "a second click takes it away", {&Form3::Label70, &Form3::Label70}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        walkTo(row.tag);
        for (Option option : row.clicks) {
            EXPECT_TRUE(pointing(f.*option));
            pupil::click(f.*option);
        }
        for (const auto& [boldMember, ringMember] : rings) {
            toolkit::Label* bold = f.*boldMember;
            toolkit::Shape* ring = f.*ringMember;
            if (!bold || !bold->isVisible()) {
                continue; // an option of the other task
            }
            const bool on = std::ranges::count(row.ringed, boldMember) == 1;
            EXPECT_TRUE(ring->isVisible() == on && bold->bold() == on) << bold->objectName().toStdString();
            if (ring->isVisible()) {
                pupil::click(bold); // back to nothing ringed
            }
        }
    }
}

// The pointer over a link underlines and darkens it; only the surfaces listed for the link take that
// away again. A click hands the link's article to the desktop.
TEST_F(WordLabels, ALinkStaysHoveredUntilThePointerCrossesOneOfItsSurfaces) {
    Form1& f = enterCourse();
    namespace text = content::form1;
    struct Row {
        toolkit::Label* link;
        QString address;
        QList<QWidget*> resetting, keeping;
    };
    // Each row is read once the course has reached its panel, whose controls exist from then on.
    const std::pair<int, std::function<Row()>> rows[] = {
        {1,
         [&] {
             return Row{
                 f.Label77, text::Label77().address, {f.Picture2, f.Text3, &f}, {f.Text2, f.ListView1}};
         }},
        {5,
         [&] {
             return Row{
                 f.Label78, text::Label78().address, {f.Picture7, f.Text36, &f}, {f.Text35, f.ListView2}};
         }},
        {8,
         [&] {
             return Row{
                 f.Label79, text::Label79().address, {f.Picture11, f.Text46}, {f.Text47, f.Text48, &f}};
         }},
        {8,
         [&] {
             return Row{
                 f.Label80, text::Label80().address, {f.Picture11, f.Text47, f.Text48}, {f.Text46, &f}};
         }},
        {9,
         [&] {
             return Row{
                 f.Label81, text::Label81().address, {f.Picture12, f.Text50}, {f.Text49, f.ListView4, &f}};
         }},
    };
    for (const auto& [tag, rowAtTag] : rows) {
        walkTo(tag);
        const Row row = rowAtTag();
        SCOPED_TRACE(row.link->objectName().toStdString());
        EXPECT_TRUE(pointing(row.link));
        for (QWidget* surface : row.resetting + row.keeping) {
            SCOPED_TRACE(surface->objectName().toStdString());
            const auto look = [&row] { return std::pair(row.link->underline(), row.link->foreColor()); };
            pointAt(row.link);
            EXPECT_EQ(look(), hovered);
            pointAt(surface);
            EXPECT_EQ(look(), row.resetting.contains(surface) ? plain : hovered);
            pointAt(row.link->parentWidget()); // at rest again for the next
        }
        const qsizetype opened = host.addresses.size();
        pupil::click(row.link);
        EXPECT_EQ(host.addresses.mid(opened), QStringList{row.address});
    }
}
