#pragma once

#include <QString>

// Cleaning and checking of the members' documents: CPF (11 digits) and CNPJ
// (14 digits). Pure functions; they never raise and keep no state.

// The digits '0'..'9' of the text, in order; every other character (other
// scripts' digits included) is dropped.
QString SoNumeros(const QString &texto);

// True when the digits of the text form a CPF with correct check digits, and
// also when the text holds no digit at all (nothing typed yet). Fewer than 11
// digits is false; digits after the 11th are not looked at.
bool ValidaCPF(const QString &texto);

// The same for a CNPJ: 14 digits, those after the 14th not looked at.
bool ValidaCNPJ(const QString &texto);

// The display mask of a stored document, in the masked-edit notation
// (pattern;keep-literals;placeholder): the CPF mask "!999.999.999-99;0;_" for
// exactly 11 characters, the CNPJ mask "!99.999.999/9999-99;0;_" otherwise.
QString MascaraDocumento(const QString &documento);

// A mask of that notation as a QLineEdit input mask. '9' (an optional digit)
// becomes Qt's '0', '0' (a required digit) Qt's '9', the letter classes map
// to Qt's, literals that Qt would read as mask characters are escaped, and
// the placeholder is kept: "!999.999.999-99;0;_" gives "000.000.000-00;_".
// The leading '!' and the keep-literals section have no Qt counterpart:
// QLineEdit leaves blanks where the cursor left them, and its text() keeps
// the punctuation, so whoever stores the value keeps only the digits.
QString MascaraQt(const QString &mascara);
