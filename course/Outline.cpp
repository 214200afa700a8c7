#include "course/Outline.h"

#include "toolkit/TreeView.h"

namespace course {

namespace {
// The first task of each step, and one past the last task of the last step.
constexpr int firstTask[stepCount + 1] = {1, 3, 6, 8, 11, 13, 17, 19, 21, 24, 27};
} // namespace

QList<int> tasksOfStep(int step) {
    QList<int> tasks;
    if (step < 1 || step > stepCount) {
        return tasks;
    }
    for (int task = firstTask[step - 1]; task < firstTask[step]; ++task) {
        tasks.append(task);
    }
    return tasks;
}

QString stepTitle(int step, content::Script script) {
    return content::inScript(script, QStringLiteral("- %1. Korak -")).arg(step);
}

QString stepKey(int step) {
    return QStringLiteral("n%1").arg(2 * step - 1);
}

void buildOutline(toolkit::TreeView& tree, const OutlineKeys& keys, content::Script script) {
    const QString stepCaption = content::inScript(script, QStringLiteral("%1. Korak"));
    const QString taskCaption = content::inScript(script, QStringLiteral("Zadatak %1"));
    toolkit::TreeView::Node* start = tree.add(content::inScript(script, QStringLiteral("Uvod")));
    for (int step = 1; step <= stepCount; ++step) {
        const bool keyed = step >= keys.firstKeyedStep && step <= keys.lastKeyedStep;
        toolkit::TreeView::Node* stepNode =
            tree.add(stepCaption.arg(step), keyed ? stepKey(step) : QString());
        for (int task : tasksOfStep(step)) {
            const bool last = keys.lastTaskKeyed && task == taskCount;
            tree.add(taskCaption.arg(task), last ? QStringLiteral("last") : QString(), stepNode);
        }
        tree.expand(stepNode);
    }
    // Chosen once the outline is whole: the node chosen is told to the accessibility bus, and Qt drops
    // what it told of a tree's nodes as the next node comes in, so a screen reader would ask after a
    // node that is gone.
    tree.select(start);
}

} // namespace course
