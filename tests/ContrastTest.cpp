// The colours as the pupil sees them, measured on the pixels each control is drawn in, on every screen of a
// whole walk, in both looks: in high contrast every text stands at least 7 : 1 against its background
// (WCAG 2.1 AAA, what a contrast theme promises), the selected rows' included, and every mark (the frames
// of boxes, lines, rings, shapes, pictures) at least 3 : 1 against what surrounds it. In the design's look
// the same is measured and told, not required: its colours are as the screens' design gives them. A change
// of look while the course runs loses nothing typed, picked, marked or timed.
#include "tests/Pupil.h"

#include "toolkit/CheckBox.h"
#include "toolkit/Line.h"
#include "toolkit/ListView.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace {

double luminance(QRgb colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double ratio(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a rectangle of pixels shows: its background (the colour most of it is in), and the ratio to it of
// the colour that stands out most. The edges of letters and lines are a blend of their colour and the
// background, never standing out more than the colour itself, and the core of a small letter (a comma, a
// curved digit) may be a pixel or two, so every pixel counts.
struct Seen {
    QRgb background = 0;
    double contrast = 1.0;
    bool empty = true;
};

Seen seen(const QImage& image, QRect area) {
    QHash<QRgb, int> counts;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xFF000000];
        }
    }
    Seen result;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            result.background = it.key();
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key() != result.background) {
            result.contrast = std::max(result.contrast, ratio(it.key(), result.background));
            result.empty = false;
        }
    }
    return result;
}

// The lowest ratios measured on a screen: of a text against its background, of a mark against its
// surroundings, and the control that had each.
struct Lowest {
    double text = 99;
    QString textControl;
    double mark = 99;
    QString markControl;
};

class Contrast : public CourseTest {
  protected:
    std::map<QString, Lowest> lowest;   // by screen, "Form1 tag 3"
    std::map<QString, double> measured; // by screen and control, "design: Form1 tag 1/Label77"

    void note(const QString& where, const QString& control, double value, bool text) {
        measured[where + u'/' + control] = value;
        Lowest& low = lowest[where];
        if (text && value < low.text) {
            low.text = value;
            low.textControl = control;
        } else if (!text && value < low.mark) {
            low.mark = value;
            low.markControl = control;
        }
    }

    // Every control of the window as the window shows it, and every selected row. A mark is measured with
    // a few pixels of what surrounds it.
    void measure(QWidget& window, const QString& where) {
        const QImage pixels = window.grab().toImage();
        const qreal scale = pixels.devicePixelRatio();
        const auto onImage = [&](QRect area) {
            return QRect((area.topLeft() * scale), (area.size() * scale));
        };
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (!control->isVisible() || control->isWindow() || control->width() < 2 ||
                control->height() < 2) {
                continue;
            }
            const QRect shown(control->mapTo(&window, QPoint()), control->size());
            const QString name = control->objectName();
            const bool picture = qobject_cast<toolkit::Image*>(control) != nullptr;
            const auto* caption = qobject_cast<QLabel*>(control);
            const auto* box = qobject_cast<toolkit::TextBox*>(control);
            const auto* view = qobject_cast<QAbstractItemView*>(control);
            const bool text = (!picture && caption && !caption->text().trimmed().isEmpty()) ||
                              qobject_cast<QAbstractButton*>(control) || (box && !box->text().isEmpty()) ||
                              qobject_cast<toolkit::TextArea*>(control) ||
                              (view && view->model() && view->model()->rowCount() > 0);
            const bool mark = picture || qobject_cast<toolkit::Shape*>(control) ||
                              qobject_cast<toolkit::Line*>(control) || (box && box->text().isEmpty());
            // A check box's frame is a mark, besides its caption.
            if (auto* tick = qobject_cast<QCheckBox*>(control)) {
                QStyleOptionButton option;
                option.initFrom(tick);
                const QRect frame =
                    tick->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, tick);
                const Seen look =
                    seen(pixels, onImage(frame.translated(shown.topLeft()).adjusted(-1, -1, 1, 1)));
                if (!look.empty) {
                    note(where, name + u" (frame)"_s, look.contrast, false);
                }
            }
            if (text || mark) {
                const Seen look = seen(pixels, onImage(text ? shown : shown.adjusted(-3, -3, 3, 3)));
                if (!look.empty) {
                    note(where, name, look.contrast, text);
                }
            }
            // A list or the outline: the selected row's own pair.
            if (view) {
                const QModelIndexList selected =
                    view->selectionModel() ? view->selectionModel()->selectedIndexes() : QModelIndexList();
                for (const QModelIndex& index : selected) {
                    const QRect row =
                        view->visualRect(index).translated(view->viewport()->mapTo(&window, QPoint()));
                    const Seen pair = seen(pixels, onImage(row.intersected(shown)));
                    if (!pair.empty && row.isValid()) {
                        note(where, name + u" (selected row)"_s, pair.contrast, true);
                    }
                }
            }
        }
    }

    void walk(toolkit::Look look, bool dark = false) {
        if (look == toolkit::Look::HighContrast) {
            program->setLook(look, toolkit::highContrastPalette(dark));
        }
        const QString prefix = look == toolkit::Look::Design ? u"design: "_s
                               : dark                        ? u"high contrast, dark: "_s
                                                             : u"high contrast: "_s;
        program->start();
        program->form2().show();
        measure(program->form2(), prefix + u"Form2 (splash)"_s);
        Form1& main = enterCourse();
        program->showAbout(main);
        measure(*program->loaded(Program::Screen::Form6), prefix + u"Form6 (About)"_s);
        program->unload(Program::Screen::Form6);
        toolkit::DesktopHost refusal;
        refusal.messageBox(&main, u"Zadatak nije rešen !"_s, u"Paznja"_s, 48);
        if (auto* box = main.findChild<QMessageBox*>()) {
            box->show();
            measure(*box, prefix + u"refusal"_s);
            box->close();
        }
        // Each screen as it comes, its boxes empty and nothing ticked, and as its tasks are solved: a
        // word picked selects its row in the list of task 1, the outline shows the step selected.
        for (int tag = 0; tag <= 20; ++tag) {
            const QString where = prefix + front().objectName() + u" tag "_s + QString::number(tag);
            measure(front(), where);
            ASSERT_TRUE(pupil::giveRightAnswers(*program, tag));
            measure(front(), where);
            pressNapred();
        }
        ASSERT_TRUE(program->form5().isVisible()) << "the course came to its results";
        measure(program->form5(), prefix + u"Form5 (results)"_s);
    }
};

void expectHighContrast(const std::map<QString, Lowest>& lowest) {
    ASSERT_GE(lowest.size(), 25u) << "every screen was measured";
    for (const auto& [where, low] : lowest) {
        EXPECT_GE(low.text, 7.0) << where.toStdString() << ": " << low.textControl.toStdString();
        EXPECT_GE(low.mark, 3.0) << where.toStdString() << ": " << low.markControl.toStdString();
        std::printf("%-40s text %5.2f (%s)  mark %5.2f (%s)\n", qPrintable(where), low.text,
                    qPrintable(low.textControl), low.mark, qPrintable(low.markControl));
    }
}

TEST_F(Contrast, InHighContrastEveryTextStandsAt7To1AndEveryMarkAt3To1) {
    walk(toolkit::Look::HighContrast);
    expectHighContrast(lowest);
}

TEST_F(Contrast, InDarkHighContrastToo) {
    walk(toolkit::Look::HighContrast, true);
    expectHighContrast(lowest);
}

// The pupil turns high contrast on and off between answering and pressing "Napred", on every screen: each
// time the screen takes the look's colours at once, and the press moves on as it would have, its answers
// all kept; the clocks lose nothing.
TEST_F(Contrast, AChangeOfLookWhileTheCourseRunsLosesNothing) {
    enterCourse();
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        ASSERT_TRUE(pupil::giveRightAnswers(*program, tag));
        wait(61);
        const QString step = program->clocks().stepText(), total = program->clocks().totalText();
        const bool high = tag % 2 == 0;
        const QPalette colours = toolkit::highContrastPalette(tag % 4 == 2);
        program->setLook(high ? toolkit::Look::HighContrast : toolkit::Look::Design, colours);
        const QColor title = front().Label1->palette().color(QPalette::WindowText);
        EXPECT_EQ(title == colours.color(QPalette::WindowText), high) << qPrintable(title.name());
        EXPECT_EQ(program->clocks().stepText(), step);
        EXPECT_EQ(program->clocks().totalText(), total);
        const int before = frontTag();
        pressNapred();
        ASSERT_EQ(refusals(), 0) << "the answers given before the change were lost";
        if (tag < 20) {
            EXPECT_NE(frontTag(), before);
        }
    }
    ASSERT_TRUE(program->form5().isVisible());
    EXPECT_EQ(cells().constLast(), u"00:21:21"_s);
}

// What a screen reader is told of every control of a window: its role, name, description and how it
// stands.
QStringList toldOf(QWidget& window) {
    QStringList told;
    for (QAccessibleInterface* node : pupil::offered(window)) {
        const QAccessible::State state = node->state();
        told << u"%1 %2 | %3 | %4%5%6%7%8%9%10"_s.arg(int(node->role()))
                    .arg(node->text(QAccessible::Name), node->text(QAccessible::Description))
                    .arg(state.checked ? u" checked"_s : QString(),
                         state.selected ? u" selected"_s : QString(),
                         state.focused ? u" focused"_s : QString(),
                         state.focusable ? u" focusable"_s : QString(),
                         state.disabled ? u" disabled"_s : QString(),
                         state.readOnly ? u" read-only"_s : QString(),
                         state.invisible ? u" invisible"_s : QString());
    }
    return told;
}

// A screen reader hears the same in both looks: on every screen of a walk, each control's role, name,
// description and states, as the screen is turned to high contrast and back.
TEST_F(Contrast, AScreenReaderIsToldTheSameInBothLooks) {
    enterCourse();
    int compared = 0;
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        ASSERT_TRUE(pupil::giveRightAnswers(*program, tag));
        const QStringList design = toldOf(front());
        program->setLook(toolkit::Look::HighContrast, toolkit::highContrastPalette(tag % 2 == 1));
        EXPECT_EQ(toldOf(front()), design);
        program->setLook(toolkit::Look::Design);
        compared += static_cast<int>(design.size());
        pressNapred();
    }
    EXPECT_GT(compared, 300) << "the controls of every screen were compared";
}

// The design's own colours, which high contrast is there to go beyond, measured the same way and told; they
// stay the design's: its grey link labels stand at 3.95 : 1 on their white panel.
TEST_F(Contrast, TheDesignsOwnColoursStayTheDesigns) {
    walk(toolkit::Look::Design);
    ASSERT_GE(lowest.size(), 25u) << "every screen was measured";
    for (const auto& [where, low] : lowest) {
        std::printf("%-40s text %5.2f (%s)  mark %5.2f (%s)\n", qPrintable(where), low.text,
                    qPrintable(low.textControl), low.mark, qPrintable(low.markControl));
    }
    ASSERT_TRUE(measured.count(u"design: Form1 tag 1/Label77"_s)) << "the link of task 1 was measured";
    EXPECT_NEAR(measured[u"design: Form1 tag 1/Label77"_s], 3.95, 0.05);
}

} // namespace
