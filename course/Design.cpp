#include "course/Design.h"

#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"
#include "toolkit/desktop/Desktop.h"

namespace course {

namespace {

// A text that takes more lines in Cyrillic than in Latin makes its caption taller.
void fitHeight(toolkit::Label& label) {
    label.resize(label.width(), std::max(label.height(), label.heightForWidth(label.width())));
}

} // namespace

toolkit::Label* labelAt(const QString& name, QWidget* panel, const QString& text, int left, int top,
                        int width, int height) {
    auto* label = new toolkit::Label(name, panel, text);
    label->setWordWrap(true);
    toolkit::place(label, left, top, width, height);
    fitHeight(*label);
    return label;
}

toolkit::Label* prompt(const QString& name, QWidget* panel, const QString& text, int left, int top, int width,
                       int height) {
    toolkit::Label* label = labelAt(name, panel, text, left, top, width, height);
    label->setBold(true);
    fitHeight(*label);
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
                               int width, int height, content::Script script) {
    return readingText(name, panel, content::inScript(script, QStringLiteral("Objašnjenje")), text, left, top,
                       width, height);
}

namespace {

QString spokenCount(int count, content::Script script) {
    return content::inScript(script, QStringLiteral("Odabrane reči: %1.")).arg(count);
}

// The number a count caption shows, "Odabrane reèi ( 3 )".
int countIn(const QString& caption) {
    const qsizetype open = caption.lastIndexOf(u'(');
    return open < 0 ? 0 : QStringView(caption).mid(open + 1).chopped(1).trimmed().toInt();
}

} // namespace

void makePickable(toolkit::TextArea& text, toolkit::Label& count, content::Script script) {
    text.setPickable(true);
    const QString how = content::inScript(
        script, QStringLiteral("Strelicama dovedi kursor do reči, a razmakom je izaberi. "));
    // The count is spoken as good Serbian, whatever its caption shows.
    const auto describe = [&text, &count, how, script] {
        const QString listed = spokenCount(countIn(count.caption()), script);
        count.setAccessibleName(listed.chopped(1));
        text.setDescription(how + listed);
    };
    describe();
    QObject::connect(&count, &toolkit::Label::captionChanged, &text, describe);
}

QString pickNews(const QStringList& added, const QStringList& underCaret, int count, content::Script script) {
    const auto say = [script](const QString& latin) { return content::inScript(script, latin); };
    QString news;
    if (added.size() == 1) {
        news = say(QStringLiteral("Dodata reč: %1. ")).arg(added.first());
    } else if (!added.isEmpty()) {
        news = say(QStringLiteral("Dodate reči: %1. ")).arg(added.join(QStringLiteral(", ")));
    } else if (!underCaret.isEmpty()) {
        news = say(QStringLiteral("Reč %1 je već na listi. ")).arg(underCaret.first());
    } else {
        news = say(QStringLiteral("Kursor nije na reči. "));
    }
    return news + spokenCount(count, script);
}

void tellPick(toolkit::TextArea& text, const QStringList& added, const QStringList& underCaret, int count,
              content::Script script) {
    toolkit::desktop::tell(text, pickNews(added, underCaret, count, script));
}

toolkit::TextBox* answerBox(const QString& name, QWidget* panel, const QString& asks, int left, int top,
                            int width, int height) {
    auto* box = new toolkit::TextBox(name, panel);
    box->setAccessibleName(asks);
    toolkit::place(box, left, top, width, height);
    return box;
}

toolkit::ListView* pickedList(const QString& name, QWidget* panel, int left, int top, int width, int height,
                              content::Script script) {
    auto* list =
        new toolkit::ListView(name, panel, content::inScript(script, QStringLiteral("Odabrane reči")));
    toolkit::place(list, left, top, width, height);
    list->setColumnWidth(width - 300);
    return list;
}

toolkit::CommandButton* removeButton(const QString& name, toolkit::ListView* list, int left, int top,
                                     int width, int height, content::Script script) {
    auto* button = new toolkit::CommandButton(
        name, list->parentWidget(),
        content::inScript(script, QStringLiteral(" Ukloni odabranu stavku sa liste ")));
    QFont smaller = button->font();
    smaller.setPointSizeF(8.25);
    button->setFont(smaller);
    toolkit::place(button, left, top, width, height);
    // A caption wider in Cyrillic than in Latin widens its button.
    button->resize(std::max(button->width(), button->fontMetrics().horizontalAdvance(button->caption()) + 8),
                   button->height());
    removesFrom(*button, *list, script);
    return button;
}

void removesFrom(toolkit::CommandButton& button, toolkit::ListView& list, content::Script script) {
    button.setAccessibleName(content::inScript(script, QStringLiteral("Ukloni odabranu stavku sa liste")));
    list.setRemoveButton(&button);
}

QString countCaption(int count, content::Script script) {
    return content::inScript(script, QStringLiteral("Odabrane reèi ( ")) + QString::number(count) +
           QStringLiteral(" )");
}

void removeSelected(toolkit::ListView& list, toolkit::Label& count, content::Script script) {
    const QString word = list.text(list.selectedPosition());
    const bool removed = list.remove(list.selectedPosition());
    count.setCaption(countCaption(list.count(), script));
    if (!removed) {
        return;
    }
    toolkit::desktop::tell(list, content::inScript(script, QStringLiteral("Uklonjena reč: %1. ")).arg(word) +
                                     spokenCount(list.count(), script));
}

} // namespace course
