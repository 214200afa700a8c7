// Every panel of the three lesson screens, drawn offscreen into PNG files beside the test program for a
// person to look at, and the cheap checks of the layout a machine can make: reading texts show whole,
// captions fit their labels, controls stay inside their panels.
#include "tests/Pupil.h"

#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QScrollBar>
#include <QTextBlock>

#include <string>
#include <vector>

namespace {

class PanelShots : public CourseTest {
  protected:
    struct Screen {
        course::LessonScreen* screen;
        std::vector<toolkit::PictureBox*> panels;
    };

    std::vector<Screen> lessonScreens() {
        Form1& f1 = program->form1();
        Form3& f3 = program->form3();
        Form4& f4 = program->form4();
        return {
            {&f1,
             {f1.Picture1, f1.Picture2, f1.Picture3, f1.Picture4, f1.Picture6, f1.Picture7, f1.Picture9,
              f1.Picture10, f1.Picture11, f1.Picture12, f1.Picture13, f1.Picture14}},
            {&f3,
             {f3.Picture14, f3.Picture1, f3.Picture2, f3.Picture3, f3.Picture4, f3.Picture6, f3.Picture7,
              f3.Picture9}},
            {&f4, {f4.Picture7}},
        };
    }

    // Calls `look` with each panel in front, on its screen, as the course shows it.
    template <typename Look> void eachPanel(Look look) {
        for (const Screen& screen : lessonScreens()) {
            screen.screen->show();
            for (toolkit::PictureBox* panel : screen.panels) {
                screen.screen->showPanel(panel);
                QApplication::processEvents();
                look(*screen.screen, *panel);
            }
            screen.screen->hide();
        }
    }
};

std::string where(const QWidget& control) {
    return control.window()->objectName().toStdString() + "." +
           control.parentWidget()->objectName().toStdString() + "." + control.objectName().toStdString();
}

// Sizes are judged in the font the screens are designed in: Arial, or a font with its metrics.
bool arialMetrics(const QWidget& screen) {
    const QString family = QFontInfo(screen.font()).family();
    return family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans");
}

bool clickable(const toolkit::Label& label) {
    return label.testAttribute(Qt::WA_SetCursor) && label.cursor().shape() == Qt::PointingHandCursor;
}

// The pupil's answers on a panel, for the second picture: every clickable label clicked once (the
// numbers of task 19 act as their sentences, so they are left out), every ring shown, and a few words
// picked from each reading text.
void answer(toolkit::PictureBox& panel) {
    for (toolkit::Label* label : panel.findChildren<toolkit::Label*>()) {
        if (clickable(*label) && label->caption() != QStringLiteral("1.") &&
            label->caption() != QStringLiteral("2.")) {
            pupil::click(label);
        }
    }
    for (toolkit::Shape* ring : panel.findChildren<toolkit::Shape*>()) {
        ring->show();
    }
    for (toolkit::TextArea* text : panel.findChildren<toolkit::TextArea*>()) {
        const auto length = static_cast<int>(text->text().size());
        for (const int offset : {2, length / 3, length / 2, length - 6}) {
            pupil::clickCaret(text, offset);
        }
    }
}

// A description of task 16 that is one running line, wrapping in its box as it always has.
bool wrapsByDesign(const toolkit::TextArea& text) {
    return where(text) == "Form3.Picture14.Text2";
}

} // namespace

// The pictures are for a person to look at; nothing here fails on looks.
TEST_F(PanelShots, EveryPanelIsDrawnIntoAPicture) {
    enterCourse();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/panel-shots");
    ASSERT_TRUE(QDir().mkpath(folder));
    int pictures = 0;
    eachPanel([&](course::LessonScreen& screen, toolkit::PictureBox& panel) {
        const QString name = folder + u'/' + screen.objectName() + u'_' + panel.objectName();
        pictures += screen.grab().save(name + QStringLiteral(".png")) ? 1 : 0;
        answer(panel);
        pictures += screen.grab().save(name + QStringLiteral("_answered.png")) ? 1 : 0;
    });
    EXPECT_EQ(pictures, 2 * 21);
}

TEST_F(PanelShots, EveryReadingTextShowsWholeWithoutScrolling) {
    enterCourse();
    if (!arialMetrics(program->form1())) {
        GTEST_SKIP() << "no font with the metrics of Arial, so sizes cannot be judged";
    }
    int texts = 0;
    eachPanel([&](course::LessonScreen&, toolkit::PictureBox& panel) {
        for (toolkit::TextArea* text : panel.findChildren<toolkit::TextArea*>()) {
            SCOPED_TRACE(where(*text));
            ++texts;
            QAbstractTextDocumentLayout* layout = text->document()->documentLayout();
            for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next()) {
                layout->blockBoundingRect(line); // lays the line out
                if (!wrapsByDesign(*text)) {
                    EXPECT_EQ(line.layout()->lineCount(), 1)
                        << "\"" << line.text().toStdString() << "\" wraps";
                }
            }
            QTextCursor end(text->document());
            end.movePosition(QTextCursor::End);
            EXPECT_LE(text->cursorRect(end).bottom(), text->viewport()->height())
                << "the last line is cut off";
            EXPECT_EQ(text->verticalScrollBar()->maximum(), 0) << "needs scrolling";
            EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0) << "needs scrolling";
        }
    });
    EXPECT_EQ(texts, 22);
}

TEST_F(PanelShots, EveryCaptionFitsItsControlAndEveryControlItsPanel) {
    enterCourse();
    if (!arialMetrics(program->form1())) {
        GTEST_SKIP() << "no font with the metrics of Arial, so sizes cannot be judged";
    }
    eachPanel([&](course::LessonScreen&, toolkit::PictureBox& panel) {
        for (QWidget* control : panel.findChildren<QWidget*>()) {
            if (const auto* container = qobject_cast<toolkit::PictureBox*>(control->parentWidget())) {
                SCOPED_TRACE(where(*control));
                EXPECT_TRUE(container->contentsRect().contains(control->geometry()))
                    << "reaches out of its panel";
            }
        }
        for (toolkit::Label* label : panel.findChildren<toolkit::Label*>()) {
            SCOPED_TRACE(where(*label));
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "cut off at the bottom";
                continue;
            }
            QFont widest = label->font();
            // A word the pupil marks is drawn in bold then.
            widest.setBold(widest.bold() || clickable(*label));
            const QFontMetrics metrics(widest);
            EXPECT_LE(metrics.horizontalAdvance(label->caption()), label->contentsRect().width())
                << "cut off at the right";
            EXPECT_LE(metrics.height(), label->height()) << "cut off at the bottom";
        }
        for (toolkit::CheckBox* box : panel.findChildren<toolkit::CheckBox*>()) {
            SCOPED_TRACE(where(*box));
            EXPECT_LE(box->sizeHint().width(), box->width());
        }
        for (toolkit::CommandButton* button : panel.findChildren<toolkit::CommandButton*>()) {
            SCOPED_TRACE(where(*button));
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->caption()) + 8, button->width());
        }
    });
}
