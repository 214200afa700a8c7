#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the second lesson screen: the four descriptions of task 16, the information
// texts of steps 7 to 10 and the folk poem of task 17 with its expected words.
namespace content::form3 {

QString Text1(); // task 16, description 1
QString Text2(); // task 16, description 2
QString Text3(); // task 16, description 3
QString Text4(); // task 16, description 4

QString Text53(); // step 7
QString Text51(); // task 17, folk poem
QString Text21(); // step 8
QString Text30(); // step 9
QString Text33(); // step 10

// Expected words of task 17, written without č as the judge expects them.
QStringList PoemAnswers();

} // namespace content::form3
