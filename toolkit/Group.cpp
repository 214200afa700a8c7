#include "toolkit/Group.h"

namespace toolkit {

Group::Group(const QString& name, QWidget* container, const QList<QWidget*>& members) : QWidget(container) {
    setObjectName(QStringLiteral("Group"));
    setAccessibleName(name);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QRect area;
    for (QWidget* member : members) {
        m_members.append(member);
        area |= member->geometry();
    }
    // Where its controls are, so that a screen reader finds it there, and under all of them.
    setGeometry(area);
    lower();
    show();
}

QList<QWidget*> Group::members() const {
    QList<QWidget*> all;
    for (const QPointer<QWidget>& member : m_members) {
        if (member) {
            all.append(member);
        }
    }
    return all;
}

Group* Group::of(const QWidget* control) {
    if (!control || !control->parentWidget()) {
        return nullptr;
    }
    for (Group* group :
         control->parentWidget()->findChildren<Group*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (group->m_members.contains(control)) {
            return group;
        }
    }
    return nullptr;
}

} // namespace toolkit
