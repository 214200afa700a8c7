#include "toolkit/TreeView.h"

#include "toolkit/Look.h"

#include <QHeaderView>
#include <QPainter>

namespace toolkit {

TreeView::TreeView(const QString& name, QWidget* container) : QTreeWidget(container) {
    setObjectName(name);
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemCollapsed, this, [this](Node* node) { Q_EMIT collapsed(node); });
    connect(this, &QTreeWidget::itemClicked, this, [this](Node* node, int) { Q_EMIT nodeClicked(node); });
}

TreeView::Node* TreeView::add(const QString& text, const QString& key, Node* parent) {
    Node* node = parent ? new Node(parent, {text}) : new Node(this, {text});
    m_nodes.append(node);
    if (!key.isEmpty()) {
        m_byKey.insert(key, node);
    }
    return node;
}

TreeView::Node* TreeView::node(const QString& key) const {
    return m_byKey.value(key, nullptr);
}

TreeView::Node* TreeView::node(int position) const {
    return position >= 1 && position <= m_nodes.size() ? m_nodes[position - 1] : nullptr;
}

void TreeView::select(Node* node) {
    if (node) {
        setCurrentItem(node);
    }
}

void TreeView::expand(Node* node) {
    if (node) {
        node->setExpanded(true);
    }
}

void TreeView::keyPressEvent(QKeyEvent* event) {
    const Node* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before) {
        Q_EMIT nodeClicked(currentItem());
    }
}

void TreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The outline moves with the course while the pupil is elsewhere; only with the focus does it tell a
    // screen reader that its current node is focused.
    if (hasFocus()) {
        QTreeWidget::currentChanged(current, previous);
    } else {
        QAbstractItemView::currentChanged(current, previous);
    }
}

void TreeView::ensureVisible(Node* node) {
    if (node) {
        scrollToItem(node);
    }
}

void TreeView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(viewport());
        drawFocusFrame(painter, this, viewport()->rect());
    }
}

} // namespace toolkit
