#include "toolkit/Form.h"

#include "toolkit/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace toolkit {

namespace {

// Sees each key and press before the control it is for, and keeps Qt::WA_KeyboardFocusChange of every
// window true after a key and false after a press of the pointer in its form: the focus is shown where
// the keyboard put it and nowhere else.
class InputWatch : public QObject {
  public:
    explicit InputWatch(Form* form) : QObject(form), m_form(form) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool key = event->type() == QEvent::KeyPress;
        const bool press =
            event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        if ((key || press) && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_form) {
            // Told to every window, so that the screen a key hands over to shows its focus too.
            for (QWidget* window : QApplication::topLevelWidgets()) {
                window->setAttribute(Qt::WA_KeyboardFocusChange, key);
            }
        }
        return false;
    }

  private:
    Form* m_form;
};

} // namespace

Form::Form(const QString& name) {
    setObjectName(name);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setAutoFillBackground(true);
    qApp->installEventFilter(new InputWatch(this));
}

void Form::setBackColor(quint32 bgrColour) {
    m_backColor = bgrColour;
    if (m_look == Look::Design) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(bgr(bgrColour)));
        setPalette(colours);
    }
}

void Form::setLook(Look look, const QPalette& highContrast) {
    m_look = look;
    if (look == Look::HighContrast) {
        setPalette(highContrast);
    } else {
        setPalette(QPalette());
        if (m_backColor) {
            setBackColor(*m_backColor);
        }
    }
    QEvent changed(lookChange());
    QCoreApplication::sendEvent(this, &changed);
    for (QWidget* control : findChildren<QWidget*>()) {
        QCoreApplication::sendEvent(control, &changed);
    }
    update();
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
    return twips(outer().x());
}
int Form::top() const {
    return twips(outer().y());
}
void Form::setLeft(int twipsValue) {
    placeAt({pixels(twipsValue), outer().y()});
}
void Form::setTop(int twipsValue) {
    placeAt({outer().x(), pixels(twipsValue)});
}

QPoint Form::outer() const {
    return m_place.value_or(frameGeometry().topLeft());
}

QMargins Form::frame() const {
    // This window's frame once the window manager has put it round the window; before that, the frame it
    // gives the other windows of the course.
    const auto frameOf = [](const QWidget* window) {
        const QWindow* handle = window->windowHandle();
        return handle && handle->isExposed() ? handle->frameMargins() : QMargins();
    };
    if (!frameOf(this).isNull() || windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return frameOf(this);
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != this && qobject_cast<const Form*>(other) && other->isVisible() &&
            !other->windowFlags().testFlag(Qt::FramelessWindowHint) && !frameOf(other).isNull()) {
            return frameOf(other);
        }
    }
    return {};
}

void Form::placeAt(QPoint outer) {
    // The client area is placed, inside the frame: so the place is kept to the device pixel at every
    // scale, where a frame of odd device pixels has no whole number of Qt's pixels.
    m_place = outer;
    m_placeTries = 0;
    setGeometry(QRect(outer + QPoint(frame().left(), frame().top()), size()));
    keepPlace();
}

void Form::keepPlace() {
    const QWindow* window = windowHandle();
    if (!m_place || !isVisible() || !window || !window->isExposed()) {
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
    const QPoint client = *m_place + QPoint(frame().left(), frame().top());
    if (geometry().topLeft() != client && m_placeTries < 3) {
        ++m_placeTries;
        setGeometry(QRect(client, size()));
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
