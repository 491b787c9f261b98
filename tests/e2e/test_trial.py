"""The road of one trial, gone as a therapist and a patient go it: log in,
pick a patient, choose Clock, save the initial position, choose a level and
play it to its end by leaning towards each ball in turn (the CoG as the pad
sends it), answer No to the game-over question and close the game window.
The trial is then stored for that patient and listed in the history.

The windows are looked at, not asked: buttons, rows, the playfield and the
ball to touch are found on screenshots by their shapes and colours."""

import datetime
import os
import statistics
import sys
import tempfile
import time
import unittest

import e2e_lib as e2e

CONFIRMATION = r"^ Confirmation\.\.\.$"
CLOCK_TYPE = 1
# The clock's PARAM fields (1-based), as the level editor writes them.
MOVEMENT, BALL_NB, TARGET_COLOR = 2, 15, 17
ABSOLUTE_MODES = (0, 2)


# ---------------------------------------------------------------- looking


def differs(a, b, amount):
    return abs(a[0] - b[0]) + abs(a[1] - b[1]) + abs(a[2] - b[2]) > amount


def clusters(flags, gap):
    """Runs of true flags, joined across gaps of up to `gap` false ones:
    (first, last) index pairs."""
    found, start, last = [], None, None
    for i, flag in enumerate(flags):
        if not flag:
            continue
        if start is None:
            start = i
        elif i - last > gap + 1:
            found.append((start, last))
            start = i
        last = i
    if start is not None:
        found.append((start, last))
    return found


def ink_clusters(pic, x0, x1, y0, y1, background, gap=8, amount=60):
    """Groups of columns in [x0, x1) that show something other than the
    background between rows y0 and y1: words, icons, buttons."""
    flags = [any(differs(pic.at(x, y), background, amount) for y in range(y0, y1 + 1))
             for x in range(x0, x1)]
    return [(x0 + a, x0 + b) for a, b in clusters(flags, gap)]


def toolbar(pic):
    """The items of the topmost toolbar with separators, in groups: what
    stands between two separators, and after the last. Each item is the
    middle of its text or icon, in window pixels."""
    lines = []
    for x in range(1, pic.width - 2):
        run = 0
        for y in range(0, pic.height // 3):
            here, left, right = pic.at(x, y), pic.at(x - 1, y), pic.at(x + 1, y)
            # A separator: a thin line a little darker than both sides.
            if sum(here) + 30 < sum(left) and sum(here) + 30 < sum(right) and sum(here) > 450:
                run += 1
                continue
            # Taller than the tabs' edges: the toolbars hold icons.
            if run >= 30:
                lines.append((x, y - run, y - 1))
            run = 0
    if not lines:
        return []
    top = min(line[1] for line in lines)
    row = sorted(line for line in lines if abs(line[1] - top) <= 2)
    y0, y1 = row[0][1], row[0][2]
    background = pic.at(row[0][0] + 4, y0)
    groups = []
    for i, (x, _, _) in enumerate(row):
        end = row[i + 1][0] - 2 if i + 1 < len(row) else pic.width - 4
        groups.append([((a + b) // 2, (y0 + y1) // 2)
                       for a, b in ink_clusters(pic, x + 3, end, y0, y1, background)])
    return groups


def list_rows(pic, x0, x1):
    """The middles (y) of the rows of a list between x0 and x1: the rows are
    told apart by the 1-pixel lines under them, the most frequent line
    colour being the rows' own."""
    by_colour = {}
    for y in range(1, pic.height - 1):
        counts = {}
        for x in range(x0, x1, 2):
            colour = pic.at(x, y)
            if colour != pic.at(x, y - 1) and colour != pic.at(x, y + 1):
                counts[colour] = counts.get(colour, 0) + 1
        if counts:
            colour, count = max(counts.items(), key=lambda item: item[1])
            if count * 2 >= 0.8 * (x1 - x0):
                by_colour.setdefault(colour, []).append(y)
    if not by_colour:
        return []
    lines = max(by_colour.values(), key=len)
    if len(lines) < 2:
        return []
    spacing = statistics.median(b - a for a, b in zip(lines, lines[1:]))
    return [int(y - spacing / 2) for y in lines]


def longest_run(flags, gap=3):
    best, start, last = (0, -1), None, None
    for i, flag in enumerate(flags):
        if not flag:
            continue
        if start is None or i - last > gap + 1:
            start = i
        last = i
        if last - start > best[1] - best[0]:
            best = (start, last)
    return best


def playfield(pic, colour):
    """The playfield panel (left, top, width, height): the largest area of
    the playfield colour, the cross lines through it allowed, with the
    panel's sunken frame around it."""
    bx = (0, -1)
    for y in range(0, pic.height, 8):
        run = longest_run([pic.at(x, y) == colour for x in range(pic.width)])
        if run[1] - run[0] > bx[1] - bx[0]:
            bx = run
    if bx[1] - bx[0] < 200:
        return None
    by = (0, -1)
    for x in range(bx[0], bx[1], 8):
        run = longest_run([pic.at(x, y) == colour for y in range(pic.height)])
        if run[1] - run[0] > by[1] - by[0]:
            by = run
    (x0, x1), (y0, y1) = bx, by
    window = pic.at(1, pic.height - 2)
    mid_x, mid_y = (x0 + x1) // 2, (y0 + y1) // 2
    for _ in range(4):
        if x0 > 0 and differs(pic.at(x0 - 1, mid_y), window, 20):
            x0 -= 1
        if x1 < pic.width - 1 and differs(pic.at(x1 + 1, mid_y), window, 20):
            x1 += 1
        if y0 > 0 and differs(pic.at(mid_x, y0 - 1), window, 20):
            y0 -= 1
        if y1 < pic.height - 1 and differs(pic.at(mid_x, y1 + 1), window, 20):
            y1 += 1
    return x0, y0, x1 - x0 + 1, y1 - y0 + 1


def same_hue(pixel, colour):
    """Whether a pixel of a shaded ball picture is of the colour's hue:
    its channels in the proportions of the colour's."""
    top = max(pixel)
    if top < 100:
        return False
    reference = max(colour) or 1
    return all(abs(p / top - c / reference) < 0.35 for p, c in zip(pixel, colour))


def blob(pic, field, colour, step=2, least=30):
    """The middle of the pixels of the colour's hue on the playfield, in
    playfield pixels; None when there are too few."""
    x0, y0, w, h = field
    sx = sy = n = 0
    for y in range(y0 + 2, y0 + h - 2, step):
        for x in range(x0 + 2, x0 + w - 2, step):
            if same_hue(pic.at(x, y), colour):
                sx, sy, n = sx + x, sy + y, n + 1
    if n < least:
        return None
    return sx / n - x0, sy / n - y0


def buttons_below(pic, field):
    """The buttons under the playfield, left to right: (x, y) middles."""
    x0, y0, w, h = field
    window = pic.at(1, pic.height - 2)
    rows = [y for y in range(y0 + h + 2, pic.height)
            if any(differs(pic.at(x, y), window, 30) for x in range(0, pic.width, 2))]
    if not rows:
        return []
    top = bottom = rows[0]
    while bottom + 1 in rows:
        bottom += 1
    return [((a + b) // 2, (top + bottom) // 2)
            for a, b in ink_clusters(pic, 0, pic.width, top, bottom, window, gap=4, amount=30)]


def items_above(pic, field):
    """The label, the level selector and the score above the playfield."""
    window = pic.at(1, pic.height - 2)
    top, bottom = 2, field[1] - 3
    return [((a + b) // 2, (top + bottom) // 2)
            for a, b in ink_clusters(pic, 0, pic.width, top, bottom, window, gap=8, amount=30)]


def darkest(pic, x, y, reach=20):
    return min(sum(pic.at(i, j)) for i in range(max(0, x - reach), min(pic.width, x + reach))
               for j in range(max(0, y - 8), min(pic.height, y + 8)))


def highlighted(pixel):
    r, g, b = pixel
    return b > 150 and b - r > 80


def selected_row(pic, x_limit):
    """The selected row of a list in the left part of a window: (x0, x1,
    top, bottom) of its highlight, or None."""
    for y in range(pic.height):
        a, b = longest_run([highlighted(pic.at(x, y)) for x in range(0, x_limit)], gap=2)
        if b - a >= 150:
            break
    else:
        return None

    def mostly_highlighted(row):
        # Texts on the highlight leave most of it showing.
        return sum(highlighted(pic.at(x, row)) for x in range(a, b + 1)) >= 0.4 * (b - a + 1)
    top = bottom = y
    while bottom + 1 < pic.height and mostly_highlighted(bottom + 1):
        bottom += 1
    return a, b, top, bottom


# ---------------------------------------------------------------- the test


class TrialTest(e2e.InstallationTest):
    # -- what the installation holds

    def patients_in_picker_order(self):
        with self.install.database() as db:
            return db.execute("SELECT PK_PAT, NOM, PRENOM FROM Patient "
                              "ORDER BY NOM, PRENOM").fetchall()

    def trials(self, patient=None):
        with self.install.database() as db:
            sql = "SELECT PK_JEU, DATE_JEU, TIME, FK_PAT, TYPE, NIVEAU, SCORE FROM Jeu"
            if patient is None:
                return db.execute(sql + " ORDER BY PK_JEU").fetchall()
            return db.execute(sql + " WHERE FK_PAT=? AND TYPE=? ORDER BY PK_JEU",
                              (patient, CLOCK_TYPE)).fetchall()

    def clock_levels(self):
        """(name, PARAM fields) in the order of the game's level selector."""
        with self.install.database() as db:
            rows = db.execute("SELECT NIVEAU, PARAM FROM ParamJeu WHERE TYPE=?",
                              (CLOCK_TYPE,)).fetchall()
        rows.sort(key=lambda row: (row[0].lower(), row[0]))
        return [(name, [""] + param.split(";")) for name, param in rows]

    def colour_setting(self, section, key, default):
        value = int(self.install.ini_value("Config/Balvoro.ini", section, key, str(default)))
        self.assertGreaterEqual(value, 0, "a system colour cannot be looked for")
        return value & 255, (value >> 8) & 255, (value >> 16) & 255

    # -- looking at the windows

    def look(self, window):
        return e2e.Picture(self.env, window)

    def wait_toolbar(self, window, shape, timeout=15):
        """Waits until the window's toolbar shows groups of these sizes."""
        seen = []

        def ready():
            groups = toolbar(self.look(window))
            seen[:] = [len(g) for g in groups]
            return groups if seen == shape else None
        try:
            return e2e.wait_until(ready, timeout, 0.3, "a toolbar of %s items" % (shape,))
        except AssertionError as error:
            raise AssertionError("%s (seen: %s)" % (error, seen)) from None

    def wait_gone(self, caption, timeout=15):
        e2e.wait_until(lambda: not e2e.find_windows(self.env, caption), timeout,
                       what="window %s to close" % caption)

    # -- the road

    def test_one_clock_trial(self):
        try:
            self.road_of_one_trial()
        except Exception:
            # What the screen showed, kept for whoever reads the failure.
            path = os.path.join(tempfile.gettempdir(), "velunor-e2e-trial-failure.png")
            e2e.screenshot(self.env, path)
            print("screen at the failure: " + path, file=sys.stderr)
            raise

    def road_of_one_trial(self):
        began = time.monotonic()
        env = self.env
        install = self.install
        sensors = float(install.ini_value("Steplink.ini", "Simulator", "SensorsX", "48"))
        rest = (sensors / 2, float(install.ini_value("Steplink.ini", "Simulator", "SensorsY",
                                                      "48")) / 2)
        delta = (float(install.ini_value("Config/Balvoro.ini", "Sensibilite", "DeltaX", "0")),
                 float(install.ini_value("Config/Balvoro.ini", "Sensibilite", "DeltaY", "0")))
        self.assertTrue(delta[0] > 0 and delta[1] > 0, "the CoG must move the cursor")
        background = self.colour_setting("General", "BackGround_Color", 0)

        # A patient of the list other than the first (the one current at
        # start), with no clock trial yet: the history then lists exactly
        # the trial played here.
        patients = self.patients_in_picker_order()
        row = next((i for i, p in enumerate(patients) if i > 0 and not self.trials(p[0])), None)
        self.assertIsNotNone(row, "the demo has a patient without clock trials")
        patient = patients[row][0]
        # A level on which the character follows the cursor itself.
        levels = self.clock_levels()
        level_index = next((i for i, (_, f) in enumerate(levels)
                            if int(f[MOVEMENT]) in ABSOLUTE_MODES), None)
        self.assertIsNotNone(level_index, "the demo has an absolute clock level")
        level_name, fields = levels[level_index]
        balls = int(fields[BALL_NB]) if 0 <= int(fields[BALL_NB]) <= 16 else 5
        target_value = int(fields[TARGET_COLOR])
        target_colour = (target_value & 255, (target_value >> 8) & 255,
                         (target_value >> 16) & 255)
        stored_before = len(self.trials())

        program = install.start()
        e2e.login(env, program, "THERAPIST", "balance1")
        main = e2e.wait_window(env, "^Velunor$")
        # The splash stays open after start-up until its OK is pressed.
        about = e2e.wait_window(env, "^A propos de ")
        e2e.key(env, about, "Return")
        self.wait_gone("^A propos de ")

        # Patient page: Search, the patient's row, OK.
        groups = self.wait_toolbar(main, [2])
        e2e.click(env, main, *groups[0][0])
        picker = e2e.wait_window(env, "^Loading$")
        # The patients' list fills the left half, the trials' the right.
        left, right = 20, self.look(picker).width // 2 - 40

        def patient_rows():
            found = list_rows(self.look(picker), left, right)
            return found if len(found) > row else None
        rows = e2e.wait_until(patient_rows, 10, 0.3, "the patient list")
        e2e.click(env, picker, left + 30, rows[row])
        time.sleep(0.3)
        e2e.key(env, picker, "alt+o")
        self.wait_gone("^Loading$")

        # Exercises page: Clock, then Start.
        e2e.key(env, main, "ctrl+Tab")
        groups = self.wait_toolbar(main, [5, 2])
        e2e.click(env, main, *groups[0][CLOCK_TYPE])
        start = groups[1][1]
        e2e.wait_until(lambda: darkest(self.look(main), *start) < 150, 10, 0.2,
                       "Start enabled by the choice of a game")
        before = self.look(main)
        history = selected_row(before, before.width // 2)
        self.assertIsNotNone(history, "the history grid shows its first row")
        self.assertEqual(self.row_texts(before, history), 0, "no clock trial listed yet")

        # The patient stands still in the middle of the plate.
        install.send_cog(*rest)
        e2e.click(env, main, *start)
        init = e2e.wait_window(env, "^Init position$")
        install.send_cog(*rest)
        time.sleep(0.8)  # a few of the dialog's 150 ms readings
        e2e.key(env, init, "alt+s")
        self.wait_gone("^Init position$")

        game = e2e.wait_window(env, "^Clock$")
        field = e2e.wait_until(lambda: playfield(self.look(game), background), 15, 0.3,
                               "the playfield")
        # The level: open the selector, go to the level, Enter.
        above = e2e.wait_until(lambda: (lambda a: a if len(a) >= 2 else None)(
            items_above(self.look(game), field)), 10, 0.3, "the level selector")
        e2e.click(env, game, *above[1])
        time.sleep(0.5)
        e2e.xdo(env, "key", "Home")
        for _ in range(level_index):
            time.sleep(0.1)
            e2e.xdo(env, "key", "Down")
        time.sleep(0.1)
        e2e.xdo(env, "key", "Return")
        time.sleep(0.5)
        buttons = e2e.wait_until(lambda: (lambda b: b if len(b) == 3 else None)(
            buttons_below(self.look(game), field)), 10, 0.3, "Start, Stop and Quit")
        e2e.click(env, game, *buttons[0])
        e2e.wait_until(lambda: darkest(self.look(game), *buttons[1]) < 150, 10, 0.2,
                       "Stop enabled by Start")
        playing = time.monotonic()
        today = datetime.date.today()

        def cog_at(x, y):
            # The inverse of the mapping of the CoG onto the playfield.
            return (rest[0] - delta[0] + 2 * delta[0] * x / field[2],
                    rest[1] - delta[1] + 2 * delta[1] * y / field[3])

        def back_to_centre():
            # The character's corner must touch the centre marker's disc:
            # with its middle on the marker no corner does.
            install.send_cog(*cog_at(field[2] / 2 + 14, field[3] / 2 + 16))
            time.sleep(0.5)

        def over():
            return bool(e2e.find_windows(env, CONFIRMATION))

        touched = 0
        while not over():
            self.assertLess(time.monotonic() - playing, 90, "the level ends within 90 s")
            ball = blob(self.look(game), field, target_colour)
            if ball is None:
                time.sleep(0.2)
                continue
            install.send_cog(*cog_at(*ball))

            def moved_on():
                if over():
                    return True
                now = blob(self.look(game), field, target_colour)
                return now is None or abs(now[0] - ball[0]) + abs(now[1] - ball[1]) > 20
            try:
                e2e.wait_until(moved_on, 3, 0.1, "the ball touched")
                touched += 1
            except AssertionError:
                pass  # not touched (a pending return?): the centre, then again
            if not over():
                back_to_centre()
        played_s = time.monotonic() - playing
        self.assertEqual(touched, balls, "one touch per ball")

        # "Game over ! Do you want to play again ?": No.
        question = e2e.wait_window(env, CONFIRMATION)
        e2e.key(env, question, "Escape")
        self.wait_gone(CONFIRMATION)
        install.send_cog(*rest)
        e2e.wait_until(lambda: darkest(self.look(game), *buttons[2]) < 150, 10, 0.2,
                       "Quit enabled after No")
        e2e.click(env, game, *buttons[2])
        self.wait_gone("^Clock$")

        # One new row: the patient, the clock, the level, the seconds.
        stored = self.trials()
        self.assertEqual(len(stored), stored_before + 1)
        mine = self.trials(patient)
        self.assertEqual(len(mine), 1)
        _, date, clock_time, fk_pat, trial_type, level, score = mine[0]
        self.assertEqual(mine[0], stored[-1])
        self.assertEqual((fk_pat, trial_type, level), (patient, CLOCK_TYPE, level_name))
        self.assertRegex(score, r"^[0-9]+$")
        self.assertLessEqual(int(score), played_s + 1)
        self.assertIn(date, {d.strftime("%m/%d/%Y")
                             for d in (today, datetime.date.today())})
        self.assertRegex(clock_time, r"^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$")

        # The history lists it: one row, its four cells filled.
        def listed():
            pic = self.look(main)
            selection = selected_row(pic, pic.width // 2)
            return selection and self.row_texts(pic, selection) >= 4 and \
                not self.text_below(pic, selection)
        e2e.wait_until(listed, 10, 0.3, "the trial in the history")
        e2e.screenshot(env, install.dir + "/history.png")

        self.assertEqual(program.messages(), [])
        e2e.key(env, main, "alt+f", "q")
        self.assertEqual(program.wait_exit(20), 0)
        self.assertLess(time.monotonic() - began, 180)

    # -- the history grid

    @staticmethod
    def row_texts(pic, selection):
        """How many separate texts the selected row shows (light on the
        highlight)."""
        x0, x1, top, bottom = selection
        flags = [any(sum(pic.at(x, y)) > 600 and not highlighted(pic.at(x, y))
                     for y in range(top + 3, bottom - 2)) for x in range(x0, x1)]
        return len(clusters(flags, 8))

    @staticmethod
    def text_below(pic, selection):
        """Whether a row under the selected one shows any text."""
        x0, x1, top, bottom = selection
        height = bottom - top + 1
        return any(sum(pic.at(x, y)) < 300
                   for y in range(bottom + 4, min(pic.height, bottom + height))
                   for x in range(x0 + 2, x1 - 2))


if __name__ == "__main__":
    e2e.main()
