"""Orca, the desktop's screen reader, started for a test, and what it speaks.

Orca runs with its settings and speech in a home of their own: speech-dispatcher speaks through espeak-ng
into ALSA's null device (there is no sound card), and Orca writes its debug log to a terminal whose other
end this module reads, so that every line arrives as Orca writes it. Orca runs in a process namespace of
its own, since it refuses to start beside another Orca of the same user.
"""
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
import tty

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\{.*\})?\s*$", re.DOTALL)
# Where Orca moves its focus, as the program tells it: "ORCA: Changing locusOfFocus from ... to
# [text | Name]. Notify: True" (Orca 43), "FOCUS MANAGER: Changing locus of focus from ... to
# [text: 'Name']. Notify: True" (Orca 48).
LOCUS = re.compile(r"Changing locus ?[oO]f ?[fF]ocus from .*? to \[(?P<role>[^|:\]]*?)"
                   r"(?: \| (?P<orca43>.*)|: '(?P<orca48>.*)')\]\. Notify")


class Orca:
    def __init__(self, log_path, attempt=1):
        self.home = tempfile.mkdtemp(prefix="tesmora-orca-")
        runtime = os.path.join(self.home, "run")
        config = os.path.join(self.home, "config")
        os.makedirs(runtime, mode=0o700)
        shutil.copytree("/etc/speech-dispatcher", os.path.join(config, "speech-dispatcher"))
        with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "a") as conf:
            conf.write('\nAudioOutputMethod "alsa"\nDefaultModule espeak-ng\nDefaultLanguage "sr"\n')
        asound = os.path.join(self.home, "asound.conf")
        with open(asound, "w") as conf:
            conf.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        self.environment = dict(os.environ, HOME=self.home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=config,
                                XDG_DATA_HOME=os.path.join(self.home, "data"),
                                XDG_CACHE_HOME=os.path.join(self.home, "cache"), ALSA_CONFIG_PATH=asound,
                                GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1")
        self.lines = []
        self.foci = []  # (role, name) of each control Orca's focus moved to
        self.last_line_at = time.monotonic()
        self.spoken = []
        self.utterance = None  # the lines of an utterance read so far
        self.lock = threading.Condition()
        self.log = open(log_path, "w" if attempt == 1 else "a")  # every attempt's log is kept
        self.log.write(f"== Orca, attempt {attempt}\n")
        master, self.slave = os.openpty()
        tty.setraw(self.slave)
        self.master = master
        prefs = os.path.join(self.home, "orca")
        os.makedirs(prefs)
        self.process = subprocess.Popen(
            ["unshare", "--pid", "--fork", "--kill-child", "--mount-proc", "orca", "--user-prefs", prefs,
             "--debug-file", os.ttyname(self.slave)],
            env=self.environment, stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self.lock:
                self.last_line_at = time.monotonic()
                for raw in complete:
                    line = raw.decode("utf-8", "replace")
                    self.log.write(line + "\n")
                    self.lines.append(line)
                    moved = LOCUS.search(line)
                    if moved:
                        self.foci.append((moved["role"], moved["orca43"] or moved["orca48"] or ""))
                    # An utterance that holds a line break goes on over the next lines of the log.
                    if self.utterance is not None:
                        self.utterance += "\n" + line.lstrip()
                    elif "SPEECH OUTPUT: '" in line:
                        self.utterance = line
                    found = SPOKEN.search(self.utterance) if self.utterance is not None else None
                    if found:
                        self.spoken.append(found.group(1))
                    if found or (self.utterance is not None and self.utterance.count("\n") > 20):
                        self.utterance = None
                self.log.flush()
                self.lock.notify_all()

    def mark(self):
        """Where what Orca speaks from now on begins."""
        with self.lock:
            return len(self.spoken)

    def since(self, mark):
        with self.lock:
            return self.spoken[mark:]

    def wait_for(self, probe, what, mark=0, timeout=30.0):
        """Waits until probe(list of utterances since mark) is true; returns its value."""
        end = time.monotonic() + timeout
        with self.lock:
            while True:
                value = probe(self.spoken[mark:])
                if value:
                    return value
                left = end - time.monotonic()
                if left <= 0:
                    raise AssertionError(f"Orca did not say {what}; it said {self.spoken[mark:][-12:]}")
                self.lock.wait(left)

    def settle(self, quiet=0.3, timeout=10.0):
        """Waits until Orca has written nothing for `quiet` seconds: it has said all it had to say."""
        end = time.monotonic() + timeout
        with self.lock:
            while time.monotonic() < end:
                left = self.last_line_at + quiet - time.monotonic()
                if left <= 0:
                    return
                self.lock.wait(left)

    def focus_mark(self):
        with self.lock:
            return len(self.foci)

    def focus(self):
        """(role, name) of the control Orca's focus is on, or None."""
        with self.lock:
            return self.foci[-1] if self.foci else None

    def wait_focus_moved(self, mark, what, timeout=30.0):
        """Waits until Orca's focus has moved since mark."""
        end = time.monotonic() + timeout
        with self.lock:
            while len(self.foci) <= mark:
                left = end - time.monotonic()
                if left <= 0:
                    raise AssertionError(f"Orca's focus did not move: {what}")
                self.lock.wait(left)

    def line_mark(self):
        with self.lock:
            return len(self.lines)

    def wait_line(self, pattern, what, timeout=60.0, mark=0):
        end = time.monotonic() + timeout
        with self.lock:
            while not any(re.search(pattern, line) for line in self.lines[mark:]):
                left = end - time.monotonic()
                if left <= 0:
                    raise AssertionError(f"Orca's log has no {what}")
                self.lock.wait(left)

    def first(self, patterns, mark=0):
        """Which of the patterns Orca's log has first since mark (its index), or None."""
        with self.lock:
            for line in self.lines[mark:]:
                for index, pattern in enumerate(patterns):
                    if re.search(pattern, line):
                        return index
        return None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        os.close(self.slave)
        self.reader.join(timeout=5)
        os.close(self.master)
        self.log.close()
        shutil.rmtree(self.home, ignore_errors=True)
