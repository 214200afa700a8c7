#pragma once

#include "toolkit/Clicks.h"
#include "toolkit/Picture.h"

#include <QLabel>

namespace toolkit {

// Shows a picture; the picture can be copied from one image to another, also across screens. It is
// rendered for the device pixel ratio of the screen the image is on, and in the look of its window, and
// again when either changes.
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
    // The picture in the window's look: the design's colours, or the palette's.
    void showPicture();

    Picture m_picture;
    Clicks m_clicks;
};

} // namespace toolkit
