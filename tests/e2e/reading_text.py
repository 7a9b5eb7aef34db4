# SPDX-License-Identifier: GPL-3.0-or-later
"""The number entry read piece by piece, and walked word by word while a
listener reads, as Orca does: every answer comes at once and fits the text."""

from gi.repository import Atspi, GLib

import person
from checks import StepFailed

# The boundaries Qt's bridge answers; paragraphs and the whole text it cannot be asked for.
BOUNDARIES = [getattr(Atspi.TextBoundaryType, name) for name in ('CHAR', 'WORD_START', 'SENTENCE_START', 'LINE_START')]
LONGEST = ('12 345,5 ' * 3641)[:32767]  # the longest text the entry holds
EVERY_OFFSET_UP_TO = 100  # a question takes 0.4 ms: the longest text is read at every 61st offset and the ends
# Keys in '12 345,5', and where each leaves the caret.
WORD_KEYS = (('End', 8), ('ctrl+Left', 7), ('ctrl+Left', 6), ('ctrl+Left', 3), ('ctrl+Left', 0), ('ctrl+Right', 3),
             ('ctrl+Right', 6), ('ctrl+Right', 7), ('ctrl+Right', 8), ('Home', 0), ('shift+ctrl+Right', 3),
             ('shift+ctrl+Right', 6), ('shift+ctrl+Left', 3), ('End', 8))


def offsets(text):
    return [at for at in range(len(text) + 1)
            if len(text) <= EVERY_OFFSET_UP_TO or at % 61 == 0 or min(at, len(text) - at) < 30]


def wrong_pieces(entry, text, offset):
    wrong = [] if entry.attribute_run(offset) == (0, len(text)) else [f'attribute run at {offset}']
    for boundary in BOUNDARIES:
        at, before, after = entry.pieces(offset, boundary)
        where = f'{boundary.value_nick} at {offset}: at {at}, before {before}, after {after}'
        fits = all(start < 0 or content == text[start:end] for content, start, end in (at, before, after))
        holds = at[1] < 0 or at[1] <= offset <= at[2] and (offset < at[2] or offset == len(text))
        joins = (before[1] < 0 or before[2] == at[1]) and (after[1] < 0 or after[1] == at[2])
        if not (fits and holds and joins):
            wrong.append(where)
    return wrong


def run_reading_text(p):
    person.first_windows(p)
    person.splash(p, active=True)
    p.keys('space')
    view = person.converter(p, 'the converter window after Space on the splash')
    for text in ('', '5', '1E39', '12 345,5', LONGEST):
        if not view.entry.set_text(text):
            raise StepFailed(f'the number entry did not take a text of {len(text)} characters')
        person.until(p, lambda v: v.entry_text == text, f'the number entry holding {len(text)} characters')
        wrong = [problem for offset in offsets(text) for problem in wrong_pieces(view.entry, text, offset)]
        p.checks.equal(wrong[:5], [], f'pieces of {text[:12]!r} ({len(text)} characters)')

    heard = []  # what the listener read

    def read_word(event):
        try:
            heard.append(Atspi.Text.get_text_at_offset(event.source, event.detail1, BOUNDARIES[1]).content)
        except GLib.Error as error:
            heard.append(error)
    listener = Atspi.EventListener.new(read_word)
    listener.register('object:text-caret-moved')
    try:
        person.type_number(p, '12 345,5')
        carets = []
        for key, caret in WORD_KEYS:
            p.keys(key)
            carets.append(person.settle(p, lambda v: v.entry.caret == caret, f'the caret at {caret}').entry.caret)
    finally:
        listener.deregister('object:text-caret-moved')
    p.checks.equal(carets, [caret for _, caret in WORD_KEYS], f'the caret after {[key for key, _ in WORD_KEYS]}')
    p.checks.check(heard and all(isinstance(word, str) for word in heard), f'the words read at the caret: {heard}')
    person.file_exit(p)
