#pragma once

#include "toolkit/Group.h"
#include "toolkit/Seen.h"

#include <QAccessible>
#include <QStringList>

namespace toolkit {

// An accessible control whose actions, its own and the focus request alike, exist only while the pupil
// sees it: on a hidden control the list of actions is empty, so an assistive client's call fails and
// does nothing. A control of a group has the group for its parent.
template <typename Base> class SeenOnly : public Base {
  public:
    using Base::Base;

    QAccessibleInterface* parent() const override {
        if (Group* group = Group::of(this->widget())) {
            return QAccessible::queryAccessibleInterface(group);
        }
        return Base::parent();
    }
    QStringList actionNames() const override {
        return seenByPupil(this->widget()) ? Base::actionNames() : QStringList();
    }
    void doAction(const QString& name) override {
        if (seenByPupil(this->widget())) {
            Base::doAction(name);
        }
    }
};

} // namespace toolkit
