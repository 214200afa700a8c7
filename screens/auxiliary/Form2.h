#pragma once

#include "toolkit/Form.h"

class Program;

namespace toolkit {
class Image;
class Label;
class PictureBox;
class Shape;
class Timer;
} // namespace toolkit

// The splash screen: the title of the course on a decorated panel, for four seconds or until a click.
class Form2 : public toolkit::Form {
    Q_OBJECT
  public:
    explicit Form2(Program& program);
    void load() {}

    toolkit::PictureBox* Picture1;
    toolkit::Shape* Shape5;
    toolkit::Shape* Shape1;
    toolkit::Shape* Shape3;
    toolkit::Shape* Shape2;
    toolkit::Shape* Shape4;
    toolkit::Image* Image1;
    toolkit::PictureBox* Picture2;
    toolkit::Label* Label1;
    toolkit::Timer* Timer1;

    // The timer, every click on the splash and any key leave it the same way.
    void Form2_Timer1_Timer();
    void Form2_Form_Click();
    void Form2_Picture1_Click();
    void Form2_Picture2_Click();
    void Form2_Image1_Click();
    void Form2_Label1_Click();
    void Form2_Form_KeyPress();

  private:
    void leave();

    Program& program;
};
