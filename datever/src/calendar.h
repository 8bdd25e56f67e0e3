// Gregorian day numbers, counted by the C library (timegm and gmtime_r on
// 64-bit time are proleptic Gregorian back to the year 1).
#ifndef SARNET_CALENDAR_H
#define SARNET_CALENDAR_H

// The day number of a date of the years 1 to 9999; raises EConvertError for
// anything else (month 13, 31 April, 29 February 1900, year 0 ...).
long long day_number(int year, int month, int day);

// The date of a day number; a year outside 1 to 9999 is given as the
// calendar continues it.
void date_of_day(long long number, int* year, int* month, int* day);

#endif
