"""What Orca said, read from its debug output, for the screen reader tests."""
import re
import sys
import time


class Orca:
    def __init__(self, debug_file):
        self.debug_file = debug_file

    def spoken(self):
        """What Orca said, one entry per utterance; an utterance may span lines."""
        try:
            with open(self.debug_file, encoding="utf-8", errors="replace") as f:
                entries = re.split(r"\n(?=\d\d:\d\d:\d\d\.\d+ - )", f.read())
        except FileNotFoundError:
            return []
        return [" ".join(entry.split()) for entry in entries if "SPEECH OUTPUT" in entry]

    def wait_until(self, condition, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            result = condition()
            if result:
                return result
            time.sleep(0.1)
        print("Orca said last:", *[line.strip()[:160] for line in self.spoken()[-8:]], sep="\n  ")
        sys.exit(f"FAIL: {what}")

    def hears(self, words, since, seconds=10, what=None):
        """Waits until Orca says `words` after utterance number `since`."""
        return self.wait_until(lambda: [l for l in self.spoken()[since:] if words in l], seconds,
                               what or f"Orca did not say {words!r}")
