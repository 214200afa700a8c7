#include "toolkit/access/WidgetAccessibility.h"

#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ListView.h"
#include "toolkit/TreeView.h"
#include "toolkit/access/SeenOnly.h"
#include "toolkit/qtfixes/CheckedTable.h"

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

QAccessibleInterface* widgetControlOf(const QString& className, QObject* object) {
    if (className == QLatin1String("toolkit::CommandButton")) {
        return new SeenOnly<Button>(static_cast<CommandButton*>(object), QAccessible::PushButton);
    }
    if (className == QLatin1String("toolkit::CheckBox")) {
        return new SeenOnly<Button>(static_cast<CheckBox*>(object), QAccessible::CheckBox);
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
