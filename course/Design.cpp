#include "course/Design.h"

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

toolkit::TextArea* readingText(const QString& name, QWidget* panel, const QString& text, int left, int top,
                               int width, int height) {
    auto* area = new toolkit::TextArea(name, panel);
    area->setText(text);
    toolkit::place(area, left, top, width, height);
    return area;
}

toolkit::TextBox* answerBox(const QString& name, QWidget* panel, int left, int top, int width, int height) {
    auto* box = new toolkit::TextBox(name, panel);
    toolkit::place(box, left, top, width, height);
    return box;
}

toolkit::ListView* pickedList(const QString& name, QWidget* panel, int left, int top, int width, int height) {
    auto* list = new toolkit::ListView(name, panel, QStringLiteral("Odabrane reči"));
    toolkit::place(list, left, top, width, height);
    list->setColumnWidth(width - 300);
    return list;
}

toolkit::CommandButton* removeButton(const QString& name, QWidget* panel, int left, int top, int width,
                                     int height) {
    auto* button =
        new toolkit::CommandButton(name, panel, QStringLiteral(" Ukloni odabranu stavku sa liste "));
    QFont smaller = button->font();
    smaller.setPointSizeF(8.25);
    button->setFont(smaller);
    toolkit::place(button, left, top, width, height);
    return button;
}

QString countCaption(int count) {
    return QStringLiteral("Odabrane reèi ( ") + QString::number(count) + QStringLiteral(" )");
}

void removeSelected(toolkit::ListView& list, toolkit::Label& count) {
    list.remove(list.selectedPosition());
    count.setCaption(countCaption(list.count()));
}

} // namespace course
