# SPDX-License-Identifier: GPL-3.0-or-later
"""The runs of the program, each a fresh process on the same desktop."""

import re
import time
from typing import Callable, NamedTuple

import person
from desktop import SCREEN_HEIGHT, SCREEN_WIDTH, leak_options
from from_search import FromSearch, run_from_search
from expected import (ABOUT_TEXT, CONVERTER_CLIENT, CONVERTER_CONTROLS, EMPTY_RESULT_FIELDS,
                      GERMAN_YARDS, MINUS_TWO_AND_A_HALF_FEET, ONE_KILOMETER, ONE_LEAGUE, OVERFLOWING_ENTRY,
                      SPLASH_CLIENT, SPLASH_PICTURES, SPLASH_PLATFORM_LABEL, SPLASH_VERSION_LABEL_RIGHT_TOP,
                      TENTH_MILE, TITLE, UNIT_CAPTIONS, UNIT_LIST_PROMPT, UNITS, pixels)
from orca import WithOrca, run_with_orca
from program import APPEAR_TIMEOUT
from reading_text import run_reading_text
from schemes import DARKER, HIGH_CONTRAST, qt6ct_environment, text_contrast
from views import main_windows

SPLASH_SECONDS = 4.0
# How late the hand-over may come after the four seconds on a busy machine
# before the test calls it missing.
HAND_OVER_SLACK = 6.0


# The splash window.
def splash_first(p):
    """The first window is the splash, alone; it shows the version and is
    announced with the program's name and version."""
    windows = person.first_windows(p)
    p.checks.check(not main_windows(windows),
                   f'the splash comes first, before the converter window: {", ".join(map(str, windows))}')
    window = person.splash(p)
    labels = [label.name for label in window.element.find_all(role='label')]
    version = f'Version {p.h.version}'
    p.checks.check(version in labels, f'the splash shows "{version}"; its labels: {labels}')
    announced = f'{TITLE} {p.h.version}'
    p.checks.check(announced in window.name or announced in window.description,
                   f'the splash window is announced with {announced!r}; '
                   f'its name is {window.name!r}, its description {window.description!r}')
    return window.element


def splash_layout(p, window):
    origin = window.extents
    p.checks.equal((origin.width, origin.height), pixels(SPLASH_CLIENT), 'size of the splash window')
    pictures = sorted(tuple(image.extents.relative_to(origin)) for image in window.find_all(role='image'))
    p.checks.equal(pictures, sorted(pixels(box) for box in SPLASH_PICTURES), 'places and sizes of the splash pictures')
    anchored = ((f'Version {p.h.version}', SPLASH_VERSION_LABEL_RIGHT_TOP),
                (SPLASH_PLATFORM_LABEL[0], SPLASH_PLATFORM_LABEL[1:]))
    for text, right_top in anchored:
        for label in window.find_all(role='label', name=text):
            box = label.extents.relative_to(origin)
            p.checks.equal((box.right, box.y), pixels(right_top), f'right edge and top of the splash label {text!r}')


def centred(p, what, geometry):
    x, y, width, height = geometry
    p.checks.check(abs(x - (SCREEN_WIDTH - width) / 2) <= 1 and abs(y - (SCREEN_HEIGHT - height) / 2) <= 1,
                   f'the {what} is centred on the {SCREEN_WIDTH}x{SCREEN_HEIGHT} screen: it stands at {geometry}')


def x_window(p, name=None):
    """The one visible X window of the program (with that title), as (x, y, width, height)."""
    windows = p.wait(lambda: ((found := p.desktop.windows_of(p.pid, name)) and len(found) == 1 and found,
                              f'{len(found)} windows'),
                     'one visible X window of the program' + (f' titled {name}' if name else ''))
    return p.desktop.geometry(windows[0])


# The converter window.
def first_display(p, view):
    """What a screen reader finds in the converter window when it first shows."""
    p.checks.equal(view.entry_text, '', 'the number entry at first display (the splash key must not reach it)')
    p.checks.equal(view.focus_name(), 'number entry', 'where the focus is at first display')
    p.checks.equal(view.entry.name, 'Number to convert', 'accessible name of the number entry')
    p.checks.equal(view.unit_list.name, 'Unit of the number', 'accessible name of the unit list')
    p.checks.equal(view.unit_list_text, UNIT_LIST_PROMPT, 'the unit list at first display')
    p.checks.equal(view.unit_list_items, list(UNITS), 'the items of the unit list, in order')
    p.checks.equal(view.fields, {unit: '' for unit in UNITS}, 'the result fields at first display')
    p.checks.equal(sorted(view.buttons), ['CLEAR', 'CONVERT'], 'the buttons, named without "&"')
    p.checks.equal(sorted(view.menu_items), sorted(['File', 'Clear', 'Exit', 'About']),
                   'the menu items, named without "&"')
    p.checks.equal(view.file_menu_items, {'Clear', 'Exit'}, 'the items of the File menu')


def converter_layout(p, view):
    """Every control where the layout puts it, to the pixel (15 twips a pixel),
    from the top-left corner of the client area below the menu bar."""
    client = view.client.extents
    frame = view.frame.extents
    menu = view.menu_bar.extents
    p.checks.equal((client.width, client.height), pixels(CONVERTER_CLIENT), 'size of the client area')
    p.checks.equal((frame.width, frame.height), (client.width, menu.height + client.height),
                   'the converter window is its menu bar over its client area')
    p.checks.equal((menu.x, menu.right, menu.y + menu.height), (client.x, client.right, client.y),
                   'the menu bar spans the window just above the client area')

    def place(node):
        return tuple(node.extents.relative_to(client))

    controls = {'unit list': view.unit_list, 'number entry': view.entry, 'CLEAR': view.button('CLEAR'),
                'CONVERT': view.button('CONVERT'), 'prompt label': view.prompt}
    for name, node in controls.items():
        p.checks.equal(place(node), pixels(CONVERTER_CONTROLS[name]), f'place and size of the {name}')
    p.checks.equal(sorted(view.unit_captions), sorted(UNITS), 'the unit captions')
    for unit, caption in view.unit_captions.items():
        p.checks.equal(place(caption), pixels(UNIT_CAPTIONS[unit]), f'place and size of the {unit} caption')
        if view.fields[unit] == '':
            p.checks.equal(place(view.result_fields[unit]), pixels(EMPTY_RESULT_FIELDS[unit]),
                           f'place and size of the empty {unit} result field')
    p.checks.equal(view.decorations, [], 'shapes and pictures a screen reader finds')


def about_box(p):
    before = person.converter(p).fields
    p.keys('alt+a')
    box = person.message_box(p, 'the About box after Alt+A')
    p.screenshot('about')
    p.checks.equal(box.title, TITLE, 'title of the About box')
    p.checks.equal(box.text, ABOUT_TEXT, 'text of the About box')
    p.checks.equal(box.buttons, ['OK'], 'buttons of the About box')
    view = person.close_message_box(p, 'the About box')
    p.checks.mapping(view.fields, before, 'result fields after the About box')


def overflow(p):
    """A number beyond single precision, with a unit chosen: the error box
    names the overflow, OK closes it and every field stays as it was."""
    before = person.converter(p).fields
    person.type_number(p, OVERFLOWING_ENTRY)
    p.keys('alt+c')
    box = person.message_box(p, f'the error box after converting {OVERFLOWING_ENTRY}')
    p.screenshot('overflow')
    p.checks.equal(box.title, TITLE, 'title of the error box')
    p.checks.check(re.search(r'Run-time error 6\b', box.text) and 'Overflow' in box.text,
                   f'the error box names run-time error 6, Overflow: it says {box.text!r}')
    p.checks.equal(box.buttons, ['OK'], 'buttons of the error box')
    view = person.close_message_box(p, 'the error box')
    p.checks.mapping(view.fields, before, f'result fields after the overflow of {OVERFLOWING_ENTRY}')
    p.still_running()


def run_with_key(p):
    """Splash, a key, the converter window: layout, keys, conversions, About,
    an overflow, File > Exit."""
    window = splash_first(p)
    splash_layout(p, window)
    centred(p, 'splash window', x_window(p))
    p.screenshot('splash')
    person.splash(p, active=True)
    p.keys('7')  # a digit, which would show if it reached the number entry
    view = person.converter(p, 'the converter window after a key on the splash')
    p.screenshot('converter')
    first_display(p, view)
    converter_layout(p, view)
    geometry = x_window(p, f'^{TITLE}$')
    p.checks.equal(geometry[2:], (view.frame.extents.width, view.frame.extents.height),
                   'size of the converter window on the X server (menu bar and client area)')
    centred(p, 'converter window', geometry)
    p.h.scale_one_size = geometry[2:]
    person.tab_order(p)

    for row in (ONE_LEAGUE, ONE_KILOMETER, TENTH_MILE):
        person.convert_with_enter(p, row)

    view = person.converter(p)
    number_and_unit = (view.entry_text, view.unit_list_text)
    p.keys('Escape')
    view = person.settle(p, lambda v: all(text == '' for text in v.fields.values()), 'the grid emptied by Esc')
    p.checks.mapping(view.fields, {unit: '' for unit in UNITS}, 'Esc empties all fourteen result fields')
    p.checks.equal((view.entry_text, view.unit_list_text), number_and_unit, 'the number and the unit after Esc')
    converter_layout(p, view)  # empty fields are back to their smallest size
    p.screenshot('cleared')

    p.keys('alt+c')
    view = person.settle(p, lambda v: v.fields == TENTH_MILE.fields, 'the grid filled again by Alt+C')
    p.checks.mapping(view.fields, TENTH_MILE.fields, 'Alt+C after Esc converts again')
    p.screenshot('alt-c')

    about_box(p)
    overflow(p)
    person.convert_with_enter(p, MINUS_TWO_AND_A_HALF_FEET)  # it still converts after the error
    person.file_exit(p)


def run_with_timer(p):
    """No character key: the splash stays four seconds, then the converter
    window comes; closing it through the window manager ends the program."""
    splash_first(p)
    p.screenshot('splash')
    # Keys that type no character leave the splash alone.
    person.splash(p, active=True)
    p.keys('Right', 'F5', 'shift')
    time.sleep(0.3)
    windows = p.windows()
    p.checks.check(len(windows) == 1 and not main_windows(windows),
                   f'an arrow key, F5 and Shift leave the splash alone; the windows: {", ".join(map(str, windows))}')
    view = person.converter(p, 'the converter window after the splash timer',
                            timeout=APPEAR_TIMEOUT + SPLASH_SECONDS + HAND_OVER_SLACK)
    after = time.monotonic() - p.started_at
    p.checks.check(after >= SPLASH_SECONDS,
                   f'the splash stays {SPLASH_SECONDS:g} s: the converter window came {after:.2f} s after the start')
    p.screenshot('converter')
    p.checks.equal(view.unit_list_items, list(UNITS), 'the items of the unit list after the timer')
    p.checks.equal(view.entry_text, '', 'the number entry after the timer')
    time.sleep(0.5)  # a second hand-over would show a second window by now
    p.checks.equal([str(window) for window in p.windows()], [f"frame '{TITLE}' (active)"],
                   'the windows after the hand-over: the converter window only')
    person.converter(p)
    p.keys('alt+F4')  # openbox closes the focused window
    status = p.wait_for_end('closing the converter window with Alt+F4 through openbox')
    p.checks.equal(status, 0, 'exit status after closing the converter window')


def run_at_scale_two(p):
    """QT_SCALE_FACTOR=2: every window exactly twice as large, the layout the same."""
    splash_first(p)
    width, height = pixels(SPLASH_CLIENT)
    p.checks.equal(x_window(p)[2:], (2 * width, 2 * height), 'size of the splash window at scale 2')
    person.splash(p, active=True)
    p.keys('space')
    view = person.converter(p, 'the converter window after Space on the splash')
    p.screenshot('converter')
    p.checks.equal(view.entry_text, '', 'the number entry after Space on the splash')
    converter_layout(p, view)  # in the program's own (unscaled) pixels
    geometry = x_window(p, f'^{TITLE}$')
    frame = view.frame.extents
    p.checks.equal(geometry[2:], (2 * frame.width, 2 * frame.height),
                   'size of the converter window at scale 2 (twice its unscaled size)')
    if p.h.scale_one_size:
        p.checks.equal(geometry[2:], tuple(2 * size for size in p.h.scale_one_size),
                       'size of the converter window at scale 2 (twice its size at scale 1)')
    person.file_exit(p)


def run_in_german(p):
    """German number settings: thousands point, decimal comma."""
    splash_first(p)
    person.splash(p, active=True)
    p.keys('Return')
    view = person.converter(p, 'the converter window after Enter on the splash')
    p.checks.equal(view.entry_text, '', 'the number entry after Enter on the splash')
    person.convert_with_enter(p, GERMAN_YARDS)
    person.file_exit(p)


def run_under_wayland(p):
    """Under a headless Wayland compositor, driven through the screen reader
    alone, as it has no keyboard: the splash, the hand-over by the timer, two
    conversions, File > Exit. Where windows stand is the compositor's business
    on Wayland, and with no keyboard no window is ever active: neither is
    checked here."""
    window = splash_first(p)
    splash_layout(p, window)
    p.screenshot('splash')
    view = person.converter(p, 'the converter window after the splash timer',
                            timeout=APPEAR_TIMEOUT + SPLASH_SECONDS + HAND_OVER_SLACK, active=False)
    after = time.monotonic() - p.started_at
    p.checks.check(after >= SPLASH_SECONDS,
                   f'the splash stays {SPLASH_SECONDS:g} s: the converter window came {after:.2f} s after the start')
    p.screenshot('converter')
    p.checks.equal([(window.role, window.name) for window in p.windows()], [('frame', TITLE)],
                   'the windows after the hand-over: the converter window only')
    p.checks.equal(view.entry_text, '', 'the number entry after the timer')
    p.checks.equal(view.unit_list_text, UNIT_LIST_PROMPT, 'the unit list at first display')
    p.checks.equal(view.unit_list_items, list(UNITS), 'the items of the unit list, in order')
    p.checks.equal(view.fields, {unit: '' for unit in UNITS}, 'the result fields at first display')
    converter_layout(p, view)

    for row in (ONE_LEAGUE, TENTH_MILE):
        person.convert_by_screen_reader(p, row)
    person.file_exit_by_screen_reader(p)


def run_in_colour_scheme(p):
    """A dark or high-contrast scheme: the red web address on the splash and
    the number typed into the entry, both colours fixed beside a system one,
    read at least as well as 4.5:1 or as under the default scheme (the red
    address on light grey: 3.5:1)."""
    window = splash_first(p)
    address = window.find_all(role='label', name='https://zelvar.example/')
    p.checks.equal(len(address), 1, 'the web address on the splash')
    shot = p.screenshot('splash')
    ground, strongest = text_contrast(shot, address[0].extents)
    p.checks.check(strongest >= 3.4, f'the web address reads at {strongest:.2f}:1 on {ground}')
    person.splash(p, active=True)
    p.keys('x')
    person.converter(p, 'the converter window after a key on the splash')
    view = person.type_number(p, '1234.5')
    person.press_tab_until(p, 'CONVERT')  # no text cursor in the boxes measured
    shot = p.screenshot('converter')
    # Inside their frames; of the unit list, its text and not its arrow.
    for what, box, share in (('the typed number', view.entry.extents, 1.0),
                             ('the unit list\'s prompt', view.unit_list.extents, 0.7)):
        ground, strongest = text_contrast(shot, box, inset=3, share=share)
        p.checks.equal(ground, (192, 192, 192), f'the ground of {what}, fixed light grey')
        p.checks.check(strongest >= 4.5, f'{what} reads at {strongest:.2f}:1 on its light grey')
    person.file_exit(p)


GERMAN = {'LANG': 'de_DE.UTF-8', 'LC_ALL': 'de_DE.UTF-8'}


class Run(NamedTuple):
    name: str
    env: dict         # what the run sets in the program's environment, or a function making it
    steps: Callable   # steps(program)
    desktop: str = 'x11'  # or 'wayland'
    starts: Callable = None  # the Program class that starts it, when not the plain one
    alone: bool = False  # run only when asked for by name (--only)


RUNS = (
    Run('key', {}, run_with_key),
    Run('timer', {}, run_with_timer),
    Run('scale2', {'QT_SCALE_FACTOR': '2'}, run_at_scale_two),
    Run('german', GERMAN, run_in_german),
    Run('dark', qt6ct_environment(DARKER), run_in_colour_scheme),
    Run('contrast', qt6ct_environment(HIGH_CONTRAST), run_in_colour_scheme),
    Run('wayland', {}, run_under_wayland, desktop='wayland'),
    Run('text', {}, run_reading_text),
    Run('search', {}, run_from_search, starts=FromSearch),
    Run('orca', lambda h, name: {'LSAN_OPTIONS': leak_options(h.out_dir, 'orca-lsan.supp')}, run_with_orca,
        starts=WithOrca, alone=True),
)
