#pragma once

#include <QWidget>

#include <optional>

namespace toolkit {

// A drawn shape: a rectangle, a rounded rectangle, an ellipse filling its box, or a circle centred
// in it. It takes no clicks: they fall through to whatever lies under it. In high contrast it is drawn
// in the palette's colours: its outline, always there, in the text colour, and a fill in the background
// colour, or in the text colour where the design fills it dark.
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
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind m_kind;
    int m_borderWidth = 1;
    bool m_bordered = true;
    quint32 m_borderColour = 0x000000;
    std::optional<quint32> m_fill;
};

} // namespace toolkit
