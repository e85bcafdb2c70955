#pragma once

// Whether year, month and day form a date of the Gregorian calendar within years 1 to
// 9999 (29 February only in years divisible by 4, except centuries not divisible by 400).
bool IsValidDate(int year, int month, int day);

int DaysInMonth(int year, int month);
