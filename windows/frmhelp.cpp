// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"

#include "backgrounddrag.h"
#include "characterkey.h"
#include "credits.h"
#include "picturebox.h"
#include "textbox.h"

#include <QMouseEvent>

FormRef<FrmHelp> frmHelp;

FrmHelp::FrmHelp() : m_drag(new BackgroundDrag(*this))
{
    setMouseTracking(true);
    connect(txthelp, &TextBox::keyPressed, this, &FrmHelp::txthelp_KeyPress);
    connect(Image1, &PictureBox::clicked, this, &FrmHelp::closeForm);
}

QString FrmHelp::usageHelpText()
{
    return QStringLiteral("Все предельно просто,-нажимаете кнопку далее, выбираете ответ и снова "
                          "нажимаете кнопку далее!\r\n"
                          "Если вы хотите посмотреть историю ваших ответов, то просто нажмите "
                          "кнопку ответы. Всего вопросов 80 из которых 1уровня 20; 2уровня 40; "
                          "3уровня 20!") +
            QStringLiteral(" Все вопросы были составлены ") + Credits::byAuthor() + u'!' +
            QStringLiteral(" За основу были взяты Dustmoor1,2! Желаю удачи!");
}

QString FrmHelp::closingCreditsText()
{
    return QStringLiteral("Код написал и проверен ") + Credits::byAuthor() +
            QStringLiteral(" в не трезвом состоянии, если обноружите ошибки- сразу же напишите "
                           "мне! ") +
            Credits::contactAddress() + QStringLiteral("! Надеюсь вам понравилось.");
}

void FrmHelp::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
}

void FrmHelp::showModeless()
{
    // Modality only changes while the window is hidden.
    if (isModal() && isVisible())
        hide();
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void FrmHelp::Form_Unload()
{
    frmHelp.release();
}

void FrmHelp::txthelp_KeyPress(int characterCode)
{
    if (characterCode == CharacterKey::Escape) {
        closeForm();
        frmHelp.release();
    }
}

void FrmHelp::mouseMoveEvent(QMouseEvent *event)
{
    m_drag->pointerMoved(*event);
}
