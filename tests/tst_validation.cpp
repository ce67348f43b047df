// Cleaning and checking of CPF and CNPJ documents, and the display mask of a
// stored document.

#include "uRotinas.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Validation : public QObject
{
    Q_OBJECT

private slots:
    void validaDocumento_data();
    void validaDocumento();
    void documentoCompleto_data();
    void documentoCompleto();
    void soNumeros_data();
    void soNumeros();
    void limpaDocumento_data();
    void limpaDocumento();
    void mascaraDocumento_data();
    void mascaraDocumento();
    void mascaraQt_data();
    void mascaraQt();
    void qtMaskShowsStoredDigits();
    void cnpjMaskTakesLettersInTheBase();
};

enum Documento { CPF, CNPJ };
Q_DECLARE_METATYPE(Documento)

void tst_Validation::validaDocumento_data()
{
    QTest::addColumn<Documento>("documento");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("valido");

    // Nothing typed yet is not refused.
    QTest::newRow("cpf empty") << CPF << QString() << true;
    QTest::newRow("cpf blanks") << CPF << u"   "_s << true;
    QTest::newRow("cpf no digit") << CPF << u"abc"_s << true;
    QTest::newRow("cnpj empty") << CNPJ << QString() << true;
    QTest::newRow("cnpj blanks") << CNPJ << u"   "_s << true;
    QTest::newRow("cnpj punctuation only") << CNPJ << u" ./-"_s << true;
    // Letters are CNPJ characters now: three of them are a CNPJ begun.
    QTest::newRow("cnpj letters only") << CNPJ << u"abc"_s << false;

    // Worked example: dv1 comes out as 10 and becomes 0.
    QTest::newRow("cpf worked example") << CPF << u"12345678909"_s << true;
    QTest::newRow("cpf formatted") << CPF << u"123.456.789-09"_s << true;
    QTest::newRow("cpf last digit wrong") << CPF << u"12345678900"_s << false;
    QTest::newRow("cpf first check digit wrong") << CPF << u"12345678919"_s << false;
    QTest::newRow("cpf zeros") << CPF << u"00000000000"_s << true;
    QTest::newRow("cpf ones") << CPF << u"11111111111"_s << true;
    QTest::newRow("cpf demo member") << CPF << u"52998224725"_s << true;
    QTest::newRow("cpf 12th digit ignored") << CPF << u"123456789095"_s << true;
    QTest::newRow("cpf 10 digits") << CPF << u"1234567890"_s << false;
    QTest::newRow("cpf 8 digits") << CPF << u"12345678"_s << false;
    QTest::newRow("cpf 11 characters fewer digits") << CPF << u"123.456.789"_s << false;
    // Digits of other scripts are not digits: only 10 '0'..'9' remain.
    QTest::newRow("cpf arabic-indic digit") << CPF << u"1234567890\u0669"_s << false;
    QTest::newRow("cpf fullwidth digit") << CPF << u"1234567890\uFF19"_s << false;

    // Worked example: s2 mod 11 is 10, so dv2 = 1.
    QTest::newRow("cnpj worked example") << CNPJ << u"11222333000181"_s << true;
    QTest::newRow("cnpj formatted") << CNPJ << u"11.222.333/0001-81"_s << true;
    QTest::newRow("cnpj last digit wrong") << CNPJ << u"11222333000182"_s << false;
    QTest::newRow("cnpj first check digit wrong") << CNPJ << u"11222333000191"_s << false;
    QTest::newRow("cnpj zeros") << CNPJ << u"00000000000000"_s << true;
    QTest::newRow("cnpj demo association") << CNPJ << u"11444777000161"_s << true;
    QTest::newRow("cnpj 15th digit ignored") << CNPJ << u"112223330001817"_s << true;
    QTest::newRow("cnpj 11 digits") << CNPJ << u"12345678909"_s << false;
    QTest::newRow("cnpj 13 digits") << CNPJ << u"1122233300018"_s << false;

    // Letters in the first twelve positions count as their code minus 48.
    QTest::newRow("cnpj alphanumeric") << CNPJ << u"12ABC34501DE35"_s << true;
    QTest::newRow("cnpj alphanumeric formatted") << CNPJ << u"12.ABC.345/01DE-35"_s << true;
    QTest::newRow("cnpj alphanumeric lower case") << CNPJ << u"12abc34501de35"_s << true;
    QTest::newRow("cnpj alphanumeric lower case formatted") << CNPJ << u"12.abc.345/01de-35"_s << true;
    // Counting 'A' as 10 (hexadecimal) gives these check digits.
    QTest::newRow("cnpj letter counted as 10") << CNPJ << u"12ABC34501DE45"_s << false;
    QTest::newRow("cnpj alphanumeric wrong check digit") << CNPJ << u"12ABC34501DE36"_s << false;
    QTest::newRow("cnpj letter in position 13") << CNPJ << u"12ABC34501DEA5"_s << false;
    QTest::newRow("cnpj letter in position 14") << CNPJ << u"12ABC34501DE3A"_s << false;
    QTest::newRow("cnpj alphanumeric 13 characters") << CNPJ << u"12ABC34501DE3"_s << false;
    QTest::newRow("cnpj alphanumeric 15th character ignored") << CNPJ << u"12ABC34501DE35X"_s << true;
    QTest::newRow("cnpj all letters Z") << CNPJ << u"ZZZZZZZZZZZZ62"_s << true;
    // Only A-Z: other letters are dropped like punctuation.
    QTest::newRow("cnpj accented letter dropped") << CNPJ << u"\u00C912ABC34501DE35"_s << true;

    // A valid CPF is not a valid CNPJ and the other way round.
    QTest::newRow("cpf given a cnpj") << CPF << u"11222333000181"_s << false;
}

void tst_Validation::validaDocumento()
{
    QFETCH(Documento, documento);
    QFETCH(QString, texto);
    QFETCH(bool, valido);
    QCOMPARE(documento == CPF ? ValidaCPF(texto) : ValidaCNPJ(texto), valido);
}

void tst_Validation::documentoCompleto_data()
{
    QTest::addColumn<Documento>("documento");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("completo");

    // Only the stored form: bare, whole, capitals, right check digits.
    QTest::newRow("cpf") << CPF << u"12345678909"_s << true;
    QTest::newRow("cpf formatted") << CPF << u"123.456.789-09"_s << false;
    QTest::newRow("cpf 12th digit") << CPF << u"123456789095"_s << false;
    QTest::newRow("cpf empty") << CPF << QString() << false;
    QTest::newRow("cnpj") << CNPJ << u"11222333000181"_s << true;
    QTest::newRow("cnpj alphanumeric") << CNPJ << u"12ABC34501DE35"_s << true;
    QTest::newRow("cnpj lower case") << CNPJ << u"12abc34501de35"_s << false;
    QTest::newRow("cnpj formatted") << CNPJ << u"12.ABC.345/01DE-35"_s << false;
    QTest::newRow("cnpj wrong check digit") << CNPJ << u"12ABC34501DE45"_s << false;
    QTest::newRow("cnpj accented letter") << CNPJ << u"\u00C92ABC34501DE35"_s << false;
    QTest::newRow("cnpj empty") << CNPJ << QString() << false;
}

void tst_Validation::documentoCompleto()
{
    QFETCH(Documento, documento);
    QFETCH(QString, texto);
    QFETCH(bool, completo);
    QCOMPARE(documento == CPF ? CPFCompleto(texto) : CNPJCompleto(texto), completo);
}

void tst_Validation::soNumeros_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("digitos");

    QTest::newRow("mixed") << u"A1 b2-3"_s << u"123"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no digit") << u"abc ./-"_s << QString();
    QTest::newRow("formatted cnpj") << u"11.222.333/0001-81"_s << u"11222333000181"_s;
    // Characters just outside '0'..'9' and digits of other scripts.
    QTest::newRow("neighbours and other digits") << u"/0:9\u0660\u00B2\uFF11"_s << u"09"_s;
}

void tst_Validation::soNumeros()
{
    QFETCH(QString, texto);
    QFETCH(QString, digitos);
    QCOMPARE(SoNumeros(texto), digitos);
}

void tst_Validation::limpaDocumento_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("documento");

    QTest::newRow("formatted alphanumeric cnpj") << u"12.abc.345/01de-35"_s << u"12ABC34501DE35"_s;
    QTest::newRow("digits only") << u"11.222.333/0001-81"_s << u"11222333000181"_s;
    QTest::newRow("empty") << QString() << QString();
    // Only A-Z and '0'..'9': accented letters and other digits are dropped.
    QTest::newRow("other letters and digits") << u"\u00E7\u00C9\u03B1z\u0669@[`{9"_s << u"Z9"_s;
}

void tst_Validation::limpaDocumento()
{
    QFETCH(QString, texto);
    QFETCH(QString, documento);
    QCOMPARE(LimpaDocumento(texto), documento);
}

void tst_Validation::mascaraDocumento_data()
{
    QTest::addColumn<QString>("documento");
    QTest::addColumn<QString>("mascara");

    const QString cpf = u"!999.999.999-99;0;_"_s;
    const QString cnpj = u"!>aa.aaa.aaa/aaaa-99;0;_"_s;
    QTest::newRow("11 characters") << u"12345678909"_s << cpf;
    QTest::newRow("14 characters") << u"11222333000181"_s << cnpj;
    QTest::newRow("14 characters with letters") << u"12ABC34501DE35"_s << cnpj;
    QTest::newRow("empty") << QString() << cnpj;
    QTest::newRow("10 characters") << u"1234567890"_s << cnpj;
    QTest::newRow("12 characters") << u"123456789012"_s << cnpj;
    // The rule counts characters, not digits.
    QTest::newRow("11 characters not all digits") << u"123.456.789"_s << cpf;
}

void tst_Validation::mascaraDocumento()
{
    QFETCH(QString, documento);
    QFETCH(QString, mascara);
    QCOMPARE(MascaraDocumento(documento), mascara);
}

void tst_Validation::mascaraQt_data()
{
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QString>("qt");

    QTest::newRow("cpf") << u"!999.999.999-99;0;_"_s << u"000.000.000-00;_"_s;
    QTest::newRow("cnpj") << u"!>aa.aaa.aaa/aaaa-99;0;_"_s << u">nn.nnn.nnn/nnnn-00;_"_s;
    QTest::newRow("digits only") << u"!99.999.999/9999-99;0;_"_s << u"00.000.000/0000-00;_"_s;
    QTest::newRow("required digits, no sections") << u"00000-000"_s << u"99999-999;_"_s;
    QTest::newRow("other placeholder") << u"(99) 9999-9999;1;*"_s << u"(00) 0000-0000;*"_s;
    QTest::newRow("letter classes and case") << u">LLl<Aa<>Cc#"_s << u">AAa<Nn!Xx#;_"_s;
    // Literals that are mask characters to Qt keep their meaning as literals.
    QTest::newRow("literals escaped") << u"H\\9-99;0;_"_s << u"\\H\\9-00;_"_s;
}

void tst_Validation::mascaraQt()
{
    QFETCH(QString, mascara);
    QFETCH(QString, qt);
    QCOMPARE(MascaraQt(mascara), qt);
}

void tst_Validation::qtMaskShowsStoredDigits()
{
    // What the field shows for a stored document, and that the digits come
    // back out of it unchanged.
    QLineEdit field;
    field.setInputMask(MascaraQt(MascaraDocumento(u"12345678909"_s)));
    field.setText(u"12345678909"_s);
    QCOMPARE(field.displayText(), u"123.456.789-09"_s);
    QCOMPARE(SoNumeros(field.text()), u"12345678909"_s);

    field.setInputMask(MascaraQt(MascaraDocumento(u"11222333000181"_s)));
    field.setText(u"11222333000181"_s);
    QCOMPARE(field.displayText(), u"11.222.333/0001-81"_s);
    QCOMPARE(SoNumeros(field.text()), u"11222333000181"_s);
}

void tst_Validation::cnpjMaskTakesLettersInTheBase()
{
    QLineEdit field;
    field.setInputMask(MascaraQt(MascaraDocumento(u"12ABC34501DE35"_s)));
    field.setText(u"12ABC34501DE35"_s);
    QCOMPARE(field.displayText(), u"12.ABC.345/01DE-35"_s);

    // Typed in lower case, shown and kept in capitals.
    field.clear();
    field.setCursorPosition(0);
    QTest::keyClicks(&field, u"12abc34501de35"_s);
    QCOMPARE(field.displayText(), u"12.ABC.345/01DE-35"_s);
    QCOMPARE(LimpaDocumento(field.text()), u"12ABC34501DE35"_s);

    // The check digits take no letter.
    field.clear();
    field.setCursorPosition(0);
    QTest::keyClicks(&field, u"12abc34501deab"_s);
    QCOMPARE(LimpaDocumento(field.text()), u"12ABC34501DE"_s);
}

QTEST_MAIN(tst_Validation)
#include "tst_validation.moc"
