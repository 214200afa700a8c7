// The control layer on its own, where the course does not already prove it: the lines a reading text
// tells a screen reader, word moves, a key typed at once after Tab, icons drawn at every scale, and Delete
// in a list by the keyboard.
#include "toolkit/CommandButton.h"
#include "toolkit/ListView.h"
#include "toolkit/Picture.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"

#include <QAccessible>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A screen reader reads a reading text by the lines the box lays out, not by its paragraphs.
TEST(Toolkit, AReadingTextTellsAScreenReaderItsLinesAsLaidOut) {
    toolkit::TextArea verses(u"Text1"_s, nullptr);
    verses.setText(u"\r\nGore svoda, dnu pene, površina stene, svod voda\r\n"_s);
    verses.resize(120, 200);
    verses.show();
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&verses)->textInterface();
    int start = -1, end = -1;
    text->textAtOffset(1, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(start, 1);
    EXPECT_LT(end, text->characterCount() - 1) << "the second paragraph takes more than one line here";
}

// Ctrl+Right and Ctrl+Left stop only at the starts of words, so that each move passes a word a screen
// reader can say: never before a full stop, a closing quote or a line break, nor after an empty first line.
TEST(Toolkit, WordMovesPassWholeWords) {
    toolkit::TextArea verses(u"Text1"_s, nullptr);
    verses.setText(u"\r\nGore svoda, dnu pene.\r\n\u201ESvod\u201C voda.\r\n"_s);
    verses.resize(300, 200);
    verses.show();
    const QString shown = verses.toPlainText();
    const auto stops = [&](Qt::Key key, int from) {
        QTextCursor cursor = verses.textCursor();
        cursor.setPosition(from);
        verses.setTextCursor(cursor);
        QStringList passed;
        for (int press = 0; press < 8; ++press) {
            const int before = verses.textCursor().position();
            QTest::keyClick(&verses, key, Qt::ControlModifier);
            const int after = verses.textCursor().position();
            if (after == before) {
                break;
            }
            passed.append(shown.mid(std::min(before, after), std::abs(after - before)));
        }
        return passed;
    };
    EXPECT_EQ(stops(Qt::Key_Right, 0), (QStringList{u"\nGore "_s, u"svoda, "_s, u"dnu "_s, u"pene.\n"_s,
                                                    u"\u201ESvod\u201C "_s, u"voda.\n"_s}));
    EXPECT_EQ(stops(Qt::Key_Left, static_cast<int>(shown.size())),
              (QStringList{u"voda.\n"_s, u"\u201ESvod\u201C "_s, u"pene.\n"_s, u"dnu "_s, u"svoda, "_s,
                           u"\nGore "_s}));
    EXPECT_EQ(stops(Qt::Key_Right, 11),
              (QStringList{u", "_s, u"dnu "_s, u"pene.\n"_s, u"\u201ESvod\u201C "_s, u"voda.\n"_s}))
        << "from the middle of a piece, to the next word";

    // An answer box moves by the same words, and Shift selects what the move passes.
    toolkit::TextBox box(u"Text2"_s, nullptr);
    box.setText(u"Milan, \u201Emajka\u201C - ovca"_s);
    box.show();
    box.setCursorPosition(0);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(box.selectedText(), u"Milan, "_s);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(box.cursorPosition(), 17) << "past the dash, to the start of ovca";
    QTest::keyClick(&box, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(box.cursorPosition(), 7) << "back to the opening quote";
}

// An answer box finishes taking the focus after the screen reader has heard it, yet a key typed at once,
// before the event loop turns, still lands as it would in any box: Tab selects what the box holds, and
// the key replaces it.
TEST(Toolkit, AKeyTypedAtOnceAfterTabReplacesWhatTheBoxHolds) {
    QWidget window;
    toolkit::TextBox first(u"Text1"_s, &window);
    toolkit::TextBox second(u"Text2"_s, &window);
    second.setText(u"staro"_s);
    second.move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first.setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    // Sent straight to the widgets, as a key that is already waiting is delivered before any timer.
    QTest::keyClick(&first, Qt::Key_Tab);
    ASSERT_TRUE(second.hasFocus());
    QTest::keyClick(&second, Qt::Key_R);
    EXPECT_EQ(second.text(), u"r"_s);
}

// An icon is drawn for the scale it is shown at, however this Qt asks for it (Qt 6.4 in device pixels,
// Qt 6.8 in screen units beside the scale): never drawn small and stretched.
TEST(Toolkit, AnIconIsDrawnAtEveryScale) {
    const toolkit::Picture cross(QSize(10, 10),
                                 [](QPainter& painter, const QPalette*) { painter.drawLine(0, 0, 10, 10); });
    for (const qreal scale : {1.0, 1.5, 2.0, 3.0}) {
        const QPixmap drawn = cross.icon().pixmap(QSize(24, 24), scale);
        EXPECT_EQ(drawn.size(), (QSizeF(24, 24) * scale).toSize()) << scale;
        EXPECT_EQ(drawn.devicePixelRatio(), scale) << scale;
    }
}

// A list come to by Tab selects its current entry, the one a screen reader hears, so that Delete takes out
// that entry; the focus then goes to the entry's neighbour, selected in its turn. A click selects the
// entry it lands on, as ever.
TEST(Toolkit, DeleteInAListTakesOutTheEntryItSaysAndTheFocusMovesToItsNeighbour) {
    QWidget window;
    toolkit::CommandButton before(u"Command1"_s, &window, u"Napred"_s);
    toolkit::ListView list(u"ListView1"_s, &window, u"Odabrane reči"_s);
    toolkit::CommandButton remove(u"Command4"_s, &window, u"Ukloni"_s);
    list.setGeometry(0, 40, 200, 200);
    remove.move(0, 260);
    for (const char* word : {"Car", "Radovan", "car", "careva"}) {
        list.add(QString::fromUtf8(word));
    }
    list.setRemoveButton(&remove);
    QObject::connect(&remove, &toolkit::CommandButton::clicked, &list,
                     [&list] { list.remove(list.selectedPosition()); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before.setFocus(Qt::OtherFocusReason);

    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    ASSERT_TRUE(list.hasFocus());
    EXPECT_EQ(list.selectedPosition(), 1) << "the current entry is selected as Tab comes";
    QTest::keyClick(window.windowHandle(), Qt::Key_Delete);
    EXPECT_EQ(list.texts(), (QStringList{u"Radovan"_s, u"car"_s, u"careva"_s}));
    EXPECT_EQ(list.selectedPosition(), 1) << "its neighbour is selected";
    EXPECT_EQ(list.currentRow(), 0);
    QTest::keyClick(window.windowHandle(), Qt::Key_End);
    QTest::keyClick(window.windowHandle(), Qt::Key_Delete);
    EXPECT_EQ(list.texts(), (QStringList{u"Radovan"_s, u"car"_s}));
    EXPECT_EQ(list.selectedPosition(), 2) << "the last one's neighbour is the one before it";

    // The pointer's way: a click selects its entry, the remove button takes that one out.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(list.selectedPosition(), 1);
    QTest::mouseClick(&remove, Qt::LeftButton);
    EXPECT_EQ(list.texts(), QStringList{u"car"_s});
}
