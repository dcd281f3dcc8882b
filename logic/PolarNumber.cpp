// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/PolarNumber.h"

#include <cmath>
#include <cstdlib>

namespace tessaro {

namespace {

constexpr const char* kMinus = "\u2212";
// A value counts as exact to two decimals where it is this close to its hundredths: far below what the arithmetic of
// the tasks can make of a true decimal, far above the error of a double.
constexpr double kExactHundredths = 1e-6;

// The digits of |value|: "6.40" where it is rounded, "6.4" where it is exact.
std::string magnitudeText(Decimal value) {
    const long long magnitude = std::llabs(value.hundredths);
    std::string text = std::to_string(magnitude / 100);
    const long long cents = magnitude % 100;
    if (value.rounded || cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (value.rounded || cents % 10 != 0)
            text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

}  // namespace

int principalDegrees(int degrees) {
    const int turned = ((degrees % 360) + 360) % 360;  // 0 … 359
    return turned > 180 ? turned - 360 : turned;
}

double principalDegrees(double degrees) {
    const double turned = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0);  // [0, 360)
    return turned > 180 ? turned - 360 : turned;
}

double angleDistance(double a, double b) { return std::abs(principalDegrees(a - b)); }

std::complex<double> complexOf(PolarValue z) { return std::polar(double(z.modulus), z.degrees * kRadiansPerDegree); }

double degreesOf(std::complex<double> z) { return principalDegrees(std::arg(z) / kRadiansPerDegree); }

Decimal toDecimal(double value) {
    const double scaled = value * 100;
    const long long hundredths = std::llround(scaled);
    return {hundredths, std::abs(scaled - static_cast<double>(hundredths)) > kExactHundredths};
}

Decimal operator+(Decimal a, Decimal b) { return {a.hundredths + b.hundredths, a.rounded || b.rounded}; }

Decimal operator-(Decimal a) { return {-a.hundredths, a.rounded}; }

std::string plainText(Decimal value) { return (value.hundredths < 0 ? "-" : "") + magnitudeText(value); }

std::string mathText(Decimal value) { return (value.hundredths < 0 ? kMinus : "") + magnitudeText(value); }

std::string polarForms(std::string_view modulus, std::string_view degrees) {
    const std::string r(modulus);
    const std::string exponent =
        degrees.starts_with('-') ? "-j" + std::string(degrees.substr(1)) : "j" + std::string(degrees);
    return r + "\u2220" + std::string(degrees) + "\u00B0 = " + r + "\u00B7e^(" + exponent + "\u00B0)";
}

std::string polarText(PolarValue z) {
    return std::to_string(z.modulus) + "\u2220" + std::to_string(z.degrees) + "\u00B0";
}

std::string cartesianText(Decimal x, Decimal y) {
    return plainText(x) + (y.hundredths < 0 ? "-j" : "+j") + magnitudeText(y);
}

std::string mathDegrees(Decimal degrees) { return mathText(degrees) + "\u00B0"; }

std::string mathPolar(Decimal modulus, Decimal degrees) { return mathText(modulus) + "\u2220" + mathDegrees(degrees); }

std::string mathExponential(Decimal modulus, Decimal degrees) {
    const std::string exponent =
        degrees.hundredths < 0 ? kMinus + ("j" + magnitudeText(degrees)) : "j" + magnitudeText(degrees);
    return mathText(modulus) + "\u00B7e^(" + exponent + "\u00B0)";
}

std::string mathCartesian(Decimal x, Decimal y) {
    return mathText(x) + (y.hundredths < 0 ? std::string(" ") + kMinus + " j" : std::string(" + j")) + magnitudeText(y);
}

std::string mathFactor(Decimal value) { return value.hundredths < 0 ? "(" + mathText(value) + ")" : mathText(value); }

std::string mathDegreesFactor(Decimal degrees) {
    return degrees.hundredths < 0 ? "(" + mathDegrees(degrees) + ")" : mathDegrees(degrees);
}

}  // namespace tessaro
