#pragma once

#include "toolkit/Clicks.h"
#include "toolkit/Picture.h"

#include <QPushButton>

#include <optional>

namespace toolkit {

// A push button with a caption and a free text Tag. A click presses it once, however many times the
// pointer clicks in a row; Space, and Enter while it has the focus, press it too.
class CommandButton : public ClickedOnce<QPushButton> {
    Q_OBJECT
  public:
    CommandButton(const QString& name, QWidget* container, const QString& caption = {});

    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }

    void setTag(const QString& tag) { m_tag = tag; }
    QString tag() const { return m_tag; }

    // The button's face in the design's look.
    void setBackColor(quint32 bgrColour);
    // A picture on the button, drawn in the look of its window.
    void setPicture(const Picture& picture);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void applyColours();

    QString m_tag;
    std::optional<quint32> m_backColor;
    Picture m_picture;
};

} // namespace toolkit
