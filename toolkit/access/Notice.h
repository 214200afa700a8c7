#pragma once

#include <QWidget>

namespace toolkit {

// A message for a screen reader alone: shown, it is spoken at once, while the focus stays where it is. It
// takes no room, draws nothing and takes no input.
class Notice : public QWidget {
    Q_OBJECT
  public:
    explicit Notice(QWidget* window);

    void tell(const QString& message);
};

// A screen reader speaks `message` at once, through the notice of the control's window; the focus stays
// where it is.
void tell(QWidget& control, const QString& message);

} // namespace toolkit
