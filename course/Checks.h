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

// Unicode normal form C, so that "z" followed by a combining caron is the letter "ž".
QString nfc(const QString& s);

// Every entry brought to normal form C.
QStringList nfcAll(const QStringList& list);

// Removes leading and trailing U+0020 spaces; tabs and line breaks stay.
QString trimSpaces(const QString& s);

// Capital letters, as QString::toUpper gives them.
QString capitals(const QString& s);

// Normal form C, spaces trimmed, capitals: the usual form in which a typed answer is compared.
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
