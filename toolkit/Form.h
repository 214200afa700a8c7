#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace toolkit {

// A window of the course: caption, a fixed client size given in twips, centring, Left and Top in twips,
// an owner for modal showing, and the events the screens are written against.
class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(const QString& name);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }

    // A fixed border: the pupil cannot resize the window.
    void setClientSize(int widthTwips, int heightTwips);
    void setBorderless();
    void centre();

    // The window's outer position, in twips.
    int left() const;
    int top() const;
    void setLeft(int twips);
    void setTop(int twips);

    // Shows the form modally over its owner: the owner takes no input until this form is gone,
    // and is activated again when it goes. Nothing waits here; the caller's handler simply ends.
    void showModal(Form* owner);
    Form* owner() const { return m_owner; }

    // The form goes: it is hidden at once, takes no more events or timer ticks, and is deleted as soon
    // as the handler that unloads it has returned.
    void unload();

    // Enter presses this button wherever the focus is.
    void setDefaultButton(QPushButton* button) { m_defaultButton = button; }

  Q_SIGNALS:
    // The form has become the active window: when it is shown, and when a modal form over it goes.
    void activated();
    // The pupil asks to close the window (the title-bar control, Alt+F4, the window manager).
    void closeRequested();
    void mouseMoved();
    void clicked();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPointer<Form> m_owner;
    QPointer<QPushButton> m_defaultButton;
};

} // namespace toolkit
