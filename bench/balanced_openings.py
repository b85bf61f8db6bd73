#!/usr/bin/env python3
"""Finds balanced openings for brain_match: random stones in the middle of
the board that a reference engine, playing itself from them once with each
colour, does not win both times with the same colour. Writes them one a
line, in brain_match's openings form, and says how many candidates it tried.

Usage: balanced_openings.py BRAIN_MATCH ENGINE COUNT [STONES] [TIME_MS] [SEED]
  STONES: stones a side (default 2), TIME_MS: time per move (default 300).
"""

import os
import random
import subprocess
import sys
import tempfile


def candidate(rng, stones):
    cells = set()
    opening = []
    while len(opening) < 2 * stones:
        cell = (rng.randrange(3, 7), rng.randrange(3, 7))
        if cell not in cells:
            cells.add(cell)
            opening.append("%d,%d" % cell)
    return " ".join(opening)


def winners(brain_match, engine, opening, time_ms):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as file:
        file.write(opening + "\n")
    try:
        result = subprocess.run(
            [brain_match, "--games", "2", "--time", str(time_ms), "--openings", file.name, engine, engine],
            capture_output=True, text=True, check=True)
    finally:
        os.unlink(file.name)
    # Game 1: engine 1 moves first; game 2: engine 2 does.
    movers = []
    for line in result.stdout.splitlines():
        if line.startswith("game "):
            first = "engine 1 first" in line
            if "draw" in line:
                movers.append("draw")
            else:
                mover_won = ("engine 1 wins" in line) == first
                movers.append("mover" if mover_won else "other")
    return movers


def main():
    if len(sys.argv) < 4 or sys.argv[1] in ("-h", "--help"):
        print(__doc__.strip())
        return 0 if len(sys.argv) > 1 and sys.argv[1] in ("-h", "--help") else 2
    brain_match, engine, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    stones = int(sys.argv[4]) if len(sys.argv) > 4 else 2
    time_ms = int(sys.argv[5]) if len(sys.argv) > 5 else 300
    rng = random.Random(int(sys.argv[6]) if len(sys.argv) > 6 else 1)
    found = 0
    tried = 0
    while found < count:
        opening = candidate(rng, stones)
        tried += 1
        results = winners(brain_match, engine, opening, time_ms)
        if len(results) == 2 and results[0] == results[1] and results[0] != "draw":
            continue  # the same colour won both: not balanced
        print(opening, flush=True)
        found += 1
    print("balanced openings: %d of %d tried" % (found, tried), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
