# SPDX-License-Identifier: GPL-3.0-or-later
"""What the program must show, worked out by hand from its conversion table
and rendering rules, and where its controls must stand, in twips.

Nothing here comes from running the program. The version the windows show
is the project's own, which the test is given when it starts."""

from typing import NamedTuple

TITLE = 'Zelvar'

# The unit list's order, which is also the order of the result fields here.
UNITS = ('LEAGUE', 'MILES', 'FURLONG', 'RODS', 'YARDS', 'FEET', 'INCHES',
         'KILOMETERS', 'HECTOMETERS', 'DEKAMETERS', 'METERS', 'DECIMETERS', 'CENTIMETERS', 'MILLIMETERS')

UNIT_LIST_PROMPT = 'Select Unit'  # as read: the arrow drawn after the words is left out
ABOUT_TEXT = 'Send comments to: feedback@zelvar.example ' + '  Check out: https://zelvar.example/'


class WorkedRow(NamedTuple):
    entry: str   # what is typed
    unit: str    # what is picked in the unit list
    fields: dict  # unit name -> the text its result field must show


def _row(entry, unit, *texts):
    assert len(texts) == len(UNITS)
    return WorkedRow(entry, unit, dict(zip(UNITS, texts)))


# US English separators. Single cells show 7 significant digits, double cells
# 15, then at most five decimals; a whole number keeps its decimal point.
ONE_LEAGUE = _row(
    '1', 'LEAGUE',
    'LEAGUE', '3.', '24.', '960.', '5,280.', '15,840.', '190,080.',
    '4.828', '48.2803', '482.8032', '4,828.032', '48,280.32', '482,803.2', '4,828,032.')

# The kilometre rows use the shortened factors: 0.6213 miles, 3280.8399 feet.
ONE_KILOMETER = _row(
    '1', 'KILOMETERS',
    '.2071', '.6213', '4.9704', '198.8388', '1,093.6133', '3,280.8399', '39,370.0788',
    'KILOMETERS', '10.', '100.', '1,000.', '10,000.', '100,000.', '1,000,000.')

# 0.1 is entered as the single nearest it, 0.100000001490116...: the double
# cells keep that excess (inches 6,336.00009), the single cells round it
# away (feet 528. and leagues .03333 from 0.0333333...).
TENTH_MILE = _row(
    '0.1', 'MILES',
    '.03333', 'MILES', '.8', '32.', '176.', '528.', '6,336.00009',
    '.16093', '1.60934', '16.09344', '160.9344', '1,609.34402', '16,093.44024', '160,934.4024')

# Negative values keep the sign; below one the integer part has no digit.
MINUS_TWO_AND_A_HALF_FEET = _row(
    '-2.5', 'FEET',
    '-.00016', '-.00047', '-.00375', '-.1515', '-.83333', 'FEET', '-30.',
    '-.00076', '-.00762', '-.0762', '-.762', '-7.62', '-76.2', '-762.')

# With German settings: thousands point, decimal comma; the entry still reads '.'.
GERMAN_YARDS = _row(
    '1234.5', 'YARDS',
    ',23381', ',70142', '5,6108', '224,45432', 'YARDS', '3.703,5', '44.442,',
    '1,12833', '11,28827', '112,88268', '1.128,8268', '11.288,268', '112.882,68', '1.128.826,8')

# Beyond the single-precision range: an overflow for any unit.
OVERFLOWING_ENTRY = '1E39'

# Geometry, in twips: 15 twips are one pixel at scale 1.
TWIPS_PER_PIXEL = 15


def pixels(twips_rect):
    return tuple(value // TWIPS_PER_PIXEL for value in twips_rect)


# The converter window: positions from the top-left of the client area, below
# the menu bar; (left, top, width, height).
CONVERTER_CLIENT = (6600, 5220)
CONVERTER_CONTROLS = {
    'unit list': (1260, 4740, 1515, 315),
    'number entry': (2040, 4200, 735, 285),
    'CLEAR': (5160, 4410, 975, 375),
    'CONVERT': (3810, 4410, 975, 375),
    'prompt label': (720, 4260, 1395, 255),
}
PROMPT_LABEL_TEXT = 'Enter Number ---->'

# The result grid: a row every 330 twips from 1620, the largest unit lowest.
# Each result field ends 45 twips left of its unit caption; empty, it is 135 wide.
_ROW_TOP = {'INCHES': 1620, 'FEET': 1950, 'YARDS': 2280, 'RODS': 2610, 'FURLONG': 2940, 'MILES': 3270,
            'LEAGUE': 3600,
            'MILLIMETERS': 1620, 'CENTIMETERS': 1950, 'DECIMETERS': 2280, 'METERS': 2610, 'DEKAMETERS': 2940,
            'HECTOMETERS': 3270, 'KILOMETERS': 3600}
_CUSTOMARY = UNITS[:7]
UNIT_CAPTIONS = {unit: ((1560, _ROW_TOP[unit], 1215, 315) if unit in _CUSTOMARY else
                        (4440, _ROW_TOP[unit], 1875, 315)) for unit in UNITS}
EMPTY_RESULT_FIELDS = {unit: ((1380, _ROW_TOP[unit], 135, 315) if unit in _CUSTOMARY else
                              (4260, _ROW_TOP[unit], 135, 315)) for unit in UNITS}
RESULT_FIELD_RIGHT_EDGE = {unit: (1515 if unit in _CUSTOMARY else 4395) for unit in UNITS}

# The splash window: no title bar, so its client area is the whole window.
SPLASH_CLIENT = (7380, 4245)
SPLASH_PICTURES = (  # backdrop, banner, the enlarged icon (reaching past the left edge)
    (0, 0, 7350, 4290), (1320, 720, 5010, 1080), (-120, 1920, 1815, 2385),
)
# The labels size themselves to their text; the edge they are aligned to stays.
SPLASH_VERSION_LABEL_RIGHT_TOP = (6405, 2010)    # right-aligned
SPLASH_PLATFORM_LABEL = ('Windows 95', 3900, 1950)  # right-aligned: right edge, top
