#pragma once

#include "content/Script.h"
#include "toolkit/TextBox.h"

#include <QString>

#include <array>

class QWidget;

namespace toolkit {
class CommandButton;
class Label;
class ListView;
class TextArea;
} // namespace toolkit

// Small builders for the controls the panels are made of, placed in twips inside their panel.
namespace course {

// A caption that wraps within its width.
toolkit::Label* labelAt(const QString& name, QWidget* panel, const QString& text, int left, int top,
                        int width, int height);
// A task prompt: "ZADATAK n: ...", in bold.
toolkit::Label* prompt(const QString& name, QWidget* panel, const QString& text, int left, int top, int width,
                       int height);
// A read-only text of several lines; `title` is what a screen reader calls it.
toolkit::TextArea* readingText(const QString& name, QWidget* panel, const QString& title, const QString& text,
                               int left, int top, int width, int height);
// An explanation of the grammar before a task.
toolkit::TextArea* explanation(const QString& name, QWidget* panel, const QString& text, int left, int top,
                               int width, int height, content::Script script);
// A text the pupil picks words from: a click, or Space at the caret, picks the word there. A screen reader
// hears how to pick, and the count of its list as it changes.
void makePickable(toolkit::TextArea& text, toolkit::Label& count, content::Script script);
// An empty one-line box the pupil types an answer into; `asks` names what it asks for (the task and the
// gap, a table cell by its column and case).
toolkit::TextBox* answerBox(const QString& name, QWidget* panel, const QString& asks, int left, int top,
                            int width, int height = 360);
// A list of picked words headed "Odabrane reči"; its column is set when the screen loads.
toolkit::ListView* pickedList(const QString& name, QWidget* panel, int left, int top, int width, int height,
                              content::Script script);
// The button under a picked-word list that removes the selected entry; Delete on the list presses it.
toolkit::CommandButton* removeButton(const QString& name, toolkit::ListView* list, int left, int top,
                                     int width, int height, content::Script script);
// Makes a button the remove button of a picked-word list.
void removesFrom(toolkit::CommandButton& button, toolkit::ListView& list, content::Script script);

// What the pupil typed into a row of answer boxes, box by box.
template <std::size_t N> std::array<QString, N> textsOf(const std::array<toolkit::TextBox*, N>& boxes) {
    std::array<QString, N> texts;
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = boxes[i]->text();
    }
    return texts;
}

// A picked-word list's count label as the program writes it. The Latin course spells the word "reèi" there,
// as it has always shown it, unlike the label's first caption "Odabrane reči ( 0 )".
QString countCaption(int count, content::Script script);
// Removes the selected entry of a picked-word list, if any, and writes the count.
void removeSelected(toolkit::ListView& list, toolkit::Label& count, content::Script script);

} // namespace course
