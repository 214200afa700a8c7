// The control layer on its own, where the course does not already prove it: the text box that keeps
// its text as stored and maps the caret over line breaks.
#include "toolkit/TextArea.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Stored text, and what the editor shows of it, line breaks counted once.
TEST(Toolkit, ATextAreaKeepsItsTextExactlyAndMapsSelStartOverLineBreaks) {
    toolkit::TextArea text(u"Text1"_s, nullptr);
    for (const auto& [stored, shown] : {std::pair{u"a\r\n\r\nb  c \r\n"_s, u"a\n\nb  c \n"_s},
                                        {u"a\rb\nč"_s, u"a\nb\nč"_s},
                                        {QString(), QString()}}) {
        text.setText(stored);
        EXPECT_EQ(text.text(), stored);
        EXPECT_EQ(text.toPlainText(), shown);
    }
    EXPECT_EQ(text.selStart(), 0) << "on no text";
    const QString stored = u"Prvi\r\ndrugi\r\n"_s; // shown as "Prvi\ndrugi\n", its last line empty
    text.setText(stored);
    const struct {
        const char* name;
        int stored, shown, readBack;
    } rows[] = {
        {"before the line break", 4, 4, 4},
        {"between its carriage return and its line feed", 5, 4, 4},
        {"the start of the second line", 6, 5, 6},
        {"inside the second line", 8, 7, 8},
        {"the empty last line", 13, 11, 13},
        {"past the end", 1000, 11, 13},
        {"before the start", -5, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(text.shownPosition(row.stored), row.shown);
        text.setSelStart(row.stored);
        EXPECT_EQ(text.textCursor().position(), row.shown);
        EXPECT_EQ(text.selStart(), row.readBack);
    }
}
