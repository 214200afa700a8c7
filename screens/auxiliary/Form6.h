#pragma once

#include "toolkit/Form.h"

class Program;

namespace toolkit {
class CommandButton;
class Image;
class Label;
class PictureBox;
class TextArea;
} // namespace toolkit

// The About screen: how the pupil works with the course, the idea of programmed instruction behind
// it, and who made it. A fresh one is made each time it is opened.
class Form6 : public toolkit::Form {
    Q_OBJECT
  public:
    explicit Form6(Program& program);
    void load() {}

    toolkit::Label* Label1;
    toolkit::PictureBox* Picture3;
    toolkit::PictureBox* Picture1;
    toolkit::PictureBox* Picture2;
    toolkit::TextArea* Text1;
    toolkit::Image* Image1;
    toolkit::CommandButton* Command1;

    void Form6_Command1_Click();

  private:
    Program& program;
};
