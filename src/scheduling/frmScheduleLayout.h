#pragma once

#include <QWidget>

namespace scheduling {

// Names a control after its documented name and hands it back.
template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace scheduling
