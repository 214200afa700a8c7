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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    std::optional<int> m_top;
    Clicks m_clicks;
};

} // namespace toolkit
