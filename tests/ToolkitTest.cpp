// The control layer on its own, where the course does not already prove it: the text box that keeps
// its text as stored, the one-column list and the tree at positions and keys that are not there,
// twips and colours.
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

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

TEST(Toolkit, AListViewAndATreeViewIgnorePositionsAndKeysThatAreNotThere) {
    toolkit::ListView list(u"ListView1"_s, nullptr, u"Odabrane reči"_s);
    list.add(u"Car"_s);
    list.add(u"car"_s);
    list.select(2);
    for (const int outside : {0, -1, 3}) {
        SCOPED_TRACE(outside);
        EXPECT_TRUE(list.text(outside).isNull());
        EXPECT_FALSE(list.remove(outside));
        list.select(outside);
        list.ensureVisible(outside);
        EXPECT_EQ(list.texts(), (QStringList{u"Car"_s, u"car"_s}));
        EXPECT_EQ(list.selectedPosition(), 2);
    }

    toolkit::TreeView tree(u"TreeView1"_s, nullptr);
    toolkit::TreeView::Node* step = tree.add(u"1. Korak"_s, u"n1"_s);
    tree.add(u"Zadatak 1"_s, QString(), step);
    EXPECT_EQ(tree.node(2)->parent(), step);
    for (const QString& missing : {u"n2"_s, u"N1"_s, QString()}) {
        EXPECT_EQ(tree.node(missing), nullptr) << missing.toStdString();
    }
    EXPECT_TRUE(tree.node(0) == nullptr && tree.node(3) == nullptr);
    tree.select(step);
    tree.select(nullptr);
    tree.expand(nullptr);
    tree.ensureVisible(nullptr);
    EXPECT_EQ(tree.selected(), step);
}

// Fifteen twips to a pixel, rounded to the nearest; colours are written blue, green, red.
TEST(Toolkit, TwipsAndColours) {
    for (const auto& [twips, pixels] : {std::pair{7, 0}, {8, 1}, {22, 1}, {23, 2}, {-8, -1}, {12435, 829}}) {
        EXPECT_EQ(toolkit::pixels(twips), pixels) << twips;
    }
    EXPECT_EQ(toolkit::twips(829), 12435);
    EXPECT_EQ(toolkit::twipsRect(2400, 960, 9855, 5535), QRect(160, 64, 657, 369));
    EXPECT_EQ(QColor(toolkit::bgr(0x123456)), QColor(0x56, 0x34, 0x12));
}
