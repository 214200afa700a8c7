// The layout checks a machine can make on every panel of the three lesson screens and on the splash, results
// and About screens: reading texts show whole, captions fit their controls, controls stay inside their
// panels. The real-window tests leave pictures of every screen for a person to look at.
#include "tests/Pupil.h"

#include "toolkit/CheckBox.h"
#include "toolkit/TextArea.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontInfo>
#include <QTextBlock>

namespace {

// In each script: Cyrillic letters are wider or narrower than the Latin ones they stand for.
class PanelShots : public CourseTest, public testing::WithParamInterface<content::Script> {
  protected:
    PanelShots() { script = GetParam(); }
};

// A control stays inside its panel, and its caption or text fits it; only the text that `wraps` wraps.
void expectFits(QWidget* control, const QWidget* wraps) {
    SCOPED_TRACE((control->window()->objectName() + u'.' + control->objectName()).toStdString());
    const auto* container = qobject_cast<toolkit::PictureBox*>(control->parentWidget());
    EXPECT_TRUE(!container || container->contentsRect().contains(control->geometry()))
        << "reaches out of its panel";
    if (auto* label = qobject_cast<toolkit::Label*>(control); label && label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    } else if (label) {
        QFont widest = label->font();
        widest.setBold(widest.bold() || label->testAttribute(Qt::WA_SetCursor)); // once marked
        const QFontMetrics metrics(widest);
        EXPECT_LE(metrics.horizontalAdvance(label->caption()), label->contentsRect().width());
        EXPECT_LE(metrics.height(), label->height());
    } else if (auto* box = qobject_cast<toolkit::CheckBox*>(control)) {
        EXPECT_LE(box->sizeHint().width(), box->width());
    } else if (auto* button = qobject_cast<toolkit::CommandButton*>(control)) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->caption()) + 8, button->width());
    } else if (auto* text = qobject_cast<toolkit::TextArea*>(control)) {
        for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next()) {
            text->document()->documentLayout()->blockBoundingRect(line); // lays the line out
            EXPECT_TRUE(line.layout()->lineCount() == 1 || text == wraps)
                << "\"" << line.text().toStdString() << "\" wraps";
        }
        // The written lines fit; a text picked from shows its empty last line as well.
        QTextCursor end(text->document());
        end.movePosition(QTextCursor::End);
        if (!text->pickable() && end.block().text().isEmpty()) {
            end.movePosition(QTextCursor::PreviousCharacter);
        }
        EXPECT_LE(text->cursorRect(end).bottom(), text->viewport()->height()) << "cut off";
    }
}

// The words of a row stand apart, also once marked in bold.
void expectApart(const QWidget* panel) {
    QList<const toolkit::Label*> words;
    for (const toolkit::Label* label : panel->findChildren<toolkit::Label*>()) {
        if (label->role() == toolkit::Label::Role::Word) {
            words.append(label);
        }
    }
    std::sort(words.begin(), words.end(), [](const toolkit::Label* a, const toolkit::Label* b) {
        return std::pair(a->parentWidget(), std::pair(a->y(), a->x())) <
               std::pair(b->parentWidget(), std::pair(b->y(), b->x()));
    });
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words[i]->parentWidget() == words[i - 1]->parentWidget() && words[i]->y() == words[i - 1]->y()) {
            EXPECT_GT(words[i]->x(), words[i - 1]->geometry().right())
                << words[i - 1]->caption().toStdString() << " covers " << words[i]->caption().toStdString();
        }
    }
}

// Each panel in front on its screen, as the course shows it; the labels of the auxiliary screens, the
// time cells holding the longest time.
TEST_P(PanelShots, EveryPanelAndAuxiliaryScreenIsLaidOutToFit) {
    Form1& main = enterCourse();
    // Sizes are judged in the font the screens are designed in: Arial, or a font with its metrics.
    if (!QStringList{"Arial", "Liberation Sans"}.contains(QFontInfo(main.font()).family())) {
        GTEST_SKIP() << "no font with the metrics of Arial, so sizes cannot be judged";
    }
    int panels = 0;
    for (auto screen : {Program::Screen::Form1, Program::Screen::Form3, Program::Screen::Form4}) {
        course::LessonScreen& lessonScreen = lesson(screen);
        lessonScreen.show();
        for (toolkit::PictureBox* panel :
             lessonScreen.findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (panel == lessonScreen.picResult || panel == lessonScreen.Picture5 ||
                panel == lessonScreen.Picture8) {
                continue; // the results strip and the narrow boxes beside it are no panels
            }
            lessonScreen.showPanel(panel);
            QApplication::processEvents();
            ++panels;
            expectApart(panel);
            for (QWidget* control : panel->findChildren<QWidget*>()) {
                // The description of task 16 is one running line that wraps by design.
                expectFits(control, program->form3().descriptionTexts[1]);
            }
        }
        lessonScreen.hide();
    }
    EXPECT_EQ(panels, 21);
    Form5& results = program->form5();
    results.Label14->setCaption(QStringLiteral("32767:59:59")); // the time cells are all alike
    program->showAbout(results);
    const QWidget* auxiliary[] = {&results, program->loaded(Program::Screen::Form6), &program->form2()};
    for (const QWidget* screen : auxiliary) {
        for (toolkit::Label* label : screen->findChildren<toolkit::Label*>()) {
            expectFits(label, nullptr);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, PanelShots, testing::Values(content::Script::Latin, content::Script::Cyrillic),
                         [](const testing::TestParamInfo<content::Script>& run) {
                             return run.param == content::Script::Latin ? "Latin" : "Cyrillic";
                         });

} // namespace
