# SPDX-License-Identifier: GPL-3.0-or-later
"""Colour schemes set as a user of a desktop without KDE sets them, through
qt6ct, and the contrast of what the program then draws, measured from a
screenshot."""

import os

from checks import StepFailed

HERE = os.path.dirname(os.path.abspath(__file__))
DARKER = '/usr/share/qt6ct/colors/darker.conf'  # one of the schemes Debian's qt6ct brings
HIGH_CONTRAST = os.path.join(HERE, 'high-contrast.conf')


def qt6ct_environment(scheme):
    """The environment that has Qt take its colours from qt6ct with the
    scheme; its configuration is written into the run's own folder."""
    def make(harness, run_name):
        if not os.path.exists(scheme):
            raise StepFailed(f'the colour scheme {scheme} is missing (qt6ct is not installed)')
        home = os.path.join(harness.out_dir, f'{run_name}-config')
        os.makedirs(os.path.join(home, 'qt6ct'), exist_ok=True)
        with open(os.path.join(home, 'qt6ct', 'qt6ct.conf'), 'w') as conf:
            conf.write(f'[Appearance]\ncolor_scheme_path={scheme}\ncustom_palette=true\nstyle=Fusion\n')
        return {'QT_QPA_PLATFORMTHEME': 'qt6ct', 'XDG_CONFIG_HOME': home}
    return make


def luminance(rgb):
    def linear(channel):
        channel /= 255
        return channel / 12.92 if channel <= 0.04045 else ((channel + 0.055) / 1.055) ** 2.4
    red, green, blue = rgb
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue)


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def text_contrast(screenshot, box, inset=0, share=1.0):
    """The ground of a box with text on it (its commonest colour) and the
    contrast of the text's strongest pixel with it. inset leaves out a frame,
    share keeps the left part only (a combo box's text, not its arrow)."""
    from PIL import Image
    with Image.open(screenshot) as shot:
        right = box.x + int(box.width * share) - inset
        area = shot.convert('RGB').crop((box.x + inset, box.y + inset, right, box.y + box.height - inset))
        colours = area.getcolors(area.width * area.height)
    ground = max(colours)[1]
    strongest = max(contrast(ground, colour) for _, colour in colours)
    return ground, strongest
