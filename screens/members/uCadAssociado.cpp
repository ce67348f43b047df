#include "uCadAssociado.h"

#include "ui_uCadAssociado.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "Feedback.h"
#include "ListActions.h"
#include "MessageDialog.h"
#include "RegisterWindow.h"
#include "TAssociado.h"
#include "TListaParceiro.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uAssociado.h"
#include "uDM.h"
#include "uDMds.h"
#include "uDigitaDoc.h"
#include "uListaAssociados.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {

// The search the shared table's rows came from, for the printed list; like
// the table, it outlives the window.
QString ultimaPesquisa = u"pesquisa anterior"_s;

} // namespace

TfrmCadAssociado::TfrmCadAssociado(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmCadAssociado>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);

    connect(ui->actPesq, &QAction::triggered, this, &TfrmCadAssociado::actPesqExecute);
    connect(ui->actNovo, &QAction::triggered, this, &TfrmCadAssociado::actNovoExecute);
    connect(ui->actEdita, &QAction::triggered, this, &TfrmCadAssociado::actEditaExecute);
    connect(ui->actExclui, &QAction::triggered, this, &TfrmCadAssociado::actExcluiExecute);
    connect(ui->actExporta, &QAction::triggered, this, &TfrmCadAssociado::actExportaExecute);
    connect(ui->actImprime, &QAction::triggered, this, &TfrmCadAssociado::actImprimeExecute);
    bindToAction(ui->btnPesq, ui->actPesq);
    bindToAction(ui->btnNovo, ui->actNovo);
    bindToAction(ui->btnEdita, ui->actEdita);
    bindToAction(ui->btnExclui, ui->actExclui);
    bindToAction(ui->btnExporta, ui->actExporta);
    bindToAction(ui->btnImprime, ui->actImprime);
    connect(ui->btnFechar, &QPushButton::clicked, this, &TfrmCadAssociado::btnFecharClick);

    UpperCaseValidator::apply(ui->edtPesq);
    searchOnEnter(ui->edtPesq, ui->actPesq);
    openRowOnDoubleClick(ui->dbgrdAcd, ui->actEdita);

    MemTable *lista = DMds->cdsPesqAssociado;
    // The document column shows the stored digits, unmasked.
    setupBrowseGrid(ui->dbgrdAcd, lista,
                    {{u"ACD_A_NOM"_s, u"Nome"_s, 200},
                     {u"ACD_A_CNPJ"_s, u"Documento"_s, 100},
                     {u"ACD_A_LGR"_s, u"Logradouro"_s, 200},
                     {u"ACD_A_NUM"_s, u"Número"_s, 50},
                     {u"ACD_A_BRR"_s, u"Bairro"_s, 150}});
    greyInactiveRows(lista, u"ACD_A_ABL");

    connect(lista, &MemTable::changed, this, &TfrmCadAssociado::dsPesAssociadoDataChange);
    dsPesAssociadoDataChange();
}

TfrmCadAssociado::~TfrmCadAssociado() = default;

QAction *TfrmCadAssociado::actPesq() const
{
    return ui->actPesq;
}

QAction *TfrmCadAssociado::actNovo() const
{
    return ui->actNovo;
}

QAction *TfrmCadAssociado::actEdita() const
{
    return ui->actEdita;
}

QAction *TfrmCadAssociado::actExclui() const
{
    return ui->actExclui;
}

QAction *TfrmCadAssociado::actExporta() const
{
    return ui->actExporta;
}

QAction *TfrmCadAssociado::actImprime() const
{
    return ui->actImprime;
}

TTipoPesqParceiro TfrmCadAssociado::tipoPesquisa() const
{
    return chosenSearchField(ui->cbbTipoPesq);
}

void TfrmCadAssociado::actPesqExecute()
{
    // Filling the grid with a large result takes about as long as the
    // search itself: the wait cursor covers both.
    WaitCursor wait;
    // The rows of the last search go first, so that a large result is not
    // held twice while the next one is read.
    DMds->cdsPesqAssociado->empty();
    const QString texto = Trim(ui->edtPesq->text());
    const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tipoPesquisa(), texto);
    DMds->PopulacdsPesqAssociado(*lista);
    ultimaPesquisa
        = texto.isEmpty() ? u"todos os associados"_s : ui->cbbTipoPesq->currentText() + u" contém \""_s + texto + u'"';
}

void TfrmCadAssociado::actExportaExecute()
{
    TAssociadosExportacao linhas(*DMds->cdsPesqAssociado);
    TableExport::exportWithDialog(this, linhas, u"associados"_s);
}

void TfrmCadAssociado::actImprimeExecute()
{
    TablePrint::printWithPreview(this, RelatorioAssociados(*DMds->cdsPesqAssociado, ultimaPesquisa), u"associados"_s);
}

void TfrmCadAssociado::dsPesAssociadoDataChange()
{
    const bool linhas = DMds->cdsPesqAssociado->recordCount() > 0;
    ui->actEdita->setEnabled(linhas);
    ui->actExclui->setEnabled(linhas);
    ui->actExporta->setEnabled(linhas);
    ui->actImprime->setEnabled(linhas);
}

void TfrmCadAssociado::actExcluiExecute()
{
    if (MessageDialog::warning(QStringLiteral("Tem certeza que deseja exclui este parceiro?"),
                               QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    if (DM->ExcluirAssociado(DMds->cdsPesqAssociado->integer(u"ACD_I_COD")))
        actPesqExecute();
    else
        MessageDialog::error(QStringLiteral("Não é possível excluir este Associado."));
}

void TfrmCadAssociado::actNovoExecute()
{
    QString documento;
    {
        TfrmDigitaDoc prompt(this);
        if (prompt.exec() != QDialog::Accepted)
            return;
        documento = prompt.documento();
        qint32 encontrado = 0;
        if (DMds->BuscaDoc(documento, encontrado, false)) {
            MessageDialog::information(QStringLiteral("O documento informado já esta cadastrado."));
            return;
        }
    }

    {
        // The member, its contacts and its login user are stored together
        // while the editor is open: when any of them is refused nothing is
        // stored, and the editor stays open with what was typed.
        TfrmAssociado editor(this);
        editor.PreparaNovo(documento);
        editor.setGravacao([&editor] {
            const std::unique_ptr<TAssociado> associado = DMds->PopulaObjAssociado();
            TUsuarios login = editor.usuarioLogin();
            return DM->GravaAssociado(*associado, &login);
        });
        if (editor.exec() != QDialog::Accepted)
            return;
    }
    actPesqExecute();
}

void TfrmCadAssociado::actEditaExecute()
{
    std::unique_ptr<TAssociado> associado = DM->LeAssociadoID(DMds->cdsPesqAssociado->integer(u"ACD_I_COD"));
    // Deleted since the list was searched (by another seat): editing the
    // empty result would write a new, blank member.
    if (associado->id() == 0) {
        MessageDialog::information(QStringLiteral("Associado não localizado."));
        actPesqExecute();
        return;
    }

    const qint32 id = associado->id();
    bool excluido = false;
    {
        TfrmAssociado editor(this);
        editor.PreparaEdicao(*associado);
        associado.reset();
        editor.setGravacao([&editor, &excluido, id] {
            const std::unique_ptr<TAssociado> alterado = DMds->PopulaObjAssociado();
            if (DM->GravaAssociado(*alterado, nullptr))
                return true;
            const WriteRefusal recusa = DM->lastRefusal();
            if (recusa != WriteRefusal::Changed && recusa != WriteRefusal::Deleted)
                return false; // kept as typed, to try again
            // Another seat changed or deleted the member or one of its
            // contacts: the editor shows the member as it is now, or
            // closes when the member is gone.
            const std::unique_ptr<TAssociado> atual = DM->LeAssociadoID(id);
            if (atual->id() == 0) {
                excluido = true;
                return true;
            }
            editor.PreparaEdicao(*atual);
            return false;
        });
        if (editor.exec() != QDialog::Accepted)
            return;
    }
    if (excluido)
        actPesqExecute();
}

void TfrmCadAssociado::btnFecharClick()
{
    close();
}
