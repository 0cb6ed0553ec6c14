#!/usr/bin/env python3
"""Damaged installs: every picture, every sound and the font in turn made
missing, truncated, garbage, empty, a directory, unreadable, or given a
hostile header, then the real game started on that data with --data.

A bad picture or font must give one line on stderr naming the file and exit
code 1; a bad sound one warning naming it, and the game plays on to the end
of a short replay (exit code 0). The assist layer's pictures and sounds are
read only with --assist: then a bad one is one warning naming it and the game
plays on; without it, a missing one changes nothing at all. Never a signal, never a hang, and never an
allocation of gigabytes: the game runs under a 512 MB address-space limit.

    damaged_install_test.py <executable> <build-folder>

Prints the matrix of files and faults with each outcome.
"""
import os
import re
import resource
import shutil
import struct
import subprocess
import sys
import tempfile

FONT = "Souvenir Bold Italic.ttf"
SOUNDS = ["ufo-sound.wav", "drop.wav", "crunko-piece.wav", "quillo-theme.wav"]
ASSIST = "assist-"
ADDRESS_SPACE = 512 * 1024 * 1024
# Title, S, and the first turns of the ship's arrival with its sound.
REPLAY = "quillo-zoruri replay 1 seed 1\n" + "t P=-\n" * 2 + "t D=115 P=115\n" + "t P=-\n" * 4
NOBODY = 65534


def put(path, offset, data):
    with open(path, "r+b") as f:
        f.seek(offset)
        f.write(data)


def wav_data_chunk(path):
    """Offset of the data chunk's length field."""
    with open(path, "rb") as f:
        riff = f.read()
    at = 12
    while at + 8 <= len(riff):
        name, length = riff[at:at + 4], struct.unpack_from("<I", riff, at + 4)[0]
        if name == b"data":
            return at + 4
        at += 8 + length + (length & 1)
    raise ValueError(f"{path} has no data chunk")


def damage(path, fault):
    """Applies one fault to one file. Returns False when it does not apply."""
    size = os.path.getsize(path)
    if fault == "missing":
        os.remove(path)
    elif fault == "truncated":
        os.truncate(path, size // 2)
    elif fault == "garbage":
        with open(path, "wb") as f:
            f.write(bytes((i * 131 + 17) % 256 for i in range(size)))
    elif fault == "empty":
        os.truncate(path, 0)
    elif fault == "directory":
        os.remove(path)
        os.mkdir(path)
    elif fault == "unreadable":
        os.chmod(path, 0)
    elif fault == "bit-count-288" and path.endswith(".bmp"):
        put(path, 28, struct.pack("<H", 288))
    elif fault == "rate-400MHz" and path.endswith(".wav"):
        put(path, 24, struct.pack("<I", 400_000_000))
    elif fault == "chunk-2GB" and path.endswith(".wav"):
        put(path, wav_data_chunk(path), struct.pack("<I", 0x80000000))
    elif fault == "table-count-65535" and path.endswith(".ttf"):
        put(path, 4, struct.pack(">H", 65535))
    else:
        return False
    return True


def run_game(copy, replay, as_nobody, options=()):
    def limit():
        resource.setrlimit(resource.RLIMIT_AS, (ADDRESS_SPACE, ADDRESS_SPACE))
        if as_nobody:
            os.setgroups([])
            os.setgid(NOBODY)
            os.setuid(NOBODY)

    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    try:
        done = subprocess.run([os.path.join(copy, "quillo-zoruri"), "--data", copy,
                               "--replay", replay, *options], env=env, cwd=copy, preexec_fn=limit,
                              capture_output=True, text=True, timeout=20)
    except subprocess.TimeoutExpired:
        return None, ""
    return done.returncode, done.stderr


def end_replay(copy, replay):
    """Gives the replay its end line, with the digest the undamaged game reaches."""
    turns = len(REPLAY.splitlines()) - 1
    with open(replay, "a") as f:
        f.write(f"end {turns} {'0' * 16}\n")
    status, stderr = run_game(copy, replay, False)
    found = re.search(r"\(digest ([0-9a-f]{16}),", stderr)
    if status != 3 or not found:
        sys.exit(f"the undamaged game did not play the replay through: {status} {stderr!r}")
    with open(replay, "w") as f:
        f.write(REPLAY + f"end {turns} {found.group(1)}\n")


def judge(name, status, stderr):
    """The outcome in a word or two, and what is wrong with it (empty if nothing)."""
    lines = stderr.splitlines()
    if status is None:
        return "hang", "no end within 20 s"
    if status < 0:
        return f"signal {-status}", "killed by a signal"
    base = os.path.basename(name)
    if name in SOUNDS or base.startswith(ASSIST):
        if status != 0:
            return f"exit {status}", "a bad sound must not stop the game"
        if len(lines) != 1 or "warning" not in lines[0] or base not in lines[0]:
            return "plays", f"stderr is not one warning naming {base}: {stderr!r}"
        return "warned", ""
    if status != 1:
        return f"exit {status}", "a bad picture or font must give exit code 1"
    if len(lines) != 1 or base not in lines[0]:
        return "refused", f"stderr is not one line naming {base}: {stderr!r}"
    return "refused", ""


def main():
    executable, build = sys.argv[1], sys.argv[2]
    faults = ["missing", "truncated", "garbage", "empty", "directory", "unreadable",
              "bit-count-288", "rate-400MHz", "chunk-2GB", "table-count-65535"]
    # As root, permissions do not stop a read: the unreadable case runs as
    # nobody, on a copy everyone may read.
    root = os.geteuid() == 0
    work = tempfile.mkdtemp(prefix="quillo-damaged.")
    try:
        os.chmod(work, 0o755)
        copy = os.path.join(work, "copy")
        os.mkdir(copy)
        shutil.copytree(os.path.join(build, "graphics"), os.path.join(copy, "graphics"))
        assist_sounds = sorted(f for f in os.listdir(build)
                               if f.startswith(ASSIST) and f.endswith(".wav"))
        for name in SOUNDS + assist_sounds + [FONT]:
            shutil.copy(os.path.join(build, name), copy)
        shutil.copy(executable, os.path.join(copy, "quillo-zoruri"))
        replay = os.path.join(work, "short.replay")
        with open(replay, "w") as f:
            f.write(REPLAY)
        end_replay(copy, replay)
        for path, folders, files in os.walk(work):
            for entry in folders + files:
                os.chmod(os.path.join(path, entry), 0o755)

        pictures = sorted("graphics/" + f for f in os.listdir(os.path.join(copy, "graphics")))
        problems = []
        runs = 0
        print(f"{'file':34} " + " ".join(f"{f[:12]:12}" for f in faults))
        for name in pictures + SOUNDS + assist_sounds + [FONT]:
            path = os.path.join(copy, name)
            kept = os.path.join(work, "kept")
            shutil.copy2(path, kept)
            row = []
            helping = os.path.basename(name).startswith(ASSIST)
            if helping:
                os.remove(path)
                runs += 1
                status, stderr = run_game(copy, replay, False)
                if status != 0 or stderr:
                    problems.append(f"{name}, missing without --assist: {status} {stderr!r}")
                shutil.copy2(kept, path)
            for fault in faults:
                if not damage(path, fault):
                    row.append("-")
                    continue
                runs += 1
                outcome, wrong = judge(name, *run_game(copy, replay, fault == "unreadable"
                                                       and root, ["--assist"] if helping else []))
                row.append(outcome if not wrong else "FAIL " + outcome)
                if wrong:
                    problems.append(f"{name}, {fault}: {wrong}")
                if os.path.isdir(path):
                    os.rmdir(path)
                elif os.path.exists(path):
                    os.remove(path)
                shutil.copy2(kept, path)
            print(f"{name:34} " + " ".join(f"{r[:12]:12}" for r in row))
        print(f"{runs} runs, {len(problems)} wrong")
        for problem in problems:
            print("FAIL: " + problem, file=sys.stderr)
        return 1 if problems else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
