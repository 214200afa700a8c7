#pragma once

#include "toolkit/Clicks.h"

#include <QLabel>

namespace toolkit {

// A caption with a colour and a font whose Bold and Underline flags are set independently.
class Label : public QLabel {
    Q_OBJECT
  public:
    Label(const QString& name, QWidget* container, const QString& caption = {});

    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }

    void setForeColor(quint32 bgrColour);
    quint32 foreColor() const { return m_foreColor; }

    void setBold(bool bold);
    bool bold() const { return font().bold(); }
    void setUnderline(bool underline);
    bool underline() const { return font().underline(); }
    void setFontSize(qreal points);

    // The pointing hand that every clickable label of the course shares.
    void setPointer();

  Q_SIGNALS:
    void clicked();
    void mouseMoved();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    quint32 m_foreColor = 0;
    Clicks m_clicks;
};

} // namespace toolkit
