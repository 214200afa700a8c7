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
    toolkit::PictureBox* Picture14 = nullptr;
    toolkit::Label* Label62 = nullptr;
    toolkit::PictureBox* Picture15 = nullptr;
    toolkit::Label* Label61 = nullptr;
    toolkit::Label* Label63 = nullptr;
    toolkit::Label* Label64 = nullptr;
    toolkit::Label* Label65 = nullptr;
    toolkit::Label* Label66 = nullptr;
    toolkit::Label* Label67 = nullptr;
    toolkit::Label* Label74 = nullptr;
    std::array<toolkit::Label*, 4> descriptionNumbers{};  // Label7 shows "1.", the others "2." to "4."
    std::array<toolkit::TextArea*, 4> descriptionTexts{}; // Text1 ... Text4
    std::array<toolkit::TextBox*, 4> abstractNounBoxes{}; // Text5 ... Text8

    // Step 7: task 17 (verbal nouns picked from a folk poem) and task 18 (verbal nouns of verbs).
    toolkit::PictureBox* Picture1 = nullptr;
    toolkit::TextArea* Text53 = nullptr;
    toolkit::Label* Label11 = nullptr;
    toolkit::TextArea* Text51 = nullptr;
    toolkit::Label* Label12 = nullptr;
    toolkit::ListView* ListView5 = nullptr;
    toolkit::CommandButton* Command8 = nullptr;
    toolkit::PictureBox* Picture2 = nullptr;
    toolkit::Label* Label14 = nullptr;
    std::array<toolkit::Label*, 12> verbs{};             // Label15 ... Label24, Label26, Label27
    std::array<toolkit::TextBox*, 12> verbalNounBoxes{}; // Text9 ... Text20

    // Step 8: task 19 (the ringed sentence series) and task 20 (collective nouns).
    toolkit::PictureBox* Picture3 = nullptr;
    toolkit::TextArea* Text21 = nullptr;
    toolkit::Label* Label29 = nullptr;
    toolkit::Label* Label32 = nullptr;
    toolkit::Label* Label30 = nullptr;
    toolkit::Shape* Shape5 = nullptr;
    toolkit::Label* Label35 = nullptr;
    toolkit::Label* Label31 = nullptr;
    toolkit::Shape* Shape4 = nullptr;
    toolkit::PictureBox* Picture4 = nullptr;
    toolkit::Label* Label48 = nullptr;
    std::array<toolkit::Label*, 8> nouns{};                 // Label47 ... Label41, Label37
    std::array<toolkit::TextBox*, 8> collectiveNounBoxes{}; // Text29 ... Text22

    // Step 9: task 21 (two gaps of a sentence), task 22 (check boxes), task 23 (the ringed statement).
    toolkit::PictureBox* Picture6 = nullptr;
    toolkit::TextArea* Text30 = nullptr;
    toolkit::Label* Label50 = nullptr;
    toolkit::Label* Label51 = nullptr;
    toolkit::TextBox* Text31 = nullptr;
    toolkit::TextBox* Text32 = nullptr;
    toolkit::PictureBox* Picture7 = nullptr;
    toolkit::Label* Label55 = nullptr;
    std::array<toolkit::CheckBox*, 9> kitchenNouns{}; // Check1 ... Check9
    toolkit::Label* Label56 = nullptr;
    toolkit::Label* Label59 = nullptr;
    toolkit::Label* Label68 = nullptr;
    toolkit::Label* Label69 = nullptr;
    toolkit::Label* Label70 = nullptr;
    toolkit::Shape* Shape8 = nullptr;
    toolkit::Shape* Shape9 = nullptr;

    // Step 10, first task: task 24 (marked words).
    toolkit::PictureBox* Picture9 = nullptr;
    toolkit::TextArea* Text33 = nullptr;
    toolkit::Label* Label73 = nullptr;
    toolkit::Label* Label77 = nullptr;
    toolkit::Label* Label78 = nullptr;
    toolkit::Label* Label79 = nullptr;
    toolkit::Label* Label80 = nullptr;
    toolkit::Label* Label81 = nullptr;
    toolkit::Label* Label82 = nullptr;

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
    // The controls of each panel, with their events, made the first time the panel is shown.
    void designTasks15And16();
    void designTask17();
    void designTask18();
    void designTask19();
    void designTask20();
    void designTask21();
    void designTasks22And23();
    void designTask24();
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
