#pragma once

#include "toolkit/Clicks.h"
#include "toolkit/Picture.h"

#include <QLabel>

namespace toolkit {

// Shows a picture; the picture can be copied from one image to another, also across screens. It is
// rendered for the device pixel ratio of the screen the image is on, and again when that changes.
class Image : public QLabel {
    Q_OBJECT
  public:
    Image(const QString& name, QWidget* container);

    void setPicture(const Picture& picture);
    Picture picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

  Q_SIGNALS:
    void clicked();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Picture m_picture;
    Clicks m_clicks;
};

} // namespace toolkit
