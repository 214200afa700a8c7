#pragma once

#include <QTreeWidget>

namespace toolkit {

// An outline of nodes with a text, an optional key and a parent. Nodes are found by key or by their
// 1-based position in the order they were added; a missing node is a null pointer, and every
// operation on a null node does nothing. A key that moves the selection (an arrow, Home, End, a letter)
// is a node click on the node it moves to, as a click of the pointer is.
class TreeView : public QTreeWidget {
    Q_OBJECT
  public:
    using Node = QTreeWidgetItem;

    TreeView(const QString& name, QWidget* container);

    Node* add(const QString& text, const QString& key = {}, Node* parent = nullptr);
    Node* node(const QString& key) const;
    Node* node(int position) const;
    int count() const { return static_cast<int>(m_nodes.size()); }

    void select(Node* node);
    Node* selected() const { return currentItem(); }
    void expand(Node* node);
    void ensureVisible(Node* node);

    // The tree's own free text, as the screens use it.
    void setTag(const QString& tag) { m_tag = tag; }
    QString tag() const { return m_tag; }

  Q_SIGNALS:
    void collapsed(TreeView::Node* node);
    void nodeClicked(TreeView::Node* node);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    QList<Node*> m_nodes;
    QHash<QString, Node*> m_byKey;
    QString m_tag;
};

} // namespace toolkit
