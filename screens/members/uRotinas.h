#pragma once

#include <QString>

// Cleaning and checking of the members' documents: CPF (11 digits) and CNPJ
// (14 characters: since July 2026 the first twelve may be capitals A-Z as
// well as digits; the two check digits are always digits). Pure functions;
// they never raise and keep no state.

// The digits '0'..'9' of the text, in order; every other character (other
// scripts' digits included) is dropped.
QString SoNumeros(const QString &texto);

// The characters a document is made of: the digits '0'..'9' and the letters
// A-Z, lower case turned to capitals, in order; punctuation, blanks and any
// other character are dropped. For a text without letters, SoNumeros.
QString LimpaDocumento(const QString &texto);

// True when the digits of the text form a CPF with correct check digits, and
// also when the text holds no digit at all (nothing typed yet). Fewer than 11
// digits is false; digits after the 11th are not looked at.
bool ValidaCPF(const QString &texto);

// The same for a CNPJ, read through LimpaDocumento: 14 characters, those
// after the 14th not looked at, each counting as its code minus 48 ('0'..'9'
// count 0..9, 'A' 17, 'Z' 42), the last two digits. True also when the text
// holds no document character at all. For a text without letters the answer
// is the one of the digits alone, as for every CNPJ issued before letters.
bool ValidaCNPJ(const QString &texto);

// Whether the text is a whole document as it is stored, with right check
// digits: a CPF of 11 digits; a CNPJ of 14 digits and capitals A-Z. No
// punctuation, blank or lower case letter is taken.
bool CPFCompleto(const QString &texto);
bool CNPJCompleto(const QString &texto);

// The display mask of a stored document, in the masked-edit notation
// (pattern;keep-literals;placeholder): the CPF mask "!999.999.999-99;0;_" for
// exactly 11 characters, the CNPJ mask otherwise. The CNPJ mask takes letters
// or digits, shown as capitals, in its first twelve positions and digits in
// the last two: "!>aa.aaa.aaa/aaaa-99;0;_".
QString MascaraDocumento(const QString &documento);

// A stored document with the punctuation of its mask, for display: 11
// characters as 999.999.999-99, 14 as 99.999.999/9999-99 (letters kept);
// any other text as it is.
QString FormataDocumento(const QString &documento);

// A mask of that notation as a QLineEdit input mask. '9' (an optional digit)
// becomes Qt's '0', '0' (a required digit) Qt's '9', the letter classes map
// to Qt's, literals that Qt would read as mask characters are escaped, and
// the placeholder is kept: "!999.999.999-99;0;_" gives "000.000.000-00;_".
// The leading '!' and the keep-literals section have no Qt counterpart:
// QLineEdit leaves blanks where the cursor left them, and its text() keeps
// the punctuation, so whoever stores the value keeps only letters and digits.
QString MascaraQt(const QString &mascara);
