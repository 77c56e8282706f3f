// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Gives a newly made control its designed name, which is also how tests and tools find it.
#pragma once

#include <QObject>

template<class Control>
Control *named(const char *name, Control *control)
{
    control->setObjectName(QLatin1String(name));
    return control;
}
