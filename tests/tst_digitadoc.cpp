// The document prompt of a new member, typed into as a person would: the
// message and "OK" at every length, and the texts that only look like a
// document (no digits, punctuation), which must never reach the member
// register.

#include "Controls.h"
#include "uDigitaDoc.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_DigitaDoc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void typedCharacterByCharacter_data();
    void typedCharacterByCharacter();
    void deletingBelowElevenClearsTheCheck();
    void enterConfirmsOnlyAValidDocument();
    void alphanumericCnpjGivenInCapitals();
    void escapeCancels();

private:
    QLineEdit *edtDoc() const { return child(m_prompt.get(), "edtDoc"); }
    QLabel *lblValid() const { return child<QLabel>(m_prompt.get(), "lblValid"); }
    QPushButton *btnOK() const { return child<QPushButton>(m_prompt.get(), "btnOK"); }

    std::unique_ptr<TfrmDigitaDoc> m_prompt;
};

void tst_DigitaDoc::init()
{
    m_prompt = std::make_unique<TfrmDigitaDoc>();
    m_prompt->show();
    QVERIFY(QTest::qWaitForWindowActive(m_prompt.get()));
}

void tst_DigitaDoc::cleanup()
{
    m_prompt.reset();
}

void tst_DigitaDoc::layout()
{
    QCOMPARE(m_prompt->windowTitle(), QStringLiteral("Documento"));
    QCOMPARE(m_prompt->size(), QSize(251, 148));
    QCOMPARE(edtDoc()->size(), QSize(217, 31));
    QCOMPARE(btnOK()->size(), QSize(107, 42));
    QCOMPARE(btnOK()->text(), QStringLiteral("OK"));
    QVERIFY(btnOK()->isDefault());
    QVERIFY(!btnOK()->isEnabled());
    QVERIFY(lblValid()->text().isEmpty());
    QCOMPARE(lblValid()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(lblValid()->font().bold());
    // Free text: no mask, no limit; letters become capitals (a CNPJ may
    // hold them), the rest is kept as typed.
    QVERIFY(edtDoc()->inputMask().isEmpty());
    QCOMPARE(edtDoc()->maxLength(), 32767);
    QTest::keyClicks(edtDoc(), QStringLiteral("a.b/1-"));
    QCOMPARE(edtDoc()->text(), QStringLiteral("A.B/1-"));
    edtDoc()->clear();
    QCOMPARE(QApplication::focusWidget(), edtDoc());

    // Tab order: entry field, "OK", "Cancela".
    QTest::keyClicks(edtDoc(), QStringLiteral("12345678909"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), btnOK());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnCancela"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edtDoc());
}

void tst_DigitaDoc::typedCharacterByCharacter_data()
{
    // What the label and "OK" show once 11 and once 14 characters stand in
    // the field; at every other length the label is empty and "OK" disabled.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label11");
    QTest::addColumn<bool>("ok11");
    QTest::addColumn<QString>("label14");
    QTest::addColumn<bool>("ok14");

    const QString cpf = QStringLiteral("CPF inválido");
    const QString cnpj = QStringLiteral("CNPJ inválido");
    QTest::newRow("valid CPF, then three more digits")
        << QStringLiteral("12345678909123") << QString() << true << cnpj << false;
    QTest::newRow("CPF with a wrong check digit")
        << QStringLiteral("12345678900") << cpf << false << QString() << false;
    QTest::newRow("valid CNPJ") << QStringLiteral("11222333000181") << cpf << false << QString() << true;
    QTest::newRow("CNPJ with a wrong check digit") << QStringLiteral("11222333000182") << cpf << false << cnpj << false;
    // The check routines only read digits: these must still be refused.
    QTest::newRow("CPF with its dots and hyphen") << QStringLiteral("123.456.789-09") << cpf << false << cnpj << false;
    QTest::newRow("CNPJ with its punctuation") << QStringLiteral("11.222.333/0001-81") << cpf << false << cnpj << false;
    QTest::newRow("blanks only") << QString(14, QLatin1Char(' ')) << cpf << false << cnpj << false;
    QTest::newRow("letters only") << QStringLiteral("abcdefghijklmn") << cpf << false << cnpj << false;
    // A CNPJ may hold capitals in its first twelve positions.
    QTest::newRow("alphanumeric CNPJ typed in lower case")
        << QStringLiteral("12abc34501de35") << cpf << false << QString() << true;
    QTest::newRow("alphanumeric CNPJ with 'A' counted as 10")
        << QStringLiteral("12ABC34501DE45") << cpf << false << cnpj << false;
    QTest::newRow("letter in a check digit") << QStringLiteral("12ABC34501DEA5") << cpf << false << cnpj << false;
    QTest::newRow("alphanumeric CNPJ with its punctuation")
        << QStringLiteral("12.ABC.345/01DE-35") << cpf << false << cnpj << false;
    QTest::newRow("digits with a blank inside") << QStringLiteral("1234567890 9") << cpf << false << QString() << false;
}

void tst_DigitaDoc::typedCharacterByCharacter()
{
    QFETCH(QString, typed);
    QFETCH(QString, label11);
    QFETCH(bool, ok11);
    QFETCH(QString, label14);
    QFETCH(bool, ok14);

    for (qsizetype i = 0; i < typed.size(); ++i) {
        QTest::keyClicks(edtDoc(), typed.mid(i, 1));
        const qsizetype length = i + 1;
        // Letters turn to capitals as they are typed.
        QCOMPARE(edtDoc()->text(), typed.left(length).toUpper());
        QString label;
        bool ok = false;
        if (length == 11) {
            label = label11;
            ok = ok11;
        } else if (length == 14) {
            label = label14;
            ok = ok14;
        }
        QVERIFY2(lblValid()->text() == label,
                 qPrintable(QStringLiteral("length %1: \"%2\"").arg(length).arg(lblValid()->text())));
        QVERIFY2(btnOK()->isEnabled() == ok, qPrintable(QStringLiteral("length %1").arg(length)));
    }
}

void tst_DigitaDoc::deletingBelowElevenClearsTheCheck()
{
    QTest::keyClicks(edtDoc(), QStringLiteral("12345678900"));
    QCOMPARE(lblValid()->text(), QStringLiteral("CPF inválido"));
    QTest::keyClick(edtDoc(), Qt::Key_Backspace);
    QVERIFY(lblValid()->text().isEmpty());
    QVERIFY(!btnOK()->isEnabled());

    QTest::keyClicks(edtDoc(), QStringLiteral("9"));
    QVERIFY(btnOK()->isEnabled());
    QTest::keyClick(edtDoc(), Qt::Key_Backspace);
    QVERIFY(!btnOK()->isEnabled());
    QVERIFY(lblValid()->text().isEmpty());
}

void tst_DigitaDoc::enterConfirmsOnlyAValidDocument()
{
    QTest::keyClicks(edtDoc(), QStringLiteral("1234567890"));
    QTest::keyClick(edtDoc(), Qt::Key_Return);
    QVERIFY(m_prompt->isVisible());
    // Nor can code close it with OK while the check fails.
    m_prompt->accept();
    QVERIFY(m_prompt->isVisible());

    QTest::keyClicks(edtDoc(), QStringLiteral("9"));
    QTest::keyClick(edtDoc(), Qt::Key_Return);
    QVERIFY(!m_prompt->isVisible());
    QCOMPARE(m_prompt->result(), int(QDialog::Accepted));
    QCOMPARE(m_prompt->documento(), QStringLiteral("12345678909"));
}

void tst_DigitaDoc::alphanumericCnpjGivenInCapitals()
{
    QTest::keyClicks(edtDoc(), QStringLiteral("12abc34501de35"));
    QTest::keyClick(edtDoc(), Qt::Key_Return);
    QVERIFY(!m_prompt->isVisible());
    QCOMPARE(m_prompt->result(), int(QDialog::Accepted));
    QCOMPARE(m_prompt->documento(), QStringLiteral("12ABC34501DE35"));
}

void tst_DigitaDoc::escapeCancels()
{
    QTest::keyClicks(edtDoc(), QStringLiteral("12345678909"));
    QTest::keyClick(edtDoc(), Qt::Key_Escape);
    QVERIFY(!m_prompt->isVisible());
    QCOMPARE(m_prompt->result(), int(QDialog::Rejected));
}

QTEST_MAIN(tst_DigitaDoc)
#include "tst_digitadoc.moc"
