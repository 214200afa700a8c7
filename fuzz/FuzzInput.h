#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Reads a fuzzer's bytes as the answers of a pupil: texts separated by byte 0x1F, read as UTF-8 (any
// invalid sequence becomes a replacement character, as when text is pasted), and small numbers.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_texts(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
                      .split(QChar(0x1F))) {}

    // The next text; the texts come round again when there are fewer than asked for.
    QString text() { return m_texts[m_next++ % m_texts.size()]; }
    QStringList texts(int count) {
        QStringList some;
        for (int i = 0; i < count; ++i) {
            some.append(text());
        }
        return some;
    }
    // A number taken from the length and first letter of the next text, negative ones included.
    int number() {
        const QString t = text();
        return (t.isEmpty() ? 0 : t[0].unicode()) * 7 - static_cast<int>(t.size()) * 131;
    }
    bool flag() { return number() % 2 != 0; }

  private:
    QStringList m_texts;
    qsizetype m_next = 0;
};
