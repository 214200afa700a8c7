#pragma once

#include "course/LessonScreen.h"

class Program;

namespace toolkit {
class Line;
}

// The closing tasks screen: tasks 25 and 26 of step 10, homonyms with a plural-only meaning. Solving
// both records the last step time and the total and opens the results screen.
class Form4 : public course::LessonScreen {
    Q_OBJECT
  public:
    explicit Form4(Program& program);
    void load() {}

    toolkit::PictureBox* Picture7 = nullptr;
    toolkit::Label* Label75 = nullptr;
    toolkit::Image* Image41 = nullptr;
    // "Vile ne koriste vile." — the second "vile" (pitchforks) is the plural-only noun.
    toolkit::Label* Label76 = nullptr;
    toolkit::Label* Label83 = nullptr;
    toolkit::Label* Label84 = nullptr;
    toolkit::Label* Label85 = nullptr;
    // The accent mark over "vile.", drawn heavy while that word is marked.
    toolkit::Line* Line5 = nullptr;
    toolkit::Line* Line1 = nullptr;
    toolkit::Label* Label15 = nullptr;
    toolkit::Image* Image11 = nullptr;
    // "On usta i otvori usta našavši se u čudu." — the second "usta" (mouth) is the plural-only noun.
    toolkit::Label* Label77 = nullptr;
    toolkit::Label* Label78 = nullptr;
    toolkit::Label* Label79 = nullptr;
    toolkit::Label* Label80 = nullptr;
    toolkit::Label* Label81 = nullptr;
    toolkit::Label* Label82 = nullptr;
    toolkit::Label* Label11 = nullptr;
    toolkit::Label* Label12 = nullptr;
    toolkit::Label* Label14 = nullptr;

    void Form4_Form_Activate();
    void Form4_Form_Unload();
    void Form4_Command1_Click();
    void Form4_Command2_Click();
    void Form4_Command3_Click();
    void Form4_Label85_Click();

  private:
    void designTasks25And26();

    Program& program;
};
