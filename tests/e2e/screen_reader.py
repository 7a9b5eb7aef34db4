# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a running program's windows over AT-SPI, as a screen reader does.

Nothing is cached on this side: every property of an element is asked of the
program when it is read, so what is read is what the program shows at that
moment. Places and sizes are read in screen coordinates: Qt 6.4 answers
window-relative extents with a wrong width and height, so places inside a
window are taken relative to an element of that window instead."""

import warnings
from typing import NamedTuple

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter('ignore', DeprecationWarning)

CALL_TIMEOUT_MS = 3000  # per call; the program answers while a message box is open


class Rect(NamedTuple):
    x: int
    y: int
    width: int
    height: int

    def relative_to(self, origin):
        return Rect(self.x - origin.x, self.y - origin.y, self.width, self.height)

    @property
    def right(self):
        return self.x + self.width

    def __str__(self):
        return f'({self.x}, {self.y}, {self.width}, {self.height})'


class Vanished(Exception):
    """The program, or the element being read, went away."""


def _ask(call, *args):
    try:
        return call(*args)
    except GLib.Error as error:
        raise Vanished(error.message) from None


class Element:
    """One accessible element of the program; each property is read live."""

    def __init__(self, obj):
        self._obj = obj

    def __eq__(self, other):
        return isinstance(other, Element) and self._obj == other._obj

    def __hash__(self):
        return hash(self._obj)

    @property
    def role(self):
        return _ask(self._obj.get_role_name)

    @property
    def name(self):
        return _ask(self._obj.get_name) or ''

    @property
    def description(self):
        return _ask(self._obj.get_description) or ''

    @property
    def states(self):
        return frozenset(state.value_nick for state in _ask(self._obj.get_state_set).get_states())

    @property
    def showing(self):
        return 'showing' in self.states

    @property
    def focused(self):
        return 'focused' in self.states

    @property
    def active(self):
        return 'active' in self.states

    @property
    def text(self):
        """The contents of an element that offers text, else None."""
        if 'Text' not in _ask(self._obj.get_interfaces):
            return None
        return _ask(Atspi.Text.get_text, self._obj, 0, _ask(Atspi.Text.get_character_count, self._obj))

    def pieces(self, offset, boundary):
        """(text, start, end) at, before and after an offset, by an Atspi.TextBoundaryType."""
        return [(piece.content, piece.start_offset, piece.end_offset) for piece in
                (_ask(ask, self._obj, offset, boundary) for ask in
                 (Atspi.Text.get_text_at_offset, Atspi.Text.get_text_before_offset, Atspi.Text.get_text_after_offset))]

    def attribute_run(self, offset):
        _, start, end = _ask(Atspi.Text.get_attribute_run, self._obj, offset, False)
        return start, end

    @property
    def caret(self):
        return _ask(Atspi.Text.get_caret_offset, self._obj)

    @property
    def actions(self):
        """The names of what the element can be told to do ('Press', 'ShowMenu', ...)."""
        if 'Action' not in _ask(self._obj.get_interfaces):
            return []
        return [_ask(Atspi.Action.get_action_name, self._obj, index)
                for index in range(_ask(Atspi.Action.get_n_actions, self._obj))]

    def act(self, action):
        """Does the named action, as a screen reader user does; False when the
        element has no such action or the program turned it down."""
        names = self.actions
        return action in names and bool(_ask(Atspi.Action.do_action, self._obj, names.index(action)))

    def set_text(self, text):
        """Replaces the contents of an editable element; False when it has no
        editable text or the program turned the change down."""
        if 'EditableText' not in _ask(self._obj.get_interfaces):
            return False
        return bool(_ask(Atspi.EditableText.set_text_contents, self._obj, text))

    @property
    def extents(self):
        box = _ask(Atspi.Component.get_extents, self._obj, Atspi.CoordType.SCREEN)
        return Rect(box.x, box.y, box.width, box.height)

    @property
    def children(self):
        found = []
        for index in range(_ask(self._obj.get_child_count)):
            child = _ask(self._obj.get_child_at_index, index)
            if child is not None:
                found.append(Element(child))
        return found

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def find_all(self, role=None, name=None, description=None):
        return [element for element in self.walk()
                if (role is None or element.role == role)
                and (name is None or element.name == name)
                and (description is None or element.description == description)]

    def outline(self, depth=0):
        """The element and everything in it as indented text, for the record
        of a failed run."""
        parts = [self.role, f'name={self.name!r}']
        if self.description:
            parts.append(f'desc={self.description!r}')
        text = self.text
        if text:
            parts.append(f'text={text!r}')
        if 'Component' in _ask(self._obj.get_interfaces):
            parts.append(str(self.extents))
        parts.append(','.join(sorted(self.states)))
        lines = ['  ' * depth + ' '.join(parts)]
        lines += [child.outline(depth + 1) for child in self.children]
        return '\n'.join(lines)


class Window(NamedTuple):
    """A top-level window as read at one moment."""
    element: Element
    role: str
    name: str
    description: str
    states: frozenset

    @property
    def showing(self):
        return 'showing' in self.states

    @property
    def active(self):
        return 'active' in self.states

    def __str__(self):
        return f'{self.role} {self.name!r}' + (' (active)' if self.active else '')


class ScreenReader:
    def __init__(self):
        Atspi.set_timeout(CALL_TIMEOUT_MS, 0)
        self._desktop = Atspi.get_desktop(0)
        self._desktop.set_cache_mask(Atspi.Cache.NONE)

    def application(self, pid):
        """The program's root element, or None while it is not on the bus."""
        context = GLib.MainContext.default()
        while context.iteration(False):  # take in the bus's news of programs coming and going
            pass
        try:
            count = self._desktop.get_child_count()
        except GLib.Error:
            return None
        for index in range(count):
            try:
                app = self._desktop.get_child_at_index(index)
                if app is not None and app.get_process_id() == pid:
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return Element(app)
            except GLib.Error:
                continue  # a program that is going away
        return None

    def applications(self):
        """What is on the accessibility bus: (name, process id) of each program."""
        found = []
        try:
            for index in range(self._desktop.get_child_count()):
                app = self._desktop.get_child_at_index(index)
                try:
                    found.append((app.get_name(), app.get_process_id()) if app is not None else None)
                except GLib.Error as error:
                    found.append(('?', error.message))
        except GLib.Error as error:
            found.append(('registry', error.message))
        return found

    def windows(self, pid):
        """The program's showing top-level windows; [] while it is not on the bus."""
        app = self.application(pid)
        if app is None:
            return []
        try:
            windows = [Window(child, child.role, child.name, child.description, child.states)
                       for child in app.children]
        except Vanished:
            return []
        return [window for window in windows if window.showing]
