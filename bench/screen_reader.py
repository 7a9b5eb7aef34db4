#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a program with Qt's accessibility bridge on while a stand-in screen
reader listens on the accessibility bus: it takes every text, caret and focus
event and, as a screen reader does on a caret move, reads the line the caret
is on. Prints the program's output and returns its exit status.

    dbus-run-session -- bench/screen_reader.py PROGRAM [ARGS...]

Needs a session bus of its own (dbus-run-session) and an X display."""
import os
import subprocess
import sys
import warnings

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter('ignore', DeprecationWarning)

EVENTS = ('object:text-changed', 'object:text-caret-moved', 'object:text-selection-changed',
          'object:state-changed:focused', 'focus:')


def heard(event):
    try:
        if event.type == 'object:text-caret-moved':
            Atspi.Text.get_string_at_offset(event.source, event.detail1, Atspi.TextGranularity.LINE)
        elif event.type.startswith('object:text-changed'):
            str(event.any_data)  # what a screen reader speaks
    except GLib.Error:
        pass  # the element went away meanwhile


def main():
    listener = Atspi.EventListener.new(heard)
    for event in EVENTS:
        listener.register(event)
    program = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE, text=True,
                               env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
    loop = GLib.MainLoop()
    GLib.timeout_add(50, lambda: program.poll() is None or loop.quit())
    loop.run()
    sys.stdout.write(program.stdout.read())
    return program.returncode


if __name__ == '__main__':
    sys.exit(main())
