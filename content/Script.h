#pragma once

#include <QString>
#include <QStringList>

// The two scripts of Serbian. The course is written in Latin; its Cyrillic course is made from the Latin
// texts here, letter by letter, as each text is about to be shown.
namespace content {

enum class Script { Latin, Cyrillic };

// A fixed text of the course as the pupil reads it in `script`: in Latin exactly as written; in Cyrillic
// with the course's few misspellings put right first, then transliterated.
QString inScript(Script script, const QString& latin);

// Latin letters as Cyrillic ones, lj, nj and dž (in any case) as љ, њ and џ, except in the words where the
// two letters meet only across a prefix (nadživeti) or in a borrowed word (injekcija); the words that are
// always written in Latin stay so. Everything that is no Serbian Latin letter stays as it is.
QString toCyrillic(const QString& latin);

// The words the Cyrillic course keeps in Latin: a term quoted in its own language.
QStringList keptInLatin();

} // namespace content
