#!/usr/bin/python3
"""The whole course through the desktop's accessibility bus alone, as a screen reader reaches it.

On every panel, every control a pupil answers with has a Serbian name and its role. The answers are given
with AT-SPI only: text set into the answer boxes, the caret put on a word of a reading text and the text's
action, the toggle action of word labels and check boxes, the press action of options and buttons. The
refusal is an alert whose text is read and whose OK button closes it; a picked word is heard in the list
and its count.

With --cyrillic the program shows its Cyrillic course: every name is looked for in Cyrillic, every word
picked in Cyrillic, and every other answer typed in Cyrillic.

Usage: course_through_atspi.py PROGRAM [--cyrillic]   (on a display, with an accessibility bus)
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CASES = ["genitiv", "dativ", "akuzativ", "vokativ", "instrumental", "lokativ"]
TABLE = {"Krompir": "krompira krompiru krompir krompiru krompirom krompiru",
         "Telo": "tela telu telo telo telom telu",
         "Krompiri": "krompira krompirima krompire krompiri krompirima krompirima",
         "Tela": "tela telima tela tela telima telima"}
ORDINALS = ["prva", "druga", "treća", "četvrta"]
VERBS = "pisati plakati pevati ljubiti plivati zviždati crtati bolovati trčati".split() + [
    "igrati (se)", "sklanjati", "zastakliti"]
VERBAL = ("pisanje plakanje pevanje ljubljenje plivanje zviždanje crtanje bolovanje trčanje igranje "
          "sklanjanje zastakljivanje").split()
NOUNS = "trn siroče plemić cvet pile prsten kesten gospodin".split()
COLLECTIVE = "trnje siročad plemstvo cveće pilad prstenje kestenje gospoda".split()

# What the pupil does at each progress tag: ("type", name, text), ("pick", text name, word),
# ("toggle", name) and ("press", name); a name ending in "…" is a beginning.
ANSWERS = {
    1: [("pick", "Zadatak 1, tekst iz kog biraš imenice", w) for w in
        "Car Radovan car careva vladar sudbine gospodar svemira sekiru ramenu konja brdo snegom ruci buljinu "
        "očima zemlji ljudi muškarci bitke trijumfe moć vojskama miru veličine".split()],
    2: [("type", "Zadatak 2, prva kategorija", "rod"), ("type", "Zadatak 2, druga kategorija", "broj"),
        ("type", "Zadatak 2, treća kategorija", "ПАДЕЖ")],
    3: [("type", f"{noun}, {case} {'jednine' if noun in ('Krompir', 'Telo') else 'množine'}", form)
        for noun, forms in TABLE.items() for case, form in zip(CASES, forms.split())],
    4: [("type", "Zadatak 4, prva praznina", "živa"), ("type", "Zadatak 4, druga praznina", "gramatički"),
        ("type", "Zadatak 5, imenice koje imaju prirodni rod", "Milan, Branka, majka, ovca, medved"),
        ("type", "Zadatak 5, imenice koje imaju gramatički rod", "sok, radost, snaga, veština, igra, balet")],
    5: [("pick", "Zadatak 6, tekst iz kog biraš imena geografskih pojmova", w)
        for w in ["Radkersburgu", "Austrije", "Alpskog", "Muru"]],
    6: [("type", f"Zadatak 7, {o} planeta", p) for o, p in zip(ORDINALS, ["Merkur", "Venera", "Zemlja", "Mars"])],
    7: [("type", f"Zadatak 8, {i}.…", w) for i, w in enumerate(["lopte", "majke", "avion", "pismo"], 1)],
    8: [("pick", "Zadatak 9, stihovi iz kojih biraš zajedničke imenice", w)
        for w in "gore svoda dnu pene Površina stene Svod voda".split()] +
       [("type", "Zadatak 10, zajedničke imenice koje označavaju bića",
         "pesnik, podlac, pijanica, kockar, čovek, špijun")],
    9: [("pick", "Zadatak 11, stihovi iz kojih biraš apstraktne imenice", w)
        for w in ["Diko", "snago", "blago", "dušo", "drago"]],
    10: [("pick", "Zadatak 12, reči iz kojih biraš", w)
         for w in ["Lepota", "strah", "misao", "ljubav", "pravednost", "bol"]],
    11: [("toggle", w) for w in ["RAVNOPRAVNOST", "PRAVDA", "SETA", "LJUBAV", "STRAH"]],
    12: [("toggle", "MUDROST"), ("toggle", "PLAŠLJIVOST")] +
        [("type", f"Zadatak 16, apstraktna imenica za opis {i}", w)
         for i, w in enumerate(["jednakost", "strah", "ljubav", "pamet"], 1)],
    13: [("pick", "Zadatak 17, narodna pesma iz koje biraš glagolske imenice", w) for w in ["Oranje", "četovanja"]],
    14: [("type", f"Zadatak 18, glagolska imenica od glagola {v}", n) for v, n in zip(VERBS, VERBAL)],
    15: [("toggle", "2. Deca su stigla…")],
    16: [("type", f"Zadatak 20, zbirna imenica od imenice {n}", c) for n, c in zip(NOUNS, COLLECTIVE)],
    17: [("type", "Zadatak 21, prva praznina", "шљунак"), ("type", "Zadatak 21, druga praznina", "cement")],
    18: [("toggle", "tanjir"), ("toggle", "nož"), ("press", "1. Jesu gradivne imenice")],
    19: [("toggle", w) for w in ["NEDRA", "PANTALONE", "MERDEVINE"]],
    20: [("toggle", "vile"), ("toggle", "usta", 2)],
}
CYRILLIC = "--cyrillic" in sys.argv[2:]
LETTERS = dict(zip("abcčćdđefghijklmnoprsštuvzž", "абцчћдђефгхијклмнопрсштувзж"))


def shown(latin):
    """A text of the course as the program shows it: the Cyrillic course's letter by letter (the names
    used here hold neither an exception word nor a misspelling but the refusal's title)."""
    if not CYRILLIC:
        return latin
    text = "Pažnja" if latin == "Paznja" else latin
    out, i = "", 0
    while i < len(text):
        pair = text[i:i + 2].lower()
        if pair in ("lj", "nj", "dž"):
            letter = {"lj": "љ", "nj": "њ", "dž": "џ"}[pair]
            out += letter.upper() if text[i].isupper() else letter
            i += 2
            continue
        letter = LETTERS.get(text[i].lower(), text[i])
        out += letter.upper() if text[i].isupper() else letter
        i += 1
    return out


# Roles are compared by their AT-SPI number: their names change between at-spi2-core releases (the push
# button's is "button" since 2.52).
ENTRY, TEXT, CHECK_BOX, RADIO_BUTTON = (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_CHECK_BOX,
                                        pyatspi.ROLE_RADIO_BUTTON)
LIST, PUSH_BUTTON, TREE, TABLE, LINK = (pyatspi.ROLE_LIST, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TREE,
                                        pyatspi.ROLE_TABLE, pyatspi.ROLE_LINK)
FRAME, DIALOG, ALERT, PANEL = pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_PANEL
# The roles of the controls a pupil answers with; each must have a name.
ANSWERING = {ENTRY, TEXT, CHECK_BOX, RADIO_BUTTON, LIST, PUSH_BUTTON, TREE}

failures = []
events = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(probe, what, timeout=10.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        try:
            value = probe()
        except (GLib.GError, TypeError):  # a window going away while it was read, as the splash does
            value = None
        if value:
            return value
        time.sleep(0.02)
    raise AssertionError(f"timed out waiting for {what}")


def showing(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def descendants(accessible):
    for child in accessible:
        if child is not None and showing(child):
            yield child
            if child.getRole() != TREE:
                yield from descendants(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tesmora":
            return app
    return None


def front(app, role=FRAME):
    """The window in front: a dialog shown modally over the lesson screens (the results, About), else the
    lesson screen; or the window of another role."""
    for kind in (DIALOG, FRAME) if role == FRAME else (role,):
        windows = [w for w in app if w is not None and showing(w) and w.getRole() == kind]
        if windows:
            return windows[-1]
    return None


def named(frame, name, nth=1, role=None):
    name = shown(name)
    matches = [a for a in descendants(frame)
               if (a.name.startswith(name[:-1]) if name.endswith("…") else a.name == name)
               and role in (None, a.getRole())]
    return matches[nth - 1] if len(matches) >= nth else None


def act(accessible, action):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check(action in names, f"{accessible.name!r} has no action {action} (only {names})")
    actions.doAction(names.index(action))
    pump()


def alert(app):
    return front(app, ALERT)


def napred(frame):
    return named(frame, "Napred") or named(frame, "Započni vežbu")


def refuse_and_close(app, frame, visit):
    act(napred(frame), "Press")
    box = wait_for(lambda: alert(app), "the refusal")
    visit(app, "the refusal")
    texts = [a.name for a in descendants(box)] + [box.name, box.description]
    check(shown("Zadatak nije rešen !") in texts, f"the refusal says {texts}")
    check(box.name == shown("Paznja"), f"the refusal is titled {box.name!r}")
    act([a for a in descendants(box) if a.name == "OK"][0], "Press")  # Qt's own button
    wait_for(lambda: alert(app) is None, "the refusal to close")


def check_names(frame, tag):
    controls = [c for c in descendants(frame) if c.getRole() in ANSWERING and c.parent.getRole() != TREE]
    # Every screen has its buttons at least: a walk that finds nothing to check has gone wrong.
    check(any(c.getRole() == PUSH_BUTTON for c in controls), f"tag {tag}: no push button to check")
    for control in controls:
        check(control.name.strip(), f"tag {tag}: a {control.getRoleName()} without a name")


def check_heading(frame, tag):
    """The panel of the tag's first task is named after its heading, which a screen reader says as the
    focus enters it."""
    names = []
    ancestor = named(frame, ANSWERS[tag][0][1])
    while ancestor is not None and ancestor.getRole() != FRAME:
        ancestor = ancestor.parent
        if ancestor is not None and ancestor.getRole() == PANEL:
            names.append(ancestor.name)
    check(any(name.startswith(shown("ZADATAK ")) for name in names), f"tag {tag}: the task's panels are {names}")


def pick(frame, text_name, word):
    text = named(frame, text_name)
    check(text is not None and text.getRole() == TEXT, f"{text_name!r} is a text")
    content = text.queryText()
    word = shown(word)
    found = re.search(r"(?<!\w)" + re.escape(word) + r"(?!\w)", content.getText(0, -1))
    check(found, f"{word!r} is in {text_name!r}")
    listed = named(frame, "Odabrane reči", role=LIST)
    before = listed.childCount
    del events[:]
    content.setCaretOffset(found.start() + 1)
    act(text, "Press")
    wait_for(lambda: listed.childCount > before, f"{word!r} in the list")
    wait_for(lambda: any(e.type.startswith("object:children-changed") for e in events), "the list's change")
    count = shown(f"Odabrane reči: {listed.childCount}")
    wait_for(lambda: any(e.type.startswith("object:property-change:accessible-name")
                         and e.source.name == count for e in events), "the count label's new count")
    # The text's description tells the new count by the time the pupil comes to the text again (told at
    # once if the text has not the focus; else as the focus comes back, since a notice has just said it).
    check(napred(frame).queryComponent().grabFocus() and text.queryComponent().grabFocus(),
          f"the focus leaves {text_name!r} and comes back")
    wait_for(lambda: any(e.type.startswith("object:property-change:accessible-description")
                         and e.source.name == shown(text_name) and e.source.description.endswith(count + ".")
                         for e in events),
             "the new count in the text's description")


def remove_stray(frame, text_name, word):
    """A stray word picked and taken out again by the remove button: the bus hears that entry leave the
    list, not the list leave its panel."""
    pick(frame, text_name, word)
    listed = named(frame, "Odabrane reči", role=LIST)
    entries = [entry.name for entry in listed]
    check(shown(word) in entries, f"{word!r} is listed: {entries}")
    listed.queryTable().addRowSelection(entries.index(shown(word)))
    pump()
    del events[:]
    act(named(frame, "Ukloni odabranu stavku sa liste", role=PUSH_BUTTON), "Press")
    wait_for(lambda: [entry.name for entry in listed] == [e for e in entries if e != shown(word)],
             f"{word!r} out of the list")
    wait_for(lambda: any(e.type == "object:children-changed:remove" for e in events), "a removal told")
    removals = [e for e in events if e.type == "object:children-changed:remove"]
    check(all(e.source.getRole() == LIST for e in removals),
          f"a removal is told by the list, of its entry: {[(e.source.getRoleName(), e.source.name) for e in removals]}")


def holdings(frame):
    """What every answer control of the screen in front holds: the text of each box, the mark of each
    word label and option, the entries of each list."""
    lines = []
    for control in descendants(frame):
        role = control.getRole()
        state = control.getState()
        if role in (ENTRY, TEXT) and state.contains(pyatspi.STATE_EDITABLE):
            lines.append(f"  box {control.name!r}: {control.queryText().getText(0, -1)!r}")
        elif role in (CHECK_BOX, RADIO_BUTTON):
            mark = "marked" if state.contains(pyatspi.STATE_CHECKED) else "unmarked"
            lines.append(f"  {control.getRoleName()} {control.name!r}: {mark}")
        elif role == LIST:
            lines.append(f"  list {control.name!r}: {[item.name for item in control]}")
    return lines


def report_refusal(app, tag):
    """Says why the answers of a tag were refused: what each control held, beside the right answers."""
    print(f"The answers of tag {tag} were refused. The controls held:", flush=True)
    try:
        frames = [w for w in app if w is not None and showing(w) and w.getRole() in (FRAME, DIALOG)]
        for line in [line for frame in frames for line in holdings(frame)]:
            print(line, flush=True)
    except Exception as error:  # the program went away while it was read
        print(f"  (not readable: {error})", flush=True)
    print(f"The right answers of tag {tag}:", flush=True)
    for step in ANSWERS.get(tag, []):
        print(f"  {step}", flush=True)


def answer(frame, step, typed_in_cyrillic=False):
    kind, name = step[0], step[1]
    if kind == "type":
        if typed_in_cyrillic:
            step = (kind, name, shown(step[2]))
        box = named(frame, name)
        check(box is not None and box.getRole() in (ENTRY, TEXT), f"an answer box {name!r}")
        box.queryEditableText().setTextContents(step[2])
        pump()
        check(box.queryText().getText(0, -1) == step[2], f"{name!r} holds {step[2]!r}")
    elif kind == "pick":
        pick(frame, name, step[2])
    else:
        label = named(frame, name, step[2] if len(step) > 2 else 1)
        check(label is not None, f"a control {name!r}")
        check(label.getRole() == (RADIO_BUTTON if kind == "press" else CHECK_BOX),
              f"{name!r} is a {label.getRoleName()}")
        act(label, "Press" if kind == "press" else "Toggle")
        wait_for(lambda: label.getState().contains(pyatspi.STATE_CHECKED), f"{name!r} checked")


def main(visit=lambda app, where: None):
    """Walks the course; visit(app, where) is called on every panel, refusal and the results screen."""
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]] + (["--cyrillic"] if CYRILLIC else []), env=environment)
    # Qt's bridge tells a child's removal only to a client that listens to changes of state as well, as a
    # screen reader does.
    pyatspi.Registry.registerEventListener(events.append, "object:children-changed",
                                           "object:property-change:accessible-name",
                                           "object:property-change:accessible-description", "object:state-changed")
    try:
        app = wait_for(application, "the program on the bus")
        # The splash gives way to the main lesson screen after four seconds.
        wait_for(lambda: front(app) and napred(front(app)), "the main lesson screen")
        for tag in range(21):
            frame = wait_for(lambda: front(app) if front(app) and napred(front(app)) else None, f"tag {tag}")
            check_names(frame, tag)
            if tag in ANSWERS:
                check_heading(frame, tag)
            visit(app, f"tag {tag}")
            if tag in (1, 12, 20):  # one refusal on each lesson screen
                refuse_and_close(app, frame, visit)
            for i, step in enumerate(ANSWERS.get(tag, [])):
                answer(frame, step, typed_in_cyrillic=CYRILLIC and i % 2 == 1)
            if tag == 1:
                remove_stray(frame, ANSWERS[1][0][1], "je")
            coming = ANSWERS[tag + 1][0][1] if tag < 20 else "Svi zadaci su uspešno rešeni"
            act(napred(frame), "Press")
            wait_for(lambda: alert(app) or named(front(app), coming), f"what comes after tag {tag}")
            if alert(app) is not None:
                report_refusal(app, tag)
                raise AssertionError(f"the right answers of tag {tag} were refused")
        results = wait_for(lambda: named(front(app), "Svi zadaci su uspešno rešeni") and front(app),
                           "the results screen")
        visit(app, "the results screen")
        act(named(results, "Izlaz"), "Press")
        check(program.wait(timeout=60) == 0, f"the program ended with {program.returncode}")
    except AssertionError as error:
        check(False, str(error))
    finally:
        if program.poll() is None:
            program.kill()
    print("through AT-SPI:", "failed" if failures else "the course is finished", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
