#pragma once
#include "common/clock.h"

// A clock that stands still at a time the test chooses.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime at = QDateTime(QDate(2024, 3, 15), QTime(10, 0)))
        : m_now(std::move(at))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& at) { m_now = at; }
    void set(const QDate& day) { m_now = QDateTime(day, QTime(10, 0)); }

private:
    QDateTime m_now;
};
