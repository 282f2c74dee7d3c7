"""Learns which picture stands for which number from a board whose foxes are all known."""

from driver.checks import Failure
from driver.fox_finder import on_one_line

HIGHEST = 5  # five foxes: no cell sees more


class NumberBook:
    def __init__(self):
        self.numbers = {}  # a cell's pixels -> the number they show

    def learn(self, pictures, foxes):
        """pictures: cell -> pixels of every opened cell without a fox. Each number must have one
        picture of its own, and it must be the count of foxes on the cell's lines."""
        first_cell = {}
        for cell, picture in sorted(pictures.items()):
            count = sum(1 for fox in foxes if on_one_line(fox, cell))
            known = self.numbers.setdefault(picture, count)
            if known != count:
                raise Failure(f"cell {cell} shows the picture of a {known} (as cell "
                              f"{first_cell[picture]} does), but {count} foxes lie on its lines")
            first_cell.setdefault(picture, cell)
        seen = {}
        for picture, count in self.numbers.items():
            if count in seen:
                raise Failure(f"the number {count} has two different pictures, on cells "
                              f"{first_cell[seen[count]]} and {first_cell[picture]}")
            seen[count] = picture

    def read(self, picture):
        """The numbers a picture may stand for: its own, or every number not yet seen."""
        if picture in self.numbers:
            return {self.numbers[picture]}
        return set(range(HIGHEST + 1)) - set(self.numbers.values())
