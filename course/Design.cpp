#include "course/Design.h"

#include "toolkit/Accessibility.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"

namespace course {

toolkit::Label* labelAt(const QString& name, QWidget* panel, const QString& text, int left, int top,
                        int width, int height) {
    auto* label = new toolkit::Label(name, panel, text);
    label->setWordWrap(true);
    toolkit::place(label, left, top, width, height);
    return label;
}

toolkit::Label* prompt(const QString& name, QWidget* panel, const QString& text, int left, int top, int width,
                       int height) {
    toolkit::Label* label = labelAt(name, panel, text, left, top, width, height);
    label->setBold(true);
    return label;
}

toolkit::TextArea* readingText(const QString& name, QWidget* panel, const QString& title, const QString& text,
                               int left, int top, int width, int height) {
    auto* area = new toolkit::TextArea(name, panel);
    area->setText(text);
    area->setAccessibleName(title);
    toolkit::place(area, left, top, width, height);
    return area;
}

toolkit::TextArea* explanation(const QString& name, QWidget* panel, const QString& text, int left, int top,
                               int width, int height) {
    return readingText(name, panel, QStringLiteral("Objašnjenje"), text, left, top, width, height);
}

namespace {

QString spokenCount(int count) {
    return QStringLiteral("Odabrane reči: %1.").arg(count);
}

QString pickingHint(int count) {
    return QStringLiteral("Strelicama dovedi kursor do reči, a razmakom je izaberi. ") + spokenCount(count);
}

// The number a count caption shows, "Odabrane reèi ( 3 )".
int countIn(const QString& caption) {
    const qsizetype open = caption.lastIndexOf(u'(');
    return open < 0 ? 0 : QStringView(caption).mid(open + 1).chopped(1).trimmed().toInt();
}

} // namespace

void makePickable(toolkit::TextArea& text, toolkit::Label& count) {
    text.setPickable(true);
    // The count is spoken as good Serbian, whatever its caption shows.
    const auto describe = [&text, &count] {
        const int listed = countIn(count.caption());
        count.setAccessibleName(spokenCount(listed).chopped(1));
        text.setAccessibleDescription(pickingHint(listed));
    };
    describe();
    QObject::connect(&count, &toolkit::Label::captionChanged, &text, describe);
}

QString pickNews(const QStringList& added, const QStringList& underCaret, int count) {
    QString news;
    if (added.size() == 1) {
        news = QStringLiteral("Dodata reč: %1. ").arg(added.first());
    } else if (!added.isEmpty()) {
        news = QStringLiteral("Dodate reči: %1. ").arg(added.join(QStringLiteral(", ")));
    } else if (!underCaret.isEmpty()) {
        news = QStringLiteral("Reč %1 je već na listi. ").arg(underCaret.first());
    } else {
        news = QStringLiteral("Kursor nije na reči. ");
    }
    return news + spokenCount(count);
}

void tellPick(toolkit::TextArea& text, const QStringList& added, const QStringList& underCaret, int count) {
    toolkit::tell(text, pickNews(added, underCaret, count));
}

toolkit::TextBox* answerBox(const QString& name, QWidget* panel, const QString& asks, int left, int top,
                            int width, int height) {
    auto* box = new toolkit::TextBox(name, panel);
    box->setAccessibleName(asks);
    toolkit::place(box, left, top, width, height);
    return box;
}

toolkit::ListView* pickedList(const QString& name, QWidget* panel, int left, int top, int width, int height) {
    auto* list = new toolkit::ListView(name, panel, QStringLiteral("Odabrane reči"));
    toolkit::place(list, left, top, width, height);
    list->setColumnWidth(width - 300);
    return list;
}

toolkit::CommandButton* removeButton(const QString& name, toolkit::ListView* list, int left, int top,
                                     int width, int height) {
    auto* button = new toolkit::CommandButton(name, list->parentWidget(),
                                              QStringLiteral(" Ukloni odabranu stavku sa liste "));
    QFont smaller = button->font();
    smaller.setPointSizeF(8.25);
    button->setFont(smaller);
    toolkit::place(button, left, top, width, height);
    removesFrom(*button, *list);
    return button;
}

void removesFrom(toolkit::CommandButton& button, toolkit::ListView& list) {
    button.setAccessibleName(QStringLiteral("Ukloni odabranu stavku sa liste"));
    list.setRemoveButton(&button);
}

QString countCaption(int count) {
    return QStringLiteral("Odabrane reèi ( ") + QString::number(count) + QStringLiteral(" )");
}

void removeSelected(toolkit::ListView& list, toolkit::Label& count) {
    const QString word = list.text(list.selectedPosition());
    const bool removed = list.remove(list.selectedPosition());
    count.setCaption(countCaption(list.count()));
    if (!removed) {
        return;
    }
    toolkit::tell(list, QStringLiteral("Uklonjena reč: %1. ").arg(word) + spokenCount(list.count()));
}

} // namespace course
