#include "toolkit/Form.h"

#include "toolkit/Accessibility.h"
#include "toolkit/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace toolkit {

Form::Form(const QString& name) {
    installAccessibility();
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
    placeAt({pixels(twipsValue), y()});
}
void Form::setTop(int twipsValue) {
    placeAt({x(), pixels(twipsValue)});
}

void Form::placeAt(QPoint outer) {
    move(outer);
    if (isVisible()) {
        m_place = outer;
        m_placeTries = 0;
        keepPlace();
    }
}

void Form::keepPlace() {
    const QWindow* window = windowHandle();
    if (!m_place || !window || !window->isExposed()) {
        return;
    }
    if (!m_settling) {
        // The frame a window manager puts around the window is known once the window is on the screen;
        // a moment later the window keeps wherever it stands.
        m_settling = true;
        QTimer::singleShot(1000, this, [this] {
            m_place.reset();
            m_settling = false;
        });
    }
    if (frameGeometry().topLeft() != *m_place && m_placeTries < 3) {
        ++m_placeTries;
        move(*m_place);
    }
}

bool Form::event(QEvent* event) {
    // Decided before the event is handled: the form may be gone after it (a deferred delete).
    const bool mayHaveMoved =
        m_place && (event->type() == QEvent::Move || event->type() == QEvent::UpdateRequest ||
                    event->type() == QEvent::Paint);
    const bool handled = QWidget::event(event);
    if (mayHaveMoved) {
        keepPlace();
    }
    return handled;
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
    m_clicks.press(*event);
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_clicks.release(*event, rect())) {
        Q_EMIT clicked();
    }
}

void Form::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_defaultButton) {
        if (!event->isAutoRepeat()) {
            m_defaultButton->click();
        }
    } else if (event->key() == Qt::Key_Escape && m_cancelButton) {
        m_cancelButton->click();
    } else {
        Q_EMIT keyPressed();
        QWidget::keyPressEvent(event);
    }
}

} // namespace toolkit
