#include "course/LessonScreen.h"

#include "content/Pictures.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Focus.h"
#include "toolkit/Group.h"
#include "toolkit/Host.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

#include <QEvent>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

#include <climits>
#include <utility>

namespace course {

namespace {

toolkit::CommandButton* button(const QString& name, QWidget* screen, const QString& caption, int left,
                               int width) {
    auto* command = new toolkit::CommandButton(name, screen, caption);
    toolkit::place(command, left, 8280, width, 375);
    return command;
}

toolkit::PictureBox* narrowBox(const QString& name, QWidget* screen, int left, int top) {
    auto* box = new toolkit::PictureBox(name, screen);
    toolkit::place(box, left, top, 220, 1095);
    box->setBordered(true);
    return box;
}

} // namespace

LessonScreen::LessonScreen(const Frame& frame, toolkit::Host& host, content::Script script)
    : toolkit::Form(frame.name), Label1(new toolkit::Label(QStringLiteral("Label1"), this)),
      TreeView1(new toolkit::TreeView(QStringLiteral("TreeView1"), this)),
      Command1(button(QStringLiteral("Command1"), this, content::inScript(script, QStringLiteral("Napred")),
                      10680, 1455)),
      Command2(button(QStringLiteral("Command2"), this, content::inScript(script, QStringLiteral("Izlaz")),
                      8880, 1575)),
      Command3(button(QStringLiteral("Command3"), this,
                      content::inScript(script, QStringLiteral("O programu")), 240, 1575)),
      Image7(new toolkit::Image(QStringLiteral("Image7"), this)),
      Picture5(narrowBox(QStringLiteral("Picture5"), this, frame.picture5Left, frame.picture5Top)),
      Picture8(narrowBox(QStringLiteral("Picture8"), this, frame.picture8Left, frame.picture8Top)),
      results(this, frame.lastTaskRow, script), picResult(results.picResult()), m_host(host),
      m_script(script) {
    setCaption(shown(QStringLiteral("Tesmora")));
    setClientSize(frame.clientWidth, frame.clientHeight);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9.75);
    setFont(arial);

    Label1->setCaption(shown(QStringLiteral("- Obraćanje učeniku -")));
    Label1->setForeColor(0x000080);
    QFont title(QStringLiteral("Arial"));
    title.setPointSizeF(15.75);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    toolkit::place(Label1, 2415, 360, 9375, 375);

    toolkit::place(TreeView1, 120, 960, 2055, 5535);
    // The outline only shows where the course stands: Tab passes it by.
    TreeView1->setFocusPolicy(Qt::ClickFocus);
    TreeView1->setAccessibleName(shown(QStringLiteral("Tok kursa")));
    Command1->setTag(QStringLiteral("0"));

    // A press judges the panel in view. Connected before any screen's own handler, this makes that
    // panel first on a screen pressed before it has ever been shown.
    connect(Command1, &QPushButton::clicked, this, [this] { fillShown(); });

    toolkit::place(Image7, 4560, 8160, 240, 240);
    Image7->setPicture(content::tickPicture());
    Image7->hide();
    centre();
}

void LessonScreen::refuse() {
    m_host.messageBox(this, shown(QStringLiteral("Zadatak nije rešen !")), shown(QStringLiteral("Paznja")),
                      48);
}

void LessonScreen::outlineUpdate() {
    // Only the tags at which a step begins have a node; for the others nothing happens.
    toolkit::TreeView::Node* node = TreeView1->node(u'n' + Command1->tag());
    TreeView1->select(node);
    TreeView1->ensureVisible(node);
}

void LessonScreen::keepExpanded(toolkit::TreeView::Node* node) {
    if (node) {
        node->setExpanded(true);
    }
}

void LessonScreen::selectHomeNode() {
    toolkit::TreeView::Node* home = TreeView1->node(TreeView1->tag().toInt());
    TreeView1->select(home);
    TreeView1->ensureVisible(home);
}

toolkit::PictureBox* LessonScreen::addPanel(const QString& name, std::function<void()> design) {
    auto* panel = new toolkit::PictureBox(name, this);
    toolkit::place(panel, 2400, 960, 9855, 5535);
    panel->setBackColor(0xFFFFFF);
    panel->setBordered(true);
    panel->setVisible(m_panels.isEmpty());
    m_panels.append({panel, std::move(design)});
    return panel;
}

QString LessonScreen::taskHeading(const QWidget& panel) const {
    // The task prompt nearest the top, and of two on one line the left one, in the course's script.
    const QString task = shown(QStringLiteral("ZADATAK"));
    QString heading;
    std::pair<int, int> highest(INT_MAX, INT_MAX);
    for (const toolkit::Label* label : panel.findChildren<toolkit::Label*>()) {
        const QPoint place = label->mapTo(&panel, QPoint(0, 0));
        if (label->caption().startsWith(task) && std::pair(place.y(), place.x()) < highest) {
            highest = std::pair(place.y(), place.x());
            heading = label->caption();
        }
    }
    return heading;
}

void LessonScreen::groupFurtherTasks(QWidget& panel) const {
    // The headings of the tasks ("ZADATAK 23: …") among the panel's own controls, top to bottom; each task
    // after the first holds the controls from its heading down to the next one.
    const QRegularExpression numbered(QStringLiteral("^%1 \\d+:").arg(shown(QStringLiteral("ZADATAK"))));
    const QList<QWidget*> parts = panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QList<const toolkit::Label*> headings;
    for (QWidget* part : parts) {
        if (const auto* label = qobject_cast<const toolkit::Label*>(part);
            label && numbered.match(label->caption()).hasMatch()) {
            headings.append(label);
        }
    }
    std::sort(headings.begin(), headings.end(),
              [](const toolkit::Label* a, const toolkit::Label* b) { return a->y() < b->y(); });
    for (qsizetype i = 1; i < headings.size(); ++i) {
        const int top = headings[i]->y();
        const int bottom = i + 1 < headings.size() ? headings[i + 1]->y() : INT_MAX;
        QList<QWidget*> members;
        for (QWidget* part : parts) {
            if (part->y() >= top && part->y() < bottom) {
                members.append(part);
            }
        }
        new toolkit::Group(headings[i]->caption(), &panel, members);
    }
}

void LessonScreen::fill(Panel& panel) {
    // Taken out before it runs, so that a design can never run twice.
    if (const std::function<void()> design = std::exchange(panel.design, nullptr)) {
        design();
        // A screen reader names the panel after its first task as the focus enters it, and meets each
        // further task of the panel in a group named after that task.
        panel.box->setAccessibleName(taskHeading(*panel.box));
        groupFurtherTasks(*panel.box);
        // Tab goes through the panel in reading order, then on to "Napred", "Izlaz" and "O programu".
        toolkit::chainInReadingOrder(Command3, panel.box);
    }
}

void LessonScreen::prepareAfter(qsizetype shown) {
    // Nothing is made before the shown panel is on the screen: its first paint sets the next going.
    m_panels[shown].box->installEventFilter(this);
}

bool LessonScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        for (qsizetype i = 0; i < m_panels.size(); ++i) {
            if (m_panels[i].box == watched) {
                QTimer::singleShot(0, this, [this, i] { prepareNext(i); });
            }
        }
    }
    return toolkit::Form::eventFilter(watched, event);
}

void LessonScreen::prepareNext(qsizetype shown) {
    if (shown + 1 < m_panels.size()) {
        fill(m_panels[shown + 1]);
    } else if (m_following && !m_following->m_panels.isEmpty()) {
        m_following->fill(m_following->m_panels.first());
    }
}

void LessonScreen::showPanel(toolkit::PictureBox* next) {
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        Panel& panel = m_panels[i];
        if (panel.box == next) {
            fill(panel);
            panel.box->show();
            toolkit::focusFirstIn(panel.box);
            prepareAfter(i);
            return;
        }
        panel.box->hide();
    }
}

qsizetype LessonScreen::fillShown() {
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        if (!m_panels[i].box->isHidden()) {
            fill(m_panels[i]);
            return i;
        }
    }
    return -1;
}

void LessonScreen::setVisible(bool visible) {
    const qsizetype shown = visible ? fillShown() : -1;
    toolkit::Form::setVisible(visible);
    if (shown >= 0) {
        if (!focusWidget()) {
            toolkit::focusFirstIn(m_panels[shown].box);
        }
        prepareAfter(shown);
    }
}

} // namespace course
