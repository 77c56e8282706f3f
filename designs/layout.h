// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything lies in the three windows, in twips from the top-left corner of the client
// area: the client sizes and every control's designed box. The windows place their controls
// from here and the artwork generator paints the screens and slots under them from here, so
// the pictures follow the controls. QtCore only: the generator and the tests read it too.
#pragma once

#include "twips.h"

#include <QRect>
#include <QSize>

namespace Layout {

struct Box
{
    int left;
    int top;
    int width;
    int height;

    constexpr QRect twips() const { return QRect(left, top, width, height); }
    constexpr QRect pixels() const { return Twips::rect(left, top, width, height); }
};

struct Client
{
    int width;
    int height;

    constexpr QSize twips() const { return QSize(width, height); }
    constexpr QSize pixels() const
    {
        return QSize(Twips::toPixels(width), Twips::toPixels(height));
    }
};

// A vertical line from (x, bottom) up to (x, top).
struct VerticalLine
{
    int x;
    int top;
    int bottom;
};

// frmDTEST: a console picture with the question, the answers, the score and the clock.
namespace Quiz {
inline constexpr Client client{9585, 7185};
inline constexpr Box txtMain{2040, 600, 5535, 2775};
inline constexpr Box lstAns{1920, 5040, 5775, 1785};
inline constexpr Box cmdOk{8640, 4800, 735, 495};
inline constexpr Box cmdCheck{8640, 6000, 735, 495};
inline constexpr Box txtQuest{2040, 3480, 5655, 735};
inline constexpr Box cmdHelp{0, 0, 735, 255};
inline constexpr Box Label1{8640, 4560, 735, 255}; // "Дальше", above cmdOk
inline constexpr Box Label2{8640, 5760, 735, 255}; // "Ответы", above cmdCheck
inline constexpr Box lblMin{8280, 120, 180, 195};
inline constexpr Box Label5{8520, 120, 45, 195}; // ":"
inline constexpr Box lblSec{8640, 120, 180, 195};
// The next six take their caption's size; these are their boxes as designed.
inline constexpr Box Label6{7920, 480, 765, 195}; // "Отвечено:"
inline constexpr Box lblNAns{8760, 480, 180, 195};
inline constexpr Box Label4{7920, 720, 600, 195}; // "Баллов:"
inline constexpr Box lblNBall{8760, 720, 180, 195};
inline constexpr Box Label7{8040, 3360, 870, 195}; // "Стоимость:"
inline constexpr Box lblBall{9000, 3360, 180, 195};
} // namespace Quiz

// frmFin: the verdict over a picture; the history panel lies beyond the narrow width.
namespace Results {
inline constexpr Client client{6255, 5655}; // the narrow window
inline constexpr int PanelWidth = 3391;     // how far the history panel widens it
inline constexpr Box lblMain{1440, 360, 3615, 4815};
inline constexpr Box Image1{4920, 5280, 1185, 210}; // "статистика"
inline constexpr Box imgExit{6000, 120, 135, 135};
inline constexpr Box txtDbl{6360, 120, 3135, 5415};
inline constexpr VerticalLine L{6240, 0, 5640};
} // namespace Results

// frmHelp: a dark screen with the text, and a painted close button under Image1.
namespace Help {
inline constexpr Client client{6000, 7035};
inline constexpr Box txthelp{600, 480, 4575, 4095};
inline constexpr Box Image1{3240, 6360, 1935, 495};
inline constexpr Box imgDn{5280, 4440, 255, 135};
} // namespace Help

} // namespace Layout
