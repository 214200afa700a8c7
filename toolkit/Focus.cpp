#include "toolkit/Focus.h"

#include "toolkit/Twips.h"

#include <QWidget>

#include <algorithm>

namespace toolkit {

QList<QWidget*> readingOrder(QWidget* container) {
    struct Placed {
        QWidget* control;
        QPoint place;
    };
    QList<Placed> all;
    for (QWidget* control : container->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(container)) {
            all.append({control, control->mapTo(container, QPoint(0, 0))});
        }
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const Placed& a, const Placed& b) { return a.place.y() < b.place.y(); });
    // Each line begins at the highest control not yet placed; within it, left to right.
    QList<QWidget*> order;
    for (auto line = all.begin(); line != all.end();) {
        const int lineTop = line->place.y();
        const auto end = std::find_if(line, all.end(),
                                      [&](const Placed& p) { return p.place.y() - lineTop >= pixels(300); });
        std::stable_sort(line, end,
                         [](const Placed& a, const Placed& b) { return a.place.x() < b.place.x(); });
        for (auto p = line; p != end; ++p) {
            order.append(p->control);
        }
        line = end;
    }
    return order;
}

void chainInReadingOrder(QWidget* after, QWidget* container) {
    for (QWidget* control : readingOrder(container)) {
        QWidget::setTabOrder(after, control);
        after = control;
    }
}

void focusFirstIn(QWidget* container) {
    for (QWidget* control : readingOrder(container)) {
        if (control->isEnabled()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace toolkit
