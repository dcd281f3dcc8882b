// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/TaskNumbers.h"

#include <complex>
#include <string>
#include <string_view>

namespace tessaro {

// The numbers of the polar modes and how they are written. Decimals are written with a point, the neutral mark that a
// screen turns into its language's (withDecimalMark).

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kRadiansPerDegree = kPi / 180;

// The angle moved by whole turns into (−180°, 180°].
int principalDegrees(int degrees);
double principalDegrees(double degrees);
// How far apart two angles in degrees are, whole turns left out: 0 to 180.
double angleDistance(double a, double b);

std::complex<double> complexOf(PolarValue z);
double degreesOf(std::complex<double> z);  // the angle in (−180°, 180°]

// A value to two decimals as the worked solutions keep it: a count of hundredths, and whether it is rounded or exact.
struct Decimal {
    long long hundredths = 0;
    bool rounded = false;
    double value() const { return static_cast<double>(hundredths) / 100; }
};
// The value rounded to two decimals, halves away from zero.
Decimal toDecimal(double value);
Decimal operator+(Decimal a, Decimal b);
Decimal operator-(Decimal a);

// "5", "2.5", "-135" where the value is exact; "6.40", "53.13" where it is rounded; never "-0".
std::string plainText(Decimal value);
// The same with the printed minus sign −, as the steps of a worked solution are written.
std::string mathText(Decimal value);

// The right answer as a verdict names it, in both polar forms, from the texts of modulus and angle:
// "8∠-135° = 8·e^(-j135°)".
std::string polarForms(std::string_view modulus, std::string_view degrees);
// "8∠-135°", as a task shows a polar number.
std::string polarText(PolarValue z);
// x+jy as the answer is written: "-5.66-j5.66", "0+j8".
std::string cartesianText(Decimal x, Decimal y);

// The forms of the worked solutions, with the printed minus sign: "−135°", "8∠−135°", "8·e^(−j135°)",
// "−5.66 − j5.66".
std::string mathDegrees(Decimal degrees);
std::string mathPolar(Decimal modulus, Decimal degrees);
std::string mathExponential(Decimal modulus, Decimal degrees);
std::string mathCartesian(Decimal x, Decimal y);
// A number in brackets where it is negative: "(−2.12)", "4.33"; "(−15°)" for an angle.
std::string mathFactor(Decimal value);
std::string mathDegreesFactor(Decimal degrees);

}  // namespace tessaro
