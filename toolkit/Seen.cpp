#include "toolkit/Seen.h"

#include <QApplication>
#include <QWidget>

namespace toolkit {

bool seenByPupil(const QWidget* control) {
    if (!control || !control->isVisible() || !control->isEnabled()) {
        return false;
    }
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || control->window() == modal;
}

} // namespace toolkit
