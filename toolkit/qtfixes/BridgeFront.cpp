// The front before Qt's AT-SPI bridge: the faults it mends, how to see them and the Qt versions that
// have them are told in BridgeFront.h.

#include "toolkit/qtfixes/BridgeFront.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace toolkit {

namespace {

// Where Qt's bridge answers for the objects of this program, and the name of its connection.
const QLatin1String objectPath("/org/a11y/atspi/accessible");
const QLatin1String connectionName("a11y");
const QLatin1String textInterface("org.a11y.atspi.Text");
const QLatin1String editableTextInterface("org.a11y.atspi.EditableText");

// The AT-SPI kinds of boundary and of granularity, and of coordinates.
enum Boundary : uint { Char, WordStart, WordEnd, SentenceStart, SentenceEnd, LineStart, LineEnd };
enum Granularity : uint { GranularChar, GranularWord, GranularSentence, GranularLine, GranularParagraph };
enum Coordinates : uint { Screen, Window, Parent };

QAccessibleInterface* accessibleAt(const QString& path) {
    // An object's path ends in its number; the application's own paths are left to Qt.
    bool number = false;
    const uint id = path.mid(objectPath.size() + 1).toUInt(&number);
    return number && path.startsWith(objectPath + u'/') ? QAccessible::accessibleInterface(id) : nullptr;
}

TextBoundaries boundariesOf(QAccessibleInterface* accessible, BridgeFront::OwnReading ownReading) {
    if (std::optional<TextBoundaries> own = ownReading ? ownReading(accessible) : std::nullopt) {
        return *std::move(own);
    }
    QAccessibleTextInterface* text = accessible->textInterface();
    const QString all = text->text(0, text->characterCount());
    return TextBoundaries(all, TextBoundaries::paragraphStarts(all));
}

TextPiece pieceOfBoundary(uint boundary) {
    switch (boundary) {
    case WordStart:
    case WordEnd:
        return TextPiece::Word;
    case SentenceStart:
    case SentenceEnd:
        return TextPiece::Sentence;
    case LineStart:
    case LineEnd:
        return TextPiece::Line;
    default:
        return TextPiece::Character;
    }
}

TextPiece pieceOfGranularity(uint granularity) {
    switch (granularity) {
    case GranularWord:
        return TextPiece::Word;
    case GranularSentence:
        return TextPiece::Sentence;
    case GranularLine:
        return TextPiece::Line;
    case GranularParagraph:
        return TextPiece::Paragraph;
    default:
        return TextPiece::Character;
    }
}

// The place coordinates of this kind are counted from: the window (the nearest window or dialog, or a
// child of the application), the parent, or the screen.
QPoint originOf(QAccessibleInterface* accessible, uint coordinates) {
    QAccessibleInterface* upper = nullptr;
    if (coordinates == Window) {
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        upper = accessible;
        while (upper && upper->role() != QAccessible::Window && upper->role() != QAccessible::Dialog &&
               upper->parent() != application) {
            upper = upper->parent();
        }
    } else if (coordinates == Parent) {
        upper = accessible->parent();
    }
    return upper ? upper->rect().topLeft() : QPoint();
}

QVariantList extents(QRect rect, QPoint origin) {
    if (!rect.isValid()) {
        return {-1, -1, 0, 0};
    }
    rect.translate(-origin);
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

int argument(const QDBusMessage& message, int index) {
    return message.arguments().value(index).toInt();
}

uint unsignedArgument(const QDBusMessage& message, int index) {
    return message.arguments().value(index).toUInt();
}

} // namespace

BridgeFront::BridgeFront(QObject* parent, OwnReading ownReading)
    : QDBusVirtualObject(parent), m_ownReading(ownReading) {
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) {
        accessibilityActiveChanged(true);
    }
}

BridgeFront::~BridgeFront() {
    QAccessible::removeActivationObserver(this);
    // Qt's bridge answers alone again.
    QDBusConnection bus(connectionName);
    if (m_bridge && bus.isConnected() && bus.objectRegisteredAt(objectPath) == this) {
        bus.unregisterObject(objectPath);
        bus.registerVirtualObject(objectPath, m_bridge, QDBusConnection::SubPath);
    }
}

void BridgeFront::accessibilityActiveChanged(bool active) {
    // Qt registers its bridge just after it tells that accessibility is on.
    if (active) {
        QTimer::singleShot(0, this, &BridgeFront::standInFront);
    }
}

void BridgeFront::standInFront() {
    QDBusConnection bus(connectionName);
    if (m_bridge || !bus.isConnected()) {
        return;
    }
    auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(objectPath));
    if (!bridge || bridge == this) {
        return;
    }
    bus.unregisterObject(objectPath);
    if (bus.registerVirtualObject(objectPath, this, QDBusConnection::SubPath)) {
        m_bridge = bridge;
    } else {
        bus.registerVirtualObject(objectPath, bridge, QDBusConnection::SubPath);
    }
}

QString BridgeFront::introspect(const QString& path) const {
    return m_bridge ? m_bridge->introspect(path) : QString();
}

bool BridgeFront::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (QAccessibleInterface* accessible = accessibleAt(message.path())) {
        if (message.interface() == textInterface && accessible->textInterface() &&
            answerText(accessible, message, connection)) {
            return true;
        }
        if (message.interface() == editableTextInterface && answerEdit(accessible, message, connection)) {
            return true;
        }
    }
    return m_bridge && m_bridge->handleMessage(message, connection);
}

bool BridgeFront::answerText(QAccessibleInterface* accessible, const QDBusMessage& message,
                             const QDBusConnection& connection) const {
    QAccessibleTextInterface* text = accessible->textInterface();
    const QString call = message.member();
    const QString signature = message.signature();
    QVariantList reply;
    if (call == u"GetText" && signature == u"ii") {
        const TextSpan span = TextBoundaries(text->text(0, text->characterCount()), {})
                                  .range(argument(message, 0), argument(message, 1));
        reply = {text->text(span.start, span.end)};
    } else if ((call == u"GetTextAtOffset" || call == u"GetTextBeforeOffset" ||
                call == u"GetTextAfterOffset" || call == u"GetStringAtOffset") &&
               signature == u"iu") {
        const TextBoundaries boundaries = boundariesOf(accessible, m_ownReading);
        const int offset = argument(message, 0);
        const TextPiece piece = call == u"GetStringAtOffset"
                                    ? pieceOfGranularity(unsignedArgument(message, 1))
                                    : pieceOfBoundary(unsignedArgument(message, 1));
        const TextSpan span = call == u"GetTextBeforeOffset"  ? boundaries.before(piece, offset)
                              : call == u"GetTextAfterOffset" ? boundaries.after(piece, offset)
                                                              : boundaries.at(piece, offset);
        reply = {text->text(span.start, span.end), span.start, span.end};
    } else if (call == u"GetCharacterAtOffset" && signature == u"i") {
        const int offset = argument(message, 0);
        const int length = text->characterCount();
        const QList<uint> character = offset >= 0 && offset < length
                                          ? text->text(offset, std::min(length, offset + 2)).toUcs4()
                                          : QList<uint>();
        reply = {character.isEmpty() ? 0 : static_cast<int>(character.first())};
    } else if (call == u"GetCharacterExtents" && signature == u"iu") {
        const int offset =
            TextBoundaries(text->text(0, text->characterCount()), {}).clamp(argument(message, 0));
        reply = extents(text->characterRect(offset), originOf(accessible, unsignedArgument(message, 1)));
    } else if (call == u"GetRangeExtents" && signature == u"iiu") {
        // The union of the characters' places, within the text and never past its end.
        const TextSpan span = TextBoundaries(text->text(0, text->characterCount()), {})
                                  .range(argument(message, 0), argument(message, 1));
        QRect rect;
        for (int offset = span.start; offset < span.end; ++offset) {
            rect |= text->characterRect(offset);
        }
        reply = extents(rect, originOf(accessible, unsignedArgument(message, 2)));
    } else if (call == u"GetOffsetAtPoint" && signature == u"iiu") {
        const QPoint origin = originOf(accessible, unsignedArgument(message, 2));
        const qint64 x = qint64(argument(message, 0)) + origin.x();
        const qint64 y = qint64(argument(message, 1)) + origin.y();
        const auto fits = [](qint64 v) {
            return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
        };
        reply = {fits(x) && fits(y) ? text->offsetAtPoint(QPoint(int(x), int(y))) : -1};
    } else {
        return false;
    }
    connection.send(message.createReply(reply));
    return true;
}

bool BridgeFront::answerEdit(QAccessibleInterface* accessible, const QDBusMessage& message,
                             const QDBusConnection& connection) const {
    QAccessibleTextInterface* text = accessible->textInterface();
    QAccessibleEditableTextInterface* edit = accessible->editableTextInterface();
    const QAccessible::State state = accessible->state();
    // Only a text the pupil could type into now takes an edit.
    const bool editable = text && edit && state.editable && !state.readOnly && !state.invisible;
    const QString call = message.member();
    const QString signature = message.signature();
    const TextBoundaries whole(text ? text->text(0, text->characterCount()) : QString(), {});
    const TextSpan span = whole.range(argument(message, 0), argument(message, 1));
    if (call == u"CopyText" && signature == u"ii") {
        // A text the pupil sees may be copied, as with the keyboard.
        if (text && !state.invisible) {
            QGuiApplication::clipboard()->setText(text->text(span.start, span.end));
        }
        connection.send(message.createReply());
        return true;
    }
    bool done = editable;
    if (call == u"SetTextContents" && signature == u"s") {
        if (editable) {
            edit->replaceText(0, text->characterCount(), message.arguments().value(0).toString());
        }
    } else if (call == u"InsertText" && signature == u"isi") {
        if (editable) {
            const QString typed = message.arguments().value(1).toString();
            const int length = argument(message, 2);
            edit->insertText(whole.clamp(argument(message, 0)), length < 0 ? typed : typed.left(length));
        }
    } else if (call == u"DeleteText" && signature == u"ii") {
        if (editable) {
            edit->deleteText(span.start, span.end);
        }
    } else if (call == u"CutText" && signature == u"ii") {
        if (editable) {
            QGuiApplication::clipboard()->setText(text->text(span.start, span.end));
            edit->deleteText(span.start, span.end);
        }
    } else if (call == u"PasteText" && signature == u"i") {
        if (editable) {
            edit->insertText(whole.clamp(argument(message, 0)), QGuiApplication::clipboard()->text());
        }
    } else {
        // Any other call, or one with odd arguments, is refused here rather than left to Qt's copy.
        done = false;
    }
    connection.send(message.createReply(done));
    return true;
}

} // namespace toolkit
