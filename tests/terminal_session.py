#!/usr/bin/env python3
"""Runs the built lotto on a pseudo-terminal, as a user at a terminal runs it, and checks
what only a terminal shows: colours decided by standard output, the reset on Ctrl-C, a
closed pipe reported. With --windows it runs lotto.exe under Wine's console instead.

Usage: terminal_session.py [--windows] [--emulator WINE] LOTTO
"""
import argparse
import fcntl
import os
import pty
import re
import select
import signal
import struct
import subprocess
import sys
import termios
import time

PROMPT = "실행하실 메뉴를 선택하세요: ".encode()
RESET = b"\x1b[0m"
CLEAR = b"\x1b[H\x1b[2J\x1b[3J"
failures = []


def check(condition, what, output=b""):
    if not condition:
        failures.append(what)
        print(f"FAILED: {what}\n  output: {output[-600:]!r}", file=sys.stderr)


class Session:
    """The program with a pseudo-terminal as its controlling terminal; stdin and stdout
    are the terminal or a pipe as asked."""

    def __init__(self, argv, stdin_pipe=False, stdout_pipe=False, env=None):
        self.master, slave = pty.openpty()
        fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 200, 120, 0, 0))

        def own_terminal():
            os.setsid()
            fcntl.ioctl(slave, termios.TIOCSCTTY, 0)

        self.process = subprocess.Popen(
            argv,
            stdin=subprocess.PIPE if stdin_pipe else slave,
            stdout=subprocess.PIPE if stdout_pipe else slave,
            stderr=slave,
            preexec_fn=own_terminal,
            # None unsets a variable; an empty value stays, as NO_COLOR="" must.
            env={name: value for name, value in dict(os.environ, **(env or {})).items()
                 if value is not None},
        )
        os.close(slave)
        self.shown = b""

    def read_until(self, wanted, count=1, timeout=30):
        """Reads the terminal until `wanted` has appeared `count` times in all."""
        deadline = time.monotonic() + timeout
        while self.shown.count(wanted) < count and time.monotonic() < deadline:
            ready, _, _ = select.select([self.master], [], [], 0.2)
            if ready:
                try:
                    self.shown += os.read(self.master, 65536)
                except OSError:
                    break
        return self.shown.count(wanted) >= count

    def wait_for_raw_mode(self, timeout=30):
        """Wine's console reads keys in raw mode; keys typed before it switches would be
        cooked by the line discipline."""
        deadline = time.monotonic() + timeout
        while termios.tcgetattr(self.master)[3] & termios.ICANON:
            if time.monotonic() > deadline:
                return False
            select.select([], [], [], 0.05)
        return True

    def type(self, keys):
        if self.process.stdin is not None and keys and keys[0] not in (3, 28, 26):
            self.process.stdin.write(keys)
            self.process.stdin.flush()
        else:
            os.write(self.master, keys)

    def finish(self, timeout=30):
        if self.process.stdin is not None:
            self.process.stdin.close()
        stdout = self.process.stdout.read() if self.process.stdout else b""
        status = self.process.wait(timeout=timeout)
        self.read_until(b"\0", timeout=0.5)  # whatever is left on the terminal
        os.close(self.master)
        return status, stdout


def posix_checks(lotto):
    # A whole dialogue at a terminal: coloured cells, the terminal's colours at the end.
    s = Session([lotto])
    check(s.read_until(PROMPT), "the first menu appears", s.shown)
    s.type(b"2\n")
    check(s.read_until(PROMPT, 2), "the prediction screen appears", s.shown)
    s.type(b"1\n")
    status, _ = s.finish()
    check(status == 0, f"status 0 after choice 1, not {status}")
    check(b"\x1b[30;103m" in s.shown or b"\x1b[97;104m" in s.shown, "cells in colour", s.shown)
    check(s.shown.endswith(RESET), "the last bytes reset the colours", s.shown)

    # Ctrl-C and Ctrl-\\ at the prompt: a fresh line, the terminal's colours, then the
    # signal's own end.
    for key, number in ((b"\x03", signal.SIGINT), (b"\x1c", signal.SIGQUIT)):
        s = Session([lotto])
        s.read_until(PROMPT)
        s.type(key)
        status, _ = s.finish()
        check(status == -number, f"{key!r} ends by signal {number}, not status {status}")
        check(s.shown.endswith(b"\n" + RESET), f"{key!r} resets the colours", s.shown)

    # NO_COLOR: no colour, but the screen is still cleared. TERM dumb or unset: no escape
    # sequence at all.
    for env, clears in (({"NO_COLOR": "1"}, True), ({"TERM": "dumb"}, False), ({"TERM": None}, False)):
        s = Session([lotto], env=env)
        s.read_until(PROMPT)
        s.type(b"2\n")
        s.read_until(PROMPT, 2)
        s.type(b"\x03")
        s.finish()
        text = s.shown.replace(CLEAR, b"") if clears else s.shown
        check((CLEAR in s.shown) == clears and b"\x1b" not in text, f"escapes with {env}", s.shown)
    s = Session([lotto], env={"NO_COLOR": ""})
    s.read_until(PROMPT)
    s.type(b"2\n1\n")
    s.finish()
    check(b"\x1b[30;103m" in s.shown or b"\x1b[97;104m" in s.shown, "colour with empty NO_COLOR")

    # Colour follows standard output, whatever standard input is.
    s = Session([lotto], stdin_pipe=True)
    s.read_until(PROMPT)
    s.type(b"2\n1\n")
    status, _ = s.finish()
    check(status == 0 and b"\x1b[" in s.shown, "colour with input from a pipe", s.shown)
    s = Session([lotto], stdout_pipe=True)
    s.type(b"2\n1\n")
    status, stdout = s.finish()
    check(status == 0 and b"\x1b" not in stdout and PROMPT in stdout,
          "no escape into a pipe from a terminal", stdout)

    # A pipe closed by its reader is a write error, reported, not a silent death.
    reader, writer = os.pipe()
    os.close(reader)
    process = subprocess.run([lotto], input=b"2\n" * 1000, stdout=writer, stderr=subprocess.PIPE)
    os.close(writer)
    check(process.returncode == 1 and
          process.stderr == b"lotto: cannot write to standard output: Broken pipe\n",
          f"closed pipe: status {process.returncode}, {process.stderr!r}")


def job_control_checks(lotto):
    # Ctrl-Z in a shell with job control, then fg: the shell's messages have pushed the
    # question away, so the program asks it again.
    s = Session(["bash", "--norc", "--noprofile", "-i"], env={"PS1": "$ ", "HISTFILE": ""})
    s.read_until(b"$ ")
    s.type(lotto.encode() + b"\n")
    check(s.read_until(PROMPT), "the menu appears under bash", s.shown)
    s.type(b"2\n")
    check(s.read_until(PROMPT, 2), "a prediction in colour under bash", s.shown)
    before = len(s.shown)
    s.type(b"\x1a")
    check(s.read_until(b"$ ", 2), "Ctrl-Z gives the shell back", s.shown)
    check(RESET in s.shown[before:], "Ctrl-Z gives the shell its colours back", s.shown[before:])
    s.type(b"fg\n")
    check(s.read_until(PROMPT, 3), "fg shows the question again", s.shown)
    s.type(b"1\n")
    check(s.read_until(b"$ ", 3), "the program ends after fg", s.shown)
    s.type(b"exit\n")
    s.finish()


def unreadable_input_checks(lotto):
    # Input that cannot be read is an error; input that ends is not.
    directory = os.open("/", os.O_RDONLY)
    for name, command, stdin in (("closed", ["sh", "-c", f"exec '{lotto}' <&-"], None),
                                 ("a directory", [lotto], directory)):
        process = subprocess.run(command, stdin=stdin, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE)
        check(process.returncode == 1 and
              process.stderr.startswith(b"lotto: cannot read standard input: ") and
              process.stderr.count(b"\n") == 1,
              f"input {name}: status {process.returncode}, {process.stderr!r}")
    os.close(directory)
    process = subprocess.run([lotto], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
    check(process.returncode == 0, "the end of input is no error")


def windows_checks(lotto, emulator):
    # Wine draws its console on the terminal: the text arrives through WriteConsoleW in
    # chunks that must not split a double-byte character, colours as attribute calls.
    # Wine draws the prompt's last blank as a cursor move.
    prompt = PROMPT.rstrip()
    s = Session([emulator, lotto], env={"WINEDEBUG": "-all"})
    check(s.read_until(prompt, timeout=60), "the first menu appears under Wine", s.shown)
    check(s.wait_for_raw_mode(), "Wine's console takes the terminal")
    s.type(b"2\r")
    check(s.read_until(prompt, 2), "the prediction screen appears under Wine", s.shown)
    s.type(b"3\r")
    check(s.read_until("2번 돌아가기".encode()), "the detail screen appears under Wine", s.shown)
    s.type(b"1\r")
    status, _ = s.finish()
    check(status == 0, f"status 0 under Wine, not {status}")
    text = re.sub(r"\x1b\[[0-9;?]*[A-Za-z]", "", s.shown.decode("utf-8", errors="replace"))
    for line, count in (("(홀수 : 짝수) = ", 5), ("공 색 구간별 비율 = ", 5), ("숫자 총합 =", 5),
                        ("미출현 숫자 ", 5), ("번째 set", 5), ("총점: ", 5)):
        check(text.count(line) == count, f"{count} times '{line}' under Wine", s.shown)
    check("\ufffd" not in text and "?" not in text, "no broken character under Wine", s.shown)
    check(b"\x1b[30m\x1b[103m" in s.shown or b"\x1b[97m\x1b[104m" in s.shown,
          "cells in colour under Wine", s.shown)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("--emulator", default="/usr/lib/wine/wine64")
    parser.add_argument("lotto")
    arguments = parser.parse_args()
    if arguments.windows:
        windows_checks(arguments.lotto, arguments.emulator)
    else:
        posix_checks(arguments.lotto)
        job_control_checks(arguments.lotto)
        unreadable_input_checks(arguments.lotto)
    print(f"terminal_session: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
