"""The game's board as the browser shows it, and the rules a burst follows: the group
goes, the balloons below it rise in their column, and empty columns close to the left."""

LEFT, TOP, CELL, COLUMNS, ROWS = 140, 37, 40, 9, 11


def pixel(shot, x, y):
    width, _, rgb = shot
    i = (y * width + x) * 3
    return rgb[i], rgb[i + 1], rgb[i + 2]


def balloon(p):
    """The balloon whose body has this colour (its left side, away from the mark and the
    gloss), or None for the sky of an empty cell."""
    r, g, b = p
    if b > 150 and r < 90:
        return "blue"
    if r > 150 and g < 90:
        return "red"
    if g > 120 and r < 90 and b < 120:
        return "green"
    if r > 180 and g > 150 and b < 90:
        return "yellow"
    return None


def read(shot):
    """Columns of the board, each from its top row down."""
    return [[balloon(pixel(shot, LEFT + c * CELL + 9, TOP + r * CELL + 18)) for r in range(ROWS)]
            for c in range(COLUMNS)]


def centre(cell):
    return LEFT + cell[0] * CELL + CELL // 2, TOP + cell[1] * CELL + CELL // 2


def group(board, cell):
    colour, found, todo = board[cell[0]][cell[1]], set(), [cell]
    while todo:
        c, r = todo.pop()
        if (c, r) in found or not (0 <= c < COLUMNS and 0 <= r < ROWS):
            continue
        if board[c][r] != colour:
            continue
        found.add((c, r))
        todo += [(c - 1, r), (c + 1, r), (c, r - 1), (c, r + 1)]
    return found


def largest_group(board):
    """A cell of the largest group of two or more, or None when no move is left."""
    best, size = None, 1
    for c in range(COLUMNS):
        for r in range(ROWS):
            found = len(group(board, (c, r))) if board[c][r] else 0
            if found > size:
                best, size = (c, r), found
    return best


def burst(board, cell):
    gone = group(board, cell)
    columns = [[b for r, b in enumerate(column) if b and (c, r) not in gone]
               for c, column in enumerate(board)]
    columns = [column + [None] * (ROWS - len(column)) for column in columns if column]
    return columns + [[None] * ROWS] * (COLUMNS - len(columns))


def text(board):
    """Row by row, a letter per balloon."""
    return " / ".join("".join((board[c][r] or ".")[0] for c in range(COLUMNS))
                      for r in range(ROWS))
