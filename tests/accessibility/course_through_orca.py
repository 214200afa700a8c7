#!/usr/bin/python3
"""The whole course by keyboard alone, heard through Orca, as a blind pupil takes it.

Keys go to the program through the X server only; what the pupil hears is what Orca speaks, read from its
debug log. At every task the walk hears the task's heading as its panel comes up, each answer box's name
the first time Tab reaches it, every pick with the new count, every mark's state, the roles of the options
and that each is introduced by its own task, and the refusal alert; a stray word picked into a list and
taken out again by Delete (in task 1 the last, after End; in the others the first, at once after Tab) is
heard leaving, with the entry the focus goes to and nothing else; it
reads the introduction, every explanation and every text the pupil picks from by words and lines from the
start and from the end; at the end it hears the results screen read out and leaves by "Izlaz". The
answers are those of the AT-SPI walk.

With --cyrillic the program shows its Cyrillic course: the walk listens for every name in Cyrillic, picks
the words in Cyrillic and types every answer in Cyrillic.

Usage: course_through_orca.py PROGRAM LOG [--cyrillic]   (on a display with a window manager, on a
session bus)
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from course_through_atspi import ANSWERS, CYRILLIC, application, report_refusal, shown  # noqa: E402
from orca import Orca  # noqa: E402

# The refusal is heard once on each lesson screen.
REFUSED_AT = (1, 12, 20)
# What Orca 43 and Orca 48 say of the same thing differs in its wording: a push button is "push button" to
# one and "button" to the other; a notice comes as one utterance or as "notification" and then its text; a
# panel's name may come with its description and without the final period.
BUTTON = r"(?:push )?button"
NOTICE = r"^(?:notification )?"
HEADING = rf"^{shown('ZADATAK')} \d+: .* panel\.?$"
# The keys of the Serbian Cyrillic layout, by the Latin letter on the same key: Orca 43 echoes a letter
# typed there as the letter, Orca 48 as the key's Latin letter.
KEYS = dict(zip("љњертзуиопасдфгхјклѕџцвбнм", "qwertzuiopasdfghjklyxcvbnm"))
MODIFIERS = {"ctrl": "Control_L"}
ECHOES = re.compile(r"^(tab|left control|space|return|delete|right|left|shift|left shift|down|up|home|end) ?$")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)


class Pupil:
    def __init__(self, orca):
        self.orca = orca
        # Where what Orca said of the control with the focus begins.
        self.focus_mark = 0

    def press(self, *keys, hold=None):
        """Presses keys (with a modifier held from before the keys until Orca has said what they did) and
        returns what Orca says; caret_before_key tells whether Orca took a caret move before the key."""
        self.caret_before_key = False
        try:
            if hold:
                # The modifier goes down first, and the key only once Orca has taken it, as a pupil's
                # fingers do: a busy Orca still taking the modifier when the key comes may hear of the
                # caret's move before it hears of the key.
                lines = self.orca.line_mark()
                subprocess.run(["xdotool", "keydown", hold], check=True)
                self.orca.wait_line(rf"^\^+ PROCESS ATSPI_KEY_PRESSED_EVENT: '{MODIFIERS[hold]}'",
                                    f"the key {hold} down", mark=lines, timeout=30)
                self.orca.settle()
            mark = self.last_mark = self.orca.mark()
            if "Tab" in keys:
                self.focus_mark = mark
            lines = self.orca.line_mark()
            foci = self.orca.focus_mark()
            subprocess.run(["xdotool", "key"] + list(keys), check=True)
            last = keys[-1].split("+")[-1]
            self.orca.wait_line(rf"PROCESS ATSPI_KEY_RELEASED_EVENT: '{re.escape(last)}'", f"the key {last}",
                                mark=lines, timeout=30)
            if last == "Tab":
                # The focus lands on a control, and Orca names it. On a busy machine what Orca says comes
                # late, so what has the focus is taken from where Orca's focus went, once it is still, and
                # not from whatever Orca says next.
                self.orca.wait_focus_moved(foci, "after Tab")
                self.orca.settle()
                start, end = self.focused()
                self.orca.wait_for(lambda said: any(u.startswith(start) and end in u for u in said),
                                   f"the name {start!r}", mark, timeout=20)
            else:
                # What the key did is waited for, not only a quiet moment: on a busy machine Orca may pause
                # before it speaks. A modifier stays down until then, since Orca reads a caret move by the
                # keys down as it comes (a word move that comes after the release is read as a move by a
                # letter). A move that does nothing is silent.
                try:
                    self.orca.wait_for(lambda said: [u for u in said if not ECHOES.match(u)], "the move", mark,
                                       timeout=5)
                except AssertionError:
                    pass
            self.orca.settle()
            # Qt hands each key to the screen reader and, when no answer comes within 100 ms, moves the
            # caret itself; a very busy Orca may then take the caret's move before the key, and reads it as
            # a move by a letter. The walk can tell that from Orca's log.
            self.caret_before_key = self.orca.first(
                [r"(?i)^v+ .*OBJECT EVENT object:text-caret-moved",
                 rf"^v+ PROCESS ATSPI_KEY_PRESSED_EVENT: '{re.escape(last)}'"], lines) == 0
        finally:
            if hold:
                subprocess.run(["xdotool", "keyup", hold], check=True)
        return [u for u in self.orca.since(mark) if not ECHOES.match(u)]

    def type(self, text):
        """Types letter by letter, each once Orca has echoed the one before."""
        for letter in text:
            mark = self.orca.mark()
            subprocess.run(["xdotool", "type", letter], check=True)
            if letter.isalnum():
                key = KEYS.get(letter.lower(), ".")
                self.hear(rf"(?i)^(?:{re.escape(letter)}|{key})\s*$", f"the echo of {letter!r}", mark)
            else:  # a mark or a space is echoed by its name
                self.orca.wait_for(lambda said: said, f"the echo of {letter!r}", mark)

    def hear(self, pattern, what, mark, timeout=30):
        regex = re.compile(pattern)
        return self.orca.wait_for(lambda s: next((u for u in s if regex.search(u)), None), what, mark, timeout)

    def focused(self):
        """The name of the control Orca's focus is on, as (its start, its end): Orca 48 writes a long name
        shortened, "1. Dečaci su stigli u... suvo granje. (123 chars.)"; a name written whole has no end."""
        focus = self.orca.focus()
        name = focus[1] if focus else ""
        shortened = re.fullmatch(r"(.*)\.\.\. (.*) \(\d+ chars\.\)", name, re.DOTALL)
        return (shortened[1], shortened[2]) if shortened else (name, "")

    def at(self, prefix, said):
        """Whether Orca's focus is on the control of that name: on the control itself, or on its current
        entry (a list tells its current entry as it gains the focus), Orca having said the list's name."""
        role = (self.orca.focus() or ("", ""))[0]
        start, end = self.focused()
        named = start.startswith(prefix) or bool(end) and prefix.startswith(start)
        return named or role.endswith(("item", "cell")) and any(u.startswith(prefix) for u in said)

    def tab_to(self, name, limit=60):
        """Tabs until Orca's focus is on the control and Orca has named it; returns all it said of it."""
        name = shown(name)
        prefix = name[:-1] if name.endswith("…") else name
        self.orca.settle()
        there = [u for u in self.orca.since(self.focus_mark) if not ECHOES.match(u)]
        if self.at(prefix, there) and any(u.startswith(prefix) for u in there):
            self.last_mark = self.focus_mark
            return there
        for _ in range(limit):
            said = self.press("Tab")
            if self.at(prefix, said):
                return said
        raise AssertionError(f"Tab never reached {name!r}")


def plain(said):
    """The first word of what Orca said, without the punctuation and line breaks around it."""
    found = re.search(r"\w+", said)
    return found.group(0) if found else ""


# Where a list does not select the entries picked into it (every task but the first): a word that is no
# answer, picked first, then taken out by Tab to the list and Delete at once.
STRAY_FIRST = {5: "Puk", 8: "granitne", 9: "zovem", 10: "lopta", 13: "stade"}
# The task each option belongs to, where two tasks share a panel.
TASK_OF_OPTION = {"1. Jesu gradivne imenice": 23}


def pick(pupil, text_name, words, stray=None, stray_first=None):
    """Picks the words, and then a stray word, which it takes out of the list again; or first a stray word
    and the first word, then, the stray taken out of the list again, the others."""
    if stray_first:
        pick_words(pupil, text_name, [stray_first, words[0]])
        remove_first(pupil, shown(stray_first), shown(words[0]))
        words = words[1:]
    pick_words(pupil, text_name, words + ([stray] if stray else []))
    # The same word again is already listed.
    mark = pupil.orca.mark()
    subprocess.run(["xdotool", "key", "space"], check=True)
    pupil.hear(rf"{NOTICE}{shown('Reč')} .* {shown('je već na listi')}\. {shown('Odabrane reči')}: \d+\.$",
               "a word already listed", mark)
    read_from_the_ends(pupil, text_name)
    if stray:
        remove_last(pupil, shown(stray), shown(words[-1]), len(words))


def pick_words(pupil, text_name, words):
    """Tab to the text, then each word reached by Ctrl+Right and picked by Space, heard once with its
    count."""
    pupil.tab_to(text_name)
    mark = pupil.last_mark
    how = shown("Strelicama dovedi kursor do reči, a razmakom je izaberi.")
    pupil.hear(rf"^{re.escape(how)} {shown('Odabrane reči')}: \d+\.$", f"how to pick from {text_name!r}", mark)
    said = [u for u in pupil.orca.since(mark) if not ECHOES.match(u)]
    first_line = next((u for u in said if not u.startswith(shown(text_name)) and not u.startswith(how)), "")
    words = [shown(word) for word in words]
    current = plain(first_line)
    for word in words:
        # Ctrl+Right says the word it passes; Ctrl+Left comes back to its start.
        # A word picked before may have put the caret past this one: at the text's end, where Ctrl+Right
        # moves no more and says nothing, the search goes on from the text's start, once.
        at_start = current == word
        wrapped = False
        for _ in range(400):
            if current == word:
                break
            said = pupil.press("Right", hold="ctrl")
            if not said:
                if wrapped:
                    break
                wrapped = True
                said = pupil.press("ctrl+Home")
                current = plain(said[-1]) if said else ""
                at_start = current == word
                continue
            check_one_line(said, f"Ctrl+Right in {text_name!r}")
            current = plain(said[-1])
        check(current == word, f"word navigation in {text_name!r} reached {word!r}")
        if not at_start:
            back = pupil.press("Left", hold="ctrl")
            if pupil.caret_before_key and back == [word[0]]:
                # The caret is at the word's start, and Orca, having taken the move before the key, read
                # the letter there. The program did its part; what Orca says then is its own.
                print(f"NOTE: Orca took the caret's move before Ctrl+Left and read {back}, the start of "
                      f"{word!r}", flush=True)
            else:
                check(plain(back[-1]) == word, f"Ctrl+Left comes back to {word!r}: {back}")
        pupil.press("Right")
        mark = pupil.orca.mark()
        subprocess.run(["xdotool", "key", "space"], check=True)
        added = rf"{NOTICE}{shown('Dodata reč')}: {re.escape(word)}[^.]*\. {shown('Odabrane reči')}: \d+\.$"
        pupil.hear(added, f"the pick of {word!r}", mark)
        pupil.orca.settle()
        counts = [u for u in pupil.orca.since(mark) if shown("Odabrane reči") + ":" in u]
        check(len(counts) == 1, f"the pick of {word!r} is heard once with its count: {counts}")


def remove_first(pupil, word, neighbour):
    """Tab to the list says its current entry, the first; Delete at once takes that entry out."""
    said = pupil.tab_to("Odabrane reči")
    check(any(plain(u) == word for u in said), f"the list's current entry {word!r} is heard: {said}")
    delete(pupil, word, neighbour, 1)


def remove_last(pupil, word, neighbour, left):
    """Tab to the list says its current entry, the word just picked (the list of task 1 selects each new
    entry); Delete takes it out."""
    said = pupil.tab_to("Odabrane reči")
    check(any(plain(u) == word for u in said), f"the list's current entry {word!r} is heard: {said}")
    delete(pupil, word, neighbour, left)


def delete(pupil, word, neighbour, left):
    """Delete takes out the entry the list said, and Orca hears that once: the entry the focus goes to and
    which word left with how many remain, and nothing else (no window, panel or list read anew)."""
    mark = pupil.orca.mark()
    subprocess.run(["xdotool", "key", "Delete"], check=True)
    notice = rf"{shown('Uklonjena reč')}: {re.escape(word)}\. {shown('Odabrane reči')}: {left}\.$"
    pupil.hear(rf"{NOTICE}{notice}", f"the removal of {word!r}", mark)
    pupil.hear(rf"^{re.escape(neighbour)}\b", f"the focus on {neighbour!r} after the removal", mark)
    pupil.orca.settle()
    said = [u for u in pupil.orca.since(mark) if not ECHOES.match(u)]
    other = [u for u in said if not re.search(notice, u) and plain(u) != neighbour and u.strip() != "notification"]
    check(not other, f"the removal of {word!r} is heard as the entry and the notice alone: {said}")


def read_from_the_ends(pupil, text_name):
    """Words and lines are read from the very end and the very start of the text: nothing hangs, and each
    move is heard."""
    for start, keys in [("ctrl+End", [("Up", None), ("End", None), ("Left", "ctrl"), ("Home", None)]),
                        ("ctrl+Home", [("Right", "ctrl"), ("Down", None), ("End", None), ("Home", None)])]:
        said = pupil.press(start)
        line_move = True
        for key, hold in keys:
            if line_move and said == ["blank"] and key in ("Home", "End") and not hold:
                continue  # on an empty line the caret has nowhere to go, and there is nothing to say
            said = pupil.press(key, hold=hold)
            line_move = key in ("Up", "Down")
            check(said, f"{hold or ''} {key} from {start} in {text_name!r} is heard")
            if hold:
                check_one_line(said, f"Ctrl+{key} from {start} in {text_name!r}")


def check_one_line(said, move):
    """A word move says a word with what follows it on its line, never the start of the next line."""
    check(all("\n" not in u.strip() for u in said), f"{move} reads across a line: {said}")


def napred(pupil, expect_refusal=False, first=False):
    said = pupil.tab_to("Napred") if not first else pupil.tab_to("Započni vežbu")
    mark = pupil.focus_mark = pupil.orca.mark()
    subprocess.run(["xdotool", "key", "Return"], check=True)
    if expect_refusal:
        pupil.hear(shown("Paznja"), "the refusal's title", mark)
        pupil.hear(shown("Zadatak nije rešen !"), "the refusal's text", mark)
        mark = pupil.focus_mark = pupil.orca.mark()
        subprocess.run(["xdotool", "key", "Return"], check=True)
        pupil.hear(rf"^{shown('Napred')} {BUTTON}", "the focus back on Napred", mark)
    return said, mark


def answer(pupil, step):
    kind, name = step[0], step[1]
    if kind == "type":
        said = pupil.tab_to(name)
        check(any(re.match(re.escape(shown(name).rstrip("…")) + r".* (entry|text)\.?", u) for u in said),
              f"the box {name!r} is named as an answer box: {said}")
        pupil.type(shown(step[2]))
    elif kind == "toggle" or kind == "press":
        nth = step[2] if len(step) > 2 else 1
        for i in range(nth):
            if i:  # the next control of the same name
                pupil.press("Tab")
            said = pupil.tab_to(name)
        role = "radio button" if kind == "press" else "check box"
        check(any(role in u for u in said), f"{name!r} is a {role}: {said}")
        if name in TASK_OF_OPTION:
            tasks = {int(n) for u in said for n in re.findall(rf"{shown('ZADATAK')} (\d+):", u)}
            check(tasks <= {TASK_OF_OPTION[name]},
                  f"{name!r} is introduced by its own task, {TASK_OF_OPTION[name]}, alone: {said}")
        check(any("not checked" in u or "not selected" in u for u in said), f"{name!r} starts unmarked: {said}")
        mark = pupil.orca.mark()
        subprocess.run(["xdotool", "key", "space"], check=True)
        heard = pupil.hear(r"checked|selected", f"{name!r} marked", mark)
        check("not" not in heard, f"{name!r} is heard marked: {heard!r}")


def start(program_path, log_path, attempt):
    """Starts Orca and, once it is on, the program; returns both once Orca has heard the program, or
    (None, None) if Orca did not come up or heard nothing of the program (the desktop's race, not the
    program's fault)."""
    orca = Orca(log_path, attempt)
    program = None
    try:
        orca.wait_for(lambda said: "Screen reader on." in said, "that it is on", timeout=180)
        mark = orca.mark()
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = subprocess.Popen([program_path] + (["--cyrillic"] if CYRILLIC else []), env=environment)
        orca.wait_for(lambda said: said, "anything of the program", mark, timeout=180)
        return orca, program
    except AssertionError as error:
        alive = program is not None and program.poll() is None
        try:
            on_bus = application() is not None
        except Exception as bus_error:  # the bus itself does not answer
            on_bus = f"unknown ({bus_error})"
        print(f"Orca and the program start afresh: {error} (the program running: {alive}, on the bus: {on_bus})",
              flush=True)
        if program and program.poll() is None:
            program.kill()
            program.wait()
        orca.stop()
        return None, None


def main():
    started = time.monotonic()
    # On a busy machine Orca now and then never comes up, or hears nothing of a program on the bus: it
    # starts afresh, with the program, up to three times.
    orca = program = None
    for attempt in (1, 2, 3):
        orca, program = start(sys.argv[1], sys.argv[2], attempt)
        if orca is not None:
            break
    if orca is None:
        print("through Orca: failed, Orca never heard the program", flush=True)
        return 1
    try:
        pupil = Pupil(orca)
        check(pupil.hear(rf"^{shown('Tesmora')} frame", "the splash's name", 0, 60), "the splash is named")
        pupil.hear(rf"^{shown('Obraćanje učeniku')} read only text", "the introduction", 0, 60)
        read_from_the_ends(pupil, shown("Obraćanje učeniku"))
        for tag in range(21):
            if tag in REFUSED_AT:
                napred(pupil, expect_refusal=True)
            steps = ANSWERS.get(tag, [])
            for text_name in dict.fromkeys(s[1] for s in steps if s[0] == "pick"):
                pick(pupil, text_name, [s[2] for s in steps if s[0] == "pick" and s[1] == text_name],
                     stray="je" if tag == 1 else None, stray_first=STRAY_FIRST.get(tag))
            for step in steps:
                if step[0] != "pick":
                    answer(pupil, step)
            _, mark = napred(pupil, first=tag == 0)
            if tag < 20:
                heading = pupil.hear(rf"{HEADING}|^{shown('Paznja')}", f"the heading after tag {tag}", mark)
                if not re.search(HEADING, heading):
                    report_refusal(application(), tag)
                    raise AssertionError(f"the right answers of tag {tag} were refused: {heading!r}")
                print(f"tag {tag + 1}: {heading}", flush=True)
                # The focus is on the step's explanation, if the panel has one.
                pupil.orca.settle()
                if any(u.startswith(shown("Objašnjenje") + " read only text") for u in pupil.orca.since(mark)):
                    read_from_the_ends(pupil, f"{shown('Objašnjenje')} of tag {tag + 1}")
        # The results screen comes up read out whole: its title, the congratulation, each step's time and
        # the total.
        window = shown("Tesmora") + " dialog "
        title = window + shown("Svi zadaci su uspešno rešeni Čestitamo, ")
        results = pupil.hear(rf"^{re.escape(window)}|^{shown('Paznja')}", "the results screen", mark, 60)
        if not results.startswith(window):
            report_refusal(application(), 20)
            raise AssertionError(f"the right answers of tag 20 were refused: {results!r}")
        times = r" ".join(rf"{shown('Korak')} {step}: \d\d:\d\d:\d\d" for step in range(1, 11))
        whole = results.startswith(title) and re.search(
            times + rf" {shown('Ukupno vreme')}: \d\d:\d\d:\d\d\.?$", results)
        check(whole, f"the results screen reads every step's time and the total: {results!r}")
        print("the results screen:", results, flush=True)
        pupil.tab_to("Izlaz")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        check(program.wait(timeout=60) == 0, f"Izlaz ends the program with {program.returncode}")
    except AssertionError as error:
        check(False, str(error))
    finally:
        if program and program.poll() is None:
            program.kill()
        orca.stop()
    print(f"the walk took {time.monotonic() - started:.0f} s", flush=True)
    print("through Orca:", "failed" if failures else "the course is finished", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
