// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the quiz window: a console picture with the question, answers, score and clock.
#pragma once

#include "formwindow.h"

class CaptionLabel;
class CommandButton;
class FormTimer;
class ListBox;
class PictureButton;
class TextBox;

class FrmDtestDesign : public FormWindow
{
    Q_OBJECT

public:
    explicit FrmDtestDesign(QWidget *parent = nullptr);

    // In tab order, then the labels and the timer.
    TextBox *const txtMain;        // section text, the log, messages
    ListBox *const lstAns;         // the options of the question on screen
    PictureButton *const cmdOk;    // Next
    PictureButton *const cmdCheck; // Answers
    TextBox *const txtQuest;       // the question on screen
    CommandButton *const cmdHelp;
    CaptionLabel *const Label1;   // "Дальше"
    CaptionLabel *const Label2;   // "Ответы"
    CaptionLabel *const lblMin;   // clock minutes
    CaptionLabel *const Label5;   // ":"
    CaptionLabel *const lblSec;   // clock seconds
    CaptionLabel *const Label6;   // "Отвечено:"
    CaptionLabel *const lblNAns;  // answered count
    CaptionLabel *const Label4;   // "Баллов:"
    CaptionLabel *const lblNBall; // score
    CaptionLabel *const Label7;   // "Стоимость:"
    CaptionLabel *const lblBall;  // points of the question on screen
    FormTimer *const tmrMain;
};
