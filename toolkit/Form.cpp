#include "toolkit/Form.h"

#include "toolkit/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace toolkit {

Form::Form(const QString& name) {
    setObjectName(name);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void Form::setClientSize(int widthTwips, int heightTwips) {
    setFixedSize(pixels(widthTwips), pixels(heightTwips));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void Form::setBorderless() {
    setWindowFlag(Qt::FramelessWindowHint);
}

void Form::centre() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

int Form::left() const {
    return twips(x());
}
int Form::top() const {
    return twips(y());
}
void Form::setLeft(int twipsValue) {
    move(pixels(twipsValue), y());
}
void Form::setTop(int twipsValue) {
    move(x(), pixels(twipsValue));
}

void Form::showModal(Form* owner) {
    m_owner = owner;
    setWindowModality(Qt::ApplicationModal);
    if (owner) {
        winId();
        if (QWindow* window = windowHandle(); window && owner->windowHandle()) {
            window->setTransientParent(owner->windowHandle());
        }
    }
    show();
}

void Form::unload() {
    hide();
    for (QObject* part : findChildren<QObject*>()) {
        part->blockSignals(true);
    }
    blockSignals(true);
    deleteLater();
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Q_EMIT activated();
    }
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && m_owner && m_owner->isVisible()) {
        Form* owner = m_owner;
        m_owner = nullptr;
        Q_EMIT owner->activated();
    }
}

void Form::closeEvent(QCloseEvent* event) {
    // Whoever owns the screens decides what closing means; the window itself stays until then.
    event->ignore();
    Q_EMIT closeRequested();
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

void Form::mousePressEvent(QMouseEvent* event) {
    // A click belongs to the control it lands on, not to its container.
    event->accept();
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (m_defaultButton && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        m_defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace toolkit
