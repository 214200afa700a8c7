#pragma once

#include <QPushButton>

namespace toolkit {

// A push button with a caption and a free text Tag.
class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    CommandButton(const QString& name, QWidget* container, const QString& caption = {});

    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }

    void setTag(const QString& tag) { m_tag = tag; }
    QString tag() const { return m_tag; }

  private:
    QString m_tag;
};

} // namespace toolkit
