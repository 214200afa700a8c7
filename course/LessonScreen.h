#pragma once

#include "content/Script.h"
#include "course/ResultStrip.h"
#include "toolkit/Form.h"
#include "toolkit/TreeView.h"

#include <functional>

namespace toolkit {
class CommandButton;
class Host;
class Image;
class Label;
class PictureBox;
} // namespace toolkit

namespace course {

// Where a lesson screen's frame differs from the others.
struct Frame {
    QString name;
    int clientWidth = 12435;
    int clientHeight = 8880;
    int lastTaskRow = 0;
    int picture5Left = 2180;
    int picture5Top = 5380;
    int picture8Left = 12250;
    int picture8Top = 5370;
};

// The frame shared by the three lesson screens: the step title, the outline, the task panels stacked
// in the middle, the hidden results strip and the three buttons, with the pieces of a "Napred" press
// that every screen uses.
class LessonScreen : public toolkit::Form {
    Q_OBJECT
  public:
    LessonScreen(const Frame& frame, toolkit::Host& host, content::Script script);

    // The script of the course, and a fixed text of it as the pupil reads it.
    content::Script script() const { return m_script; }
    QString shown(const QString& latin) const { return content::inScript(m_script, latin); }

    toolkit::Label* Label1;
    toolkit::TreeView* TreeView1;
    toolkit::CommandButton* Command1;
    toolkit::CommandButton* Command2;
    toolkit::CommandButton* Command3;
    toolkit::Image* Image7;
    toolkit::PictureBox* Picture5;
    toolkit::PictureBox* Picture8;
    ResultStrip results;
    toolkit::PictureBox* picResult;

    // The refusal of an unsolved task.
    void refuse();
    // Selects the outline node of the step that begins at the current tag, when there is one.
    void outlineUpdate();
    // The outline stays fully expanded, and a click on it only brings the selection back to the
    // node at the outline's home position: the pupil cannot move through the course with it.
    void keepExpanded(toolkit::TreeView::Node* node);
    void selectHomeNode();
    // Hides every panel before `next` in the screen's order, shows `next` and gives the focus to its
    // first control.
    void showPanel(toolkit::PictureBox* next);

    // A screen about to be shown first fills the panel it shows.
    void setVisible(bool visible) override;

    // The screen the course goes on to from this one's last panel. Once a panel has been painted, the
    // panel after it, on this screen or on the following one, is made while the pupil reads, so that
    // the press that shows it has nothing to make.
    void setFollowing(LessonScreen* following) { m_following = following; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // A task panel at the common place; the first one made is the one shown at start. The panel stays
    // empty until the pupil is about to see it: then `design` makes its controls, once. So a screen
    // starts with only the controls on view, and a control of a later panel does not exist yet.
    toolkit::PictureBox* addPanel(const QString& name, std::function<void()> design);

  private:
    struct Panel {
        toolkit::PictureBox* box;
        std::function<void()> design; // empty once it has run
    };
    void fill(Panel& panel);
    QString taskHeading(const QWidget& panel) const;
    void groupFurtherTasks(QWidget& panel) const;
    // Fills the panel in view and gives its place in the order, or -1 when none is in view.
    qsizetype fillShown();
    void prepareAfter(qsizetype shown);
    void prepareNext(qsizetype shown);

    toolkit::Host& m_host;
    const content::Script m_script;
    QList<Panel> m_panels;
    QPointer<LessonScreen> m_following;
};

} // namespace course
