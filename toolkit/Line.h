#pragma once

#include <QWidget>

namespace toolkit {

// A straight line between two points of its container, given in twips. It takes no clicks. In high
// contrast it is drawn in the palette's text colour.
class Line : public QWidget {
    Q_OBJECT
  public:
    Line(const QString& name, QWidget* container, int x1, int y1, int x2, int y2, quint32 bgrColour);

    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint m_from;
    QPoint m_to;
    quint32 m_colour;
    int m_borderWidth = 1;
};

} // namespace toolkit
