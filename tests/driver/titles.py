"""The titles of the game's windows, as the player reads them."""

TITLE = "Зарнак"
RULES_TITLE = "Правила игры"
END_TITLE = "Игра окончена"
NAME_TITLE = "Ввод"
ERROR_TITLE = "Ошибка"
