#!/usr/bin/env python3
"""Writes a made-up draw history: random numbers from a fixed seed, not real draws.
For the docs' example and for trying lotto --draws without real data.

Usage: tools/made_up_history.py [DRAWS] > made-up-draws.csv
"""
import datetime
import random
import sys

draws = int(sys.argv[1]) if len(sys.argv) > 1 else 200
rng = random.Random(20261206)
first_day = datetime.date(2022, 12, 3)
rows = []
for round_number in range(1, draws + 1):
    picked = rng.sample(range(1, 46), 7)
    day = first_day + datetime.timedelta(weeks=round_number - 1)
    rows.append(f"{round_number},{day.isoformat()},{','.join(map(str, picked[:6]))},{picked[6]}")
print("# Made up: random numbers, not real draws")
print("round,date,n1,n2,n3,n4,n5,n6,bonus")
print("\n".join(reversed(rows)))
