// Every panel of the three lesson screens, drawn offscreen into PNG files beside the test program for a
// person to look at, and the layout checks a machine can make: reading texts show whole, captions fit
// their controls, controls stay inside their panels.
#include "tests/Pupil.h"

#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextArea.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QTextBlock>

namespace {

class PanelShots : public CourseTest {};

// Each panel in front on its screen, as the course shows it.
TEST_F(PanelShots, EveryPanelIsDrawnAndLaidOutToFit) {
    enterCourse();
    using S = Program::Screen;
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/panel-shots");
    ASSERT_TRUE(QDir().mkpath(folder));
    // Sizes are judged in the font the screens are designed in: Arial, or a font with its metrics.
    const bool judged =
        QStringList{"Arial", "Liberation Sans"}.contains(QFontInfo(program->form1().font()).family());
    int pictures = 0;
    for (course::LessonScreen* screen : {&lesson(S::Form1), &lesson(S::Form3), &lesson(S::Form4)}) {
        screen->show();
        for (toolkit::PictureBox* panel :
             screen->findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (panel == screen->picResult || panel == screen->Picture5 || panel == screen->Picture8) {
                continue; // the results strip and the narrow boxes beside it are no panels
            }
            screen->showPanel(panel);
            QApplication::processEvents();
            const QString where = screen->objectName() + u'.' + panel->objectName() + u'.';
            for (QWidget* control : judged ? panel->findChildren<QWidget*>() : QList<QWidget*>()) {
                SCOPED_TRACE((where + control->objectName()).toStdString());
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
                    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->caption()) + 8,
                              button->width());
                } else if (auto* text = qobject_cast<toolkit::TextArea*>(control)) {
                    for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next()) {
                        text->document()->documentLayout()->blockBoundingRect(line); // lays the line out
                        // The description of task 16 is one running line that wraps by design.
                        EXPECT_TRUE(line.layout()->lineCount() == 1 ||
                                    text == program->form3().descriptionTexts[1])
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
            pictures += screen->grab().save(folder + u'/' + where + QStringLiteral("png")) ? 1 : 0;
        }
        screen->hide();
    }
    EXPECT_EQ(pictures, 21);
    if (!judged) {
        GTEST_SKIP() << "pictures drawn, but no font with the metrics of Arial, so sizes cannot be judged";
    }
}

} // namespace
