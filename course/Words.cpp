#include "course/Words.h"

#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "toolkit/Twips.h"

namespace course {

toolkit::Label* wordLabel(const QString& name, QWidget* panel, const QString& caption, int left, int top,
                          int height, qreal points) {
    auto* word = new toolkit::Label(name, panel, caption);
    word->setForeColor(wordColour);
    word->setFontSize(points);
    word->makeWord();
    // Wide enough for the caption even when it is shown in bold.
    QFont bold = word->font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(caption) + 4;
    word->setGeometry(toolkit::pixels(left), toolkit::pixels(top), width,
                      qMax(toolkit::pixels(height), QFontMetrics(bold).height()));
    return word;
}

void keepApart(const QList<toolkit::Label*>& row) {
    for (qsizetype i = 1; i < row.size(); ++i) {
        const toolkit::Label& before = *row[i - 1];
        if (row[i]->x() < before.x() + before.width()) {
            row[i]->move(before.x() + before.width() + before.fontMetrics().horizontalAdvance(u' '),
                         row[i]->y());
        }
    }
}

bool marked(const toolkit::Label& word) {
    return word.bold();
}

void toggleMark(toolkit::Label& word) {
    const bool mark = !marked(word);
    QFont f = word.font();
    f.setUnderline(mark);
    f.setBold(mark);
    word.setFont(f);
}

void toggleRing(toolkit::Shape& ring, toolkit::Label& number) {
    if (!ring.isHidden()) {
        ring.hide();
        number.setBold(false);
    } else {
        ring.show();
        number.setBold(true);
    }
}

void chooseOne(toolkit::Shape& ring, toolkit::Label& option, toolkit::Shape& otherRing,
               toolkit::Label& other) {
    if (!ring.isHidden()) {
        ring.hide();
        option.setBold(false);
    } else {
        ring.show();
        option.setBold(true);
        otherRing.hide();
        other.setBold(false);
    }
}

toolkit::Label* linkLabel(const QString& name, QWidget* panel, const QString& caption, int left, int top,
                          int width, int height) {
    auto* link = new toolkit::Label(name, panel, caption);
    link->setForeColor(linkColour);
    link->makeLink();
    toolkit::place(link, left, top, width, height);
    return link;
}

void hoverLink(toolkit::Label& link) {
    if (!link.underline()) {
        link.setUnderline(true);
        link.setForeColor(linkHoverColour);
    }
}

void resetLink(toolkit::Label& link) {
    if (link.underline()) {
        link.setUnderline(false);
        link.setForeColor(linkColour);
    }
}

} // namespace course
