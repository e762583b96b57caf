# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""What Orca itself says, with its own speech server on a silent sound device, as a blind user
goes through the decoders or the encoders and the calculator by the keyboard."""

import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time


class Orca48(str):
    """What only Orca 48 says on "where am I" in a list: the choice's position, and the choice the
    list last announced, which it reads back as the list's description."""


# What Orca says, key by key, written down from what each screen shows. None: not checked (Orca may skip a
# focus that a quick next key moves on, so a step checks what its last key brings).
# The menu's welcome comes with the button that has the focus as the menu opens or comes back.
WELCOME = "welcome to Ohmara version 3.1, to begin click one of these buttons..."
MENU = lambda button: ["Ohmara V3.1.", button + " {button}.", WELCOME]
FOUR_BAND = "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."
# The chart as flat review reads it, line by line, top to bottom.
CHART = [
    "four-band example: yellow body, bands brown, black, red, gold 1 Kilo ohm (1000 ohms)",
    "Colour digit 1 digit 2 digit 3 Multiplier",
    "tolerence",
    "black 0 0 x1",
    "brown 1 1 1 x10 1% tol.",
    "red 2 2 2 x100 2% tol",
    "orange 3 3 3 x1000",
    "yellow 4 4 4 x10000",
    "green 5 5 5 x100000",
    "blue 6 6 6 x1000000",
    "purple 7 7 7",
    "grey 8 8 8",
    "white 9 9 9",
    "gold x0.1 5% tol.",
    "silver x0.01 10% tol",
    "no band 20% tol",
    "five-band example: dark blue body, bands brown, black, black, brown, brown 1 Kilo ohm (1000 ohms)",
]
DECODERS = [
    ("x", MENU("colour code list(s)")),
    ("Tab", ["4 band Colour code to value {button}."]),
    ("Return", ["Colour Code to Value.", "band 1 combo box."]),
    ("Down", ["brown. 1."]),
    ("Down", ["red. 2."]),
    ("Down", ["orange. 3."]),
    ("Down", ["yellow. 4."]),
    ("Tab", ["band 2 combo box.", "4."]),
    ("type purple", ["purple. 47."]),
    ("Tab", ["band 3 combo box.", "47."]),
    ("r", ["red. 4.7 kilo ohms."]),
    ("Tab", ["band 4 / tolerance combo box.", "4.7 kilo ohms."]),
    ("type gold", ["gold. " + FOUR_BAND]),
    ("KP_Enter", ["band 4 / tolerance combo box.", "gold.", Orca48("4 of 4. gold."), FOUR_BAND]),
    ("shift+Tab", ["band 3 combo box.", "red.", FOUR_BAND]),
    ("Tab Tab", None),
    ("space", MENU("4 band Colour code to value")),
    ("shift+Tab", ["colour code list(s) {button}."]),
    ("Return", ["Colour Codes list.", "back to main screen {button}."]),
    # Flat review's next line (the keypad's 9) down the chart, and its previous line (7) back up;
    # last, for the screen reader stays in flat review.
    *[("KP_Prior", [line]) for line in CHART],
    *[("KP_Home", [line]) for line in reversed(CHART[:-1])],
]
ENCODERS = [
    ("x", MENU("colour code list(s)")),
    ("Tab", None),
    ("Tab", ["4 band Value to Colour code {button}."]),
    ("Return", ["Value to Colours.", "decimal point in front combo box."]),
    ("Tab", ["1st digit combo box."]),
    ("4", ["4. 4: Yellow."]),
    ("Tab Tab", None),
    ("7", ["7. 47: Yellow, Purple."]),
    ("Tab Down Down", None),
    ("Down", [" Kohm. 47 Kohm: Yellow, Purple, Orange."]),
    ("0", ["0 Kohm. 470 Kohm: Yellow, Purple, Yellow."]),
    ("Tab Down", None),
    ("5", ["5%. 470 Kohm 5%: Yellow, Purple, Yellow, Gold; minimum 446.5 Kohm, maximum 493.5 Kohm."]),
    ("Down", ["10%. 470 Kohm 10%: Yellow, Purple, Yellow, Silver; minimum 423 Kohm, maximum 517 Kohm."]),
    ("Tab", None),
    ("space", MENU("4 band Value to Colour code")),
    ("Tab", ["resistor/capacitor calculator {button}."]),
    ("Return", ["Resistor/Capacitor Calculator.", "series resistors {button}."]),
    ("Tab Tab Tab Tab ctrl+a 4 period 7 Tab ctrl+a 1 0 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab", None),
    ("space", ["14.7."]),
]


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\[?\{'")
# The test's own Orca settings: no echo of the keys it presses, no position in a list; the rest as
# Orca comes. Orca 43 and 48 read them from a settings file, Orca 51 from GSettings (its default
# profile), here in the test's own dconf database.
OFF = "enableKeyEcho enableEchoByCharacter enableEchoByWord enableEchoBySentence enablePositionSpeaking"
QUIET = dict.fromkeys(OFF.split(), False)
PROFILE = ["Default", "default"]
ORCA_SETTINGS = {
    "general": dict(QUIET, startingProfile=PROFILE),
    "profiles": {"default": dict(QUIET, profile=PROFILE)},
    "pronunciations": {},
    "keybindings": {},
}
ORCA_GSETTINGS = [
    ("TypingEcho", "typing-echo", "key-echo character-echo word-echo sentence-echo"),
    ("Speech", "speech", "speak-position-in-set"),
]


def words(utterances):
    """What a listener hears, word by word: the punctuation each Orca version adds or leaves out
    is no word."""
    return [w.strip(".,;:") for line in utterances for w in line.split() if w.strip(".,;:")]


def heard_as_expected(said, expected):
    """The words heard are the words expected, in each release's own role names, with or without
    what only Orca 48 tells."""
    from gi.repository import Atspi

    name = getattr(Atspi, "role_get_localized_name", Atspi.role_get_name)  # at-spi2-core 2.46 has no localized one
    roles = {"button": name(Atspi.Role.PUSH_BUTTON)}
    expected = [line.format(**roles) if not isinstance(line, Orca48) else line for line in expected]
    variants = [expected, [line for line in expected if not isinstance(line, Orca48)]]
    return words(said) in [words(variant) for variant in variants]


def own_pid_namespace(*command):
    """Orca will not start while it sees another Orca of the same user: in a PID namespace and a
    /proc of its own (kept by a mount point of its own, as a chroot's / may be none) it sees none."""
    user = [] if os.geteuid() == 0 else ["--user", "--map-current-user"]
    own_proc = "mount --make-rprivate /proc 2>/dev/null || mount --make-rprivate /; mount -t proc proc /proc"
    namespaces = "--pid --fork --kill-child --mount --propagation unchanged".split()
    return ["unshare", *user, *namespaces, "--", "sh", "-c", own_proc + ' && exec "$@"', "sh", *command]


def speech_server(h, home):
    """A speech-dispatcher of this test's, speaking espeak-ng to no sound card."""
    os.makedirs(home + "/speechd")
    os.symlink("/etc/speech-dispatcher/modules", home + "/speechd/modules")
    with open(home + "/speechd/speechd.conf", "w") as conf:
        conf.write(
            'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule espeak-ng\n'
            'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
        )
    env = dict(os.environ, HOME=home, SPEECHD_ADDRESS="unix_socket:%s/speechd.sock" % home)
    socket = ["-c", "unix_socket", "-S", home + "/speechd.sock", "-C", home + "/speechd", "-L", home]
    h.start("speech-dispatcher", "-s", "-t", "0", *socket, env=env)
    return env


def listen(master, said):
    """What Orca's debug log says it speaks, line by line. OHMARA_ORCA_LOG=FILE keeps the whole
    log, to see why it said what it said."""
    keep = open(os.environ["OHMARA_ORCA_LOG"], "ab") if os.environ.get("OHMARA_ORCA_LOG") else None
    rest = b""
    while chunk := os.read(master, 65536):
        if keep:
            keep.write(chunk)
        *lines, rest = (rest + chunk).split(b"\n")
        said.extend(m.group(1) for m in map(SPOKEN.search, map(bytes.decode, lines)) if m)


def orca_started(h, home, env, said):
    import pty
    import tty

    # A terminal for Orca's debug log: Python writes it line by line there, not in blocks as to a file.
    master, log = pty.openpty()
    tty.setraw(log)
    threading.Thread(target=listen, args=(master, said), daemon=True).start()
    h.accessibility_on()
    command = own_pid_namespace("orca", "--debug-file", os.ttyname(log))
    if "--user-prefs" in subprocess.run(["orca", "--help"], capture_output=True, text=True).stdout:
        os.makedirs(home + "/orca")
        with open(home + "/orca/user-settings.conf", "w") as conf:
            json.dump(ORCA_SETTINGS, conf)
        command += ["-u", home + "/orca"]
    else:
        for schema, path, keys in ORCA_GSETTINGS:
            where = "org.gnome.Orca.%s:/org/gnome/orca/default/%s/" % (schema, path)
            for key in keys.split():
                subprocess.run(["gsettings", "set", where, key, "false"], check=True)
    errors = tempfile.TemporaryFile()
    orca = h.start(*command, env=env, stderr=errors)
    speaks = h.wait(lambda: "Screen reader on." in said or orca.poll() is not None, 30)
    if speaks and orca.poll() is None:
        return True
    errors.seek(0)
    why = errors.read().decode(errors="replace").strip().splitlines()[-3:]
    how = "ended with %s" % orca.returncode if orca.poll() is not None else "said nothing in 30 s"
    h.check(False, "Orca speaks: it %s %s" % (how, why))
    return False


def quiet(said, started):
    """All a step's keys bring is spoken before the next step listens: Orca quiet for 1.5 s."""
    quiet_since, count = time.time(), len(said)
    while time.time() - quiet_since < 1.5 and time.time() - started < 8:
        time.sleep(0.05)
        if len(said) != count:
            quiet_since, count = time.time(), len(said)


def run(h, steps):
    home = tempfile.mkdtemp()
    try:
        said = []
        if not orca_started(h, home, speech_server(h, home), said):
            return
        h.start(h.program)
        h.splash_has_keyboard(h.splash())
        for keys, expected in steps:
            del said[:]
            started = time.time()
            if keys.startswith("type "):
                h.xdotool("type", "--delay", "150", keys[5:])
            else:
                h.xdotool("key", "--delay", "100", *keys.split())
            if expected is None:
                quiet(said, started)
                continue
            h.wait(lambda: heard_as_expected(said, expected), 8)
            h.wait(lambda: False, 0.6)
            h.check(heard_as_expected(said, expected), "%s: Orca says %s" % (keys, said))
    finally:
        shutil.rmtree(home, ignore_errors=True)
