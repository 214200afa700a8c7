#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace toolkit {

// Controls of a container that belong together under a name of their own, such as the second task of a
// panel that holds two: a screen reader meets them in a group so named and hears the name as the focus
// comes into it. The group takes no input, draws nothing and moves nothing: its controls stay children of
// their container, where they are.
class Group : public QWidget {
    Q_OBJECT
  public:
    Group(const QString& name, QWidget* container, const QList<QWidget*>& members);

    QList<QWidget*> members() const;
    // The group of its container that a control belongs to; null for a control in none.
    static Group* of(const QWidget* control);

  private:
    QList<QPointer<QWidget>> m_members;
};

} // namespace toolkit
