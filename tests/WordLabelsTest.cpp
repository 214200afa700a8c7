// The clickable labels of the three lesson screens: words marked and unmarked by a click, the option
// rings of tasks 19 and 23, the accent over "vile.", and the links under the quoted excerpts.
#include "tests/Pupil.h"

#include "course/Words.h"
#include "toolkit/Line.h"
#include "toolkit/Shape.h"

#include <QTest>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

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
    // A row stands on a panel of the screen in front, whose controls exist once the course has reached it.
    const std::pair<int, QString> rows[] = {
        {11, "Picture15"}, {11, "Picture16"}, {12, "Picture15"}, {19, "Picture9"}, {20, "Picture7"}};
    const auto marked = [](const QList<toolkit::Label*>& words) {
        return std::ranges::count_if(words, [](auto* word) { return word->bold() || word->underline(); });
    };
    // The two strokes of the accent over "vile.", once the closing screen has its panel.
    const auto accent = [&f4] { return f4.Line5 ? f4.Line5->borderWidth() + f4.Line1->borderWidth() : 2; };
    for (const auto& [tag, row] : rows) {
        ASSERT_NO_FATAL_FAILURE(walkTo(tag));
        QList<toolkit::Label*> words =
            front().findChild<QWidget*>(row)->findChildren<toolkit::Label*>(Qt::FindDirectChildrenOnly);
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
    // Each option shown in bold with its ring.
    const std::pair<QString, QString> rings[] = {
        {"Label32", "Shape5"}, {"Label35", "Shape4"}, {"Label69", "Shape8"}, {"Label70", "Shape9"}};
    const struct {
        int tag;
        const char* name;
        QStringList clicks, ringed;
    } rows[] = {
        {15, "the first series", {"Label30"}, {"Label32"}},
        {15, "the second number, then its series", {"Label35", "Label31"}, {}},
        {15, "both series", {"Label30", "Label31"}, {"Label32", "Label35"}},
        {18, "the second takes the ring over", {"Label69", "Label70"}, {"Label70"}},
        {18, "and the first takes it back", {"Label70", "Label69"}, {"Label69"}},
        {18, "a second click takes it away", {"Label70", "Label70"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NO_FATAL_FAILURE(walkTo(row.tag));
        for (const QString& option : row.clicks) {
            auto* label = f.findChild<toolkit::Label*>(option);
            EXPECT_TRUE(pointing(label));
            pupil::click(label);
        }
        for (const auto& [boldName, ringName] : rings) {
            auto* bold = f.findChild<toolkit::Label*>(boldName);
            auto* ring = f.findChild<toolkit::Shape*>(ringName);
            if (!bold || !bold->isVisible()) {
                continue; // an option of the other task
            }
            const bool on = row.ringed.contains(boldName);
            EXPECT_TRUE(ring->isVisible() == on && bold->bold() == on) << boldName.toStdString();
            if (ring->isVisible()) {
                pupil::click(bold); // back to nothing ringed
            }
        }
    }
}

// The pointer over a link underlines and darkens it; only the surfaces listed for the link take that
// away again. A click hands the desktop the link's article of the Serbian Wikipedia, in plain ASCII.
TEST_F(WordLabels, ALinkStaysHoveredUntilThePointerCrossesOneOfItsSurfacesAndOpensItsArticle) {
    const struct {
        int tag; // from which the link's panel exists
        const char* link;
        const char* article;
        QStringList resetting, keeping; // surfaces; Form1 is the window itself
    } rows[] = {
        {1, "Label77", "Јован_Дучић", {"Picture2", "Text3", "Form1"}, {"Text2", "ListView1"}},
        {5, "Label78", "Алпи", {"Picture7", "Text36", "Form1"}, {"Text35", "ListView2"}},
        {8, "Label79", "Јован_Дучић", {"Picture11", "Text46"}, {"Text47", "Text48", "Form1"}},
        {8, "Label80", "Српска_књижевност", {"Picture11", "Text47", "Text48"}, {"Text46", "Form1"}},
        {9, "Label81", "Алекса_Шантић", {"Picture12", "Text50"}, {"Text49", "ListView4", "Form1"}},
    };
    Form1& f = enterCourse();
    for (const auto& row : rows) {
        ASSERT_NO_FATAL_FAILURE(walkTo(row.tag));
        auto* link = f.findChild<toolkit::Label*>(QString::fromLatin1(row.link));
        SCOPED_TRACE(row.link);
        EXPECT_TRUE(pointing(link));
        for (const QString& name : row.resetting + row.keeping) {
            SCOPED_TRACE(name.toStdString());
            const auto look = [link] { return std::pair(link->underline(), link->foreColor()); };
            pointAt(link);
            EXPECT_EQ(look(), hovered);
            pointAt(name == u"Form1" ? &f : f.findChild<QWidget*>(name));
            EXPECT_EQ(look(), row.resetting.contains(name) ? plain : hovered);
            pointAt(link->parentWidget()); // at rest again for the next
        }
        const qsizetype opened = host.addresses.size();
        pupil::click(link);
        ASSERT_EQ(host.addresses.size(), opened + 1);
        const QString address = host.addresses.last();
        const QUrl url(address, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid() && address.toLatin1() == address.toUtf8());
        EXPECT_EQ((url.scheme() + "://" + url.host() + url.path()).toStdString(),
                  "https://sr.wikipedia.org/wiki/" + std::string(row.article));
    }
}
