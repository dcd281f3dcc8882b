// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"

// The screens' class names are their runtime class names, so these classes live outside any namespace.

// A page of the rules viewer: one picture and a button that closes it.
class RulePage : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    RulePage(const tessaro::DialogTemplate& dialogTemplate, QWidget* parent);
};

// Why engineers write j where mathematicians write i.
class iundj : public RulePage {
    Q_OBJECT
public:
    explicit iundj(QWidget* parent = nullptr);
};

// The imaginary unit, imaginary and complex numbers, real and imaginary part.
class Definition : public RulePage {
    Q_OBJECT
public:
    explicit Definition(QWidget* parent = nullptr);
};

// The modulus of a complex number.
class Betrag : public RulePage {
    Q_OBJECT
public:
    explicit Betrag(QWidget* parent = nullptr);
};

// Adding and subtracting complex numbers.
class Addition : public RulePage {
    Q_OBJECT
public:
    explicit Addition(QWidget* parent = nullptr);
};

// Multiplying complex numbers in cartesian form.
class Multiplikatioin : public RulePage {
    Q_OBJECT
public:
    explicit Multiplikatioin(QWidget* parent = nullptr);
};

// Dividing complex numbers.
class Division : public RulePage {
    Q_OBJECT
public:
    explicit Division(QWidget* parent = nullptr);
};

// The polar and the exponential form: converting to and from them, multiplying and dividing in them.
class Polarform : public RulePage {
    Q_OBJECT
public:
    explicit Polarform(QWidget* parent = nullptr);
};
