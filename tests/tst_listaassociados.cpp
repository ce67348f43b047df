// What the list windows do beside their function keys: the member register
// exported (XLSX and CSV) and printed from the member list, read back from
// the files; double-click on a row and Enter in the search text of the
// member and user lists.

#include "Controls.h"
#include "DataModules.h"
#include "ExportReading.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MemTable.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "Session.h"
#include "TableExport.h"
#include "TablePrint.h"
#include "WidgetFeedback.h"
#include "uAssociado.h"
#include "uCadAssociado.h"
#include "uCadUsuario.h"
#include "uDM.h"
#include "uDMds.h"
#include "uListaAssociados.h"
#include "uUsuario.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Members of association 1 with values a file must carry unchanged, one of
// association 2 that must never appear, and users of association 1.
const char fixture[] = R"(
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3106200', 'BELO HORIZONTE', 'MG');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO COMERCIAL DE TESTE', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '22333444000155', 'OUTRA', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD)
  values (10, '12ABC34501DE35', '0012345', 'ARMAZÉM "BOM PREÇO"; FILIAL
CENTRO', 'RUA DAS FLORES', '12', 'SALA 3 😀', 'CENTRO', '01310100', '3550308', 'loja@exemplo.com.br', 1, 'S', 'S', 'S', '17.05.2024 09:30:00');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2)
  values (11, '12345678909', 'JOÃO DA SILVA', 'AVENIDA AFONSO PENA', '1500', 'FUNCIONÁRIOS', '30130005', '3106200', 1, 'N', 'N', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL)
  values (12, '98765432100', 'BETA SERVIÇOS', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL)
  values (20, '52998224725', 'BETA DE OUTRA', 2, 'S');
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (101, 'JOSÉ', '11', '32220001', 10);
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (102, '', '11', '999990000', 10);
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (103, 'OUTRA', '21', '11112222', 20);
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (10, 'ADMINISTRADOR', 'ADMIN', 'x', 'S', 1, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (11, 'OPERADOR', 'OPER', 'y', 'S', 1, 'N');
)";

const QString awkwardName = u"ARMAZÉM \"BOM PREÇO\"; FILIAL\nCENTRO"_s;

const QStringList titles{u"Nome"_s,        u"Documento"_s, u"IE / RG"_s, u"Logradouro"_s,       u"Número"_s,
                         u"Complemento"_s, u"Bairro"_s,    u"CEP"_s,     u"Cidade"_s,           u"UF"_s,
                         u"e-mail"_s,      u"Ativo"_s,     u"Pacotes"_s, u"Data de cadastro"_s, u"Telefones"_s};

// The members of association 1 in the list's order (by name), as exported.
QList<QStringList> expectedMembers()
{
    return {{awkwardName, u"12.ABC.345/01DE-35"_s, u"0012345"_s, u"RUA DAS FLORES"_s, u"12"_s, u"SALA 3 😀"_s,
             u"CENTRO"_s, u"01310100"_s, u"SÃO PAULO"_s, u"SP"_s, u"loja@exemplo.com.br"_s, u"Sim"_s,
             u"Pacote Financeiro, Pacote Negativação"_s, u"17/05/2024"_s, u"(11) 32220001 (JOSÉ) / (11) 999990000"_s},
            {u"BETA SERVIÇOS"_s, u"987.654.321-00"_s, QString(), QString(), QString(), QString(), QString(), QString(),
             QString(), QString(), QString(), u"Sim"_s, QString(), QString(), QString()},
            {u"JOÃO DA SILVA"_s, u"123.456.789-09"_s, QString(), u"AVENIDA AFONSO PENA"_s, u"1500"_s, QString(),
             u"FUNCIONÁRIOS"_s, u"30130005"_s, u"BELO HORIZONTE"_s, u"MG"_s, QString(), u"Não"_s,
             u"Pacote Negativação"_s, QString(), QString()}};
}

QString many(int count)
{
    QString sql;
    for (int i = 1; i <= count; ++i)
        sql += u"insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, CID_A_COD, "
               u"ASS_I_COD, ACD_A_ABL) "
               u"values (%1, '%2', 'MEMBRO %3', 'RUA %3', '%1', 'BAIRRO', '3550308', 1, 'S');\n"_s.arg(1000 + i)
                   .arg(10000000000LL + i, 14, 10, QChar(u'0'))
                   .arg(i, 3, 10, QChar(u'0'));
    return sql;
}

// A double-click as the window system delivers it: press, release, double
// click, release. (QTest::mouseDClick on this Qt leaves out what an item view
// needs to see the second click on the row the first one pressed.)
void doubleClick(QWidget *widget, QPoint at)
{
    const QPoint global = widget->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

} // namespace

class tst_ListaAssociados : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void exportFromTheWindow_data();
    void exportFromTheWindow();
    void memberDeletedSinceTheSearchKeepsItsListRow();
    void printOf120Members();
    void printOpensThePreview();
    void exportAndPrintNeedRows();
    void enterInTheSearchTextSearches();
    void doubleClickOpensTheMember();
    void doubleClickOpensTheUser();

private:
    void openMembers();
    void searchAll();
    QTableView *memberGrid() const { return child<QTableView>(m_members.get(), "dbgrdAcd"); }
    void useModules(const QString &sql);

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<MessageDialogHook> m_messages;
    std::unique_ptr<TfrmCadAssociado> m_members;
    bool m_changed = false;
};

void tst_ListaAssociados::initTestCase()
{
    LanguageControl::install();
    m_feedback = std::make_unique<WidgetFeedback>();
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_ListaAssociados::useModules(const QString &sql)
{
    m_members.reset();
    m_modules.reset();
    m_modules = std::make_unique<DataModules>(sql, DataModules::WithPresentation);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(u"11222333000181"_s));
    UsuarioLogado = TUsuarioLogado();
    UsuarioLogado.id = 10;
    UsuarioLogado.nome = u"ADMINISTRADOR"_s;
    UsuarioLogado.id_pai = 1;
    UsuarioLogado.mst = u"S"_s;
    UsuarioLogado.abl = u"S"_s;
}

void tst_ListaAssociados::init()
{
    // The functions that only read share one database; one that changes it
    // (or loads another) says so first and the next one gets a fresh one.
    if (!m_modules || m_changed) {
        m_changed = false;
        useModules(QString::fromUtf8(fixture));
    }
}

void tst_ListaAssociados::cleanup()
{
    m_members.reset();
    m_messages->clear();
}

void tst_ListaAssociados::cleanupTestCase()
{
    m_modules.reset();
}

void tst_ListaAssociados::openMembers()
{
    m_members = std::make_unique<TfrmCadAssociado>();
    m_members->setAttribute(Qt::WA_DeleteOnClose, false);
    m_members->show();
    QVERIFY(QTest::qWaitForWindowActive(m_members.get()));
}

void tst_ListaAssociados::searchAll()
{
    QLineEdit *text = child(m_members.get(), "edtPesq");
    text->clear();
    text->setFocus();
    QTest::keyClick(text, Qt::Key_F2);
}

void tst_ListaAssociados::exportFromTheWindow_data()
{
    QTest::addColumn<bool>("csv");
    QTest::newRow("xlsx") << false;
    QTest::newRow("csv") << true;
}

void tst_ListaAssociados::exportFromTheWindow()
{
    QFETCH(bool, csv);
    openMembers();
    searchAll();
    QCOMPARE(DMds->cdsPesqAssociado->recordCount(), 3);

    // Ctrl+E, then the save dialog: the format chosen there, the name typed
    // without an extension.
    QTemporaryDir dir;
    const QString path = dir.filePath(csv ? u"associados.csv"_s : u"associados.xlsx"_s);
    ModalAnswer save([&](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        QCOMPARE(files->nameFilters().size(), qsizetype(2));
        files->selectNameFilter(files->nameFilters().at(csv ? 1 : 0));
        files->setDirectory(dir.path());
        files->selectFile(dir.filePath(u"associados"_s));
        QMetaObject::invokeMethod(files, "accept");
    });
    QTest::keyClick(memberGrid(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(save.answered());
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QVERIFY(m_messages->shown.isEmpty());

    QList<QStringList> expected = expectedMembers();
    expected.prepend(titles);
    if (csv) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        bool ok = false;
        QCOMPARE(ExportReading::parseCsv(QString::fromUtf8(bytes.mid(3)), &ok), expected);
        QVERIFY(ok);
        return;
    }
    const auto cells = ExportReading::sheetCells(ExportReading::zipMember(path, u"xl/worksheets/sheet1.xml"_s),
                                                 ExportReading::zipMember(path, u"xl/sharedStrings.xml"_s));
    const QString letters = u"ABCDEFGHIJKLMNO"_s;
    QCOMPARE(cells.contains(u"A5"_s), false);
    for (int r = 0; r < expected.size(); ++r) {
        for (int c = 0; c < expected[r].size(); ++c) {
            const QString ref = letters[c] + QString::number(r + 1);
            const QString value = expected[r][c];
            QCOMPARE(cells.contains(ref), !value.isEmpty());
            if (value.isEmpty())
                continue;
            if (r > 0 && c == 13) {
                QCOMPARE(cells[ref].type, u"n"_s);
                QCOMPARE(cells[ref].value, QString::number(QDate(1899, 12, 30).daysTo(QDate(2024, 5, 17))));
            } else {
                QVERIFY2(cells[ref].type != u"n", qPrintable(ref));
                QCOMPARE(cells[ref].value, value);
            }
        }
    }
}

void tst_ListaAssociados::memberDeletedSinceTheSearchKeepsItsListRow()
{
    m_changed = true;
    openMembers();
    searchAll();
    QVERIFY(DM->ExcluirAssociado(12));
    TAssociadosExportacao rows(*DMds->cdsPesqAssociado);
    QCOMPARE(rows.rowCount(), qsizetype(3));
    const QVariantList gone = rows.row(1);
    QCOMPARE(gone.value(0).toString(), u"BETA SERVIÇOS"_s);
    QCOMPARE(gone.value(1).toString(), u"987.654.321-00"_s);
    QCOMPARE(rows.row(2).value(0).toString(), u"JOÃO DA SILVA"_s);
}

void tst_ListaAssociados::printOf120Members()
{
    m_changed = true;
    useModules(
        u"insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');\n"
        u"insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO COMERCIAL DE TESTE', 'S');\n"_s
        + many(120));
    openMembers();
    searchAll();
    QCOMPARE(DMds->cdsPesqAssociado->recordCount(), 120);
    const PrintReport report = RelatorioAssociados(*DMds->cdsPesqAssociado, u"todos os associados"_s);
    QCOMPARE(report.rows.size(), qsizetype(120));
    QCOMPARE(report.rows[0], (QStringList{u"MEMBRO 001"_s, u"00.010.000/0000-01"_s, u"RUA 001, 1001 - BAIRRO"_s,
                                          u"SÃO PAULO/SP"_s, QString()}));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"associados.pdf"_s);
    QVERIFY(TablePrint::saveAsPdf(pdf, report));
    const int pages = ExportReading::pdfPages(pdf);
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    const QString text = ExportReading::poppler(u"pdftotext"_s, pdf);
    QVERIFY(text.contains(u"ASSOCIAÇÃO COMERCIAL DE TESTE"_s));
    QVERIFY(text.contains(u"Pesquisa: todos os associados"_s));
    QVERIFY(text.contains(u"Página 1 de %1"_s.arg(pages)));
    QVERIFY(text.contains(u"Página %1 de %1"_s.arg(pages)));
    QVERIFY(text.contains(u"MEMBRO 001"_s));
    QVERIFY(text.contains(u"MEMBRO 120"_s));
    // Documents and the city with its state are printed whole.
    QVERIFY(text.contains(u"00.010.000/0000-01"_s));
    QVERIFY(text.contains(u"SÃO PAULO/SP"_s));
    // One form feed per page.
    QCOMPARE(text.count(u'\f'), qsizetype(pages));
}

void tst_ListaAssociados::printOpensThePreview()
{
    openMembers();
    typeInto(m_members.get(), "edtPesq", u"SILVA"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(DMds->cdsPesqAssociado->recordCount(), 1);
    bool pdfButton = false;
    ModalAnswer preview([&](QDialog *dialog) {
        QVERIFY(qobject_cast<QPrintPreviewDialog *>(dialog));
        pdfButton = dialog->findChild<QAction *>(u"actSalvarPdf"_s) != nullptr;
        dialog->reject();
    });
    QTest::keyClick(memberGrid(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(preview.answered());
    QVERIFY2(pdfButton, "the preview offers Salvar como PDF");
}

void tst_ListaAssociados::exportAndPrintNeedRows()
{
    openMembers();
    typeInto(m_members.get(), "edtPesq", u"NINGUÉM"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(DMds->cdsPesqAssociado->recordCount(), 0);
    QVERIFY(!m_members->actExporta()->isEnabled());
    QVERIFY(!m_members->actImprime()->isEnabled());
    searchAll();
    QVERIFY(m_members->actExporta()->isEnabled());
    QVERIFY(m_members->actImprime()->isEnabled());
    QCOMPARE(m_members->actExporta()->shortcut(), QKeySequence(u"Ctrl+E"_s));
    QCOMPARE(m_members->actImprime()->shortcut(), QKeySequence(u"Ctrl+P"_s));
}

void tst_ListaAssociados::enterInTheSearchTextSearches()
{
    openMembers();
    typeInto(m_members.get(), "edtPesq", u"BETA"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(DMds->cdsPesqAssociado->recordCount(), 1);
    QCOMPARE(DMds->cdsPesqAssociado->text(u"ACD_A_NOM"), u"BETA SERVIÇOS"_s);
    child(m_members.get(), "edtPesq")->clear();
    QTest::keyClick(child(m_members.get(), "edtPesq"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(DMds->cdsPesqAssociado->recordCount(), 3);
}

void tst_ListaAssociados::doubleClickOpensTheMember()
{
    openMembers();
    searchAll();
    QTableView *grid = memberGrid();
    QString opened;
    ModalAnswer editor([&](QDialog *dialog) {
        QVERIFY(qobject_cast<TfrmAssociado *>(dialog));
        opened = DMds->cdsCadAssociado->text(u"ACD_A_NOM");
        dialog->reject();
    });
    const QRect third = grid->visualRect(grid->model()->index(2, DMds->cdsPesqAssociado->columnIndex(u"ACD_A_NOM")));
    QSignalSpy clicks(grid, &QAbstractItemView::doubleClicked);
    doubleClick(grid->viewport(), third.center());
    QCOMPARE(clicks.size(), qsizetype(1));
    QVERIFY(editor.answered());
    QCOMPARE(opened, u"JOÃO DA SILVA"_s);

    // Below the last row there is no row to open.
    ModalAnswer none([](QDialog *) {}, 300);
    doubleClick(grid->viewport(), QPoint(10, grid->viewport()->height() - 3));
    QVERIFY(!none.answered());
}

void tst_ListaAssociados::doubleClickOpensTheUser()
{
    auto *window = new TfrmCadUsuario();
    std::unique_ptr<TfrmCadUsuario> owner(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->actPesqExecute();
    QCOMPARE(DMds->cdsPesUsuario->recordCount(), 2);
    auto *grid = child<QTableView>(window, "dbgrd1");
    QString opened;
    ModalAnswer editor([&](QDialog *dialog) {
        QVERIFY(qobject_cast<TfrmUsuario *>(dialog));
        opened = DMds->cdsPesUsuario->text(u"USU_A_NOM");
        dialog->reject();
    });
    doubleClick(grid->viewport(),
                grid->visualRect(grid->model()->index(1, DMds->cdsPesUsuario->columnIndex(u"USU_A_NOM"))).center());
    QVERIFY(editor.answered());
    QCOMPARE(opened, u"OPERADOR"_s);
}

QTEST_MAIN(tst_ListaAssociados)
#include "tst_listaassociados.moc"
