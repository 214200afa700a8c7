// The control layer on its own, without the course: the text box that keeps its text as stored, the
// one-column list, twips and colours, labels and shapes, the tree's lookups.
#include "toolkit/CheckBox.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window of the size the screens use, in the course's font.
class Toolkit : public testing::Test {
  protected:
    void SetUp() override {
        QFont arial(u"Arial"_s);
        arial.setPointSizeF(9.75);
        window.setFont(arial);
        window.resize(800, 600);
    }
    QWidget window;
};

const QString threeLines = u"Prvi red\r\ndrugi red\r\ntreći red, poslednji\r\n"_s;

} // namespace

TEST_F(Toolkit, ATextAreaKeepsItsTextExactlyAsSet) {
    auto* text = new toolkit::TextArea(u"Text1"_s, &window);
    const struct {
        const char* name;
        QString stored;
        QString shown;
    } rows[] = {
        {"lines ended by CR LF", threeLines, u"Prvi red\ndrugi red\ntreći red, poslednji"_s},
        {"an empty line between two", u"a\r\n\r\nb"_s, u"a\n\nb"_s},
        {"a lone carriage return", u"a\rb"_s, u"a\nb"_s},
        {"a lone line feed", u"a\nb"_s, u"a\nb"_s},
        {"two spaces and a space at a line's end", u"a  b \r\nc"_s, u"a  b \nc"_s},
        {"nothing", QString(), QString()},
        {"č ć š ž đ and their capitals", u"čćšžđ ČĆŠŽĐ"_s, u"čćšžđ ČĆŠŽĐ"_s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        text->setText(row.stored);
        EXPECT_EQ(text->text(), row.stored);
        EXPECT_EQ(text->toPlainText(), row.shown);
    }
    EXPECT_TRUE(text->isReadOnly());
}

// SelStart counts in the stored text, where a line break is two characters; the editor counts it once.
TEST_F(Toolkit, SelStartCountsEachLineBreakAsTwoCharacters) {
    auto* text = new toolkit::TextArea(u"Text1"_s, &window);
    text->setText(threeLines);
    const qsizetype secondLine = threeLines.indexOf(u"drugi"_s);
    const qsizetype thirdLine = threeLines.indexOf(u"treći"_s);
    const struct {
        const char* name;
        qsizetype stored;
        int shown;
    } rows[] = {
        {"the start", 0, 0},
        {"before the first line break", secondLine - 2, 8},
        {"between its carriage return and its line feed", secondLine - 1, 8},
        {"the start of the second line", secondLine, 9},
        {"inside the third line", thirdLine + 3, 22},
        {"the end of the last line", threeLines.size() - 2, 39},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto stored = static_cast<int>(row.stored);
        EXPECT_EQ(text->shownPosition(stored), row.shown);
        text->setSelStart(stored);
        EXPECT_EQ(text->textCursor().position(), row.shown);
        // A place between the two characters of a break reads back as the break itself.
        EXPECT_EQ(text->selStart(), stored == secondLine - 1 ? stored - 1 : stored);
    }
    // Places past the end are held at the end.
    EXPECT_EQ(text->shownPosition(10000), 39);
    EXPECT_EQ(text->shownPosition(-5), 0);
    text->setText(QString());
    EXPECT_EQ(text->selStart(), 0);
    EXPECT_EQ(text->shownPosition(3), 0);
}

// A click on real pixels of the third line, found from the editor's own layout rather than from the
// mapping under test, leaves SelStart where the stored text has that letter.
TEST_F(Toolkit, AClickOnTheThirdLineGivesTheStoredOffset) {
    auto* text = new toolkit::TextArea(u"Text1"_s, &window);
    toolkit::place(text, 240, 240, 6000, 1500);
    text->setText(threeLines);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    QObject::connect(text, &toolkit::TextArea::clicked, text, [&clicks] { ++clicks; });

    const QTextBlock third = text->document()->findBlockByNumber(2);
    ASSERT_EQ(third.text(), u"treći red, poslednji"_s);
    text->document()->documentLayout()->blockBoundingRect(third);
    const QTextLine line = third.layout()->lineAt(0);
    const int letter = 2; // before the "e" of "treći"
    QTextCursor atBlock(third);
    const QRect blockTop = text->cursorRect(atBlock);
    // A pixel right of the place between "r" and "e", well inside the first half of the "e".
    const QPoint pixel(blockTop.left() + qRound(line.cursorToX(letter) - line.cursorToX(0)) + 1,
                       blockTop.center().y());

    QTest::mouseClick(text->viewport(), Qt::LeftButton, Qt::NoModifier, pixel);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(text->textCursor().position(), third.position() + letter);
    EXPECT_EQ(text->selStart(), threeLines.indexOf(u"treći"_s) + letter);
    EXPECT_EQ(text->selStart(), third.position() + letter + 2);
}

TEST_F(Toolkit, AListViewCountsReadsAndRemovesByOneBasedPosition) {
    toolkit::ListView list(u"ListView1"_s, &window, u"Odabrane reči"_s);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedPosition(), 0);
    EXPECT_FALSE(list.remove(1)) << "on an empty list";
    for (const QString& word : {u"Car"_s, u"car"_s, QString(), u"Car"_s}) {
        list.add(word);
    }
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.texts(), (QStringList{u"Car"_s, u"car"_s, QString(), u"Car"_s}));
    EXPECT_EQ(list.text(1), u"Car"_s);
    EXPECT_EQ(list.text(2), u"car"_s);
    for (const int outside : {0, -1, 5, 1000}) {
        SCOPED_TRACE(outside);
        EXPECT_TRUE(list.text(outside).isNull());
        EXPECT_FALSE(list.remove(outside));
        list.select(outside);
        list.ensureVisible(outside);
        EXPECT_EQ(list.selectedPosition(), 0);
        EXPECT_EQ(list.count(), 4);
    }
    list.select(3);
    EXPECT_EQ(list.selectedPosition(), 3);
    list.select(2);
    EXPECT_EQ(list.selectedPosition(), 2) << "one entry at a time";
    EXPECT_EQ(list.selectedItems().size(), 1);
    EXPECT_TRUE(list.remove(2));
    EXPECT_EQ(list.texts(), (QStringList{u"Car"_s, QString(), u"Car"_s}));
    EXPECT_TRUE(list.remove(3));
    EXPECT_TRUE(list.remove(1));
    EXPECT_TRUE(list.remove(1));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedPosition(), 0);
}

TEST_F(Toolkit, AListViewShowsItsHeadingAboveTheEntries) {
    auto* list = new toolkit::ListView(u"ListView1"_s, &window, u"Odabrane reči"_s);
    toolkit::place(list, 240, 240, 1935, 2895);
    list->setColumnWidth(1935 - 300);
    list->add(u"prva"_s);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto* heading = list->findChild<QLabel*>();
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), u"Odabrane reči"_s);
    EXPECT_EQ(heading->width(), toolkit::pixels(1635));
    EXPECT_EQ(list->columnWidth(), 1635);
    const QRect entry = list->visualItemRect(list->item(0)).translated(list->viewport()->pos());
    EXPECT_GE(entry.top(), heading->geometry().bottom()) << "the heading covers the first entry";
}

TEST(Twips, FifteenToAPixelRoundedToTheNearest) {
    const struct {
        int twips;
        int pixels;
    } rows[] = {{0, 0},  {7, 0},       {8, 1},  {15, 1},  {22, 1},
                {23, 2}, {12435, 829}, {-7, 0}, {-8, -1}, {-15, -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.twips);
        EXPECT_EQ(toolkit::pixels(row.twips), row.pixels);
    }
    EXPECT_EQ(toolkit::twips(829), 12435);
    EXPECT_EQ(toolkit::twipsRect(2400, 960, 9855, 5535), QRect(160, 64, 657, 369));
}

TEST(Twips, ColoursAreWrittenBlueGreenRed) {
    const struct {
        const char* name;
        quint32 bgr;
        QColor colour;
    } rows[] = {
        {"dark red of the titles", 0x000080, QColor(128, 0, 0)},
        {"dark blue of the words", 0x800000, QColor(0, 0, 128)},
        {"the accent", 0xC00000, QColor(0, 0, 192)},
        {"grey of the links", 0x808080, QColor(128, 128, 128)},
        {"three different bytes", 0x123456, QColor(0x56, 0x34, 0x12)},
        {"white", 0xFFFFFF, QColor(255, 255, 255)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(QColor(toolkit::bgr(row.bgr)), row.colour);
    }
}

TEST_F(Toolkit, ALabelsBoldAndUnderlineAreIndependentAndItsColourIsShown) {
    toolkit::Label label(u"Label1"_s, &window, u"vile."_s);
    label.setBold(true);
    EXPECT_TRUE(label.bold());
    EXPECT_FALSE(label.underline());
    label.setUnderline(true);
    label.setBold(false);
    EXPECT_FALSE(label.bold());
    EXPECT_TRUE(label.underline());
    label.setFontSize(12);
    EXPECT_TRUE(label.underline()) << "a new size keeps the flags";
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 12.0);
    label.setForeColor(0x404040);
    EXPECT_EQ(label.foreColor(), 0x404040u);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(64, 64, 64));
    EXPECT_EQ(label.textFormat(), Qt::PlainText) << "a caption is never read as markup";
}

TEST_F(Toolkit, ShapesAndLinesDrawAtLeastOnePixelWide) {
    toolkit::Shape ring(u"Shape5"_s, &window, toolkit::Shape::Kind::Circle);
    toolkit::Line line(u"Line5"_s, &window, 3000, 1320, 3060, 1260, 0xC00000);
    for (const auto& [set, read] : {std::pair{2, 2}, {1, 1}, {0, 1}, {-3, 1}}) {
        SCOPED_TRACE(set);
        ring.setBorderWidth(set);
        line.setBorderWidth(set);
        EXPECT_EQ(ring.borderWidth(), read);
        EXPECT_EQ(line.borderWidth(), read);
    }
    // The line's box holds both ends, whichever way it runs.
    const QPoint from(toolkit::pixels(3000), toolkit::pixels(1320));
    const QPoint to(toolkit::pixels(3060), toolkit::pixels(1260));
    EXPECT_TRUE(line.geometry().contains(from));
    EXPECT_TRUE(line.geometry().contains(to));
    EXPECT_TRUE(line.testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(ring.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(Toolkit, APictureBoxKeepsItsTopInTwipsAndACheckBoxItsValue) {
    toolkit::PictureBox strip(u"picResult"_s, &window);
    strip.setTop(5521);
    EXPECT_EQ(strip.top(), 5521) << "not rounded to a pixel";
    EXPECT_EQ(strip.y(), toolkit::pixels(5521));
    strip.setTop(5561);
    EXPECT_EQ(strip.top(), 5561);

    toolkit::CheckBox box(u"Check1"_s, &window, u"voda"_s);
    EXPECT_EQ(box.value(), 0);
    box.setValue(1);
    EXPECT_EQ(box.value(), 1);
    box.setValue(2);
    EXPECT_EQ(box.value(), 0) << "only 1 ticks";
}

TEST_F(Toolkit, ATreeViewFindsNodesByKeyOrPositionAndIgnoresMissingOnes) {
    toolkit::TreeView tree(u"TreeView1"_s, &window);
    toolkit::TreeView::Node* intro = tree.add(u"Uvod"_s, u"n0"_s);
    toolkit::TreeView::Node* step = tree.add(u"1. Korak"_s, u"n1"_s);
    toolkit::TreeView::Node* task = tree.add(u"Zadatak 1"_s, QString(), step);
    EXPECT_EQ(tree.count(), 3);
    EXPECT_EQ(tree.node(u"n0"_s), intro);
    EXPECT_EQ(tree.node(u"n1"_s), step);
    EXPECT_EQ(tree.node(1), intro);
    EXPECT_EQ(tree.node(3), task);
    EXPECT_EQ(task->parent(), step);
    for (const QString& missing : {u"n2"_s, u"N1"_s, QString(), u"last"_s}) {
        EXPECT_EQ(tree.node(missing), nullptr) << missing.toStdString();
    }
    for (const int missing : {0, -1, 4}) {
        EXPECT_EQ(tree.node(missing), nullptr) << missing;
    }
    tree.select(step);
    tree.select(nullptr);
    tree.expand(nullptr);
    tree.ensureVisible(nullptr);
    EXPECT_EQ(tree.selected(), step) << "a missing node changes nothing";
    tree.expand(step);
    EXPECT_TRUE(step->isExpanded());
}
