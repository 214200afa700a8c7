#pragma once

#include "content/Script.h"

#include <QList>
#include <QString>

namespace toolkit {
class TreeView;
}

// The fixed outline of the course: an introduction and ten steps holding tasks 1 to 26.
namespace course {

inline constexpr int stepCount = 10;
inline constexpr int taskCount = 26;

// The tasks of step 1 to 10, in order.
QList<int> tasksOfStep(int step);

// "- 3. Korak -", as the step title of a lesson screen reads.
QString stepTitle(int step, content::Script script);

// The key of a step's node in an outline: "n" and the first progress tag of the step.
QString stepKey(int step);

// Which nodes of an outline carry keys: the steps that screen runs, and on the closing screen the
// last task as well.
struct OutlineKeys {
    int firstKeyedStep = 0;
    int lastKeyedStep = 0;
    bool lastTaskKeyed = false;
};

// Fills an empty outline: "Uvod", then each step with its tasks, every step expanded, "Uvod" selected.
void buildOutline(toolkit::TreeView& tree, const OutlineKeys& keys, content::Script script);

} // namespace course
