#include "course/ResultStrip.h"

#include "course/Outline.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Twips.h"

namespace course {

namespace {

struct Row {
    const char* label;
    const char* image;
};

// The design names of each task's row, the same on every screen that carries it.
constexpr Row rows[taskCount] = {
    {"Label9", "Image9"},   {"Label10", "Image10"}, {"Label25", "Image12"}, {"Label33", "Image15"},
    {"Label34", "Image16"}, {"Label38", "Image21"}, {"Label39", "Image22"}, {"Label40", "Image23"},
    {"Label53", "Image29"}, {"Label54", "Image30"}, {"Label57", "Image34"}, {"Label60", "Image37"},
    {"Label3", "Image1"},   {"Label4", "Image2"},   {"Label6", "Image3"},   {"Label8", "Image4"},
    {"Label13", "Image6"},  {"Label28", "Image13"}, {"Label36", "Image18"}, {"Label49", "Image20"},
    {"Label52", "Image26"}, {"Label71", "Image31"}, {"Label72", "Image32"}, {"Label7", "Image5"},
    {"Label16", "Image14"}, {"Label17", "Image17"},
};

constexpr int firstColumn = 1200; // twips
constexpr int columnWidth = 420;

} // namespace

ResultStrip::ResultStrip(QWidget* screen, int lastTask, content::Script script)
    : m_strip(new toolkit::PictureBox(QStringLiteral("picResult"), screen)) {
    toolkit::place(m_strip, 120, 6480, 12255, 1200);
    m_strip->setBordered(true);
    m_strip->hide();
    toolkit::place(new toolkit::Label(QStringLiteral("Label2"), m_strip,
                                      content::inScript(script, QStringLiteral("Zadatak br."))),
                   120, 240, 1035, 255);
    toolkit::place(new toolkit::Label(QStringLiteral("Label5"), m_strip,
                                      content::inScript(script, QStringLiteral("Rezultat"))),
                   120, 720, 1035, 255);
    for (int task = 1; task <= taskCount; ++task) {
        if (task > lastTask) {
            m_labels.append(nullptr);
            m_images.append(nullptr);
            continue;
        }
        const int left = firstColumn + (task - 1) * columnWidth;
        auto* label = new toolkit::Label(QString::fromLatin1(rows[task - 1].label), m_strip);
        label->setAlignment(Qt::AlignCenter);
        toolkit::place(label, left, 240, columnWidth, 255);
        auto* image = new toolkit::Image(QString::fromLatin1(rows[task - 1].image), m_strip);
        toolkit::place(image, left + (columnWidth - 240) / 2, 720, 240, 240);
        m_labels.append(label);
        m_images.append(image);
    }
}

bool ResultStrip::carries(int task) const {
    return rowLabel(task) != nullptr;
}

toolkit::Label* ResultStrip::rowLabel(int task) const {
    return task >= 1 && task <= taskCount ? m_labels[task - 1] : nullptr;
}

toolkit::Image* ResultStrip::rowImage(int task) const {
    return task >= 1 && task <= taskCount ? m_images[task - 1] : nullptr;
}

void ResultStrip::writeNumber(int task) {
    if (toolkit::Label* label = rowLabel(task)) {
        label->setCaption(QString::number(task));
    }
}

void ResultStrip::tick(int task, const toolkit::Picture& picture) {
    if (toolkit::Image* image = rowImage(task)) {
        image->setPicture(picture);
    }
}

} // namespace course
