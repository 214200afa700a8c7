#pragma once

#include "toolkit/Clicks.h"
#include "toolkit/Look.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace toolkit {

// A window of the course: caption, a fixed client size given in twips, centring, Left and Top in twips,
// an owner for modal showing, and the events the screens are written against.
class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(const QString& name);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }

    // The window's own background colour in the design's look.
    void setBackColor(quint32 bgrColour);
    // The look the window and its controls are shown in, and in high contrast its palette. Every control
    // of the window gives itself its colours again; nothing else of it changes.
    void setLook(Look look, const QPalette& highContrast);
    Look look() const { return m_look; }

    // A fixed border: the pupil cannot resize the window.
    void setClientSize(int widthTwips, int heightTwips);
    void setBorderless();
    void centre();

    // The window's outer position, frame and title bar included, in twips. A window shown a moment
    // before it is placed is framed by the window manager afterwards; it is moved again until its frame
    // stands where it was placed.
    int left() const;
    int top() const;
    void setLeft(int twips);
    void setTop(int twips);

    // Shows the form modally over its owner: the owner takes no input until this form is gone,
    // and is activated again when it goes. Nothing waits here; the caller's handler simply ends.
    void showModal(Form* owner);
    Form* owner() const { return m_owner; }
    // A form only ever shown modally over an owner is a dialog: a screen reader reads out its texts as
    // it comes up. Told before the form is first shown, since a screen reader keeps a window's role.
    void makeDialog() { m_dialog = true; }
    bool isDialog() const { return m_dialog; }

    // The form goes: it is hidden at once, takes no more events or timer ticks, and is deleted as soon
    // as the handler that unloads it has returned.
    void unload();

    // Enter presses this button unless the focus is on another button, which Enter presses instead.
    void setDefaultButton(QPushButton* button) { m_defaultButton = button; }
    // Escape presses this button.
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }

  Q_SIGNALS:
    // The form has become the active window: when it is shown, and when a modal form over it goes.
    void activated();
    // The pupil asks to close the window (the title-bar control, Alt+F4, the window manager).
    void closeRequested();
    void mouseMoved();
    void clicked();
    // A key that no control of the form and no default or cancel button took.
    void keyPressed();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPoint outer() const;
    QMargins frame() const;
    void placeAt(QPoint outer);
    void keepPlace();

    QPointer<Form> m_owner;
    QPointer<QPushButton> m_cancelButton;
    std::optional<QPoint> m_place; // where the frame must stand, while the window settles
    int m_placeTries = 0;
    bool m_settling = false;
    bool m_dialog = false;
    Look m_look = Look::Design;
    std::optional<quint32> m_backColor;
    Clicks m_clicks;
    QPointer<QPushButton> m_defaultButton;
};

} // namespace toolkit
