// The stand-in before Qt's table accessible: the faults it mends, how to see them and the Qt versions
// that have them are told in CheckedTable.h.

#include "toolkit/qtfixes/CheckedTable.h"

#include "toolkit/Seen.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QPointer>

namespace toolkit {

namespace {

// Set on a view while Qt makes its own accessible for it.
constexpr const char* qtOwnPending = "toolkitQtAccessiblePending";

// A cell that does not exist: not selected, at no row or column, spanning nothing.
class NoCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    explicit NoCell(QAccessibleInterface* table) : m_table(table) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return -1; }
    int rowIndex() const override { return -1; }
    int columnExtent() const override { return 0; }
    int rowExtent() const override { return 0; }
    QAccessibleInterface* table() const override { return m_table; }

  private:
    QAccessibleInterface* m_table;
};

// Qt's accessible of the view in every respect but the checks of its table interface.
class CheckedView : public QAccessibleInterface, public QAccessibleTableInterface {
  public:
    CheckedView(QAbstractItemView* view, QAccessibleInterface* qtOwn)
        : m_view(view), m_qt(qtOwn), m_qtTable(qtOwn->tableInterface()), m_noCell(this) {}
    // Qt's accessible goes with the stand-in, when the view goes.
    ~CheckedView() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_qt)); }
    CheckedView(const CheckedView&) = delete;
    CheckedView& operator=(const CheckedView&) = delete;

    bool isValid() const override { return m_view && m_qt->isValid(); }
    QObject* object() const override { return m_view; }
    QWindow* window() const override { return m_qt->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return m_qt->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return m_qt->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return m_qt->childAt(x, y); }
    QAccessibleInterface* parent() const override { return m_qt->parent(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 ? m_qt->child(index) : nullptr;
    }
    int childCount() const override { return m_qt->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child != &m_noCell && child->parent() == this ? m_qt->indexOfChild(child) : -1;
    }
    // Qt's table answers its name for every text but its description (Qt 6.4 and 6.8 alike); Qt 6.8's
    // bridge tells the bus that name as the help text too, which Orca 48 speaks after it a second time.
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name || t == QAccessible::Description ? m_qt->text(t) : QString();
    }
    void setText(QAccessible::Text t, const QString& text) override { m_qt->setText(t, text); }
    QRect rect() const override { return m_qt->rect(); }
    QAccessible::Role role() const override { return m_qt->role(); }
    QAccessible::State state() const override { return m_qt->state(); }
    QColor foregroundColor() const override { return m_qt->foregroundColor(); }
    QColor backgroundColor() const override { return m_qt->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return m_qtTable ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
        }
        return m_qt->interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return m_qtTable->caption(); }
    QAccessibleInterface* summary() const override { return m_qtTable->summary(); }
    QAccessibleInterface* cellAt(int row, int column) const override {
        QAccessibleInterface* cell = isCell(row, column) ? m_qtTable->cellAt(row, column) : nullptr;
        return cell && cell->tableCellInterface() ? cell : const_cast<NoCell*>(&m_noCell);
    }
    int columnCount() const override { return m_qtTable->columnCount(); }
    int rowCount() const override { return m_qtTable->rowCount(); }
    int selectedCellCount() const override { return m_qtTable->selectedCellCount(); }
    int selectedColumnCount() const override { return m_qtTable->selectedColumnCount(); }
    int selectedRowCount() const override { return m_qtTable->selectedRowCount(); }
    QString columnDescription(int column) const override {
        return isColumn(column) ? m_qtTable->columnDescription(column) : QString();
    }
    QString rowDescription(int row) const override {
        return isRow(row) ? m_qtTable->rowDescription(row) : QString();
    }
    QList<QAccessibleInterface*> selectedCells() const override { return m_qtTable->selectedCells(); }
    QList<int> selectedColumns() const override { return m_qtTable->selectedColumns(); }
    QList<int> selectedRows() const override { return m_qtTable->selectedRows(); }
    bool isColumnSelected(int column) const override {
        return isColumn(column) && m_qtTable->isColumnSelected(column);
    }
    bool isRowSelected(int row) const override { return isRow(row) && m_qtTable->isRowSelected(row); }
    bool selectRow(int row) override {
        return isRow(row) && seenByPupil(m_view) && m_qtTable->selectRow(row);
    }
    bool selectColumn(int column) override {
        return isColumn(column) && seenByPupil(m_view) && m_qtTable->selectColumn(column);
    }
    bool unselectRow(int row) override {
        return isRow(row) && seenByPupil(m_view) && m_qtTable->unselectRow(row);
    }
    bool unselectColumn(int column) override {
        return isColumn(column) && seenByPupil(m_view) && m_qtTable->unselectColumn(column);
    }
    void modelChange(QAccessibleTableModelChangeEvent* event) override { m_qtTable->modelChange(event); }

  private:
    bool isRow(int row) const { return row >= 0 && row < rowCount(); }
    bool isColumn(int column) const { return column >= 0 && column < columnCount(); }
    bool isCell(int row, int column) const { return isRow(row) && isColumn(column); }

    QPointer<QAbstractItemView> m_view;
    QAccessibleInterface* m_qt; // Qt's cache owns it
    QAccessibleTableInterface* m_qtTable;
    NoCell m_noCell;
};

} // namespace

QAccessibleInterface* checkedTable(QAbstractItemView* view) {
    if (view->property(qtOwnPending).toBool()) {
        return nullptr;
    }
    view->setProperty(qtOwnPending, true);
    QAccessibleInterface* qtOwn = QAccessible::queryAccessibleInterface(view);
    view->setProperty(qtOwnPending, QVariant());
    return qtOwn ? new CheckedView(view, qtOwn) : nullptr;
}

} // namespace toolkit
