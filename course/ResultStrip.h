#pragma once

#include "content/Script.h"
#include "toolkit/Picture.h"

#include <QList>

namespace toolkit {
class Image;
class Label;
class PictureBox;
} // namespace toolkit

namespace course {

// The results strip of a lesson screen: one row per task, a label that receives the task number and
// an image that receives the tick picture. A screen carries the rows of tasks 1 to its last task;
// the strip is hidden and kept up to date all the same.
class ResultStrip {
  public:
    ResultStrip(QWidget* screen, int lastTask, content::Script script);

    toolkit::PictureBox* picResult() const { return m_strip; }
    bool carries(int task) const;
    // Null when the screen does not carry the task's row.
    toolkit::Label* rowLabel(int task) const;
    toolkit::Image* rowImage(int task) const;

    void writeNumber(int task);
    void tick(int task, const toolkit::Picture& picture);

  private:
    toolkit::PictureBox* m_strip;
    QList<toolkit::Label*> m_labels; // by task - 1
    QList<toolkit::Image*> m_images;
};

} // namespace course
