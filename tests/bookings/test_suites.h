#pragma once
// The test classes of the bookings folder, run one after the other by one executable.

int runBookingFileTests(int argc, char** argv);
int runBookingValuesTests(int argc, char** argv);
int runBookingYearsTests(int argc, char** argv);
int runBookingListWindowTests(int argc, char** argv);
int runBookingWindowTests(int argc, char** argv);
int runBookingWindowYearsTests(int argc, char** argv);
int runBookingOpenerTests(int argc, char** argv);
