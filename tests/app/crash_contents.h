#pragma once
// The two contents the crash writer switches between, large enough that a
// write takes a while and a kill can land in the middle of it.

#include "store/settings_file.h"

#include <QStringList>

inline QStringList crashVehicleLines(int which)
{
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral(
                     "K-%1 %2;03;0603;Müller;Euro "
                     "5;05/2027;Grün;%3;9000;%1;AYM;100;Golf;2012;119;77;105;Diesel;1598")
                     .arg(i)
                     .arg(which ? QStringLiteral("neu") : QStringLiteral("alt"))
                     .arg(1000 * i + which);
    return lines;
}

inline QStringList crashBookingLines(int which)
{
    QStringList lines;
    for (int i = 1; i <= 3000; ++i)
        lines << QStringLiteral("1;M-AB 1;%1.03.2024;Kraftstoff;%2,50;Tankstelle Süd;%3;40,0;%4;0")
                     .arg(1 + i % 28)
                     .arg(50 + which)
                     .arg(i)
                     .arg(10000 + i);
    return lines;
}

inline Settings crashSettings(int which)
{
    Settings s;
    s.multiUser = which == 1;
    s.carriedA = which ? QStringLiteral("Wert ä") : QStringLiteral("Wert ö");
    return s;
}
