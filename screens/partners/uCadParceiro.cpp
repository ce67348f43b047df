#include "uCadParceiro.h"

#include "ui_uCadParceiro.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "Feedback.h"
#include "ListActions.h"
#include "MessageDialog.h"
#include "PacoteNegativacao.h"
#include "RegisterWindow.h"
#include "Session.h"
#include "TListaParceiro.h"
#include "TParceiro.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uDigitaDoc.h"
#include "uNegativar.h"
#include "uParceiro.h"
#include "uRotinas.h"

#include <QAction>

#include <algorithm>

using namespace Qt::StringLiterals;

TfrmCadParceiro::TfrmCadParceiro(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmCadParceiro>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);

    connect(ui->actPesq, &QAction::triggered, this, &TfrmCadParceiro::actPesqExecute);
    connect(ui->actNovo, &QAction::triggered, this, &TfrmCadParceiro::actNovoExecute);
    connect(ui->actEdita, &QAction::triggered, this, &TfrmCadParceiro::actEditaExecute);
    connect(ui->actExclui, &QAction::triggered, this, &TfrmCadParceiro::actExcluiExecute);
    bindToAction(ui->btnPesq, ui->actPesq);
    bindToAction(ui->btnNovo, ui->actNovo);
    bindToAction(ui->btnEdita, ui->actEdita);
    bindToAction(ui->btnExclui, ui->actExclui);
    connect(ui->actNegativa, &QAction::triggered, this, &TfrmCadParceiro::actNegativaExecute);
    bindToAction(ui->btnNegativa, ui->actNegativa);
    if (!PacoteNegativacao::contratado())
        ui->btnNegativa->setToolTip(PacoteNegativacao::naoContratado());
    connect(ui->btnFechar, &QPushButton::clicked, this, &QWidget::close);

    UpperCaseValidator::apply(ui->edtPesq);
    searchOnEnter(ui->edtPesq, ui->actPesq);
    openRowOnDoubleClick(ui->dbgrdPar, ui->actEdita);
    ui->cbbTipoParc->setCurrentIndex(2);

    MemTable *lista = DMds->cdsPesqParceiro;
    setupBrowseGrid(ui->dbgrdPar, lista,
                    {{u"PAR_A_NOM"_s, u"Nome"_s, 200},
                     {u"PAR_A_CNPJ_CPF"_s, u"Documento"_s, 110, {}, FormataDocumento},
                     {u"PAR_A_LGR"_s, u"Logradouro"_s, 170},
                     {u"PAR_A_NUM"_s, u"Número"_s, 50},
                     {u"PAR_A_BRR"_s, u"Bairro"_s, 120},
                     {u"PAR_A_TIP"_s, u"Tipo"_s, 70, {}, [](const QString &tipo) {
                          return tipo == u"C" ? u"Cliente"_s : tipo == u"F" ? u"Fornecedor"_s : tipo;
                      }}});
    greyInactiveRows(lista, u"PAR_A_ABL");

    connect(lista, &MemTable::changed, this, &TfrmCadParceiro::dsPesParceiroDataChange);
    dsPesParceiroDataChange();
}

TfrmCadParceiro::~TfrmCadParceiro() = default;

QAction *TfrmCadParceiro::actPesq() const
{
    return ui->actPesq;
}

QAction *TfrmCadParceiro::actNovo() const
{
    return ui->actNovo;
}

QAction *TfrmCadParceiro::actEdita() const
{
    return ui->actEdita;
}

QAction *TfrmCadParceiro::actExclui() const
{
    return ui->actExclui;
}

QAction *TfrmCadParceiro::actNegativa() const
{
    return ui->actNegativa;
}

TTipoPesqParceiro TfrmCadParceiro::tipoPesquisa() const
{
    return chosenSearchField(ui->cbbTipoPesq);
}

TTipoParceiro TfrmCadParceiro::tipoParceiro() const
{
    switch (ui->cbbTipoParc->currentIndex()) {
    case 0:
        return tpCliente;
    case 1:
        return tpFornecedor;
    default:
        return tpTodosParc;
    }
}

TTipoCadastro TfrmCadParceiro::tipoCadastro() const
{
    return ui->cbbCadastro->currentIndex() == 1 ? tpTodosCad : tpMeus;
}

void TfrmCadParceiro::actPesqExecute()
{
    WaitCursor wait;
    DMds->cdsPesqParceiro->empty();
    // The document is stored without punctuation: what is typed is cleaned
    // the same way before it is looked for.
    QString texto = Trim(ui->edtPesq->text());
    if (tipoPesquisa() == tpDocumento)
        texto = LimpaDocumento(texto);
    const std::unique_ptr<TListaParceiro> lista
        = DM->PesqParceiro(tipoCadastro(), tipoPesquisa(), tipoParceiro(), texto);
    DMds->PopulacdsPesqParceiro(*lista);
}

bool TfrmCadParceiro::doMembro() const
{
    const MemTable *lista = DMds->cdsPesqParceiro;
    return lista->recordCount() > 0 && lista->integer(u"ACD_I_COD") == AssociadoAtual->id();
}

void TfrmCadParceiro::dsPesParceiroDataChange()
{
    ui->actEdita->setEnabled(DMds->cdsPesqParceiro->recordCount() > 0);
    // Another member's partner is only shown.
    ui->actExclui->setEnabled(doMembro());
    ui->actNegativa->setEnabled(doMembro() && PacoteNegativacao::contratado());
}

void TfrmCadParceiro::actNegativaExecute()
{
    if (!doMembro())
        return;
    TfrmNegativar::Negativar(DMds->cdsPesqParceiro->integer(u"PAR_I_COD"), this);
}

void TfrmCadParceiro::LocalizaParceiro(qint32 id)
{
    MemTable *lista = DMds->cdsPesqParceiro;
    const int column = lista->fieldIndex(u"PAR_I_COD");
    for (int row = 0; row < lista->recordCount(); ++row) {
        if (lista->value(row, column).toInt() == id) {
            lista->setCurrentRow(row);
            return;
        }
    }
}

void TfrmCadParceiro::actExcluiExecute()
{
    if (!doMembro())
        return;
    if (MessageDialog::warning(QStringLiteral("Tem certeza que deseja excluir este parceiro?"),
                               QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    const qint32 id = DMds->cdsPesqParceiro->integer(u"PAR_I_COD");
    if (DM->ExcluirParceiro(id)) {
        actPesqExecute();
        return;
    }
    // Refused: either another seat deleted it already, or other records
    // still refer to it.
    if (DM->LeParceiro(id)->id() == 0) {
        MessageDialog::information(QStringLiteral("Parceiro não localizado."));
        actPesqExecute();
        return;
    }
    MessageDialog::error(QStringLiteral("Não é possível excluir este parceiro: há lançamentos ou registros na "
                                        "lista de negativação ligados a ele."));
}

void TfrmCadParceiro::actNovoExecute()
{
    QString documento;
    {
        TfrmDigitaDoc prompt(this);
        if (prompt.exec() != QDialog::Accepted)
            return;
        documento = prompt.documento();
    }
    qint32 encontrado = 0;
    QString nome;
    if (DMds->BuscaDocParceiro(documento, encontrado, nome)) {
        MessageDialog::information(
            QStringLiteral("O documento informado já está cadastrado para o parceiro %1.").arg(nome));
        return;
    }
    qint32 gravado = 0;
    {
        TfrmParceiro editor(this);
        editor.PreparaNovo(documento);
        editor.setGravacao([&] { return GravaParceiro(editor, gravado); });
        if (editor.exec() != QDialog::Accepted)
            return;
    }
    actPesqExecute();
    LocalizaParceiro(gravado);
}

void TfrmCadParceiro::actEditaExecute()
{
    if (DMds->cdsPesqParceiro->recordCount() == 0)
        return;
    const std::unique_ptr<TParceiro> parceiro = DM->LeParceiro(DMds->cdsPesqParceiro->integer(u"PAR_I_COD"));
    if (parceiro->id() == 0) {
        MessageDialog::information(QStringLiteral("Parceiro não localizado."));
        actPesqExecute();
        return;
    }
    const bool somenteLeitura = parceiro->id_acd() != AssociadoAtual->id();
    qint32 gravado = 0;
    {
        TfrmParceiro editor(this);
        editor.PreparaEdicao(*parceiro, somenteLeitura);
        if (!somenteLeitura)
            editor.setGravacao([&] { return GravaParceiro(editor, gravado); });
        if (editor.exec() != QDialog::Accepted || somenteLeitura)
            return;
    }
    actPesqExecute();
    LocalizaParceiro(gravado);
}

bool TfrmCadParceiro::ParceiroGravavel(const TParceiro &parceiro)
{
    if (parceiro.id() == 0)
        return true;
    const std::unique_ptr<TParceiro> atual = DM->LeParceiro(parceiro.id());
    bool gravavel = atual->id() != 0 && atual->id_acd() == AssociadoAtual->id();
    for (const auto &fone : parceiro.fones()) {
        // A marked contact is deleted, whether or not it is still there.
        if (!gravavel || fone->id() == 0 || fone->excluir())
            continue;
        gravavel = std::any_of(atual->fones().begin(), atual->fones().end(),
                               [&](const auto &stored) { return stored->id() == fone->id(); });
    }
    if (!gravavel)
        MessageDialog::information(QStringLiteral("Parceiro não localizado."));
    return gravavel;
}

bool TfrmCadParceiro::GravaParceiro(TfrmParceiro &editor, qint32 &gravado)
{
    const std::unique_ptr<TParceiro> parceiro = DMds->PopulaObjParceiro();
    // The member in work owns what it writes, whatever the row said.
    parceiro->setId_acd(AssociadoAtual->id());
    parceiro->setId_usu(UsuarioLogado.id);
    // Gone, or not the member's: nothing to keep the editor open for.
    if (!ParceiroGravavel(*parceiro))
        return true;
    if (DM->GravaParceiro(*parceiro)) {
        gravado = parceiro->id();
        return true;
    }
    const WriteRefusal recusa = DM->lastRefusal();
    if (parceiro->id() == 0 || (recusa != WriteRefusal::Changed && recusa != WriteRefusal::Deleted))
        return false; // kept as typed, to try again
    // Another seat changed or deleted the partner or one of its contacts:
    // the editor shows the partner as it is now, or closes when it is gone.
    const std::unique_ptr<TParceiro> atual = DM->LeParceiro(parceiro->id());
    if (atual->id() == 0)
        return true;
    editor.PreparaEdicao(*atual, false);
    return false;
}
