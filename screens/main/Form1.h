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
    toolkit::Timer* Timer1 = nullptr;
    toolkit::Timer* Timer2 = nullptr;
    toolkit::Image* Image8 = nullptr;

    // Introduction.
    toolkit::PictureBox* Picture1 = nullptr;
    toolkit::TextArea* Text1 = nullptr;
    toolkit::Image* Image1 = nullptr;

    // Step 1: task 1 (nouns picked from a text) and task 2 (the grammatical categories).
    toolkit::PictureBox* Picture2 = nullptr;
    toolkit::Label* Label3 = nullptr;
    toolkit::TextArea* Text2 = nullptr;
    toolkit::TextArea* Text3 = nullptr;
    toolkit::Label* Label77 = nullptr;
    toolkit::ListView* ListView1 = nullptr;
    toolkit::Label* Label4 = nullptr;
    toolkit::CommandButton* Command4 = nullptr;
    toolkit::PictureBox* Picture3 = nullptr;
    toolkit::Label* Label6 = nullptr;
    toolkit::TextBox* Text4 = nullptr;
    toolkit::TextBox* Text5 = nullptr;
    toolkit::TextBox* Text6 = nullptr;
    toolkit::Label* Label7 = nullptr;
    toolkit::Label* Label8 = nullptr;

    // Step 2: task 3 (the declension table), tasks 4 and 5 (gender).
    toolkit::PictureBox* Picture4 = nullptr;
    toolkit::Label* Label11 = nullptr;
    toolkit::TextArea* Text7 = nullptr;
    std::array<toolkit::Label*, 13> tableHeadings{}; // Label12 ... Label24
    std::array<toolkit::TextBox*, 24> tableCells{};  // Text8 ... Text31, column by column
    toolkit::PictureBox* Picture6 = nullptr;
    toolkit::Label* Label26 = nullptr;
    toolkit::Label* Label27 = nullptr;
    toolkit::TextBox* Text52 = nullptr;
    toolkit::TextBox* Text32 = nullptr;
    toolkit::Label* Label28 = nullptr;
    toolkit::Label* Label29 = nullptr;
    toolkit::Label* Label30 = nullptr;
    toolkit::Label* Label31 = nullptr;
    toolkit::TextBox* Text33 = nullptr;
    toolkit::Label* Label32 = nullptr;
    toolkit::TextBox* Text34 = nullptr;

    // Step 3: task 6 (place names picked from a text) and task 7 (planets).
    toolkit::PictureBox* Picture7 = nullptr;
    toolkit::Label* Label35 = nullptr;
    toolkit::TextArea* Text35 = nullptr;
    toolkit::TextArea* Text36 = nullptr;
    toolkit::Label* Label78 = nullptr;
    toolkit::ListView* ListView2 = nullptr;
    toolkit::Label* Label36 = nullptr;
    toolkit::CommandButton* Command5 = nullptr;
    toolkit::PictureBox* Picture9 = nullptr;
    toolkit::Label* Label37 = nullptr;
    std::array<toolkit::TextBox*, 4> planetBoxes{}; // Text37 ... Text40

    // Step 4: task 8 (common nouns from descriptions), task 9 (verses), task 10 (prose).
    toolkit::PictureBox* Picture10 = nullptr;
    toolkit::Label* Label41 = nullptr;
    toolkit::TextArea* Text41 = nullptr;
    std::array<toolkit::Label*, 4> rowNumbers{};        // Label42 ... Label45
    std::array<toolkit::Label*, 4> descriptions{};      // Label46 ... Label49
    std::array<toolkit::TextBox*, 4> commonNounBoxes{}; // Text42 ... Text45
    toolkit::PictureBox* Picture11 = nullptr;
    toolkit::Label* Label51 = nullptr;
    toolkit::TextArea* Text46 = nullptr;
    toolkit::ListView* ListView3 = nullptr;
    toolkit::Label* Label50 = nullptr;
    toolkit::CommandButton* Command6 = nullptr;
    toolkit::Label* Label79 = nullptr;
    toolkit::Label* Label52 = nullptr;
    toolkit::TextArea* Text47 = nullptr;
    toolkit::TextBox* Text48 = nullptr;
    toolkit::Label* Label80 = nullptr;

    // Step 5: task 11 (a poem) and task 12 (a word list).
    toolkit::PictureBox* Picture12 = nullptr;
    toolkit::Label* Label55 = nullptr;
    toolkit::TextArea* Text49 = nullptr;
    toolkit::TextArea* Text50 = nullptr;
    toolkit::Label* Label81 = nullptr;
    toolkit::ListView* ListView4 = nullptr;
    toolkit::Label* Label56 = nullptr;
    toolkit::CommandButton* Command7 = nullptr;
    toolkit::PictureBox* Picture13 = nullptr;
    toolkit::Label* Label59 = nullptr;
    toolkit::TextArea* Text51 = nullptr;
    toolkit::ListView* ListView5 = nullptr;
    toolkit::Label* Label58 = nullptr;
    toolkit::CommandButton* Command8 = nullptr;

    // Step 6, first half: tasks 13 and 14 (marked words).
    toolkit::PictureBox* Picture14 = nullptr;
    toolkit::TextArea* Text53 = nullptr;
    toolkit::Label* Label62 = nullptr;
    toolkit::PictureBox* Picture15 = nullptr;
    toolkit::Label* Label61 = nullptr;
    toolkit::Label* Label63 = nullptr;
    toolkit::Label* Label64 = nullptr;
    toolkit::Label* Label65 = nullptr;
    toolkit::Label* Label66 = nullptr;
    toolkit::Label* Label67 = nullptr;
    toolkit::Label* Label74 = nullptr;
    toolkit::PictureBox* Picture16 = nullptr;
    toolkit::Label* Label73 = nullptr;
    toolkit::Label* Label72 = nullptr;
    toolkit::Label* Label71 = nullptr;
    toolkit::Label* Label70 = nullptr;
    toolkit::Label* Label69 = nullptr;
    toolkit::Label* Label68 = nullptr;
    toolkit::Label* Label75 = nullptr;
    toolkit::Label* Label76 = nullptr;

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
    // The controls of each panel, with their events, made the first time the panel is shown.
    void designIntroduction();
    void designTask1();
    void designTask2();
    void designTask3();
    void designTasks4And5();
    void designTask6();
    void designTask7();
    void designTask8();
    void designTasks9And10();
    void designTask11();
    void designTask12();
    void designTasks13And14();
    void connectEvents();
    // A click on a reading text picks into its list, the text never keeps the focus, and the remove
    // button takes the selected entry out.
    void connectPicking(toolkit::TextArea& text, void (Form1::*onClick)(), toolkit::Label& count,
                        toolkit::CommandButton& remove, void (Form1::*onRemove)());
    // A link caption opens its article when clicked and underlines under the pointer.
    void connectLink(toolkit::Label& label, const QString& address);

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
