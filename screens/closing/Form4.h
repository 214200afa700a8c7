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

    toolkit::PictureBox* Picture7;
    toolkit::Label* Label75;
    toolkit::Image* Image41;
    // "Vile ne koriste vile." — the second "vile" (pitchforks) is the plural-only noun.
    toolkit::Label* Label76;
    toolkit::Label* Label83;
    toolkit::Label* Label84;
    toolkit::Label* Label85;
    // The accent mark over "vile.", drawn heavy while that word is marked.
    toolkit::Line* Line5;
    toolkit::Line* Line1;
    toolkit::Label* Label15;
    toolkit::Image* Image11;
    // "On usta i otvori usta našavši se u čudu." — the second "usta" (mouth) is the plural-only noun.
    toolkit::Label* Label77;
    toolkit::Label* Label78;
    toolkit::Label* Label79;
    toolkit::Label* Label80;
    toolkit::Label* Label81;
    toolkit::Label* Label82;
    toolkit::Label* Label11;
    toolkit::Label* Label12;
    toolkit::Label* Label14;

    void Form4_Form_Activate();
    void Form4_Form_Unload();
    void Form4_Command1_Click();
    void Form4_Command2_Click();
    void Form4_Command3_Click();
    void Form4_Label85_Click();

  private:
    void design();

    Program& program;
};
