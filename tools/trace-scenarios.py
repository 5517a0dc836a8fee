#!/usr/bin/env python3
"""Random velko-trace scenarios, to check that a change to the engine leaves
every trace as it was.

    trace-scenarios.py make DIR [--count N] [--seed S]   writes DIR/00000.txt ...
    trace-scenarios.py run DIR VELKO_TRACE               writes DIR/00000.out and
                                                         DIR/00000.status beside each

Record the traces with today's velko-trace, run the same scenarios into a
second folder with the changed one, and compare the folders with `diff -r`.
The same seed always makes the same scenarios.
"""

import math
import os
import random
import subprocess
import sys


def board_lines(rng):
    fill = rng.choice([0.0, 0.05, 0.2, 0.4, 0.6, 0.8, 0.9, 0.95, 1.0, rng.random()])
    colours = rng.choice([5, 8, 8])
    joker_share = rng.choice([0.0, 0.08, 0.3])
    rows = []
    for _ in range(9):
        row = ""
        for _ in range(9):
            if rng.random() >= fill:
                row += "."
            elif rng.random() < joker_share:
                row += "7"
            else:
                row += str(rng.randint(1, colours))
        rows.append(list(row))
    # Runs of four, one ball short of a line, so that moves and new balls make lines.
    for _ in range(rng.choice([0, 0, 1, 2, 3])):
        dc, dr = rng.choice([(1, 0), (0, 1), (1, 1), (1, -1)])
        column, row = rng.randint(0, 8), rng.randint(0, 8)
        colour = str(rng.randint(1, colours))
        for n in range(rng.choice([4, 4, 5, 6])):
            c, r = column + n * dc, row + n * dr
            if 0 <= c < 9 and 0 <= r < 9:
                rows[r][c] = "7" if rng.random() < 0.1 else colour
        if rng.random() < 0.5:
            c, r = column + rng.randint(-1, 5) * dc, row + rng.randint(-1, 5) * dr
            if 0 <= c < 9 and 0 <= r < 9:
                rows[r][c] = "."
    return ["".join(row) for row in rows]


def random_value(rng):
    kind = rng.random()
    if kind < 0.07:
        return rng.choice(["0", "0.0", "0.999999", "0.9999999", "1e-7", "0.5", str(rng.randint(0, 11) / 12)])
    digits = rng.randint(1, 8)
    return "%.*f" % (digits, math.floor(rng.random() * 10**digits) / 10**digits)


def pixel(rng, cell):
    """A pixel position in a cell 0..8, on its edges, or anywhere on or off the board."""
    kind = rng.random()
    if kind < 0.6:
        return str(cell * 45 + rng.randint(0, 44))
    if kind < 0.75:
        return "%.1f" % (cell * 45 + rng.choice([-0.5, 22.5, 44.5, 44.6, 45.5, 0.5, 0.4]))
    if kind < 0.85:
        return rng.choice(["404.4", "404.5", "404.6", "405", "-0.4", "-0.5", "-0.6", "-1", "-30", "1e9", "0", "0.5",
                           "1.5", "2.5", "-1e9", "410", "22.5", "3.4028235e38"])
    return "%.3f" % rng.uniform(-60.0, 470.0)


def button(rng):
    kind = rng.random()
    if kind < 0.8:
        return []
    if kind < 0.95:
        return [rng.choice(["1", "2", "4", "3", "0", "5", "6", "7", "8", "16", "32767"])]
    return [str(rng.randint(0, 32767))]


def clicks(rng, board):
    """A click, or a pick-up and a move: mostly balls and empty cells of the
    board as last set up, so that moves happen."""
    balls = [(c, r) for r in range(9) for c in range(9) if board[r][c] != "."]
    spaces = [(c, r) for r in range(9) for c in range(9) if board[r][c] == "."]
    anywhere = [(c, r) for r in range(9) for c in range(9)]
    if rng.random() < 0.5 and balls and spaces:
        pools = [balls, spaces]
    else:
        pools = [rng.choice([balls, spaces, anywhere]) or anywhere]
    lines = []
    for pool in pools:
        column, row = rng.choice(pool)
        lines.append(" ".join(["click", pixel(rng, column), pixel(rng, row)] + button(rng)))
    return lines


# Lines the scenario reader refuses; a scenario has at most one, which ends it.
BAD_LINES = ["jump 3 4", "click", "click 10", "click 1 2 3 4", "click x 10", "click 10 nan", "click 10 inf",
             "click 1e99 10", "click 12,5 10", "click 10 10 32768", "click 10 10 -1", "click 10 10 1.0",
             "click 10 10 left", "mode", "mode 1", "mode 03", "mode 3 0", "random 0.5 1.0", "random 0.2 abc",
             "random -0.1", "random nan", "random inf", "random 2e-1e", "score", "score -1", "score 1000000001",
             "score x", "hiscore -2147483648", "hiscore 2147483648", "hiscore 1.5", "next 1 2", "next 0 1 2",
             "next 1 2 9", "next a 1 1", "tick 100000001", "tick -1", "tick x", "tick 1 2", "dump now",
             "board\n.........\n.........", "board\n.........\n....x....", "board\n.........\n...9.....",
             "board\n..........", "board\n........"]


def valid_lines(rng, board):
    """One valid command of a random kind; returns its lines and the board it leaves."""
    kind = rng.random()
    if kind < 0.06:
        board = board_lines(rng)
        return ["board"] + board, board
    if kind < 0.1:
        return ["next " + " ".join(str(rng.randint(1, 8)) for _ in range(3))], board
    if kind < 0.13:
        return ["mode " + rng.choice(["3", "0"])], board
    if kind < 0.16:
        value = rng.choice([0, 3, 15, 87, 89, 90, 91, 300, 999, 1000000000, rng.randint(0, 5000)])
        return ["score %d" % value], board
    if kind < 0.19:
        value = rng.choice([0, 90, -5, 2147483647, -2147483647, rng.randint(-100, 5000)])
        return ["hiscore %d" % value], board
    if kind < 0.27:
        count = rng.choice([0, 1, 3, 12, 30, 100, 300, rng.randint(0, 600)])
        return [" ".join(["random"] + [random_value(rng) for _ in range(count)])], board
    if kind < 0.32:
        words = ["tick"]
        if rng.random() < 0.8:
            words.append(rng.choice(["0", "1", "2", "5", "50", "1000", "100000", str(rng.randint(0, 400))]))
        return [" ".join(words)], board
    if kind < 0.4:
        return ["dump"], board
    if kind < 0.42:
        return [rng.choice(["", "   ", "\t# a comment after a tab", "# a comment", "dump\r", "dump  ", "  dump",
                            "tick\t3"])], board
    return clicks(rng, board), board


def scenario(rng):
    board = board_lines(rng)
    lines = []
    if rng.random() < 0.2:
        lines.append("# a scenario of the random kind")
    if rng.random() < 0.5:
        lines.append("mode " + rng.choice(["3", "0"]))
    lines += ["board"] + board
    if rng.random() < 0.8:
        count = rng.choice([3, 12, 50, 200, 600, rng.randint(0, 1000)])
        lines.append(" ".join(["random"] + [random_value(rng) for _ in range(count)]))
    steps = rng.randint(1, 60)
    bad_at = rng.randint(0, steps) if rng.random() < 0.15 else -1
    for step in range(steps):
        if step == bad_at:
            lines += rng.choice(BAD_LINES).split("\n")
            continue
        more, board = valid_lines(rng, board)
        lines += more
    if rng.random() < 0.7:
        lines.append("dump")
    return "\n".join(lines) + ("\n" if rng.random() < 0.95 else "")


def make(folder, count, seed):
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(seed)
    for n in range(count):
        with open(os.path.join(folder, "%05d.txt" % n), "w", newline="") as out:
            out.write(scenario(rng))


def run(folder, trace):
    names = sorted(name for name in os.listdir(folder) if name.endswith(".txt"))
    for name in names:
        base = os.path.join(folder, name[:-4])
        with open(base + ".txt", "rb") as scenario_in, open(base + ".out", "wb") as out:
            status = subprocess.run([trace], stdin=scenario_in, stdout=out, timeout=60).returncode
        with open(base + ".status", "w") as status_out:
            status_out.write("%d\n" % status)
    print("%d scenarios run" % len(names))


def main(args):
    if len(args) >= 2 and args[0] == "make":
        count, seed = 5000, 1
        rest = args[2:]
        while rest:
            if rest[0] == "--count" and len(rest) > 1:
                count = int(rest[1])
            elif rest[0] == "--seed" and len(rest) > 1:
                seed = int(rest[1])
            else:
                break
            rest = rest[2:]
        if not rest:
            make(args[1], count, seed)
            return 0
    if len(args) == 3 and args[0] == "run":
        run(args[1], args[2])
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
