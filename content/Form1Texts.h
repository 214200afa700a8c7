#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace content {

// Joins the lines of a fixed text, each followed by a carriage return and line feed, as the
// text boxes of the course store them.
QString lines(std::initializer_list<const char*> textLines);

} // namespace content

// The fixed texts of the main lesson screen: the introduction, the information texts of the
// steps, the reading texts the pupil picks words from, the task prompts written here, the
// expected answers of the list-building tasks and the link labels under the quoted excerpts.
namespace content::form1 {

QString Text1();  // introduction
QString Text2();  // step 1
QString Text3();  // task 1, reading text
QString Text7();  // step 2
QString Text35(); // step 3
QString Text36(); // task 6, reading text
QString Text41(); // step 4
QString Text46(); // task 9, verses
QString Text47(); // task 10, prose
QString Text49(); // step 5
QString Text50(); // task 11, poem
QString Text51(); // task 12, word list
QString Text53(); // step 6

QString Label51(); // prompt of task 9
QString Label55(); // prompt of task 11

// Expected answers, written without č, ć, š, ž, đ; the judges make up for the missing letters.
QStringList AnswersTask1();
QStringList AnswersTask6();
QStringList AnswersTask9();
QStringList AnswersTask11();
QStringList AnswersTask12();

// A link label under a quoted excerpt: its caption and the article it opens.
struct Link {
    QString caption;
    QString address;
};

Link Label77(); // under Text3
Link Label78(); // under Text36
Link Label79(); // under Text46
Link Label80(); // under Text47
Link Label81(); // under Text50

} // namespace content::form1
