#include "toolkit/WidgetAccessibility.h"

#include "toolkit/CheckBox.h"
#include "toolkit/CheckedTable.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ListView.h"
#include "toolkit/Seen.h"
#include "toolkit/TextBox.h"
#include "toolkit/TreeView.h"

#include <QAccessibleWidget>

namespace toolkit {

namespace {

// A caption as it is read: "&&" is an ampersand, a lone "&" only marks the mnemonic.
QString withoutMnemonic(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        out.append(caption.at(i));
    }
    return out;
}

// A push button or a check box: pressed or toggled as a click of the pointer does it.
class Button : public QAccessibleWidget {
  public:
    Button(QAbstractButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? withoutMnemonic(button()->text()) : text;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        if (button()->isCheckable()) {
            state.checkable = true;
            state.checked = button()->isChecked();
        }
        if (const auto* push = qobject_cast<const QPushButton*>(button())) {
            state.defaultButton = push->isDefault();
        }
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{ownAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != ownAction()) {
            QAccessibleWidget::doAction(name);
        } else if (button()->isCheckable()) {
            button()->click();
        } else {
            button()->animateClick();
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == ownAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

  private:
    QString ownAction() const { return button()->isCheckable() ? toggleAction() : pressAction(); }
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// An answer box: its text, caret and selection read and set through the bus, every offset held to the
// text, and its text changed only while the pupil sees the box.
class AnswerBox : public QAccessibleWidget,
                  public QAccessibleTextInterface,
                  public QAccessibleEditableTextInterface {
  public:
    explicit AnswerBox(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) {
            replaceText(0, characterCount(), text);
        } else {
            QAccessibleWidget::setText(t, text);
        }
    }

    void selection(int selectionIndex, int* start, int* end) const override {
        *start = *end = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0 && seenByPupil(box())) {
            box()->deselect();
        }
    }
    void setSelection(int selectionIndex, int start, int end) override {
        if (selectionIndex == 0 && seenByPupil(box())) {
            const int from = held(start);
            box()->setSelection(from, held(end) - from);
        }
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override {
        if (seenByPupil(box())) {
            box()->setCursorPosition(held(position));
        }
    }
    QString text(int startOffset, int endOffset) const override {
        const int from = held(startOffset);
        return box()->text().mid(from, qMax(0, held(endOffset) - from));
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int offset) const override {
        // Qt's bridge asks for every offset of a range, however far past the end it reaches: past the end,
        // the answer costs nothing.
        if (offset < 0 || offset > characterCount()) {
            return {};
        }
        const QRect caret = box()->caretRect(offset);
        return QRect(box()->mapToGlobal(caret.topLeft()), caret.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (!seenByPupil(box()) || box()->isReadOnly()) {
            return;
        }
        // An end before the start (AT-SPI's -1 among them) reaches the end of the text.
        const int from = held(startOffset);
        const int to = endOffset < startOffset ? characterCount() : held(endOffset);
        QString changed = box()->text();
        changed.replace(from, to - from, text);
        box()->setText(changed.left(box()->maxLength()));
    }

  private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
    int held(int offset) const { return qBound(0, offset, characterCount()); }
};

QAccessibleInterface* widgetControlOf(const QString& className, QObject* object) {
    if (className == QLatin1String("toolkit::CommandButton")) {
        return new SeenOnly<Button>(static_cast<CommandButton*>(object), QAccessible::PushButton);
    }
    if (className == QLatin1String("toolkit::CheckBox")) {
        return new SeenOnly<Button>(static_cast<CheckBox*>(object), QAccessible::CheckBox);
    }
    if (className == QLatin1String("toolkit::TextBox")) {
        return new SeenOnly<AnswerBox>(static_cast<TextBox*>(object));
    }
    if (className == QLatin1String("toolkit::TreeView")) {
        return checkedTable(static_cast<TreeView*>(object));
    }
    if (className == QLatin1String("toolkit::ListView")) {
        return checkedTable(static_cast<ListView*>(object));
    }
    return nullptr;
}

} // namespace

void installWidgetAccessibility() {
    QAccessible::installFactory(widgetControlOf);
}

} // namespace toolkit
