#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QListWidget>
#include <QPointer>

class QLabel;

namespace toolkit {

// A list of one column under a heading, named after it. Items are counted, read and removed by 1-based
// position; a position outside the list reads as empty and removes nothing. Delete on the list presses
// its remove button, when it has one.
class ListView : public QListWidget {
    Q_OBJECT
  public:
    ListView(const QString& name, QWidget* container, const QString& heading);

    void setColumnWidth(int twips);
    int columnWidth() const { return m_columnWidth; }

    void add(const QString& text);
    int count() const { return QListWidget::count(); }
    QString text(int position) const;
    QStringList texts() const;
    bool remove(int position);

    // 0 when nothing is selected.
    int selectedPosition() const;
    void select(int position);
    void ensureVisible(int position);

    void setRemoveButton(QAbstractButton* button) { m_removeButton = button; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void tellEntries(QAccessible::Event change, int row);
    void tellCurrentFocused();

    QLabel* m_heading;
    QPointer<QAbstractButton> m_removeButton;
    int m_columnWidth = 0;
};

} // namespace toolkit
