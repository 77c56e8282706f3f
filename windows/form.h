// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Closing as the program's windows expect it: the unload handler runs once, never cancels, and
// the window is destroyed afterwards. A second request to close does nothing.
#pragma once

#include <QCloseEvent>
#include <QTimer>

template<class Design>
class Form : public Design
{
public:
    explicit Form(QWidget *parent = nullptr) : Design(parent)
    {
        this->setAttribute(Qt::WA_DeleteOnClose);
    }

    // Closes the window unless it is already closing; covers platform close requests as well.
    void closeForm()
    {
        if (!m_closing)
            this->close();
    }

protected:
    virtual void Form_Unload() = 0;

    void closeEvent(QCloseEvent *event) override
    {
        event->accept();
        if (m_closing)
            return;
        m_closing = true;
        Form_Unload();
        // A closed window's timers tick no more, though the window is deleted only later.
        for (QTimer *timer : this->template findChildren<QTimer *>())
            timer->stop();
    }

private:
    bool m_closing = false;
};
