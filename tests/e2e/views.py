# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's windows as a screen reader presents them: which accessible
element is which control, and what each shows now."""

from checks import StepFailed
from expected import PROMPT_LABEL_TEXT, TITLE, UNITS

RESULT_DESCRIPTION = 'Result in {}'


def main_windows(windows):
    return [window for window in windows if window.role == 'frame' and window.name == TITLE]


def message_boxes(windows):
    return [window for window in windows if window.role == 'alert']


def splash_windows(windows):
    """Top-level windows that are neither the converter window nor a message box."""
    return [window for window in windows if window not in main_windows(windows) + message_boxes(windows)]


class MessageBox:
    """A message box, read once: its title, its text and its buttons."""

    def __init__(self, element):
        self.title = element.name
        self.text = '\n'.join(name for name in (label.name for label in element.find_all(role='label')) if name)
        self.buttons = [button.name for button in element.find_all(role='push button')]


class Converter:
    """The converter window. Its controls are found once, by what a screen
    reader announces; what they show is read each time it is asked for."""

    def __init__(self, frame):
        self.frame = frame
        self.outline = frame.outline
        children = [(child, child.role) for child in frame.children]
        clients = [child for child, role in children if role == 'filler']
        menu_bars = [child for child, role in children if role == 'menu bar']
        if len(clients) != 1 or len(menu_bars) != 1:
            raise StepFailed(f'the converter window does not read as a menu bar over a client area:\n{frame.outline()}')
        self.client, self.menu_bar = clients[0], menu_bars[0]

        controls = [(child, child.role, child.name, child.description) for child in self.client.children]

        def one(found, what):
            if len(found) != 1:
                raise StepFailed(f'{len(found)} accessible elements for the {what} in the converter window, '
                                 f'expected one:\n{frame.outline()}')
            return found[0]

        def labels(name=None, description=None):
            return [child for child, role, child_name, child_description in controls
                    if role == 'label' and name in (None, child_name) and description in (None, child_description)]

        self.entry = one([child for child, role, _, _ in controls if role == 'text'], 'number entry')
        self.unit_list = one([child for child, role, _, _ in controls if role == 'combo box'], 'unit list')
        self.unit_list_edit = one(self.unit_list.find_all(role='text'), 'text part of the unit list')
        self.unit_list_popup = one(self.unit_list.find_all(role='list'), 'list of the unit list')
        self.buttons = {name: child for child, role, name, _ in controls if role == 'push button'}
        self.result_fields = {unit: one(labels(description=RESULT_DESCRIPTION.format(unit)),
                                        f'result field described as {RESULT_DESCRIPTION.format(unit)!r}')
                              for unit in UNITS}
        # A unit caption is the label named by its unit that is not a result field
        # (a result field showing its unit's name has that name too). While a
        # screen reader runs, the fields say their units and the captions are left out.
        fields = set(self.result_fields.values())
        self.unit_captions = {unit: captions[0] for unit in UNITS
                              if len(captions := [label for label in labels(name=unit) if label not in fields]) == 1}
        self.prompt = one(labels(name=PROMPT_LABEL_TEXT), 'prompt label')
        # Shapes and the picture only decorate.
        self.decorations = [child for child, role, _, _ in controls if role in ('image', 'frame')]
        self.menu_items = {item.name: item for item in self.menu_bar.find_all(role='menu item')}
        self.file_menu_items = ({item.name for item in self.menu_items['File'].find_all(role='menu item')} - {'File'}
                                if 'File' in self.menu_items else set())

    def button(self, name):
        if name not in self.buttons:
            raise StepFailed(f'no button named {name!r} in the converter window; there are {sorted(self.buttons)}')
        return self.buttons[name]

    @property
    def entry_text(self):
        return self.entry.text

    @property
    def unit_list_text(self):
        return self.unit_list_edit.text

    @property
    def unit_list_items(self):
        return [item.name for item in self.unit_list_popup.children]

    @property
    def fields(self):
        return {unit: element.name for unit, element in self.result_fields.items()}

    def focus_name(self):
        """Which control has the keyboard focus, in words."""
        if self.entry.focused:
            return 'number entry'
        if self.unit_list.focused or self.unit_list_edit.focused:
            return 'unit list'
        for name, button in self.buttons.items():
            if button.focused:
                return name
        return 'nothing'
