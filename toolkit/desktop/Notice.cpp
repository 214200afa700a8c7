#include "toolkit/desktop/Notice.h"

namespace toolkit {

Notice::Notice(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Notice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Notice::tell(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

} // namespace toolkit
