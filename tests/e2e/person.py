"""What a person does in the program, step by step, each step checked through
the screen reader: reach a control with Tab, type, pick a unit from the drop-
down list, convert, close a message box, end the program."""

from checks import StepFailed
from expected import EMPTY_RESULT_FIELDS, RESULT_FIELD_RIGHT_EDGE, TWIPS_PER_PIXEL, UNITS, pixels
from program import APPEAR_TIMEOUT
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


def read_converter(p):
    """The converter window if it is the one window and active, else None;
    and the windows seen."""
    windows = p.windows()
    mains = main_windows(windows)
    if len(mains) == 1 and len(windows) == 1 and mains[0].active:
        return p.converter(mains[0].element), _seen(windows)
    return None, _seen(windows)


def until(p, condition, what, describe=None, timeout=None):
    """Waits until the converter window is the active window and
    condition(view) holds; returns the view. The run stops when it does not come."""
    def probe():
        view, seen = read_converter(p)
        if view is None:
            return False, seen
        return (condition(view) and view), (describe(view) if describe else seen)
    return p.wait(probe, what) if timeout is None else p.wait(probe, what, timeout)


def settle(p, condition, what):
    """Waits a while for condition(view), for the program to catch up with the
    keys; returns the converter window whether or not the condition came, for
    the caller to check what it shows."""
    try:
        return until(p, condition, what)
    except StepFailed:
        return converter(p)


def expect(p, condition, what, describe):
    """Like until(), but when the condition does not come the failure is
    recorded and the run goes on. Returns the converter window."""
    try:
        return until(p, condition, what, describe)
    except StepFailed as failure:
        p.checks.check(False, str(failure))
        return converter(p)


def converter(p, what='the converter window, active', timeout=None):
    return until(p, lambda view: True, what, timeout=timeout)


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
