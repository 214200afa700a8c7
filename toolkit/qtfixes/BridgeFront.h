#pragma once

// MENDS: the text calls of Qt's AT-SPI bridge (the object Qt registers at /org/a11y/atspi/accessible on
// the "a11y" bus connection). Qt's bridge
//   - answers GetRangeExtents by walking every offset up to the one asked for, and some of its ranges
//     overflow, so a client asking for (0, 2^31 - 1) stalls the program;
//   - reads words, sentences and lines with its own reading, which never ends on some texts (one that
//     begins with an empty line, or holds only spaces);
//   - answers GetCharacterAtOffset with a character's first byte rather than its code, and leaves
//     GetStringAtOffset unanswered;
//   - answers every edit as done, and for a text without an editable interface edits a copy of its own
//     with unchecked ranges.
// To see it: leave the BridgeFront out of installAccessibility() and run the bus walks
// (ctest -R 'SweepOverTheBus|AccessibilityHostile'): the text calls of the hostile walk's PINNED list
// (an edit at INT_MAX, the extents of (0, INT_MAX)) crash or stall the program, and the sweep, which
// asks every text of every window every text call at every kind of offset, meets the rest.
// Qt versions: seen on Qt 6.4 (Debian 12). Qt 6.8 (Debian 13) is not known to be free of all of them,
// so the front stands there too; where Qt answers rightly, the front answers the same.
// When Qt is mended: delete this file and BridgeFront.cpp, and the line of installAccessibility() that
// makes the front.

#include "toolkit/TextBoundaries.h"

#include <QAccessible>
#include <QDBusVirtualObject>
#include <QPointer>

#include <optional>

namespace toolkit {

// Stands in front of Qt's accessibility bridge on the desktop's accessibility bus and answers the text
// calls above: it brings every offset and range within the text before Qt counts on it, reads words,
// sentences and lines with TextBoundaries (or as the text reads them itself), tells a character by its
// code, answers the string at an offset, and refuses, saying so, any edit of a text the pupil could not
// edit. Every other call goes to Qt.
class BridgeFront : public QDBusVirtualObject, public QAccessible::ActivationObserver {
    Q_OBJECT
  public:
    // How a text reads its own words, sentences and lines; nothing for a text read from its characters.
    using OwnReading = std::optional<TextBoundaries> (*)(QAccessibleInterface* accessible);

    BridgeFront(QObject* parent, OwnReading ownReading);
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

    OwnReading m_ownReading;
    QPointer<QDBusVirtualObject> m_bridge;
};

} // namespace toolkit
