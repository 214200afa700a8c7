#!/usr/bin/python3
"""Only what the pupil sees can act, whatever an assistive client asks.

The course is walked through the accessibility bus with the answers of course_through_atspi.py. On the way:
the controls of the panels made ahead of time (answer boxes at tag 1, word labels at tag 10) refuse their
actions, the focus request and every edit, and stay as they were; the calls that Qt's bridge alone would
crash on are made at tag 2; the "Napred" of a screen already handed off refuses its press and moves
nothing; "Napred" pressed 30 times while its refusal is up opens no second box, nothing else on the screen
can be pressed meanwhile, and Escape closes the box. At the end a random client (fixed seed) calls every interface of
every object with odd arguments, and the program must still answer and end cleanly: its exit status is
that of the sanitizers in a sanitizer build.

Usage: hidden_and_hostile.py PROGRAM   (on a display, with an accessibility bus)
"""
import os
import random
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import course_through_atspi as course  # noqa: E402  (the course's answers and the client's helpers)

from course_through_atspi import check, wait_for, pump, showing, napred, alert, front  # noqa: E402

INT_MIN, INT_MAX = -2 ** 31, 2 ** 31 - 1
ODD = [INT_MIN, -1000000, -2, -1, 0, 1, 2, 3, 17, 1000, 1000000, INT_MAX]
TEXTS = ["", "x" * 2000, "\u0000", "\U0001F600", "\r\n", "krompıra", "\u202e", "Napred"]
CALLS = 400
SEED = 18


def everything(accessible, depth=0):
    """Every object under `accessible`, shown or not; a tree's or a list's entries only the first few."""
    try:
        count = accessible.childCount
    except Exception:
        return
    role = accessible.getRole()
    for i in range(min(count, 4) if role in (course.TREE, course.LIST) else count):
        try:
            child = accessible.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield child
            if depth < 8:
                yield from everything(child, depth + 1)


def hidden_controls(frame, roles):
    return [a for a in everything(frame) if a.getRole() in roles and not showing(a)]


def refused(call):
    """True when the call fails: it raises, or answers False."""
    try:
        return call() is False
    except Exception:
        return True


def action_names(accessible):
    try:
        actions = accessible.queryAction()
        return [actions.getName(i) for i in range(actions.nActions)]
    except Exception:
        return []


# What the panel made ahead holds, hidden: answer boxes at tag 1, word labels at tag 10.
MADE_AHEAD = {1: (course.TEXT, course.ENTRY), 10: (course.CHECK_BOX,)}


def check_hidden_inert(frame, tag):
    """Every hidden control of the front screen refuses to act, to take the focus and to change."""
    controls = hidden_controls(frame, (course.ENTRY, course.TEXT, course.CHECK_BOX, course.RADIO_BUTTON,
                                       course.PUSH_BUTTON))
    check(any(c.getRole() in MADE_AHEAD[tag] for c in controls),
          f"tag {tag}: the panel made ahead has no hidden {MADE_AHEAD[tag]}")
    for control in controls:
        name = control.name
        states = sorted(control.getState().getStates())
        text = control.queryText().getText(0, -1) if control.getRole() in (course.ENTRY, course.TEXT) else None
        check(action_names(control) == [], f"tag {tag}: hidden {name!r} offers {action_names(control)}")
        check(refused(lambda: control.queryAction().doAction(0)), f"tag {tag}: hidden {name!r} acted")
        check(refused(lambda: control.queryComponent().grabFocus()), f"tag {tag}: hidden {name!r} took the focus")
        if text is not None:
            try:
                editable = control.queryEditableText()
            except NotImplementedError:
                editable = None
            for edit in () if editable is None else (lambda: editable.setTextContents("rod"), lambda: editable.insertText(0, "x", 1),
                         lambda: editable.deleteText(0, -1), lambda: editable.pasteText(0)):
                try:
                    edit()
                except Exception:
                    pass
        pump()
        check(sorted(control.getState().getStates()) == states, f"tag {tag}: hidden {name!r} changed state")
        if text is not None:
            check(control.queryText().getText(0, -1) == text, f"tag {tag}: hidden {name!r} changed its text")
    focused = [a for a in everything(frame) if a.getState().contains(pyatspi.STATE_FOCUSED) and not showing(a)]
    check(not focused, f"tag {tag}: the focus is on hidden {[a.name for a in focused]}")


def title(frame):
    labels = [a.name for a in course.descendants(frame) if a.name.startswith("- ")]
    return labels[0] if labels else None


def check_handed_off(app, stale, tag):
    """The "Napred" of a screen already handed off neither acts nor moves the screen in front."""
    frame = front(app)
    before = title(frame)
    check(refused(lambda: stale.queryAction().doAction(0)), f"tag {tag}: the hidden Napred was pressed")
    pump()
    time.sleep(0.3)  # a press would show within Qt's 100 ms click animation
    pump()
    check(title(front(app)) == before, f"tag {tag}: the title went from {before!r} to {title(front(app))!r}")
    check(alert(app) is None, f"tag {tag}: the hidden Napred opened a box")


def check_one_refusal(app, frame, tag):
    """While a refusal is up, 30 more presses open no second box; Escape closes the one there is."""
    button = napred(frame)
    course.act(button, "Press")
    wait_for(lambda: alert(app), "the refusal")
    for _ in range(30):
        refused(lambda: button.queryAction().doAction(0))
    pump()
    time.sleep(0.5)
    pump()
    boxes = [w for w in app if w is not None and showing(w) and w.getRole() == course.ALERT]
    check(len(boxes) == 1, f"tag {tag}: {len(boxes)} refusals are up")
    about = course.named(frame, "O programu")
    check(action_names(about) == [], f"tag {tag}: under the refusal, 'O programu' offers {action_names(about)}")
    subprocess.run(["xdotool", "key", "Escape"], check=False)
    wait_for(lambda: alert(app) is None, "Escape to close the refusal")


# Calls that Qt 6.4's bridge, left to itself, answers with a crash, a sanitizer report or a stall.
PINNED = [
    (course.TREE, None, lambda t: t.queryTable().isSelected(-1, -1)),
    (course.TREE, None, lambda t: t.queryTable().getRowColumnExtentsAtIndex(-1)),
    (course.TREE, None, lambda t: t.queryTable().getRowColumnExtentsAtIndex(1000000)),
    (course.TREE, None, lambda t: t.queryTable().getColumnExtentAt(-1, -1)),
    (course.TREE, None, lambda t: t.queryTable().getRowExtentAt(1000000, 0)),
    (course.TREE, None, lambda t: t.queryTable().getRowHeader(-1)),
    (course.TREE, None, lambda t: t.queryTable().getIndexAt(INT_MIN, INT_MAX)),
    (course.LIST, None, lambda t: t.queryTable().isSelected(-1, -1)),
    (course.LIST, None, lambda t: t.queryTable().getRowColumnExtentsAtIndex(INT_MAX)),
    (course.LIST, None, lambda t: t.queryTable().getRowHeader(1000000)),
    (course.TEXT, "Zadatak 2, prva kategorija", lambda t: t.queryEditableText().insertText(INT_MAX, "x", 1)),
    (course.TEXT, "Zadatak 2, prva kategorija", lambda t: t.queryEditableText().cutText(0, INT_MIN)),
    (course.TEXT, "Zadatak 2, prva kategorija", lambda t: t.queryEditableText().deleteText(INT_MIN, INT_MAX)),
    (course.TEXT, "Zadatak 2, prva kategorija", lambda t: t.queryText().getRangeExtents(0, INT_MAX, 0)),
    (course.TEXT, "Objašnjenje", lambda t: t.queryEditableText().cutText(0, INT_MIN)),
    (course.TEXT, "Zadatak 1, tekst iz kog biraš imenice", lambda t: t.queryText().getText(INT_MIN, 5)),
    (course.TEXT, "Zadatak 1, tekst iz kog biraš imenice", lambda t: t.queryText().getText(INT_MIN, INT_MAX)),
    (course.TEXT, "Zadatak 1, tekst iz kog biraš imenice", lambda t: t.queryEditableText().cutText(INT_MIN, -1)),
    (course.TEXT, "Zadatak 1, tekst iz kog biraš imenice", lambda t: t.queryText().getRangeExtents(0, INT_MAX, 0)),
    (course.TEXT, "Zadatak 2, prva kategorija", lambda t: t.queryText().setSelection(0, INT_MIN, INT_MAX)),
]


def pinned_calls(app):
    """Each call of PINNED on the objects it names, at the tag whose panel shows them."""
    for role, name, call in PINNED:
        targets = [a for a in everything(front(app)) if a.getRole() == role and name in (None, a.name)]
        check(targets, f"something to call: a {role} {name or ''}")
        for target in targets:
            try:
                call(target)
            except Exception:
                pass
        check(program_alive(app), f"the program answers after a call on a {role}")


def program_alive(app):
    try:
        return front(app) is not None and napred(front(app)) is not None
    except Exception:
        return False


def random_client(app, rng):
    """Calls of every interface with odd arguments on every object, shown or hidden."""
    objects = [a for w in app if w is not None for a in [w] + list(everything(w))]
    # Pressing "Izlaz" ends the program and a link opens the browser: what they do is theirs to do.
    objects = [a for a in objects if a.name != "Izlaz" and a.getRole() != course.LINK]
    calls = 0
    while calls < CALLS:
        target = rng.choice(objects)
        n, m = rng.choice(ODD), rng.choice(ODD)
        text = rng.choice(TEXTS)
        coords = rng.choice([0, 1, 2, 7])
        menu = [
            lambda: target.queryAction().doAction(n),
            lambda: target.queryAction().getName(n),
            lambda: target.queryAction().getKeyBinding(n),
            lambda: target.queryComponent().grabFocus(),
            lambda: target.queryComponent().getExtents(coords),
            lambda: target.queryComponent().contains(n, m, coords),
            lambda: target.queryComponent().getAccessibleAtPoint(n, m, coords),
            lambda: target.getChildAtIndex(n),
            lambda: target.queryText().getText(n, m),
            lambda: target.queryText().getTextAtOffset(n, rng.choice([0, 1, 2, 3, 4, 5, 6])),
            lambda: target.queryText().getTextBeforeOffset(n, rng.choice([0, 1, 5])),
            lambda: target.queryText().getTextAfterOffset(n, rng.choice([0, 3, 6])),
            lambda: target.queryText().getCharacterAtOffset(n),
            lambda: target.queryText().getCharacterExtents(n, coords),
            lambda: target.queryText().getOffsetAtPoint(n, m, coords),
            lambda: target.queryText().setCaretOffset(n),
            lambda: target.queryText().setSelection(rng.choice([-1, 0, 1]), n, m),
            lambda: target.queryText().addSelection(n, m),
            lambda: target.queryText().removeSelection(n),
            lambda: target.queryText().getAttributeRun(n),
            lambda: target.queryEditableText().setTextContents(text),
            lambda: target.queryEditableText().insertText(n, text, len(text)),
            lambda: target.queryEditableText().deleteText(n, m),
            lambda: target.queryEditableText().copyText(n, m),
            lambda: target.queryEditableText().cutText(n, m),
            lambda: target.queryText().getRangeExtents(n, m, coords),
            lambda: target.queryEditableText().pasteText(n),
            lambda: target.queryValue().currentValue,
            lambda: target.queryTable().getAccessibleAt(n, m),
            lambda: target.queryTable().getRowAtIndex(n),
            lambda: target.queryTable().isRowSelected(n),
            lambda: target.queryTable().getRowDescription(n),
            lambda: target.queryTable().isSelected(n, m),
            lambda: target.queryTable().getRowColumnExtentsAtIndex(n),
            lambda: target.queryTable().getColumnExtentAt(n, m),
        ]
        call = rng.choice(menu)
        try:
            call()
        except Exception:
            pass
        calls += 1
        if calls % 40 == 0:
            pump()
            # A refusal the client brought up is closed as a pupil would, so the client goes on.
            box = alert(app)
            if box is not None:
                subprocess.run(["xdotool", "key", "Escape"], check=False)
                wait_for(lambda: alert(app) is None, "Escape to close a refusal")


def main():
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    pyatspi.Registry.registerEventListener(course.events.append, "object:children-changed",
                                           "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    try:
        app = wait_for(course.application, "the program on the bus", 30)
        wait_for(lambda: front(app) and napred(front(app)), "the main lesson screen", 30)
        stale = None
        for tag in range(21):
            frame = wait_for(lambda: front(app) if front(app) and napred(front(app)) else None, f"tag {tag}")
            if tag in (1, 10):
                check_hidden_inert(frame, tag)
            if tag == 2:
                pinned_calls(app)
            if tag in (12, 20):
                check_handed_off(app, stale, tag)
                check_one_refusal(app, frame, tag)
            if tag in (11, 19):
                stale = napred(frame)
            if tag == 20:
                break
            for step in course.ANSWERS.get(tag, []):
                course.answer(frame, step)
            coming = course.ANSWERS[tag + 1][0][1]
            course.act(napred(frame), "Press")
            wait_for(lambda: alert(app) or course.named(front(app), coming), f"the panel of tag {tag + 1}")
            if alert(app) is not None:
                course.report_refusal(app, tag)
                raise AssertionError(f"the right answers of tag {tag} were refused")
        random_client(app, random.Random(SEED))
        check(program.poll() is None, "the program ended under the random client")
        box = alert(app)
        if box is not None:
            subprocess.run(["xdotool", "key", "Escape"], check=False)
        frame = wait_for(lambda: front(app) if front(app) and course.named(front(app), "Izlaz") else None,
                         "a screen answering after the random client")
        course.act(course.named(frame, "Izlaz"), "Press")
        status = program.wait(timeout=60)
        check(status == 0, f"the program ended with status {status}")
    except Exception as error:  # a timeout, or a program gone from the bus
        check(False, f"{type(error).__name__}: {error}")
    finally:
        if program.poll() is None:
            program.kill()
    print("hidden and hostile calls:", "failed" if course.failures else "nothing acted", flush=True)
    return 1 if course.failures else 0


if __name__ == "__main__":
    sys.exit(main())
