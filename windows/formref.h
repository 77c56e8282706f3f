// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A global window reference: empty, or the window's one instance. A use through an empty
// reference creates and loads a new, hidden instance, as the program's windows expect.
#pragma once

#include <QPointer>

template<class Window>
class FormRef
{
public:
    // A use through the reference: loads the window first when the reference is empty.
    Window *operator->() { return get(); }
    Window *get()
    {
        if (!m_form)
            m_form = new Window; // its constructor is its load handler
        return m_form;
    }

    // The instance, if any, without loading one. The program itself never looks: every use of
    // a reference goes through it. These are for whoever checks the references from outside
    // (the tests), since any use through the reference would load the very window looked for.
    Window *instance() const { return m_form; }
    bool isEmpty() const { return !m_form; }

    // Empties the reference; the window itself stays until it is closed.
    void release() { m_form = nullptr; }

    // Closes the referenced window, if there is one that is not already closing; never loads one.
    void close()
    {
        if (m_form)
            m_form->closeForm();
    }

private:
    QPointer<Window> m_form;
};
