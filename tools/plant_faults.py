#!/usr/bin/env python3
"""Plants each fault of tools/faults.txt alone, runs the README's test command, and counts
how many the suite catches. The work tree is restored after each fault. The web page's
browser test is left out for speed: the count is what the rest catches, a lower bound.

Usage: tools/plant_faults.py [FAULTS]   (from the top of a clean work tree)
"""
import pathlib
import subprocess
import sys

top = pathlib.Path(__file__).resolve().parent.parent
faults = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else top / "tools/faults.txt")


def run(command):
    return subprocess.run(command, cwd=top, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode


caught, missed, broken = [], [], []
for line in faults.read_text(encoding="utf-8").splitlines():
    if not line.strip() or line.startswith("#"):
        continue
    path, old, new, what = (field.strip(" ").replace("\\n", "\n") for field in line.split(" | "))
    source = top / path
    text = source.read_text(encoding="utf-8")
    if text.count(old) != 1:
        broken.append(f"{what}: '{old}' is not in {path} exactly once")
        continue
    source.write_text(text.replace(old, new), encoding="utf-8")
    try:
        if run(["cmake", "--build", "--preset", "default"]) != 0:
            broken.append(f"{what}: does not build")
        elif run(["ctest", "--preset", "default", "-E", "web_page"]) != 0:
            caught.append(what)
        else:
            missed.append(what)
    finally:
        source.write_text(text, encoding="utf-8")
    print(f"{'caught' if caught and caught[-1] == what else 'MISSED' if missed and missed[-1] == what else 'broken'}: {what}", flush=True)

run(["cmake", "--build", "--preset", "default"])
total = len(caught) + len(missed)
print(f"\n{len(caught)} of {total} faults caught ({100 * len(caught) // max(total, 1)} %)")
for what in missed:
    print(f"  missed: {what}")
for what in broken:
    print(f"  not planted: {what}")
sys.exit(1 if broken else 0)
