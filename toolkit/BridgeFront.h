#pragma once

#include <QAccessible>
#include <QDBusVirtualObject>
#include <QPointer>

namespace toolkit {

// Stands in front of Qt's accessibility bridge on the desktop's accessibility bus and answers the text
// calls that Qt 6.4's bridge answers wrongly or not at all: it brings every offset and range within the
// text before Qt counts on it (Qt's own range extents walk every offset up to the one asked for, and
// some of its ranges overflow), reads words, sentences and lines with TextBoundaries, tells a character
// by its code rather than by its first byte, answers the string at an offset, and refuses, saying so,
// any edit of a text the pupil could not edit (Qt answers every edit as done, and for a text without an
// editable interface edits a copy of its own with unchecked ranges). Every other call goes to Qt.
class BridgeFront : public QDBusVirtualObject, public QAccessible::ActivationObserver {
    Q_OBJECT
  public:
    explicit BridgeFront(QObject* parent);
    ~BridgeFront() override;

    void accessibilityActiveChanged(bool active) override;
    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

  private:
    void standInFront();
    bool answerText(QAccessibleInterface* accessible, const QDBusMessage& message,
                    const QDBusConnection& connection) const;
    bool answerEdit(QAccessibleInterface* accessible, const QDBusMessage& message,
                    const QDBusConnection& connection) const;

    QPointer<QDBusVirtualObject> m_bridge;
};

} // namespace toolkit
