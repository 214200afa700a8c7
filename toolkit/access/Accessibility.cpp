#include "toolkit/access/Accessibility.h"

#include "toolkit/Form.h"
#include "toolkit/Group.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/access/AccessibleText.h"
#include "toolkit/access/SeenOnly.h"
#include "toolkit/access/WidgetAccessibility.h"
#include "toolkit/desktop/Desktop.h"

#include <QAccessibleWidget>

namespace toolkit {

namespace {

// A word as it is said: without the punctuation that follows it in its row ("USPOMENA." is "USPOMENA").
QString spokenWord(QString caption) {
    while (!caption.isEmpty() && caption.back().isPunct()) {
        caption.chop(1);
    }
    return caption;
}

// A caption, or a word, an option or a link: what it is may be told after it is made.
class LabelControl : public QAccessibleWidget {
  public:
    explicit LabelControl(Label* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        switch (label()->role()) {
        case Label::Role::Word:
            return QAccessible::CheckBox;
        case Label::Role::Option:
            return label()->exclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
        case Label::Role::Link:
            return QAccessible::Link;
        case Label::Role::Caption:
            break;
        }
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->role() == Label::Role::Word || label()->role() == Label::Role::Option) {
            state.checkable = true;
            state.checked = label()->checked();
        }
        return state;
    }
    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !text.isEmpty()) {
            return text;
        }
        if (label()->role() == Label::Role::Word) {
            return spokenWord(label()->caption());
        }
        const QString heading = label()->spokenHeading();
        if (heading.isEmpty() || label()->caption().isEmpty()) {
            return heading.isEmpty() ? label()->caption() : heading;
        }
        return heading + QStringLiteral(": ") + label()->caption();
    }
    QStringList actionNames() const override {
        return acts() ? QStringList{ownAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (acts() && name == ownAction()) {
            label()->click();
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return acts() && name == ownAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

  private:
    bool acts() const { return label()->role() != Label::Role::Caption; }
    QString ownAction() const { return role() == QAccessible::CheckBox ? toggleAction() : pressAction(); }
    Label* label() const { return static_cast<Label*>(widget()); }
};

// A control as a screen reader meets it: not a shape or a line drawn on a window or panel, which are
// parts of the picture, nor another window.
bool isControl(const QWidget* part) {
    return !part->isWindow() && !qobject_cast<const Shape*>(part) && !qobject_cast<const Line*>(part);
}

// A window, a panel or a group: its controls, but not the shapes and lines drawn on it. The controls of a
// group of a panel are the group's, which stands among the panel's controls where its first one would.
class Container : public QAccessibleWidget {
  public:
    Container(QWidget* box, QAccessible::Role role) : QAccessibleWidget(box, role) {}

    QAccessible::Role role() const override {
        const auto* form = qobject_cast<const Form*>(widget());
        return form && form->isDialog() ? QAccessible::Dialog : QAccessibleWidget::role();
    }

    QAccessibleInterface* parent() const override {
        if (Group* group = Group::of(widget())) {
            return QAccessible::queryAccessibleInterface(group);
        }
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return static_cast<int>(controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> all = controls();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(controls().indexOf(child->object())) : -1;
    }

  private:
    QList<QWidget*> controls() const {
        QList<QWidget*> all;
        if (const auto* group = qobject_cast<const Group*>(widget())) {
            for (QWidget* member : group->members()) {
                if (isControl(member)) {
                    all.append(member);
                }
            }
            return all;
        }
        for (QWidget* part : widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            Group* group = Group::of(part);
            QWidget* shown = group ? group : part;
            if (isControl(part) && !qobject_cast<Group*>(part) && !all.contains(shown)) {
                all.append(shown);
            }
        }
        return all;
    }
};

QAccessibleInterface* controlOf(const QString& className, QObject* object) {
    if (className == QLatin1String("toolkit::Label")) {
        return new SeenOnly<LabelControl>(static_cast<Label*>(object));
    }
    if (className == QLatin1String("toolkit::TextArea")) {
        return new SeenOnly<ReadingText>(static_cast<TextArea*>(object));
    }
    if (className == QLatin1String("toolkit::TextBox")) {
        return new SeenOnly<AnswerBox>(static_cast<TextBox*>(object));
    }
    if (className == QLatin1String("toolkit::PictureBox")) {
        return new Container(static_cast<QWidget*>(object), QAccessible::Pane);
    }
    if (className == QLatin1String("toolkit::Notice")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    if (className == QLatin1String("toolkit::Group")) {
        return new Container(static_cast<QWidget*>(object), QAccessible::Grouping);
    }
    if (className == QLatin1String("toolkit::Form")) {
        return new Container(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

// How a text of this layer reads its own words, sentences and lines, for the front before Qt's bridge.
std::optional<TextBoundaries> ownReading(QAccessibleInterface* accessible) {
    if (const auto* own = dynamic_cast<const ControlText*>(accessible)) {
        return own->boundaries();
    }
    return std::nullopt;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        installWidgetAccessibility();
        QAccessible::installFactory(controlOf);
        desktop::installAccessibilityInterface(ownReading);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace toolkit
