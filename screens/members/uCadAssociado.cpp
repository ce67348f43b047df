#include "uCadAssociado.h"

#include "ui_uCadAssociado.h"

#include "ActionButton.h"
#include "Feedback.h"
#include "ForegroundDelegate.h"
#include "GridCursor.h"
#include "MessageDialog.h"
#include "Session.h"
#include "TListaParceiro.h"
#include "TUsuarios.h"
#include "TahomaFont.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "uAssociado.h"
#include "uDM.h"
#include "uDMds.h"
#include "uDigitaDoc.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QShowEvent>

namespace {

// The layout is given for this client size; the search text, its button,
// the grid and the bottom buttons follow the window from there.
const QSize designSize(757, 408);

QAction *functionKeyAction(QWidget *window, const QString &caption, Qt::Key key, const char *name)
{
    auto *action = new QAction(caption, window);
    action->setObjectName(QLatin1StringView(name));
    action->setShortcut(key);
    // Only while this window (or one of its controls) is the active one.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window->addAction(action);
    return action;
}

QString flag(bool checked)
{
    return checked ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace

TfrmCadAssociado::TfrmCadAssociado(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmCadAssociado>())
{
    ui->setupUi(this);
    setFont(tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(400, 200);

    actPesq = functionKeyAction(this, QStringLiteral("[F2] Pesquisar"), Qt::Key_F2, "actPesq");
    actNovo = functionKeyAction(this, QStringLiteral("[F5] Novo"), Qt::Key_F5, "actNovo");
    actEdita = functionKeyAction(this, QStringLiteral("[F6] Edita"), Qt::Key_F6, "actEdita");
    actExclui = functionKeyAction(this, QStringLiteral("[F7] Exclui"), Qt::Key_F7, "actExclui");
    connect(actPesq, &QAction::triggered, this, &TfrmCadAssociado::actPesqExecute);
    connect(actNovo, &QAction::triggered, this, &TfrmCadAssociado::actNovoExecute);
    connect(actEdita, &QAction::triggered, this, &TfrmCadAssociado::actEditaExecute);
    connect(actExclui, &QAction::triggered, this, &TfrmCadAssociado::actExcluiExecute);
    bindToAction(ui->btnPesq, actPesq);
    bindToAction(ui->btnNovo, actNovo);
    bindToAction(ui->btnEdita, actEdita);
    bindToAction(ui->btnExclui, actExclui);
    connect(ui->btnFechar, &QPushButton::clicked, this, &TfrmCadAssociado::btnFecharClick);

    ui->cbbTipoPesq->setInsertPolicy(QComboBox::NoInsert);
    ui->cbbTipoPesq->setCurrentIndex(0);
    UpperCaseValidator::apply(ui->edtPesq);

    MemTable *lista = DMds->cdsPesqAssociado;
    const int ativo = lista->fieldIndex(u"ACD_A_ABL");
    // An inactive member's row is grey in every column, also when selected.
    lista->setForegroundRule([lista, ativo](int row) -> QVariant {
        if (lista->value(row, ativo).toString() == u"N")
            return QColor(128, 128, 128);
        return QVariant();
    });
    QTableView *grid = ui->dbgrdAcd;
    grid->setModel(lista);
    grid->setItemDelegate(new ForegroundDelegate(grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Read-only: Tab leaves the grid instead of walking its cells.
    grid->setTabKeyNavigation(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    grid->setColumnHidden(lista->fieldIndex(u"ACD_I_COD"), true);
    grid->setColumnHidden(ativo, true);
    const struct
    {
        const char16_t *column;
        const char16_t *title;
        int width;
    } columns[] = {{u"ACD_A_NOM", u"Nome", 200},
                   {u"ACD_A_CNPJ", u"Documento", 100},
                   {u"ACD_A_LGR", u"Logradouro", 200},
                   {u"ACD_A_NUM", u"Número", 50},
                   {u"ACD_A_BRR", u"Bairro", 150}};
    QHeaderView *header = grid->horizontalHeader();
    for (int position = 0; position < int(std::size(columns)); ++position) {
        const int column = lista->fieldIndex(columns[position].column);
        lista->setLabel(column, QString::fromUtf16(columns[position].title));
        grid->setColumnWidth(column, columns[position].width);
        header->moveSection(header->visualIndex(column), position);
    }
    linkGridCursor(grid, lista);

    connect(lista, &MemTable::changed, this, &TfrmCadAssociado::dsPesAssociadoDataChange);
    dsPesAssociadoDataChange();
}

TfrmCadAssociado::~TfrmCadAssociado() = default;

TTipoPesqParceiro TfrmCadAssociado::tipoPesquisa() const
{
    // A text typed over the list that names no entry searches by name.
    switch (ui->cbbTipoPesq->findText(ui->cbbTipoPesq->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive)) {
    case 1:
        return tpDocumento;
    case 2:
        return tpEndereco;
    case 3:
        return tpBairro;
    default:
        return tpNome;
    }
}

void TfrmCadAssociado::actPesqExecute()
{
    // Filling the grid with a large result takes about as long as the
    // search itself: the wait cursor covers both.
    WaitCursor wait;
    // The rows of the last search go first, so that a large result is not
    // held twice while the next one is read.
    DMds->cdsPesqAssociado->empty();
    const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tipoPesquisa(), Trim(ui->edtPesq->text()));
    DMds->PopulacdsPesqAssociado(*lista);
}

void TfrmCadAssociado::dsPesAssociadoDataChange()
{
    const bool linhas = DMds->cdsPesqAssociado->recordCount() > 0;
    actEdita->setEnabled(linhas);
    actExclui->setEnabled(linhas);
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

    // The new member's row: the document, the address of the session's
    // member, the logged-in association and user, active with both packages.
    MemTable *membro = DMds->cdsCadAssociado;
    membro->empty();
    membro->append();
    membro->setInteger(u"ACD_I_COD", 0);
    membro->setText(u"ACD_A_CNPJ", documento);
    membro->setText(u"ACD_A_IE", AssociadoAtual->ie());
    membro->setText(u"ACD_A_NOM", AssociadoAtual->nome());
    membro->setText(u"ACD_A_LGR", AssociadoAtual->logradouro());
    membro->setText(u"ACD_A_NUM", AssociadoAtual->numero());
    membro->setText(u"ACD_A_CPL", AssociadoAtual->complemento());
    membro->setText(u"ACD_A_BRR", AssociadoAtual->bairro());
    membro->setText(u"ACD_A_CEP", AssociadoAtual->cep());
    membro->setText(u"CID_A_COD", AssociadoAtual->ibge());
    membro->setText(u"CID_A_DSC", AssociadoAtual->cidade());
    membro->setText(u"CID_A_UF", AssociadoAtual->uf());
    membro->setText(u"ACD_A_MAIL", AssociadoAtual->email());
    membro->setInteger(u"ASS_I_COD", AssociacaoAtual->id());
    membro->setText(u"ACD_A_ABL", QStringLiteral("S"));
    membro->setText(u"ACD_A_PCT1", QStringLiteral("S"));
    membro->setText(u"ACD_A_PCT2", QStringLiteral("S"));
    membro->setInteger(u"USU_I_COD", UsuarioLogado.id);
    membro->setText(u"USU_A_NOM", UsuarioLogado.nome);
    membro->post();
    DMds->cdsCadFoneAcd->empty();

    QString nomeUsuario, usuario, senha;
    {
        TfrmAssociado editor(this);
        editor.setWindowTitle(editor.windowTitle() + u" - " + DateTime::today().toShortDateString() + u'|'
                              + UsuarioLogado.nome);
        editor.EditaMascara();
        editor.dbedtACD_A_CNPJ()->setEnabled(false);
        editor.grpUsu()->setVisible(true);
        // The package boxes show the new member's flags and carry them back.
        editor.chkPct01()->setChecked(true);
        editor.chkPct02()->setChecked(true);
        if (editor.exec() != QDialog::Accepted)
            return;
        nomeUsuario = editor.edtNomeUsu()->text();
        usuario = editor.edtUsuario()->text();
        senha = documento.left(5);
        if (!membro->isEditing())
            membro->edit();
        membro->setText(u"ACD_A_PCT1", flag(editor.chkPct01()->isChecked()));
        membro->setText(u"ACD_A_PCT2", flag(editor.chkPct02()->isChecked()));
    }

    // The list is searched again whatever happens to the writes.
    try {
        const std::unique_ptr<TAssociado> associado = DMds->PopulaObjAssociado();
        if (DM->IUAssociado(*associado)) {
            DM->IUAcdFones(*associado);
            TUsuarios login;
            login.setId(0);
            login.setNome(nomeUsuario);
            login.setUsuario(usuario);
            login.setSenha(senha);
            login.setMst(QStringLiteral("S"));
            login.setAbilitado(QStringLiteral("S"));
            login.setId_pai(associado->id());
            DM->IUAcdUsuarios(login);
        }
    } catch (...) {
        actPesqExecute();
        throw;
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
    DMds->PopulacdsCadAssociado(*associado);
    DMds->PopulacdsCadFoneAcd(*associado);

    {
        TfrmAssociado editor(this);
        editor.setWindowTitle(editor.windowTitle() + u" - " + associado->dt_cad().toShortDateString() + u'|'
                              + associado->nome_usu());
        editor.EditaMascara();
        MemTable *membro = DMds->cdsCadAssociado;
        editor.chkPct01()->setChecked(membro->text(u"ACD_A_PCT1") == u"S");
        editor.chkPct02()->setChecked(membro->text(u"ACD_A_PCT2") == u"S");
        editor.grpUsu()->setVisible(false);
        if (editor.exec() != QDialog::Accepted)
            return;
        if (!membro->isEditing())
            membro->edit();
        membro->setText(u"ACD_A_PCT1", flag(editor.chkPct01()->isChecked()));
        membro->setText(u"ACD_A_PCT2", flag(editor.chkPct02()->isChecked()));
    }
    associado.reset();

    const std::unique_ptr<TAssociado> alterado = DMds->PopulaObjAssociado();
    if (DM->IUAssociado(*alterado))
        DM->IUAcdFones(*alterado);
}

void TfrmCadAssociado::btnFecharClick()
{
    close();
}

void TfrmCadAssociado::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed && !event->spontaneous()) {
        m_placed = true;
        placeInFrame();
    }
}

void TfrmCadAssociado::placeInFrame()
{
    // Inside the main window the window may be minimised but not maximised,
    // and it opens centred on the work area.
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame)
        return;
    frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint);
    frame->resize(frame->size() - size() + designSize);
    if (const QWidget *area = frame->parentWidget())
        frame->move(std::max(0, (area->width() - frame->width()) / 2),
                    std::max(0, (area->height() - frame->height()) / 2));
}

void TfrmCadAssociado::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int dw = width() - designSize.width();
    const int dh = height() - designSize.height();
    ui->edtPesq->resize(538 + dw, ui->edtPesq->height());
    ui->lbl2->resize(538 + dw, ui->lbl2->height());
    ui->btnPesq->move(663 + dw, ui->btnPesq->y());
    ui->dbgrdAcd->resize(741 + dw, 318 + dh);
    ui->btnNovo->move(ui->btnNovo->x(), 376 + dh);
    ui->btnEdita->move(ui->btnEdita->x(), 376 + dh);
    ui->btnExclui->move(ui->btnExclui->x(), 376 + dh);
    ui->btnFechar->move(674 + dw, 376 + dh);
}
