#pragma once

#include "toolkit/Clicks.h"

#include <QLabel>
#include <QPointer>

namespace toolkit {

// A caption with a colour and a font whose Bold and Underline flags are set independently.
//
// A label the pupil acts on says what it is: a word to mark, an option to choose, or a link to open.
// Such a label takes the focus by Tab and shows it, Space acts on it as a click does, and the arrow keys
// move to the next or previous one of its kind beside it (a word of the same row, an option of the same
// panel). A screen reader hears a word as a check box, checked while it is bold; an option as a radio
// button when ringing it clears the others, or as a check box when it rings on its own, checked while its
// ring shows; a link as a link. Each has the one action a click has.
class Label : public QLabel {
    Q_OBJECT
  public:
    enum class Role { Caption, Word, Option, Link };

    Label(const QString& name, QWidget* container, const QString& caption = {});

    // A caption written while the label cannot be seen (its window or panel hidden) is told to a screen
    // reader only as the label comes into view, and the first, given as the label is made, not at all: a
    // screen reader told of a label it cannot see takes it in as not showing, and keeps it so (Orca 48 then
    // leaves it out as it reads the window that comes up with it, as the results screen, made hidden and
    // written step by step).
    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    // A cell of a table read with its row: a screen reader says "heading: caption".
    void setSpokenHeading(const QString& heading) { m_spokenHeading = heading; }
    QString spokenHeading() const { return m_spokenHeading; }

    void setForeColor(quint32 bgrColour);
    quint32 foreColor() const { return m_foreColor; }

    void setBold(bool bold);
    bool bold() const { return font().bold(); }
    void setUnderline(bool underline);
    bool underline() const { return font().underline(); }
    void setFontSize(qreal points);

    // The pointing hand that every clickable label of the course shares.
    void setPointer();

    void makeWord();
    // An option whose choice shows as `ring` around its number; an exclusive one clears the others of
    // its group when it is ringed.
    void makeOption(QWidget* ring, bool exclusive);
    void makeLink();
    Role role() const { return m_role; }
    bool exclusive() const { return m_exclusive; }
    // A word while bold, an option while its ring shows.
    bool checked() const;
    // Acts as a click does.
    void click();

  Q_SIGNALS:
    void clicked();
    void mouseMoved();
    void captionChanged();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void setRole(Role role);
    void setTextUntold(const QString& text);
    void tellCheckedChanged();
    // The caption's colour in the window's look: the design's, or in high contrast the palette's text, link
    // or (for a marked word) highlight colour.
    void applyColours();
    Label* neighbour(bool forward) const;

    quint32 m_foreColor = 0;
    bool m_foreColorSet = false;
    Clicks m_clicks;
    Role m_role = Role::Caption;
    QPointer<QWidget> m_ring;
    QString m_spokenHeading;
    bool m_toldChecked = false;
    bool m_exclusive = false;
    bool m_captionUntold = false; // written while the label could not be seen
};

} // namespace toolkit
