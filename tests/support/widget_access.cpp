#include "widget_access.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

QLineEdit* edit(QWidget& window, const char* name)
{
    auto* found = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no line edit %s", name);
    return found;
}

QComboBox* combo(QWidget& window, const char* name)
{
    return window.findChild<QComboBox*>(QString::fromLatin1(name));
}

void click(QWidget& window, const char* name)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QString::fromLatin1(name)),
                      Qt::LeftButton);
}

void trigger(QWidget& window, const char* name)
{
    window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
}
