#pragma once

#include <QWidget>

namespace toolkit {

// A message for a screen reader on the AT-SPI bus: shown, it is spoken at once, while the focus stays where
// it is. It takes no room, draws nothing and takes no input. One per window, made when first needed.
class Notice : public QWidget {
    Q_OBJECT
  public:
    explicit Notice(QWidget* window);

    void tell(const QString& message);
};

} // namespace toolkit
