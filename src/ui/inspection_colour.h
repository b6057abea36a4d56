#pragma once
// When the next general inspection ("Nächste HU", e.g. "05/2025" or "5.25") is
// due: in the past, in the current month, or in the next month of the current year.

#include <QString>

bool inspectionDue(const QString& text, int currentYear, int currentMonth);
