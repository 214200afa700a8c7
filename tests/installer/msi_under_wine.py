#!/usr/bin/env python3
"""The Windows Installer package as school IT deploys it, under Wine in a prefix of its own: installed
silently for the whole machine (msiexec /i … /qn), the course in Program Files and in the Start menu, each
Start menu entry starting the installed program in its script, and an uninstall (msiexec /x … /qn) that
leaves nothing of it behind.

Usage: msi_under_wine.py MSI EXE      (in a desktop of its own: tools/with-window-manager.sh)
EXE is the tesmora.exe the package was made from.
"""
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import time

TOOLS = pathlib.Path(__file__).resolve().parents[2] / "tools"
failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def wine(prefix, *arguments, locale="sr_RS.UTF-8@latin", wait=True):
    environment = dict(os.environ, WINEPREFIX=str(prefix), LC_ALL=locale)
    command = ["bash", str(TOOLS / "wine.sh"), *arguments]
    if wait:
        return subprocess.run(command, env=environment, timeout=300).returncode
    return subprocess.Popen(command, env=environment)


def windows_path(unix):
    return "Z:" + str(unix).replace("/", "\\")


def shortcut(path):
    """The target and the arguments of a shell link (MS-SHLLINK): its link info's local path, and its
    string data."""
    data = path.read_bytes()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & 0x01:  # HasLinkTargetIDList
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    target = None
    if flags & 0x02:  # HasLinkInfo
        size, header = struct.unpack_from("<II", data, offset)
        local_base = struct.unpack_from("<I", data, offset + 16)[0]
        if header >= 0x24:
            start = end = offset + struct.unpack_from("<I", data, offset + 28)[0]
            while data[end:end + 2] != b"\0\0":
                end += 2
            target = data[start:end].decode("utf-16-le")
        else:
            end = data.index(b"\0", offset + local_base)
            target = data[offset + local_base:end].decode("latin-1")
        offset += size
    unicode = bool(flags & 0x80)
    strings = {}
    for flag, name in ((0x04, "name"), (0x08, "relative"), (0x10, "directory"), (0x20, "arguments"),
                       (0x40, "icon")):
        if flags & flag:
            count = struct.unpack_from("<H", data, offset)[0]
            offset += 2
            width = 2 if unicode else 1
            raw = data[offset:offset + count * width]
            strings[name] = raw.decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
            offset += count * width
    return target, strings.get("arguments", "")


def visible_windows():
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "tesmora"],
                         capture_output=True, text=True).stdout.split()
    windows = []
    for window in ids:
        name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], capture_output=True,
                                  text=True).stdout
        width = int(dict(line.split("=") for line in geometry.split())["WIDTH"]) if geometry else 0
        windows.append((name.strip(), width))
    return windows


def main_screen_caption(prefix, exe, arguments, locale):
    """The caption of the main lesson screen of the program started as the shortcut starts it: the
    first window wider than the splash."""
    course = wine(prefix, exe, *arguments, locale=locale, wait=False)
    caption = None
    deadline = time.monotonic() + 40
    while caption is None and time.monotonic() < deadline:
        wide = [name for name, width in visible_windows() if width > 600]
        caption = wide[0] if wide else None
        time.sleep(0.25)
    subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=str(prefix)))
    course.wait(timeout=30)
    return caption


def everything(prefix):
    """Every file of the prefix's drive C, and every line of its registry, that names the course."""
    files = {p.relative_to(prefix) for p in (prefix / "drive_c").rglob("*") if "tesmora" in str(p).lower()}
    lines = set()
    for hive in prefix.glob("*.reg"):
        lines |= {line for line in hive.read_text(errors="replace").splitlines() if "tesmora" in line.lower()}
    return files, lines


def main():
    msi, exe = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2]).resolve()
    prefix = msi.parent.parent / "wine-installer"
    shutil.rmtree(prefix, ignore_errors=True)
    wine(prefix, "cmd", "/c", "exit")
    subprocess.run(["wineserver", "--wait"], env=dict(os.environ, WINEPREFIX=str(prefix)))
    check(everything(prefix) == (set(), set()), "a fresh prefix holds nothing of the course")

    properties = subprocess.run(["msiinfo", "export", str(msi), "Property"], capture_output=True,
                                text=True).stdout
    check("ALLUSERS\t1" in properties, "the package installs for the whole machine (ALLUSERS=1)")
    check(wine(prefix, "msiexec", "/i", windows_path(msi), "/qn") == 0, "msiexec /i … /qn succeeds")
    subprocess.run(["wineserver", "--wait"], env=dict(os.environ, WINEPREFIX=str(prefix)))
    installed = prefix / "drive_c" / "Program Files" / "Tesmora"
    check(sorted(p.name for p in installed.glob("*")) == ["LICENSE.txt", "README.txt", "tesmora.exe"],
          "Program Files\\Tesmora holds the program, the licence and the README")
    check((installed / "tesmora.exe").read_bytes() == exe.read_bytes(), "the installed program is the one built")

    # Windows puts a machine's entries in the Start menu of all users; Wine puts them in the user's.
    menus = list((prefix / "drive_c").rglob("Start Menu/Programs/Tesmora"))
    check(len(menus) == 1, f"one Start menu folder Tesmora ({', '.join(str(m) for m in menus)})")
    entries = {p.name: shortcut(p) for p in menus[0].glob("*.lnk")} if menus else {}
    expected = {
        "Tesmora.lnk": "",
        "Тесмора (ћирилица).lnk": "--cyrillic",
        "Tesmora (latinica).lnk": "--latin",
        "Tesmora (visok kontrast).lnk": "--high-contrast",
    }
    check(sorted(entries) == sorted(expected),
          f"its entries are {', '.join(sorted(expected))} (they are {', '.join(sorted(entries))})")
    target = "C:\\Program Files\\Tesmora\\tesmora.exe"
    for name, arguments in expected.items():
        if name in entries:
            check(entries[name] == (target, arguments),
                  f"{name} starts {target} {arguments} (it starts {' '.join(entries[name])})".rstrip())

    # Each entry started in a Latin and in a Cyrillic Windows: the course in the script it promises.
    program = installed / "tesmora.exe"
    runs = [
        ("", "sr_RS.UTF-8@latin", "Tesmora"),
        ("", "sr_RS.UTF-8@cyrillic", "Тесмора"),
        ("--cyrillic", "sr_RS.UTF-8@latin", "Тесмора"),
        ("--latin", "sr_RS.UTF-8@cyrillic", "Tesmora"),
    ]
    for arguments, locale, caption in runs:
        shown = main_screen_caption(prefix, program, [arguments] if arguments else [], locale)
        check(shown == caption, f"tesmora.exe {arguments} in {locale} shows \"{caption}\" (shows \"{shown}\")")

    check(wine(prefix, "msiexec", "/x", windows_path(msi), "/qn") == 0, "msiexec /x … /qn succeeds")
    subprocess.run(["wineserver", "--wait"], env=dict(os.environ, WINEPREFIX=str(prefix)))
    files, lines = everything(prefix)
    check(not files, "no file of the course is left: " + ", ".join(sorted(map(str, files))))
    check(not lines, "no registry entry of the course is left: " + "; ".join(sorted(lines)))
    check(not menus or not menus[0].exists(), "the Start menu folder is gone")
    subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=str(prefix)))
    if failures:
        print(f"{len(failures)} checks failed", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
