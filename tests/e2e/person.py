# SPDX-License-Identifier: GPL-3.0-or-later
"""What a person does in the program, step by step, each step checked through
the screen reader: reach a control with Tab, type, pick a unit from the drop-
down list, convert, close a message box, end the program."""

from checks import StepFailed
from expected import EMPTY_RESULT_FIELDS, RESULT_FIELD_RIGHT_EDGE, TWIPS_PER_PIXEL, UNITS, pixels
from program import APPEAR_TIMEOUT
from screen_reader import Vanished
from views import MessageBox, main_windows, message_boxes, splash_windows


def _seen(windows):
    return ', '.join(str(window) for window in windows) or 'no window'


def first_windows(p):
    """Waits for the program's first window; returns the windows then showing."""
    def probe():
        windows = p.windows()
        if windows:
            return windows, _seen(windows)
        root = p.tree()
        if root is None:
            return False, (f'the program (process {p.pid}) is not on the accessibility bus; '
                           f'there are {p.h.reader.applications()}')
        return False, f'the program is on the accessibility bus with no window showing: {root.outline()}'
    return p.wait(probe, 'a first window of the program', APPEAR_TIMEOUT)


def splash(p, active=False):
    """Waits for the splash window alone (and, if asked, holding the focus)."""
    def probe():
        windows = p.windows()
        splashes = splash_windows(windows)
        ok = len(splashes) == 1 and len(windows) == 1 and (splashes[0].active or not active)
        return (splashes[0] if ok else False), _seen(windows)
    return p.wait(probe, 'the splash window alone' + (', with the keyboard focus' if active else ''))


def read_converter(p, active=True):
    """The converter window if it is the one window (and active, if asked),
    else None; and the windows seen."""
    windows = p.windows()
    mains = main_windows(windows)
    if len(mains) == 1 and len(windows) == 1 and (mains[0].active or not active):
        return p.converter(mains[0].element), _seen(windows)
    return None, _seen(windows)


def until(p, condition, what, describe=None, timeout=None, active=True):
    """Waits until the converter window is the one window, active unless told
    otherwise, and condition(view) holds; returns the view. The run stops when
    it does not come."""
    def probe():
        view, seen = read_converter(p, active)
        if view is None:
            return False, seen
        return (condition(view) and view), (describe(view) if describe else seen)
    return p.wait(probe, what) if timeout is None else p.wait(probe, what, timeout)


def settle(p, condition, what, active=True):
    """Waits a while for condition(view), for the program to catch up with the
    keys; returns the converter window whether or not the condition came, for
    the caller to check what it shows."""
    try:
        return until(p, condition, what, active=active)
    except StepFailed:
        return converter(p, active=active)


def expect(p, condition, what, describe):
    """Like until(), but when the condition does not come the failure is
    recorded and the run goes on. Returns the converter window."""
    try:
        return until(p, condition, what, describe)
    except StepFailed as failure:
        p.checks.check(False, str(failure))
        return converter(p)


def converter(p, what='the converter window, active', timeout=None, active=True):
    return until(p, lambda view: True, what, timeout=timeout, active=active)


def message_box(p, what):
    def probe():
        windows = p.windows()
        boxes = message_boxes(windows)
        return (MessageBox(boxes[0].element) if len(boxes) == 1 else False), _seen(windows)
    return p.wait(probe, what)


def close_message_box(p, what):
    """OK, with Enter, closes the box and gives the converter window back."""
    p.keys('Return')
    return converter(p, f'the converter window back, active, after OK on {what}')


def press_tab_until(p, target):
    """Presses Tab until `target` ('number entry', 'unit list', a button) has the focus."""
    view = converter(p)
    for _ in range(5):
        focus = view.focus_name()
        if focus == target:
            return view
        p.keys('Tab')
        until(p, lambda v: v.focus_name() != focus, f'the focus leaving the {focus} on Tab')
    raise StepFailed(f'Tab never brought the focus to the {target}; it is on the {view.focus_name()}')


def tab_order(p):
    """From the number entry, Tab visits the unit list, CONVERT, CLEAR and comes back."""
    press_tab_until(p, 'number entry')
    for target in ('unit list', 'CONVERT', 'CLEAR', 'number entry'):
        p.keys('Tab')
        expect(p, lambda view: view.focus_name() == target, f'Tab moving the focus on to the {target}',
               lambda view: f'the focus is on the {view.focus_name()}')


def type_number(p, text):
    press_tab_until(p, 'number entry')
    p.keys('ctrl+a')
    p.type(text)
    return until(p, lambda view: view.entry_text == text, f'the number entry holding {text!r} after typing it',
                 lambda view: f'it holds {view.entry_text!r}')


def pick_unit(p, unit):
    """Drops the unit list down with Alt+Down, walks to the unit with the
    arrow keys and takes it with Enter; only the unit's own field changes."""
    before = press_tab_until(p, 'unit list').fields
    p.keys('alt+Down')
    until(p, lambda view: view.unit_list_popup.showing, 'the unit list dropping down on Alt+Down')
    p.keys('Home', *['Down'] * UNITS.index(unit), 'Return')
    until(p, lambda view: view.unit_list_text == unit and not view.unit_list_popup.showing,
          f'the unit list showing {unit} after picking it', lambda view: f'it shows {view.unit_list_text!r}')
    marked = dict(before, **{unit: unit})
    view = settle(p, lambda v: v.fields == marked, f'{unit} in its own result field')
    p.checks.mapping(view.fields, marked, f'result fields after picking {unit} (its own field shows its name, '
                                          'the others stay)')
    return view


def convert_with_enter(p, row):
    """Types the row's number, picks its unit, presses Enter: all fourteen fields."""
    type_number(p, row.entry)
    pick_unit(p, row.unit)
    p.keys('Return')
    what = f'{row.entry} {row.unit} converted with Enter'
    view = settle(p, lambda v: v.fields == row.fields, what)
    p.checks.mapping(view.fields, row.fields, what)
    p.checks.equal(view.entry_text, row.entry, f'the number entry after {what}')
    result_field_edges(p, view, f'after {what}')
    p.screenshot(row.unit.lower())
    return view


def result_field_edges(p, view, when):
    """A result field grows to the left: its right edge, top and height stay."""
    client = view.client.extents
    for unit, element in view.result_fields.items():
        box = element.extents.relative_to(client)
        _, top, _, height = pixels(EMPTY_RESULT_FIELDS[unit])
        p.checks.equal((box.right, box.y, box.height), (RESULT_FIELD_RIGHT_EDGE[unit] // TWIPS_PER_PIXEL, top, height),
                       f'right edge, top and height of the {unit} result field {when}')


def file_exit(p):
    p.keys('alt+f')
    until(p, lambda view: 'Exit' in view.menu_items and view.menu_items['Exit'].showing,
          'File > Exit showing after Alt+F')
    p.screenshot('file-menu')
    p.keys('x')
    status = p.wait_for_end('File > Exit')
    p.checks.equal(status, 0, 'exit status after File > Exit')


# Through the screen reader alone, as on a desktop with no keyboard to press:
# the converter window need not be active there.
def convert_by_screen_reader(p, row):
    """Puts the row's number into the entry and its unit into the unit list's
    text, presses CONVERT: all fourteen fields. The unit goes in as text
    because that is what the unit list offers a screen reader: its list has
    no selection to set, and Toggle on an item marks it in the list but leaves
    the unit list as it was."""
    view = converter(p, 'the converter window', active=False)
    if not view.entry.set_text(row.entry):
        raise StepFailed(f'the number entry did not take {row.entry!r} through the screen reader')
    until(p, lambda v: v.entry_text == row.entry, f'the number entry holding {row.entry!r} after setting it',
          lambda v: f'it holds {v.entry_text!r}', active=False)
    if not view.unit_list_edit.set_text(row.unit):
        raise StepFailed(f'the unit list did not take {row.unit!r} through the screen reader')
    until(p, lambda v: v.unit_list_text == row.unit, f'the unit list showing {row.unit} after setting it',
          lambda v: f'it shows {v.unit_list_text!r}', active=False)
    convert = view.button('CONVERT')
    if not convert.act('Press'):
        raise StepFailed(f'CONVERT did not take the action Press; its actions are {convert.actions}')
    what = f'{row.entry} {row.unit} converted with CONVERT through the screen reader'
    view = settle(p, lambda v: v.fields == row.fields, what, active=False)
    p.checks.mapping(view.fields, row.fields, what)
    p.checks.equal(view.entry_text, row.entry, f'the number entry after {what}')
    result_field_edges(p, view, f'after {what}')
    p.screenshot(row.unit.lower())
    return view


def file_exit_by_screen_reader(p):
    """Opens File with its action ShowMenu and presses Exit: the program ends
    with status 0."""
    view = converter(p, 'the converter window', active=False)
    menu = view.menu_items.get('File')
    if menu is None or not menu.act('ShowMenu'):
        raise StepFailed(f'the File menu did not open through the screen reader; '
                         f'the menu items are {sorted(view.menu_items)}')
    view = until(p, lambda v: 'Exit' in v.menu_items and v.menu_items['Exit'].showing,
                 'File > Exit showing after ShowMenu on File', active=False)
    p.screenshot('file-menu')
    try:
        if not view.menu_items['Exit'].act('Press'):
            raise StepFailed(f"File > Exit did not take the action Press; its actions are "
                             f"{view.menu_items['Exit'].actions}")
    except Vanished:
        pass  # the program may end before it answers; its exit status tells
    status = p.wait_for_end('File > Exit through the screen reader')
    p.checks.equal(status, 0, 'exit status after File > Exit through the screen reader')
