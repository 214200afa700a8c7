#pragma once

// The small string tools the answer judges share.
//
// Every cut here is safe on short or empty text: left and right give at most what the text holds, and
// charAt gives QChar() outside the text. Positions count QString characters (UTF-16 code units); every
// letter the judges look for lies in the Basic Multilingual Plane, so a split surrogate pair never equals
// one of them.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace checks {

// A text as every judge reads it, before any rule: Unicode normal form C (so that "z" followed by a
// combining caron is the letter "ž"), then the letters of the Serbian Cyrillic alphabet written as their
// Latin letters (Ж as Ž, Љ as Lj, Џ as Dž, the accented Ѐ and Ѝ as È and Ì), then normal form C once more.
// A capital Љ, Њ or Џ is written LJ, NJ or DŽ beside capitals ("ЉУБАВ" is "LJUBAV") and Lj, Nj or Dž
// otherwise ("Љубав" is "Ljubav"). Letters of other alphabets stay as they are.
QString normal(const QString& s);

// Every entry read so.
QStringList normalAll(const QStringList& list);

// Removes leading and trailing U+0020 spaces; tabs and line breaks stay.
QString trimSpaces(const QString& s);

// The small letters of the Serbian Latin alphabet as capitals; every other character, a letter of another
// alphabet included, stays itself.
QChar capital(QChar c);
QString capitals(const QString& s);

// Read as above, spaces trimmed, capitals: the usual form in which a typed answer is compared.
QString clean(const QString& s);

// The first n characters (all of them when the text is shorter, none when n <= 0).
QString left(const QString& s, qsizetype n);

// The last n characters (all of them when the text is shorter, none when n <= 0).
QString right(const QString& s, qsizetype n);

// The character at the 1-based position pos1, or QChar() when the text has no such position.
QChar charAt(const QString& s, qsizetype pos1);

// A word the pupil may write without its č, ć, š or ž passes when any one of three parts holds: its first
// letters are `prefix`, its last letters are `suffix`, or its letter at the 1-based position `letterPos1` is
// `letter`. Each part is read in capitals; the prefix and suffix cuts are trimmed of spaces. A text too short
// to hold the letter fails that part.
bool prefixSuffixOrLetter(const QString& text, QStringView prefix, QStringView suffix, qsizetype letterPos1,
                          QChar letter);

// Two-way comparison of a picked-word list: counts the expected words that no entry matches, plus the entries
// that match no expected word. Zero means the list holds exactly the expected words.
int twoWayMisses(const QStringList& expected, const QStringList& entries,
                 const std::function<bool(const QString& expected, const QString& entry)>& matches);

} // namespace checks
