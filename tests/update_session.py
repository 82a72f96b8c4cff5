#!/usr/bin/env python3
"""Runs the built lotto-stats --update against results sources of its own on this machine's
loopback: a plain HTTP server serving made-up rounds in the mirror's schema and every fault a
source can have, and an HTTPS server with a throwaway self-signed certificate, which must be
refused. Each case starts from fresh copies of the shipped draws and prizes and says what
the files must be after: grown, or untouched to the byte and the modification time.

Usage: update_session.py [--emulator WINE] LOTTO_STATS DATA_FOLDER
"""
import argparse
import http.server
import json
import os
import re
import shutil
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

failures = []


def check(condition, what, detail=""):
    if not condition:
        failures.append(what)
        print(f"FAILED: {what}\n{detail}", file=sys.stderr)


# Made-up rounds after the shipped 1230, drawn a week apart from 2026-07-04.
def round_json(number, numbers, bonus, date, divisions, sales=None):
    result = {"draw_no": number, "numbers": numbers, "bonus_no": bonus,
              "date": f"{date}T00:00:00Z", "divisions": divisions, "winners_combination": {}}
    if sales is not None:
        result["total_sales_amount"] = sales
    return json.dumps(result).encode()


PAID = [{"prize": 2000000000, "winners": 10}, {"prize": 50000000, "winners": 70},
        {"prize": 1500000, "winners": 3000}, {"prize": 50000, "winners": 150000},
        {"prize": 5000, "winners": 2500000}]
ROUND_1231 = dict(number=1231, numbers=[1, 9, 13, 24, 30, 41], bonus=7, date="2026-07-04")
ROUND_1232 = dict(number=1232, numbers=[2, 10, 14, 25, 31, 42], bonus=8, date="2026-07-11")
FINAL_1231 = round_json(**ROUND_1231, divisions=PAID, sales=118000000000)
NUMBERS_1231 = round_json(**ROUND_1231, divisions=[{}, {}, {}, {}, {}])
FINAL_1232 = round_json(**ROUND_1232, divisions=PAID, sales=117000000000)
NUMBERS_1232 = round_json(**ROUND_1232, divisions=[{}, {}, {}, {}, {}])
PRIZES_1231 = "1231,2000000000,10,50000000,70,1500000,3000,50000,150000,5000,2500000,118000000000"
PRIZES_1232 = "1232,2000000000,10,50000000,70,1500000,3000,50000,150000,5000,2500000,117000000000"
# Moments on a Korean clock: round 1231's draw evening, the next week, round 1232's evening.
DRAW_EVENING_1231 = 1783162800  # 2026-07-04 20:00 in Korea
WEEK_AFTER_1231 = 1783422000    # 2026-07-07 20:00
DAY_AFTER_1232 = 1784199600     # 2026-07-12 20:00


class Source(http.server.ThreadingHTTPServer):
    """Answers /N.json from `rounds`: bytes, or (status, headers, body), or 'hang', or
    ('slow', seconds, answer): the answer after a wait, or ('trickle', body): the body a byte
    every tenth of a second."""
    daemon_threads = True
    rounds = {}
    hanging = threading.Event()


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.server.requests.append((self.path, self.headers.get("User-Agent", "")))
        answer = self.server.rounds.get(self.path)
        if answer == "hang":
            self.server.hanging.wait(20)
            return
        if isinstance(answer, tuple) and answer[0] == "slow":
            self.server.hanging.wait(answer[1])
            answer = answer[2]
        if isinstance(answer, tuple) and answer[0] == "trickle":
            self.send_response(200)
            self.send_header("Content-Length", str(len(answer[1])))
            self.end_headers()
            try:
                for byte in answer[1]:
                    self.wfile.write(bytes([byte]))
                    self.wfile.flush()
                    if self.server.hanging.wait(0.1):
                        return
            except OSError:
                pass  # the client gave up, as it should
            return
        if answer is None:
            answer = (404, {"Content-Type": "text/html"}, b"<html><body>404 Not Found</body></html>")
        elif isinstance(answer, bytes):
            answer = (200, {"Content-Type": "application/json"}, answer)
        status, headers, body = answer
        try:
            self.send_response(status)
            for name, value in headers.items():
                self.send_header(name, value)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        except OSError:
            pass  # a client that gave up, past its deadline or a body too long

    def log_message(self, *arguments):
        pass


def start(server):
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    return server


class Run:
    """One run of lotto-stats in a folder of fresh week files."""

    def __init__(self, options, folder, source, arguments, now, extra_env=None):
        env = dict(os.environ, LOTTO_NOW=str(now), LC_ALL="C", **(extra_env or {}))
        files = ["--draws", os.path.join(folder, "draws.csv"),
                 "--prizes", os.path.join(folder, "prizes.csv")]
        command = options.emulator + [options.lotto_stats] + files + (
            ["--source", source] if source else []) + arguments
        done = subprocess.run(command, capture_output=True, env=env, timeout=120)
        self.status = done.returncode
        self.out = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
        self.err = done.stderr.decode("utf-8", "replace").replace("\r\n", "\n")

    def __str__(self):
        return f"status {self.status}\n--- stdout\n{self.out}--- stderr\n{self.err}"


def fresh_folder(options):
    folder = tempfile.mkdtemp(prefix="lotto-update-")
    for name in ("draws.csv", "prizes.csv"):
        shutil.copyfile(os.path.join(options.data, name), os.path.join(folder, name))
        # An old modification time, so that a rewrite of the same bytes would show.
        os.utime(os.path.join(folder, name), (1_000_000_000, 1_000_000_000))
    return folder


def snapshot(folder):
    return {name: (open(os.path.join(folder, name), "rb").read(),
                   os.stat(os.path.join(folder, name)).st_mtime_ns)
            for name in sorted(os.listdir(folder))}


def last_line(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8") as file:
        return file.read().splitlines()[-1]


def staged_publishing(options, server, source):
    """The mirror's stages: the numbers first, the prizes later, then nothing new."""
    folder = fresh_folder(options)
    server.rounds = {"/1231.json": NUMBERS_1231}
    run = Run(options, folder, source, ["--update"], DRAW_EVENING_1231)
    check(run.status == 0 and run.out == (
        f"Round 1231 added to {folder}/draws.csv.\n"
        "Round 1231: prizes not published yet.\nUp to date through round 1231.\n"),
        "the first stage adds the draw and waits for the prizes", str(run))
    check(last_line(folder, "draws.csv") == "1231,2026-07-04,1,9,13,24,30,41,7",
          "the draw is written as --add-draw writes it", last_line(folder, "draws.csv"))
    check(last_line(folder, "prizes.csv").startswith("1230,"), "no prizes before they are final")
    server.rounds = {"/1231.json": FINAL_1231, "/1232.json": NUMBERS_1232}
    run = Run(options, folder, source, ["--update"], WEEK_AFTER_1231 + 4 * 86400)
    check(run.status == 0 and run.out == (
        f"Round 1231's prizes added to {folder}/prizes.csv.\n"
        f"Round 1232 added to {folder}/draws.csv.\n"
        "Round 1232: prizes not published yet.\nUp to date through round 1232.\n"),
        "a later update fills the prizes and adds the next draw", str(run))
    check(last_line(folder, "prizes.csv") == PRIZES_1231, "the prizes row as the file writes it",
          last_line(folder, "prizes.csv"))
    server.rounds = {"/1231.json": FINAL_1231, "/1232.json": FINAL_1232}
    run = Run(options, folder, source, ["--update"], DAY_AFTER_1232)
    check(run.status == 0 and run.out == (
        f"Round 1232's prizes added to {folder}/prizes.csv.\nUp to date through round 1232.\n"),
        "the last stage adds the prizes alone", str(run))
    before = snapshot(folder)
    run = Run(options, folder, source, ["--update"], DAY_AFTER_1232)
    check(run.status == 0 and run.out == "Up to date through round 1232.\n"
          and snapshot(folder) == before, "up to date: nothing written", str(run))
    check(all(agent.startswith("lotto/") for _, agent in server.requests),
          "every request names lotto", repr(server.requests[:3]))
    shutil.rmtree(folder)


def prizes_in_order(options, server, source):
    """While a round's prizes are pending, a later round's wait, even when published."""
    folder = fresh_folder(options)
    server.rounds = {"/1231.json": NUMBERS_1231, "/1232.json": FINAL_1232}
    run = Run(options, folder, source, ["--update"], DAY_AFTER_1232)
    check(run.status == 0 and "Round 1231: prizes not published yet.\n" in run.out
          and last_line(folder, "prizes.csv").startswith("1230,")
          and last_line(folder, "draws.csv").startswith("1232,"),
          "round 1232's prizes wait for round 1231's", str(run))
    shutil.rmtree(folder)


def empty_divisions(options, server, source):
    """{} is 'nobody won' once the draw's day is over in Korea, 'not yet' on the day."""
    nobody_first = round_json(**ROUND_1231, divisions=[{}] + PAID[1:], sales=118000000000)
    for now, pending in ((DRAW_EVENING_1231, True), (DRAW_EVENING_1231 + 4 * 3600, False)):
        folder = fresh_folder(options)
        server.rounds = {"/1231.json": nobody_first}
        run = Run(options, folder, source, ["--update"], now)
        check(run.status == 0 and ("prizes not published yet" in run.out) == pending,
              f"an empty division {'on' if pending else 'after'} the draw's day", str(run))
        if not pending:
            check(last_line(folder, "prizes.csv").startswith("1231,0,0,50000000,70,"),
                  "nobody won the 1st prize", last_line(folder, "prizes.csv"))
        shutil.rmtree(folder)


def incomplete_record(options, server, source):
    """An empty 5th division is a record not complete: waited for while its week lasts, then
    named (status 1), its prizes never stored as nobody won; later draws still come in."""
    empty_fifth = round_json(**ROUND_1231, divisions=PAID[:4] + [{}], sales=118000000000)
    folder = fresh_folder(options)
    server.rounds = {"/1231.json": empty_fifth}
    run = Run(options, folder, source, ["--update"], WEEK_AFTER_1231)
    check(run.status == 0 and "Round 1231: prizes not published yet.\n" in run.out
          and last_line(folder, "prizes.csv").startswith("1230,"),
          "an empty 5th division waits while its week lasts", str(run))
    server.rounds = {"/1231.json": empty_fifth, "/1232.json": FINAL_1232}
    run = Run(options, folder, source, ["--update"], DAY_AFTER_1232)
    check(run.status == 1 and run.err == (
        "lotto-stats: round 1231: the source's record of its prizes is incomplete (no 4th or 5th "
        "prize winners, which every round has had); its prizes are not stored\n")
          and "not published yet" not in run.out
          and last_line(folder, "draws.csv").startswith("1232,")
          and last_line(folder, "prizes.csv").startswith("1230,"),
          "still incomplete once the next round is drawn: named, the later draw added", str(run))
    shutil.rmtree(folder)


def faults(options, server, source, refused_port):
    """Every fault stops the run at its round, says why with the source's words shown
    safely, and leaves the files untouched; what was added before stays."""
    oversize = b'{"draw_no":1231,"pad":"' + b"x" * 70000 + b'"}'
    cases = [
        ("HTML where JSON was expected", {"/1231.json": (200, {}, b"<html><body>Oops</body></html>")},
         source, "not the results as JSON \\(Invalid value. at byte 0\\): '<html><body>Oops</body></html>'"),
        ("a cut body", {"/1231.json": FINAL_1231[:50]}, source, "not the results as JSON"),
        ("an answer nested too deep", {"/1231.json": b"[" * 65536}, source,
         "not the results as JSON \\(nested more than 8 deep at byte 9\\)"),
        ("a number 46", {"/1231.json": FINAL_1231.replace(b"41]", b"46]")}, source,
         "\"numbers\" holds something other than a number from 1 to 45"),
        ("a repeated number", {"/1231.json": FINAL_1231.replace(b"41]", b"30]")}, source,
         "\"numbers\" holds a number twice"),
        ("the wrong round", {"/1231.json": FINAL_1232}, source,
         "the results of round 1232, not of round 1231"),
        ("a date out of order", {"/1231.json": FINAL_1231.replace(b"2026-07-04", b"2026-06-20")},
         source, "the date is not after round 1230's, 2026-06-27"),
        ("a body over the limit", {"/1231.json": oversize}, source, "longer than 65536 bytes"),
        ("an HTTP error", {"/1231.json": (500, {}, b"Internal error")}, source,
         "the source answered with HTTP status 500"),
        ("a redirect to another scheme",
         {"/1231.json": (302, {"Location": "https://127.0.0.1:1/1231.json"}, b"")}, source,
         "a redirect to 'https://127.0.0.1:1/1231.json', which is not followed"),
        ("a redirect to plain HTTP elsewhere",
         {"/1231.json": (302, {"Location": "http://lotto.invalid/1231.json"}, b"")}, source,
         "a redirect to 'http://lotto.invalid/1231.json', which is not followed"),
        ("four redirects", {f"/{step}": (302, {"Location": f"/{step + 1}"}, b"") for step in range(3)}
         | {"/1231.json": (302, {"Location": "/0"}, b""), "/3": FINAL_1231}, source,
         "more than three redirects"),
        ("a server that never answers", {"/1231.json": "hang"}, source,
         "no whole answer within 2 seconds"),
        ("a server that trickles", {"/1231.json": ("trickle", FINAL_1231)}, source,
         "no whole answer within 2 seconds"),
        ("a slow chain of redirects", {f"/{step}": ("slow", 0.8, (302, {"Location": f"/{step + 1}"}, b""))
                                       for step in range(3)}
         | {"/1231.json": (302, {"Location": "/0"}, b""), "/3": FINAL_1231}, source,
         "no whole answer within 2 seconds"),
        ("a redirect without a Location", {"/1231.json": (302, {}, b"")}, source,
         "the source answered with HTTP status 302"),
        ("a refused connection", {}, f"http://127.0.0.1:{refused_port}/{{round}}.json", "no answer"),
        ("prizes that do not hold together",
         {"/1231.json": round_json(**ROUND_1231, divisions=[PAID[1], PAID[0]] + PAID[2:], sales=1)},
         source, "round 1231: the 1st prize \\(50000000 won\\) does not pay more than the 2nd"),
    ]
    for what, rounds, used, reason in cases:
        folder = fresh_folder(options)
        server.rounds = rounds
        before = snapshot(folder)
        run = Run(options, folder, used, ["--update"], WEEK_AFTER_1231, {"LOTTO_FETCH_TIMEOUT": "2"})
        after = snapshot(folder)
        holds_together = what == "prizes that do not hold together"
        check(run.status == 1 and re.search(f"^lotto-stats: round 1231 from '[^']*': .*{reason}", run.err,
                                            re.M) is not None,
              f"{what}: the run stops and says why", str(run))
        if holds_together:
            # The draw is in; the prizes are refused.
            check(after["prizes.csv"] == before["prizes.csv"]
                  and last_line(folder, "draws.csv").startswith("1231,"),
                  f"{what}: the draw added, the prizes refused", str(run))
        else:
            check(after == before, f"{what}: the files untouched", str(run))
        shutil.rmtree(folder)
    server.hanging.set()
    # Three redirects are followed, a relative Location resolved against the request's link.
    folder = fresh_folder(options)
    server.rounds = {"/1231.json": (302, {"Location": "/0"}, b""), "/0": (301, {"Location": "/1"}, b""),
                     "/1": (307, {"Location": "r/../x/./2"}, b""), "/x/2": FINAL_1231}
    run = Run(options, folder, source, ["--update"], WEEK_AFTER_1231)
    check(run.status == 0 and last_line(folder, "draws.csv").startswith("1231,"),
          "three redirects are followed", str(run))
    shutil.rmtree(folder)


def disagreements(options, server, source):
    """A round the files hold must be the source's: a typed draw is never replaced."""
    folder = fresh_folder(options)
    with open(os.path.join(folder, "draws.csv"), "a", encoding="utf-8") as draws:
        draws.write("1231,2026-07-04,1,2,3,4,5,6,7\n")
    os.utime(os.path.join(folder, "draws.csv"), (1_000_000_000, 1_000_000_000))
    server.rounds = {"/1231.json": FINAL_1231}
    before = snapshot(folder)
    run = Run(options, folder, source, ["--update"], WEEK_AFTER_1231)
    check(run.status == 1 and run.err == (
        "lotto-stats: round 1231: the source gives 1 9 13 24 30 41 + 7 (2026-07-04), but "
        f"{folder}/draws.csv:1232 holds 1 2 3 4 5 6 + 7 (2026-07-04); the history is kept as it is\n")
        and snapshot(folder) == before, "a typed draw the source contradicts is kept", str(run))
    shutil.rmtree(folder)
    folder = fresh_folder(options)
    with open(os.path.join(folder, "prizes.csv"), "a", encoding="utf-8") as prizes:
        prizes.write(PRIZES_1231.replace(",10,", ",11,", 1) + "\n")
    before = snapshot(folder)["prizes.csv"]
    run = Run(options, folder, source, ["--update"], WEEK_AFTER_1231)
    check(run.status == 1 and "round 1231: the source's prizes differ from" in run.err
          and "prizes.csv:1232" in run.err and snapshot(folder)["prizes.csv"] == before,
          "a prizes row the source contradicts is kept", str(run))
    shutil.rmtree(folder)


def without_bonus_numbers(options, server, source):
    """A history kept without the bonus column: each round added in its shape, a held round
    agreeing with the source by its numbers and date, the prizes as usual."""
    folder = fresh_folder(options)
    path = os.path.join(folder, "draws.csv")
    with open(path, encoding="utf-8") as file:
        lines = [line.rsplit(",", 1)[0] for line in file.read().splitlines()]
    with open(path, "w", encoding="utf-8") as file:
        file.write("\n".join(lines) + "\n")
    server.rounds = {"/1231.json": NUMBERS_1231}
    run = Run(options, folder, source, ["--update"], DRAW_EVENING_1231)
    check(run.status == 0 and last_line(folder, "draws.csv") == "1231,2026-07-04,1,9,13,24,30,41",
          "a history without bonuses: the round added without one", str(run))
    # Round 1231 is asked again for its prizes: the draw held agrees with the source's.
    server.rounds = {"/1231.json": FINAL_1231, "/1232.json": FINAL_1232}
    run = Run(options, folder, source, ["--update"], DAY_AFTER_1232)
    check(run.status == 0 and run.err == ""
          and last_line(folder, "draws.csv") == "1232,2026-07-11,2,10,14,25,31,42"
          and last_line(folder, "prizes.csv") == PRIZES_1232,
          "a history without bonuses: a held round agrees with the source, its prizes as usual",
          str(run))
    shutil.rmtree(folder)


def usage_errors(options):
    """A source that cannot be one is refused before any connection."""
    folder = fresh_folder(options)
    for source, problem in (("http://lotto.invalid/{round}.json", "plain HTTP is only for this machine"),
                            ("https://lotto.invalid/latest.json", "has no {round}"),
                            ("ftp://127.0.0.1/{round}", "must begin with https://")):
        run = Run(options, folder, source, ["--update"], WEEK_AFTER_1231)
        check(run.status == 2 and problem in run.err and run.out == "",
              f"--source {source}: a usage error", str(run))
    for arguments in (["--source", "https://lotto.invalid/{round}", "--check"], ["--update", "--add-draw", "x"],
                      ["--update", "--csv"]):
        run = Run(options, folder, None, arguments, WEEK_AFTER_1231)
        check(run.status == 2, f"{' '.join(arguments)}: a usage error", str(run))
    shutil.rmtree(folder)


def with_tickets(options, server, source):
    """--tickets: the added round's games; --check: every game, also after a stop; --csv
    puts the games on standard output and the messages on standard error."""
    folder = fresh_folder(options)
    tickets = os.path.join(folder, "tickets.csv")
    with open(tickets, "w", encoding="utf-8") as file:
        file.write("round,n1,n2,n3,n4,n5,n6\n1230,3,8,9,22,28,42\n1231,1,7,9,13,24,30\n")
    server.rounds = {"/1231.json": FINAL_1231}
    run = Run(options, folder, source, ["--tickets", tickets, "--update", "--check"], WEEK_AFTER_1231)
    check(run.status == 0 and "\n   1231  [ 1]  7 [ 9][13][24][30]   2nd prize 50,000,000 won\n" in run.out
          and "after tax about 39,000,220 won (an estimate); claim by 2027-07-05" in run.out
          and "   1230  [ 3][ 8][ 9][22][28][42]   1st prize 1,771,357,196 won\n" in run.out
          and "  prizes won                1,821,357,196 won\n" in run.out,
          "the games with their amounts after the update", str(run))
    server.rounds = {"/1231.json": FINAL_1231, "/1232.json": b"<html>"}
    run = Run(options, folder, source, ["--tickets", tickets, "--update", "--check", "--csv"],
              WEEK_AFTER_1231 + 7 * 86400)
    check(run.status == 1 and run.out == (
        "round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank,prize\n"
        "1230,3,8,9,22,28,42,6,0,1,1771357196\n1231,1,7,9,13,24,30,5,1,2,50000000\n")
        and "round 1232 from" in run.err, "--check after a stop, the CSV alone on standard output",
        str(run))
    shutil.rmtree(folder)


def at_the_same_time(options, server, source):
    """Two updates and a ticket added at once: nothing lost, nothing twice."""
    folder = fresh_folder(options)
    tickets = os.path.join(folder, "tickets.csv")
    server.rounds = {"/1231.json": FINAL_1231, "/1232.json": FINAL_1232}
    env = dict(os.environ, LOTTO_NOW=str(DAY_AFTER_1232), LC_ALL="C")
    files = ["--draws", os.path.join(folder, "draws.csv"), "--prizes", os.path.join(folder, "prizes.csv")]
    commands = [options.emulator + [options.lotto_stats] + files + ["--source", source, "--update"]] * 2 + [
        options.emulator + [options.lotto_stats, "--tickets", tickets, "--add-ticket", "1232,1,2,3,4,5,6"]]
    processes = [subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
                 for command in commands]
    outputs = [process.communicate(timeout=120) for process in processes]
    statuses = [process.returncode for process in processes]
    with open(os.path.join(folder, "draws.csv"), encoding="utf-8") as file:
        draws = file.read().splitlines()
    with open(os.path.join(folder, "prizes.csv"), encoding="utf-8") as file:
        prizes = file.read().splitlines()
    check(statuses == [0, 0, 0] and draws[-2:] == ["1231,2026-07-04,1,9,13,24,30,41,7",
                                                   "1232,2026-07-11,2,10,14,25,31,42,8"]
          and len(draws) == 1233 and prizes[-2:] == [PRIZES_1231, PRIZES_1232] and len(prizes) == 1233
          and open(tickets, encoding="utf-8").read().endswith("1232,1,2,3,4,5,6\n"),
          "two updates and a ticket at once", repr((statuses, outputs, draws[-3:], prizes[-3:])))
    shutil.rmtree(folder)


def certificate_checked(options):
    """An HTTPS server whose certificate nobody vouches for is refused."""
    folder = tempfile.mkdtemp(prefix="lotto-tls-")
    key, certificate = os.path.join(folder, "key.pem"), os.path.join(folder, "certificate.pem")
    made = subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                           "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                           "-keyout", key, "-out", certificate], capture_output=True)
    if made.returncode != 0:
        print("SKIPPED: the certificate check (openssl could not make a certificate)")
        return
    server = Source(("127.0.0.1", 0), Handler)
    server.requests = []
    server.rounds = {"/1231.json": FINAL_1231}
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    start(server)
    week = fresh_folder(options)
    before = snapshot(week)
    run = Run(options, week, f"https://127.0.0.1:{server.server_address[1]}/{{round}}.json",
              ["--update"], WEEK_AFTER_1231)
    check(run.status == 1 and "no answer" in run.err and snapshot(week) == before,
          "a self-signed certificate is refused", str(run))
    server.shutdown()
    shutil.rmtree(folder)
    shutil.rmtree(week)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--emulator", action="append", default=[])
    parser.add_argument("lotto_stats")
    parser.add_argument("data")
    options = parser.parse_args()
    server = start(Source(("127.0.0.1", 0), Handler))
    server.requests = []
    source = f"http://127.0.0.1:{server.server_address[1]}/{{round}}.json"
    with socket.socket() as unused:
        unused.bind(("127.0.0.1", 0))
        refused_port = unused.getsockname()[1]
    staged_publishing(options, server, source)
    prizes_in_order(options, server, source)
    empty_divisions(options, server, source)
    incomplete_record(options, server, source)
    disagreements(options, server, source)
    without_bonus_numbers(options, server, source)
    usage_errors(options)
    with_tickets(options, server, source)
    at_the_same_time(options, server, source)
    faults(options, server, source, refused_port)
    certificate_checked(options)
    server.shutdown()
    print(f"{'FAILED' if failures else 'passed'}: {len(failures)} of the update's checks failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
