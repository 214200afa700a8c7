#pragma once

#include "course/LessonScreen.h"
#include "course/WordIndex.h"

class Program;

namespace toolkit {
class CheckBox;
class ListView;
class Shape;
class TextArea;
class TextBox;
} // namespace toolkit

// The second lesson screen: the second half of step 6, steps 7 to 9 and the first task of step 10
// (tasks 15 to 24).
class Form3 : public course::LessonScreen {
    Q_OBJECT
  public:
    explicit Form3(Program& program);
    void load();

    // Step 6, second half: task 15 (marked words) and task 16 (abstract nouns for descriptions).
    toolkit::PictureBox* Picture14;
    toolkit::Label* Label62;
    toolkit::PictureBox* Picture15;
    toolkit::Label* Label61;
    toolkit::Label* Label63;
    toolkit::Label* Label64;
    toolkit::Label* Label65;
    toolkit::Label* Label66;
    toolkit::Label* Label67;
    toolkit::Label* Label74;
    std::array<toolkit::Label*, 4> descriptionNumbers;  // Label7 shows "1.", the others "2." to "4."
    std::array<toolkit::TextArea*, 4> descriptionTexts; // Text1 ... Text4
    std::array<toolkit::TextBox*, 4> abstractNounBoxes; // Text5 ... Text8

    // Step 7: task 17 (verbal nouns picked from a folk poem) and task 18 (verbal nouns of verbs).
    toolkit::PictureBox* Picture1;
    toolkit::TextArea* Text53;
    toolkit::Label* Label11;
    toolkit::TextArea* Text51;
    toolkit::Label* Label12;
    toolkit::ListView* ListView5;
    toolkit::CommandButton* Command8;
    toolkit::PictureBox* Picture2;
    toolkit::Label* Label14;
    std::array<toolkit::Label*, 12> verbs;             // Label15 ... Label24, Label26, Label27
    std::array<toolkit::TextBox*, 12> verbalNounBoxes; // Text9 ... Text20

    // Step 8: task 19 (the ringed sentence series) and task 20 (collective nouns).
    toolkit::PictureBox* Picture3;
    toolkit::TextArea* Text21;
    toolkit::Label* Label29;
    toolkit::Label* Label32;
    toolkit::Label* Label30;
    toolkit::Shape* Shape5;
    toolkit::Label* Label35;
    toolkit::Label* Label31;
    toolkit::Shape* Shape4;
    toolkit::PictureBox* Picture4;
    toolkit::Label* Label48;
    std::array<toolkit::Label*, 8> nouns;                 // Label47 ... Label41, Label37
    std::array<toolkit::TextBox*, 8> collectiveNounBoxes; // Text29 ... Text22

    // Step 9: task 21 (two gaps of a sentence), task 22 (check boxes), task 23 (the ringed statement).
    toolkit::PictureBox* Picture6;
    toolkit::TextArea* Text30;
    toolkit::Label* Label50;
    toolkit::Label* Label51;
    toolkit::TextBox* Text31;
    toolkit::TextBox* Text32;
    toolkit::PictureBox* Picture7;
    toolkit::Label* Label55;
    std::array<toolkit::CheckBox*, 9> kitchenNouns; // Check1 ... Check9
    toolkit::Label* Label56;
    toolkit::Label* Label59;
    toolkit::Label* Label68;
    toolkit::Label* Label69;
    toolkit::Label* Label70;
    toolkit::Shape* Shape8;
    toolkit::Shape* Shape9;

    // Step 10, first task: task 24 (marked words).
    toolkit::PictureBox* Picture9;
    toolkit::TextArea* Text33;
    toolkit::Label* Label73;
    toolkit::Label* Label77;
    toolkit::Label* Label78;
    toolkit::Label* Label79;
    toolkit::Label* Label80;
    toolkit::Label* Label81;
    toolkit::Label* Label82;

    // The word index of the folk poem (PoemWords with PoemWordStarts) and the expected words of task 17.
    course::WordIndex PoemIndex;
    QStringList PoemAnswers;

    void Form3_Form_Load();
    void Form3_Form_Activate();
    void Form3_Form_Unload();
    void Form3_Command1_Click();
    void Form3_Command2_Click();
    void Form3_Command3_Click();
    void Form3_Command8_Click();
    void Form3_Text51_Click();
    void Form3_Text51_GotFocus();
    void Form3_TreeView1_Collapse(toolkit::TreeView::Node* node);
    void Form3_TreeView1_NodeClick();
    void Form3_Label30_Click();
    void Form3_Label31_Click();
    void Form3_Label69_Click();
    void Form3_Label70_Click();

  private:
    void designStep6();
    void designStep7();
    void designStep8();
    void designSteps9And10();
    void connectEvents();

    bool pressTasks15And16();
    bool pressTask17();
    bool pressTask18();
    bool pressTask19();
    bool pressTask20();
    bool pressTask21();
    bool pressTasks22And23();
    bool pressTask24();

    Program& program;
};
