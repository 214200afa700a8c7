#pragma once

#include <QWidget>

namespace toolkit {

// A drawn shape: a rectangle, a rounded rectangle, an ellipse filling its box, or a circle centred
// in it. It takes no clicks: they fall through to whatever lies under it.
class Shape : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Rectangle, RoundedRectangle, Oval, Circle };

    Shape(const QString& name, QWidget* container, Kind kind);

    void setBorder(quint32 bgrColour, int width);
    void setNoBorder();
    void setFill(quint32 bgrColour);

    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind m_kind;
    int m_borderWidth = 1;
    bool m_bordered = true;
    QColor m_borderColour = Qt::black;
    QColor m_fill;
};

} // namespace toolkit
