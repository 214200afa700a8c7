#pragma once

#include "toolkit/TextArea.h"

#include <QAccessibleWidget>

namespace toolkit {

// A read-only text: its characters as shown (a line break counts once), its caret, and for a text the
// pupil picks words from, the click at the caret.
class ReadingText : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ReadingText(TextArea* area) : QAccessibleWidget(area, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return area()->pickable() ? QAccessibleWidget::actionNames() << pressAction()
                                  : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && area()->pickable()) {
            area()->clickAtCaret();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Space")}
                                     : QAccessibleWidget::keyBindingsForAction(name);
    }

    // Nothing is ever selected.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return area()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = area()->textCursor();
        cursor.setPosition(qBound(0, position, characterCount()));
        area()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override { return shown().mid(start, qMax(0, end - start)); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int offset) const override {
        QTextCursor place(area()->document());
        place.setPosition(qBound(0, offset, characterCount()));
        const QRect caret = area()->cursorRect(place);
        return QRect(area()->viewport()->mapToGlobal(caret.topLeft()), caret.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return area()->cursorForPosition(area()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        Q_UNUSED(offset);
        return {};
    }

  private:
    TextArea* area() const { return static_cast<TextArea*>(widget()); }
    QString shown() const { return area()->toPlainText(); }
};

} // namespace toolkit
