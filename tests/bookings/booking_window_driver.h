#pragma once
// Drives the booking window through its real widgets: opens it for vehicle 3
// as the vehicle window does, and types, leaves fields and presses buttons.

#include "bookings/booking_window.h"
#include "test_env.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>

struct BookingWindowDriver {
    TestEnv env;
    TFormBuchen window{env.context};

    // Shows the window modally for vehicle 3 "AB-CD 123"; `steps` run while it is open.
    int open(const std::function<void()>& steps, const QString& km = QStringLiteral("47650"),
             const QString& kfzNr = QStringLiteral("3"))
    {
        env.prompts.expectModal(QStringLiteral("TFormBuchen"), [&steps](QDialog&) { steps(); });
        return window.bookFor(kfzNr, QStringLiteral("AB-CD 123"), km, env.context.paths.dataDir);
    }

    QLineEdit* edit(const char* name) const
    {
        return window.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QComboBox* category() const
    {
        return window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    }
    QString text(const char* name) const { return edit(name)->text(); }
    QString status() const
    {
        return window.findChild<QLabel*>(QStringLiteral("StatusMode"))->text();
    }
    QString yearShown() const
    {
        return window.findChild<QLabel*>(QStringLiteral("Panel1"))->text();
    }
    QAction* action(const char* name) const
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }

    // Typing replaces the text, key by key, as a user does.
    void type(const char* name, const QString& text) const { typeInto(edit(name), text); }
    void typeCategory(const QString& text) const { typeInto(category()->lineEdit(), text); }
    static void typeInto(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }
    // Moving on to another field with Tab.
    void leave(const char* name) const
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit(name), &out);
    }
    // Picking an entry of the drop-down list.
    void choose(const QString& entry) const
    {
        const int index = category()->findText(entry);
        category()->setCurrentIndex(index);
        Q_EMIT category()->activated(index);
    }
    void trigger(const char* name) const { action(name)->trigger(); }

    // Fills a booking: category picked from the list (or typed when it is no
    // entry), odometer, amount and litres typed.
    void fill(const QString& kind, const QString& km, const QString& amount,
              const QString& litres = QString()) const
    {
        if (category()->findText(kind) >= 0)
            choose(kind);
        else
            typeCategory(kind);
        type("EditKm", km);
        type("EditBetrag", amount);
        type("EditLiter", litres);
    }

    QString bookingFile(const QString& year = QStringLiteral("2024")) const
    {
        return env.dataFile(QStringLiteral("Buch%1Kfz3.csv").arg(year));
    }
    QByteArray bookingBytes(const QString& year = QStringLiteral("2024")) const
    {
        return readFileBytes(bookingFile(year));
    }
    void writeBookings(const QStringList& lines, const QString& year = QStringLiteral("2024")) const
    {
        QString text;
        for (const QString& line : lines)
            text += line + QStringLiteral("\r\n");
        writeFileBytes(bookingFile(year), ansi(text));
    }
};
