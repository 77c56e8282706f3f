// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the designed layout in pixels as bash arrays, so that the scripts which play the
// program through the X server point where the controls are: per window its client size
// (quiz_client=(639 479); results_wide with the history panel out), and for each control but
// the quiz window's captions and counters its left, top, width and height, named after the
// window and the control (quiz_cmdOk=(576 320 49 33)).
#include "layout.h"

#include <cstdio>
#include <utility>

int main()
{
    using namespace Layout;
    const Client wide{Results::client.width + Results::PanelWidth, Results::client.height};
    const std::pair<const char *, Client> clients[] = {
            {"quiz_client", Quiz::client},
            {"results_client", Results::client},
            {"results_wide", wide},
            {"help_client", Help::client},
    };
    const std::pair<const char *, Box> boxes[] = {
            {"quiz_txtMain", Quiz::txtMain},       {"quiz_lstAns", Quiz::lstAns},
            {"quiz_cmdOk", Quiz::cmdOk},           {"quiz_cmdCheck", Quiz::cmdCheck},
            {"quiz_txtQuest", Quiz::txtQuest},     {"quiz_cmdHelp", Quiz::cmdHelp},
            {"results_lblMain", Results::lblMain}, {"results_Image1", Results::Image1},
            {"results_imgExit", Results::imgExit}, {"results_txtDbl", Results::txtDbl},
            {"help_txthelp", Help::txthelp},       {"help_Image1", Help::Image1},
            {"help_imgDn", Help::imgDn},
    };
    for (const auto &[name, client] : clients)
        std::printf("%s=(%d %d)\n", name, client.pixels().width(), client.pixels().height());
    for (const auto &[name, box] : boxes) {
        const QRect pixels = box.pixels();
        std::printf("%s=(%d %d %d %d)\n", name, pixels.x(), pixels.y(), pixels.width(),
                    pixels.height());
    }
    return 0;
}
