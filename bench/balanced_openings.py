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


class BadArgument(Exception):
    pass


def whole_number(text, what, least):
    if not text.isdigit() or int(text) < least:
        raise BadArgument("%s must be a whole number of at least %d, not %r" % (what, least, text))
    return int(text)


def parse(arguments):
    if not 3 <= len(arguments) <= 6:
        raise BadArgument("BRAIN_MATCH, ENGINE and COUNT are needed, at most three more (see --help)")
    brain_match, engine = arguments[0], arguments[1]
    if not os.access(brain_match, os.X_OK):
        raise BadArgument("%s is not a program" % brain_match)
    count = whole_number(arguments[2], "COUNT", 1)
    stones = whole_number(arguments[3], "STONES", 0) if len(arguments) > 3 else 2
    time_ms = whole_number(arguments[4], "TIME_MS", 1) if len(arguments) > 4 else 300
    seed = whole_number(arguments[5], "SEED", 0) if len(arguments) > 5 else 1
    return brain_match, engine, count, stones, time_ms, seed


def main():
    if len(sys.argv) > 1 and sys.argv[1] in ("-h", "--help"):
        print(__doc__.strip())
        return 0
    try:
        brain_match, engine, count, stones, time_ms, seed = parse(sys.argv[1:])
    except BadArgument as error:
        print("balanced_openings: %s" % error, file=sys.stderr)
        return 2
    rng = random.Random(seed)
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
