"""Chooses the next cell to open from what the board shows, by counting the placements of the
hidden foxes that agree with every number seen so far."""

from math import comb

from driver.checks import Failure, check


def on_one_line(a, b):
    ra, ca = divmod(a, 10)
    rb, cb = divmod(b, 10)
    return ra == rb or ca == cb or abs(ra - rb) == abs(ca - cb)


class FoxFinder:
    def __init__(self):
        self.numbers = {}  # opened cell -> the counts its picture may stand for
        self.foxes = set()

    def saw_number(self, cell, counts):
        self.numbers[cell] = frozenset(counts)

    def saw_fox(self, cell):
        self.foxes.add(cell)

    def chances(self):
        """The chance of a fox in each unopened cell, from every placement that fits the board."""
        unopened = [c for c in range(100) if c not in self.numbers and c not in self.foxes]
        seen = sorted(self.numbers)
        wanted = []
        for cell in seen:
            known = sum(1 for f in self.foxes if on_one_line(f, cell))
            wanted.append(frozenset(n - known for n in self.numbers[cell] if n >= known))
        # Cells on the same lines of the same opened cells are alike: count foxes per group.
        groups = {}
        for c in unopened:
            key = tuple(k for k, cell in enumerate(seen) if on_one_line(c, cell))
            groups.setdefault(key, []).append(c)
        order = sorted(groups, key=lambda key: -len(key))
        left = 5 - len(self.foxes)
        m = len(seen)
        top = [max(w) if w else -1 for w in wanted]
        capacity = [0] * m  # cells still to come on each opened cell's lines
        for key in order:
            for k in key:
                capacity[k] += len(groups[key])
        have = [0] * m
        counts = [0] * len(order)
        expected = [0] * len(order)
        total = 0

        # Only the lines a group lies on change when its count is chosen.
        def fits(key):
            return all(have[k] <= top[k]
                       and any(have[k] <= w <= have[k] + capacity[k] for w in wanted[k])
                       for k in key)

        def walk(g, placed, ways):
            nonlocal total
            if g == len(order):
                if placed == left and all(have[k] in wanted[k] for k in range(m)):
                    total += ways
                    for i in range(len(order)):
                        expected[i] += ways * counts[i]
                return
            key = order[g]
            size = len(groups[key])
            for k in key:
                capacity[k] -= size
            for j in range(0, min(size, left - placed) + 1):
                for k in key:
                    have[k] += j
                counts[g] = j
                if fits(key):
                    walk(g + 1, placed + j, ways * comb(size, j))
                for k in key:
                    have[k] -= j
            counts[g] = 0
            for k in key:
                capacity[k] += size

        walk(0, 0, 1)
        if total == 0:
            raise ValueError("no placement of the foxes agrees with the board")
        return {c: expected[i] / total / len(groups[key])
                for i, key in enumerate(order) for c in groups[key]}

    def next_cell(self):
        """The likeliest fox; among equals the cell nearest the centre, which sees the most."""
        chances = self.chances()
        best = max(chances.values())
        centre = lambda c: abs(c // 10 - 4.5) + abs(c % 10 - 4.5)
        return min((c for c, p in chances.items() if p >= best - 1e-12),
                   key=lambda c: (centre(c), c))


def find_foxes(open_cell, most):
    """Opens the cells a finder chooses until the fifth fox ends the game. open_cell(cell, finder)
    opens a cell and tells the finder what it shows, or gives False once the game-over box is
    up. Fails when the game lasts most cells or ends at another fox; returns the cells opened."""
    finder = FoxFinder()
    opened = 0
    while True:
        try:
            cell = finder.next_cell()
        except ValueError:
            raise Failure(f"what the game showed contradicts itself: numbers {finder.numbers}, "
                          f"foxes {sorted(finder.foxes)}") from None
        opened += 1
        if not open_cell(cell, finder):
            break
        check(opened < most, f"no fifth fox after {opened} cells")
    check(len(finder.foxes) == 4, f"the game ended at the fox number {len(finder.foxes) + 1}")
    return opened
