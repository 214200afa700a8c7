#pragma once

#include <QLabel>
#include <QPixmap>

namespace toolkit {

// Shows a picture; the picture can be copied from one image to another, also across screens.
class Image : public QLabel {
    Q_OBJECT
  public:
    Image(const QString& name, QWidget* container);

    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

  Q_SIGNALS:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap m_picture;
};

} // namespace toolkit
