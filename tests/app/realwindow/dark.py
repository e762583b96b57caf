# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""Under GTK's dark Adwaita the chart's pale swatches keep their captions readable."""

import os
import time


def luminance(rgb):
    linear = lambda c: c / 255 / 12.92 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4
    return sum(w * linear(c) for w, c in zip((0.2126, 0.7152, 0.0722), rgb))


def run(h):
    h.start(h.program, env=dict(os.environ, QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark"))
    chart = h.open_tool(h.menu_after_splash(), 0, 0, "Colour Codes list")
    time.sleep(0.5)
    for caption, top in [("gold", 312), ("no band", 344)]:
        box = [p for row in h.shot(chart, 25, top + 1, 47, 15) for p in row]
        background = luminance(max(set(box), key=box.count))
        ratio = max((max(luminance(p), background) + 0.05) / (min(luminance(p), background) + 0.05) for p in box)
        h.check(ratio >= 4.5, "%r reads at %.1f:1" % (caption, ratio))
