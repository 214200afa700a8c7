#pragma once

#include "toolkit/Form.h"

class Program;

namespace toolkit {
class CommandButton;
class Image;
class Label;
class Line;
class Shape;
} // namespace toolkit

// The results screen: the congratulation and the time of each step and of the whole course. The
// lesson screens write the time cells as the steps end; this screen only shows them.
class Form5 : public toolkit::Form {
    Q_OBJECT
  public:
    explicit Form5(Program& program);
    void load() {}

    toolkit::Label* Label1;
    toolkit::Label* Label26;
    toolkit::Label* Label2;
    toolkit::Label* Label3;
    std::array<toolkit::Label*, 10> stepNumbers; // Label4 ... Label13
    toolkit::Label* Label14;                     // the time cells of steps 1 to 10
    toolkit::Label* Label15;
    toolkit::Label* Label16;
    toolkit::Label* Label17;
    toolkit::Label* Label18;
    toolkit::Label* Label19;
    toolkit::Label* Label20;
    toolkit::Label* Label21;
    toolkit::Label* Label22;
    toolkit::Label* Label23;
    toolkit::Label* Label24;
    toolkit::Label* Label25; // the total
    toolkit::CommandButton* Command1;
    toolkit::CommandButton* Command2;

    void Form5_Command1_Click();
    void Form5_Command2_Click();
    void Form5_Form_Unload();

  private:
    Program& program;
};
