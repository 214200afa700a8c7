#pragma once

#include "toolkit/Clicks.h"

#include <QPushButton>

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

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString m_tag;
};

} // namespace toolkit
