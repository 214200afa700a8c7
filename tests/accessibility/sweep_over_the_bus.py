#!/usr/bin/python3
"""Every text of every window on the accessibility bus answers every text call at once and sanely.

The course is walked through the bus as course_through_atspi.py walks it. On every panel, at every refusal,
on the results screen and on About, each text object of the program's windows (the hidden ones too, each
text once) is asked for every boundary and granularity at offsets that include -1, 0, 1, each line's
start and end, the length and past it, and the extremes of a 32-bit offset; for its characters, extents,
offsets at points, caret, attribute runs and selections; and to take hostile edits. Every answer comes
within a second and stays within the text: pieces lie in [0, length] and hold the offset asked for, the
lines cover the whole text one after another, a read-only text refuses every edit and is left as it was.

Usage: sweep_over_the_bus.py PROGRAM   (on a display, with an accessibility bus)
"""
import sys
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

import course_through_atspi as walk

# A call that does not answer is seen as slow rather than cut short.
Atspi.set_timeout(30000, 30000)

INT_MIN, INT_MAX = -2**31, 2**31 - 1
BOUNDARIES = range(7)      # char, word start/end, sentence start/end, line start/end
GRANULARITIES = range(5)   # char, word, sentence, line, paragraph
LINE_START = 5
SLOW = 1.0                 # seconds any one call may take
swept = set()
calls = 0
slowest = (0.0, "")


def timed(what, call, *arguments):
    """The answer to one call; a slow answer stops the walk, an error reply fails the sweep."""
    global calls, slowest
    calls += 1
    start = time.monotonic()
    try:
        answer = call(*arguments)
    except Exception as error:
        answer = error
        walk.check(False, f"{what}{arguments}: {error}")
    took = time.monotonic() - start
    slowest = max(slowest, (took, f"{what}{arguments}"))
    if took >= SLOW:
        raise AssertionError(f"{what}{arguments} took {took:.1f} s")
    return answer


def span(answer):
    """(text, start, end) of a pyatspi or Atspi answer."""
    if isinstance(answer, Atspi.TextRange):
        return answer.content, answer.start_offset, answer.end_offset
    return tuple(answer)


def offsets_of(text, length):
    places = {-1, 0, 1, length - 1, length, length + 1, INT_MIN, INT_MAX}
    line = span(timed("line", text.getTextAtOffset, 0, LINE_START))
    while isinstance(line, tuple) and line[2] < length:
        places.update({line[1], line[2]})
        following = span(timed("line", text.getTextAtOffset, line[2], LINE_START))
        if following[1] != line[2] or following[2] <= line[2]:
            break
        line = following
    places.update(range(0, length, max(1, length // 8)))
    return sorted(places)


def check_piece(name, answer, whole, offset, at):
    if isinstance(answer, Exception):
        walk.check(False, f"{name} at {offset}: {answer}")
        return None
    content, start, end = span(answer)
    length = len(whole)
    walk.check(0 <= start <= end <= length, f"{name} at {offset}: [{start}, {end}) outside [0, {length}]")
    walk.check(content == whole[start:end], f"{name} at {offset}: {content!r} is not the text there")
    if at and 0 <= offset < length:
        walk.check(start <= offset < end, f"{name} at {offset}: [{start}, {end}) does not hold it")
    return start, end


def check_lines(accessible, text, whole):
    """The lines follow one another from the start to the end."""
    place, seen = 0, 0
    while place < len(whole) and seen <= len(whole):
        _, start, end = span(timed("line", text.getTextAtOffset, place, LINE_START))
        walk.check(start == place and end > place, f"{accessible.name!r}: the line at {place} is [{start}, {end})")
        if end <= place:
            return
        place, seen = end, seen + 1


def check_edits(accessible, text, whole):
    try:
        editable = accessible.queryEditableText()
    except NotImplementedError:
        return
    state = accessible.getState()
    takes_edits = state.contains(Atspi.StateType.EDITABLE) and not state.contains(Atspi.StateType.READ_ONLY)
    edits = [("setTextContents", "x"), ("insertText", 0, "x", 1), ("insertText", INT_MIN, "x", INT_MAX),
             ("deleteText", INT_MIN, INT_MAX), ("cutText", INT_MIN, -1), ("cutText", 0, INT_MIN),
             ("pasteText", INT_MAX), ("deleteText", 0, INT_MIN)]
    for name, *arguments in edits:
        done = timed(name, getattr(editable, name), *arguments)
        if not takes_edits:
            walk.check(done is False, f"{accessible.name!r}: {name}{tuple(arguments)} answered {done!r}")
    timed("copyText", editable.copyText, INT_MIN, INT_MAX)
    if takes_edits:
        timed("setTextContents", editable.setTextContents, whole)
    now = timed("getText", text.getText, 0, -1)
    walk.check(now == whole, f"{accessible.name!r} was {whole!r} and is {now!r} after the edits")


def sweep_text(accessible):
    text = accessible.queryText()
    whole = timed("getText", text.getText, 0, -1)
    length = timed("characterCount", lambda: text.characterCount)
    if not isinstance(whole, str) or not isinstance(length, int):
        walk.check(False, f"{accessible.name!r}: no text ({whole!r}, {length!r})")
        return
    walk.check(len(whole) == length, f"{accessible.name!r}: {length} characters, text of {len(whole)}")
    for first, last in [(INT_MIN, 5), (INT_MIN, INT_MAX), (-1, -1), (5, 2), (INT_MAX, INT_MIN), (0, INT_MAX)]:
        part = timed("getText", text.getText, first, last)
        walk.check(isinstance(part, str) and part in whole, f"{accessible.name!r}: getText{first, last} = {part!r}")
    check_lines(accessible, text, whole)
    for offset in offsets_of(text, length):
        for boundary in BOUNDARIES:
            at = check_piece(f"{accessible.name!r} boundary {boundary}",
                             timed("at", text.getTextAtOffset, offset, boundary), whole, offset, True)
            before = check_piece(f"{accessible.name!r} before, boundary {boundary}",
                                 timed("before", text.getTextBeforeOffset, offset, boundary), whole, offset, False)
            after = check_piece(f"{accessible.name!r} after, boundary {boundary}",
                                timed("after", text.getTextAfterOffset, offset, boundary), whole, offset, False)
            if at and before and after:
                walk.check(before[1] <= at[0] and at[1] <= after[0] or after == (length, length),
                           f"{accessible.name!r} boundary {boundary} at {offset}: {before} {at} {after} out of order")
        for granularity in GRANULARITIES:
            check_piece(f"{accessible.name!r} granularity {granularity}",
                        timed("string", Atspi.Text.get_string_at_offset, accessible, offset,
                              Atspi.TextGranularity(granularity)), whole, offset, True)
        character = timed("character", text.getCharacterAtOffset, offset)
        expected = ord(whole[offset]) if 0 <= offset < length else 0
        walk.check(character == expected, f"{accessible.name!r}: character at {offset} is {character!r}")
        for coordinates in (0, 1, 2):
            extents = timed("characterExtents", text.getCharacterExtents, offset, coordinates)
            walk.check(not isinstance(extents, Exception) and extents[2] >= 0 and extents[3] >= 0,
                       f"{accessible.name!r}: extents at {offset}: {extents}")
        run = timed("attributeRun", text.getAttributeRun, offset, False)
        walk.check(not isinstance(run, Exception) and 0 <= run[1] <= run[2] <= length,
                   f"{accessible.name!r}: attribute run at {offset}: {run}")
    for first, last in [(0, INT_MAX), (INT_MIN, INT_MAX), (0, -1), (INT_MAX, 0), (0, length)]:
        extents = timed("rangeExtents", text.getRangeExtents, first, last, 0)
        walk.check(not isinstance(extents, Exception) and extents[2] >= 0,
                   f"{accessible.name!r}: range extents {first, last}: {extents}")
    for x, y in [(INT_MAX, INT_MAX), (INT_MIN, INT_MIN), (0, 0), (INT_MAX, 0)]:
        for coordinates in (0, 1, 2):
            place = timed("offsetAtPoint", text.getOffsetAtPoint, x, y, coordinates)
            walk.check(isinstance(place, int) and -1 <= place <= length,
                       f"{accessible.name!r}: offset at {x, y}: {place!r}")
    caret = timed("caret", lambda: text.caretOffset)
    for place in (INT_MIN, -1, INT_MAX, caret):
        timed("setCaretOffset", text.setCaretOffset, place)
        now = timed("caret", lambda: text.caretOffset)
        walk.check(isinstance(now, int) and 0 <= now <= length, f"{accessible.name!r}: caret {now!r} after {place}")
    for call, arguments in [("getNSelections", ()), ("getSelection", (0,)), ("getSelection", (INT_MIN,)),
                            ("addSelection", (INT_MIN, INT_MAX)), ("setSelection", (INT_MAX, 0, 1)),
                            ("removeSelection", (0,)), ("removeSelection", (INT_MIN,))]:
        timed(call, getattr(text, call), *arguments)
    check_edits(accessible, text, whole)


def texts(accessible):
    """Every object with a text below this one, shown or not (the outline's nodes are not texts)."""
    for child in accessible:
        if child is None:
            continue
        try:
            if "Text" in child.get_interfaces():
                yield child
            if child.getRole() not in (walk.TREE, walk.LIST, walk.TABLE):
                yield from texts(child)
        except Exception as error:
            walk.check(False, f"a child of {accessible.name!r} cannot be read: {error}")


def results_again(app):
    # About's objects leave the bus while it closes: one asked for then is no longer there.
    try:
        return walk.named(walk.front(app), "Izlaz")
    except Exception:
        return None


def visit(app, where):
    start = time.monotonic()
    count = 0
    for window in app:
        if window is None:
            continue
        for accessible in texts(window):
            # A read-only text is swept again when it shows another text; an answer box once.
            editable = accessible.getState().contains(Atspi.StateType.EDITABLE)
            key = accessible.path if editable else (accessible.path, accessible.queryText().getText(0, -1))
            if key not in swept:
                swept.add(key)
                count += 1
                sweep_text(accessible)
    print(f"{where}: {count} texts swept in {time.monotonic() - start:.1f} s", flush=True)
    if where == "the results screen":
        results = walk.front(app)
        walk.act(walk.named(results, "O programu", role=walk.PUSH_BUTTON), "Press")
        about = walk.wait_for(lambda: walk.named(walk.front(app), "O programu", role=walk.TEXT) and walk.front(app),
                              "About")
        visit(app, "About")
        walk.act(walk.named(about, "OK", role=walk.PUSH_BUTTON), "Press")
        walk.wait_for(lambda: results_again(app), "the results screen again")


if __name__ == "__main__":
    status = walk.main(visit)
    print(f"the sweep: {len(swept)} texts, {calls} calls, the slowest {slowest[1]} in {slowest[0]:.3f} s",
          flush=True)
    sys.exit(status)
