#pragma once

#include "toolkit/Clicks.h"

#include <QFrame>

#include <optional>

namespace toolkit {

// A plain container with a background colour: the task panels, the results strip, decorations.
class PictureBox : public QFrame {
    Q_OBJECT
  public:
    PictureBox(const QString& name, QWidget* container);

    void setBackColor(quint32 bgrColour);
    void setBordered(bool bordered);

    // Top in twips, exactly as last set (the pixel position is only its nearest rendering).
    int top() const;
    void setTop(int twips);

  Q_SIGNALS:
    void clicked();
    void mouseMoved();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Its own background colour in the design's look; the window's in high contrast.
    void applyColours();

    std::optional<int> m_top;
    std::optional<quint32> m_backColor;
    Clicks m_clicks;
};

} // namespace toolkit
