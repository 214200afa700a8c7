#pragma once

#include <QStringList>
#include <QWidget>

namespace toolkit {

// Whether the pupil can see and reach a control: it and every container around it are shown, it is
// enabled, and no modal window (a refusal, the results, the About screen) stands over its window. Only
// such a control acts, by any route: a click, a key, or a call of an assistive client.
bool seenByPupil(const QWidget* control);

// An accessible control whose actions, its own and the focus request alike, exist only while the pupil
// sees it: on a hidden control the list of actions is empty, so an assistive client's call fails and
// does nothing.
template <typename Base> class SeenOnly : public Base {
  public:
    using Base::Base;

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
