#include "uRotinas.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

QString SoNumeros(const QString &texto)
{
    QString digits;
    for (const QChar c : texto) {
        // Only '0'..'9': QChar::isDigit would also take other scripts' digits.
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

QString LimpaDocumento(const QString &texto)
{
    QString documento;
    for (const QChar c : texto) {
        if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
            documento += c;
        else if (c >= u'a' && c <= u'z')
            documento += QChar(c.unicode() - u'a' + u'A');
    }
    return documento;
}

namespace {

// One check digit: the weighted sum of the characters' values (code - 48),
// 11 minus its remainder by 11, and 0 where that comes to 10 or more.
int checkDigit(const QString &digits, const int *weights, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += (digits.at(i).unicode() - u'0') * weights[i];
    const int dv = 11 - sum % 11;
    return dv >= 10 ? 0 : dv;
}

// The check of a cleaned document: `base` characters followed by its two
// check digits. The second digit's weights run over the base and the first
// check digit.
template<std::size_t Base>
bool validaDocumento(const QString &t, const std::array<int, Base> &firstWeights,
                     const std::array<int, Base + 1> &secondWeights)
{
    if (t.isEmpty())
        return true;
    if (std::size_t(t.size()) < Base + 2)
        return false;
    const int dv1 = checkDigit(t, firstWeights.data(), int(Base));
    // The second sum weighs dv1 itself, not the digit typed in its place.
    const QString withDv1 = t.left(qsizetype(Base)) + QChar(u'0' + dv1);
    const int dv2 = checkDigit(withDv1, secondWeights.data(), int(Base + 1));
    return t.at(qsizetype(Base)) == QChar(u'0' + dv1) && t.at(qsizetype(Base + 1)) == QChar(u'0' + dv2);
}

} // namespace

bool ValidaCPF(const QString &texto)
{
    return validaDocumento<9>(SoNumeros(texto), {10, 9, 8, 7, 6, 5, 4, 3, 2}, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2});
}

bool ValidaCNPJ(const QString &texto)
{
    // The check digits compare as digits, so a letter in their place fails.
    return validaDocumento<12>(LimpaDocumento(texto), {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2},
                               {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
}

bool CPFCompleto(const QString &texto)
{
    return texto.size() == 11 && SoNumeros(texto) == texto && ValidaCPF(texto);
}

bool CNPJCompleto(const QString &texto)
{
    return texto.size() == 14 && LimpaDocumento(texto) == texto && ValidaCNPJ(texto);
}

QString MascaraDocumento(const QString &documento)
{
    return documento.size() == 11 ? u"!999.999.999-99;0;_"_s : u"!>aa.aaa.aaa/aaaa-99;0;_"_s;
}

QString MascaraQt(const QString &mascara)
{
    // Characters Qt reads as mask characters; as literals they need a '\'.
    static const QString qtSpecial = u"AaNnXx90DdHhBb#><![]{}\\;"_s;

    QString pattern;
    qsizetype i = 0;
    if (mascara.startsWith(u'!'))
        ++i;
    for (; i < mascara.size(); ++i) {
        const QChar c = mascara.at(i);
        if (c == u';')
            break;
        if (c == u'\\' && i + 1 < mascara.size()) {
            const QChar literal = mascara.at(++i);
            if (qtSpecial.contains(literal))
                pattern += u'\\';
            pattern += literal;
            continue;
        }
        if (c == u'<' && i + 1 < mascara.size() && mascara.at(i + 1) == u'>') {
            pattern += u'!'; // case conversion off
            ++i;
            continue;
        }
        switch (c.unicode()) {
        case u'0':
            pattern += u'9';
            break; // digit required
        case u'9':
            pattern += u'0';
            break; // digit permitted
        case u'#':
            pattern += u'#';
            break; // digit or sign permitted
        case u'L':
            pattern += u'A';
            break; // letter required
        case u'l':
            pattern += u'a';
            break; // letter permitted
        case u'A':
            pattern += u'N';
            break; // letter or digit required
        case u'a':
            pattern += u'n';
            break; // letter or digit permitted
        case u'C':
            pattern += u'X';
            break; // any character required
        case u'c':
            pattern += u'x';
            break; // any character permitted
        case u'>':
        case u'<':
            pattern += c;
            break; // upper / lower case from here
        default:
            if (qtSpecial.contains(c))
                pattern += u'\\';
            pattern += c;
        }
    }

    // Sections after the pattern: whether literals are stored (no Qt
    // counterpart), then the placeholder of unfilled positions.
    const QStringList sections = mascara.mid(i).split(u';');
    QChar blank = u'_';
    if (sections.size() > 2 && !sections.at(2).isEmpty())
        blank = sections.at(2).at(0);
    return pattern + u';' + blank;
}

QString FormataDocumento(const QString &documento)
{
    if (documento.size() == 11)
        return documento.left(3) + u'.' + documento.mid(3, 3) + u'.' + documento.mid(6, 3) + u'-' + documento.mid(9);
    if (documento.size() == 14)
        return documento.left(2) + u'.' + documento.mid(2, 3) + u'.' + documento.mid(5, 3) + u'/' + documento.mid(8, 4)
               + u'-' + documento.mid(12);
    return documento;
}
