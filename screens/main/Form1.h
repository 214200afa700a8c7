#pragma once

#include "course/LessonScreen.h"
#include "course/WordIndex.h"

class Program;

namespace toolkit {
class CheckBox;
class ListView;
class TextArea;
class TextBox;
class Timer;
} // namespace toolkit

// The main lesson screen: the introduction, steps 1 to 5 and the first half of step 6 (tasks 1 to 14).
// It owns the start-up work of the course: its load builds the outlines of all three lesson screens.
class Form1 : public course::LessonScreen {
    Q_OBJECT
  public:
    explicit Form1(Program& program);
    void load();

    // The clocks and the slide of the results strip.
    toolkit::Timer* Timer1;
    toolkit::Timer* Timer2;
    toolkit::Image* Image8;

    // Introduction.
    toolkit::PictureBox* Picture1;
    toolkit::TextArea* Text1;
    toolkit::Image* Image1;

    // Step 1: task 1 (nouns picked from a text) and task 2 (the grammatical categories).
    toolkit::PictureBox* Picture2;
    toolkit::Label* Label3;
    toolkit::TextArea* Text2;
    toolkit::TextArea* Text3;
    toolkit::Label* Label77;
    toolkit::ListView* ListView1;
    toolkit::Label* Label4;
    toolkit::CommandButton* Command4;
    toolkit::PictureBox* Picture3;
    toolkit::Label* Label6;
    toolkit::TextBox* Text4;
    toolkit::TextBox* Text5;
    toolkit::TextBox* Text6;
    toolkit::Label* Label7;
    toolkit::Label* Label8;

    // Step 2: task 3 (the declension table), tasks 4 and 5 (gender).
    toolkit::PictureBox* Picture4;
    toolkit::Label* Label11;
    toolkit::TextArea* Text7;
    std::array<toolkit::Label*, 13> tableHeadings; // Label12 ... Label24
    std::array<toolkit::TextBox*, 24> tableCells;  // Text8 ... Text31, column by column
    toolkit::PictureBox* Picture6;
    toolkit::Label* Label26;
    toolkit::Label* Label27;
    toolkit::TextBox* Text52;
    toolkit::TextBox* Text32;
    toolkit::Label* Label28;
    toolkit::Label* Label29;
    toolkit::Label* Label30;
    toolkit::Label* Label31;
    toolkit::TextBox* Text33;
    toolkit::Label* Label32;
    toolkit::TextBox* Text34;

    // Step 3: task 6 (place names picked from a text) and task 7 (planets).
    toolkit::PictureBox* Picture7;
    toolkit::Label* Label35;
    toolkit::TextArea* Text35;
    toolkit::TextArea* Text36;
    toolkit::Label* Label78;
    toolkit::ListView* ListView2;
    toolkit::Label* Label36;
    toolkit::CommandButton* Command5;
    toolkit::PictureBox* Picture9;
    toolkit::Label* Label37;
    std::array<toolkit::TextBox*, 4> planetBoxes; // Text37 ... Text40

    // Step 4: task 8 (common nouns from descriptions), task 9 (verses), task 10 (prose).
    toolkit::PictureBox* Picture10;
    toolkit::Label* Label41;
    toolkit::TextArea* Text41;
    std::array<toolkit::Label*, 4> rowNumbers;        // Label42 ... Label45
    std::array<toolkit::Label*, 4> descriptions;      // Label46 ... Label49
    std::array<toolkit::TextBox*, 4> commonNounBoxes; // Text42 ... Text45
    toolkit::PictureBox* Picture11;
    toolkit::Label* Label51;
    toolkit::TextArea* Text46;
    toolkit::ListView* ListView3;
    toolkit::Label* Label50;
    toolkit::CommandButton* Command6;
    toolkit::Label* Label79;
    toolkit::Label* Label52;
    toolkit::TextArea* Text47;
    toolkit::TextBox* Text48;
    toolkit::Label* Label80;

    // Step 5: task 11 (a poem) and task 12 (a word list).
    toolkit::PictureBox* Picture12;
    toolkit::Label* Label55;
    toolkit::TextArea* Text49;
    toolkit::TextArea* Text50;
    toolkit::Label* Label81;
    toolkit::ListView* ListView4;
    toolkit::Label* Label56;
    toolkit::CommandButton* Command7;
    toolkit::PictureBox* Picture13;
    toolkit::Label* Label59;
    toolkit::TextArea* Text51;
    toolkit::ListView* ListView5;
    toolkit::Label* Label58;
    toolkit::CommandButton* Command8;

    // Step 6, first half: tasks 13 and 14 (marked words).
    toolkit::PictureBox* Picture14;
    toolkit::TextArea* Text53;
    toolkit::Label* Label62;
    toolkit::PictureBox* Picture15;
    toolkit::Label* Label61;
    toolkit::Label* Label63;
    toolkit::Label* Label64;
    toolkit::Label* Label65;
    toolkit::Label* Label66;
    toolkit::Label* Label67;
    toolkit::Label* Label74;
    toolkit::PictureBox* Picture16;
    toolkit::Label* Label73;
    toolkit::Label* Label72;
    toolkit::Label* Label71;
    toolkit::Label* Label70;
    toolkit::Label* Label69;
    toolkit::Label* Label68;
    toolkit::Label* Label75;
    toolkit::Label* Label76;

    // The word indexes of the five reading texts (their words and start offsets, WordsText3 with
    // StartsText3 and so on) and the expected answers of the list tasks.
    course::WordIndex IndexText3;
    course::WordIndex IndexText36;
    course::WordIndex IndexText46;
    course::WordIndex IndexText50;
    course::WordIndex IndexText51;
    QStringList AnswersTask1;
    QStringList AnswersTask6;
    QStringList AnswersTask9;
    QStringList AnswersTask11;
    QStringList AnswersTask12;

    // Event handlers, named as in the screen's design.
    void Form1_Command1_Click();
    void Form1_Command2_Click();
    void Form1_Command3_Click();
    void Form1_Form_Unload();
    void Form1_Form_MouseMove();
    void Form1_Timer1_Timer();
    void Form1_Timer2_Timer();
    void Form1_TreeView1_Collapse(toolkit::TreeView::Node* node);
    void Form1_TreeView1_NodeClick();
    void Form1_Text3_Click();
    void Form1_Text36_Click();
    void Form1_Text46_Click();
    void Form1_Text50_Click();
    void Form1_Text51_Click();
    void Form1_ReadingText_GotFocus();
    void Form1_Command4_Click();
    void Form1_Command5_Click();
    void Form1_Command6_Click();
    void Form1_Command7_Click();
    void Form1_Command8_Click();

  private:
    // The design of each group of panels.
    void designIntroductionAndStep1();
    void designStep2();
    void designSteps3And4();
    void designSteps5And6();
    void connectEvents();

    // One "Napred" press per progress tag; true when the press succeeded.
    bool pressIntroduction();
    bool pressTask1();
    bool pressTask2();
    bool pressTask3();
    bool pressTasks4And5();
    bool pressTask6();
    bool pressTask7();
    bool pressTask8();
    bool pressTasks9And10();
    bool pressTask11();
    bool pressTask12();
    bool pressTasks13And14();

    // Word picking: adds what a click on a reading text picks to its answer list.
    void pick(toolkit::TextArea& text, const course::WordIndex& index, toolkit::ListView& list,
              toolkit::Label& count, course::PickRule rule, bool selectNewEntry);

    Program& program;
};
