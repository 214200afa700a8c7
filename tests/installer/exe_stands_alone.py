#!/usr/bin/env python3
"""tesmora.exe as it goes to a school: a windowed program (no console window) that needs no DLL but
Windows' own, every DLL it imports being one a Windows system folder holds (Wine's, here); with the
course's icon at every size Windows shows, its version and licence in its properties, and a manifest.

Usage: exe_stands_alone.py EXE VERSION SYSTEM32   (SYSTEM32: a Windows system folder, such as a Wine
prefix's drive_c/windows/system32)
"""
import pathlib
import re
import subprocess
import sys

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)


def main():
    exe, version, system32 = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
    headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(exe)], capture_output=True, text=True,
                             check=True).stdout
    check(re.search(r"^Subsystem\s+00000002\s+\(Windows GUI\)", headers, re.M) is not None,
          "a windowed program (the Windows GUI subsystem)")
    imported = sorted(set(re.findall(r"DLL Name: (\S+)", headers)))
    check(len(imported) > 5, f"its imports are read ({len(imported)})")
    system = {p.name.lower() for p in system32.iterdir()}
    foreign = [dll for dll in imported if dll.lower() not in system and not dll.lower().startswith("api-ms-win-")]
    check(not foreign, f"every DLL it imports is Windows' own: {', '.join(foreign) or 'so'}")
    check(not any(re.match(r"(?i)(qt6|libstdc|libgcc|libwinpthread)", dll) for dll in imported),
          "no DLL of Qt or of the compiler's runtime is imported")

    resources = subprocess.run(["wrestool", "--list", str(exe)], capture_output=True, text=True, check=True).stdout
    icons = re.findall(r"--type=3 ", resources)
    check("--type=14 --name='IDI_ICON1'" in resources, "the course's icon is the program's first (IDI_ICON1)")
    group = subprocess.run(["wrestool", "--extract", "--raw", "--type=14", "--name=IDI_ICON1", str(exe)],
                           capture_output=True, check=True).stdout
    count = int.from_bytes(group[4:6], "little")
    sizes = sorted((group[6 + 14 * i] or 256) for i in range(count))
    check(sizes == [16, 20, 24, 32, 40, 48, 64, 256] and len(icons) == count,
          f"the icon is drawn at 16 to 256 px: {sizes}")
    raw = subprocess.run(["wrestool", "--extract", "--raw", "--type=16", str(exe)], capture_output=True,
                         check=True).stdout.decode("utf-16-le", errors="replace")
    for key, value in [("ProductName", "Tesmora"), ("ProductVersion", version), ("FileVersion", version),
                       ("OriginalFilename", "tesmora.exe")]:
        check(re.search(key + r"\W+" + re.escape(value), raw) is not None, f"its properties name {key} {value}")
    check("GPL-3.0-or-later" in raw, "its properties name the licence")
    check("--type=24 --name=1 " in resources, "it carries a manifest")
    if failures:
        print(f"{len(failures)} checks failed", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
