#include "toolkit/ListView.h"

#include "toolkit/Look.h"
#include "toolkit/Twips.h"
#include "toolkit/desktop/Desktop.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace toolkit {

ListView::ListView(const QString& name, QWidget* container, const QString& heading)
    : QListWidget(container), m_heading(new QLabel(heading, this)) {
    setObjectName(name);
    setAccessibleName(heading);
    setSelectionMode(QAbstractItemView::SingleSelection);
    m_heading->setObjectName(name + QStringLiteral("Heading"));
    m_heading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_heading->setAutoFillBackground(true);
    m_heading->setBackgroundRole(QPalette::Button);
    m_heading->setContentsMargins(4, 0, 4, 0);
    setViewportMargins(0, m_heading->sizeHint().height(), 0, 0);
}

void ListView::setColumnWidth(int twipsValue) {
    m_columnWidth = twipsValue;
    m_heading->resize(pixels(twipsValue), m_heading->height());
}

void ListView::add(const QString& text) {
    addItem(text);
    tellEntries(QAccessible::ObjectCreated, count() - 1);
}

void ListView::tellEntries(QAccessible::Event change, int row) {
    // A screen reader hears an entry come, go, or take another word.
    QAccessibleEvent event(this, change);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

QString ListView::text(int position) const {
    const QListWidgetItem* entry = item(position - 1);
    return entry ? entry->text() : QString();
}

QStringList ListView::texts() const {
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i) {
        all.append(item(i)->text());
    }
    return all;
}

bool ListView::remove(int position) {
    if (position < 1 || position > count()) {
        return false;
    }
    int row = position - 1;
    // The entry with the focus is never taken out from under it: a screen reader that finds the entry
    // it last heard gone, before it has heard the focus move, reads the whole window anew. Where the
    // screen reader hears a focused entry's new name, the entry takes its neighbour's word and the
    // neighbour's place goes, so that the focus and the selection stay where they are; elsewhere the
    // focus and the selection move first to the neighbour. Either way a second Delete takes out the
    // entry the focus is on.
    if (hasFocus() && currentRow() == row && count() > 1) {
        const int neighbour = row + 1 < count() ? row + 1 : row - 1;
        if (desktop::hearsFocusRenamed()) {
            item(row)->setText(item(neighbour)->text());
            tellEntries(QAccessible::NameChanged, row);
            row = neighbour;
        } else {
            setCurrentRow(neighbour);
        }
    }
    // Told while it is still there, the entry is heard leaving the list (told after, it would be the
    // entry that took its place, or with none, the list itself).
    tellEntries(QAccessible::ObjectDestroyed, row);
    delete takeItem(row);
    return true;
}

int ListView::selectedPosition() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? 0 : row(chosen.first()) + 1;
}

void ListView::select(int position) {
    if (QListWidgetItem* entry = item(position - 1)) {
        setCurrentItem(entry);
        entry->setSelected(true);
    }
}

void ListView::ensureVisible(int position) {
    if (QListWidgetItem* entry = item(position - 1)) {
        scrollToItem(entry);
    }
}

void ListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && m_removeButton) {
        m_removeButton->click();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListView::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // Come to by the keyboard, the list selects its current entry, so that Delete and the remove button
    // take out the entry a screen reader hears. A click selects the entry under it, as ever.
    if (event->reason() != Qt::MouseFocusReason && selectedItems().isEmpty()) {
        if (QListWidgetItem* current = currentItem()) {
            current->setSelected(true);
        }
    }
    // Coming to the list, a screen reader hears its current entry, the one Delete takes out: told once Qt
    // has told that the list has the focus, which it does after this event.
    QTimer::singleShot(0, this, &ListView::tellCurrentFocused);
}

void ListView::tellCurrentFocused() {
    if (const QModelIndex current = currentIndex();
        current.isValid() && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current.row());
        QAccessible::updateAccessibility(&focus);
    }
}

void ListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // An entry picked from a text becomes current while the pupil reads on in the text: only with the
    // focus does the list tell a screen reader that its current entry is focused.
    if (hasFocus()) {
        QListWidget::currentChanged(current, previous);
    } else {
        QAbstractItemView::currentChanged(current, previous);
    }
}

void ListView::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    const QRect area = contentsRect();
    m_heading->setGeometry(area.left(), area.top(), m_columnWidth > 0 ? pixels(m_columnWidth) : area.width(),
                           m_heading->sizeHint().height());
}

void ListView::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(viewport());
        drawFocusFrame(painter, this, viewport()->rect());
    }
}

} // namespace toolkit
