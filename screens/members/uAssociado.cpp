#include "uAssociado.h"

#include "ui_uAssociado.h"

#include "ContactGrid.h"
#include "FieldMapper.h"
#include "InputConventions.h"
#include "MessageDialog.h"
#include "Session.h"
#include "TAssociado.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uCidadeCampo.h"
#include "uDM.h"
#include "uDMds.h"
#include "uDocumentoCampo.h"
#include "uRotinas.h"

#include <QAction>
#include <QApplication>

using WindowConventions::tahoma;

TfrmAssociado::TfrmAssociado(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmAssociado>())
{
    ui->setupUi(this);
    setFont(tahoma(8));
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label != ui->txtCID_A_DSC && label != ui->txtCID_A_UF)
            label->setFont(tahoma(8, true));
    }
    WindowConventions::fixDialogFrame(this);

    // Member fields, bound to the member row.
    MemTable *membro = DMds->cdsCadAssociado;
    m_mapper = new FieldMapper(this);
    m_mapper->setModel(membro);
    const struct
    {
        QWidget *field;
        const char16_t *column;
        bool upperCase;
    } fields[] = {
        {ui->dbedtACD_A_CNPJ, u"ACD_A_CNPJ", false}, {ui->dbedtACD_A_IE, u"ACD_A_IE", true},
        {ui->dbedtACD_A_NOM, u"ACD_A_NOM", true},    {ui->dbedtACD_A_LGR, u"ACD_A_LGR", true},
        {ui->dbedtACD_A_NUM, u"ACD_A_NUM", true},    {ui->dbedtACD_A_CPL, u"ACD_A_CPL", true},
        {ui->dbedtACD_A_BRR, u"ACD_A_BRR", true},    {ui->dbedtCID_A_COD, u"CID_A_COD", true},
        {ui->txtCID_A_DSC, u"CID_A_DSC", false},     {ui->txtCID_A_UF, u"CID_A_UF", false},
        {ui->dbedtACD_A_CEP, u"ACD_A_CEP", true},    {ui->dbedtACD_A_MAIL, u"ACD_A_MAIL", false},
    };
    for (const auto &binding : fields) {
        const int column = membro->fieldIndex(binding.column);
        if (auto *edit = qobject_cast<QLineEdit *>(binding.field)) {
            // The document's length comes from its mask (EditaMascara).
            if (edit != ui->dbedtACD_A_CNPJ)
                edit->setMaxLength(membro->column(column).size);
            if (binding.upperCase)
                UpperCaseValidator::apply(edit);
        }
        m_mapper->addMapping(binding.field, column);
    }
    m_mapper->addLookup(ui->dblkcbbACD_A_ABL, membro->fieldIndex(u"ACD_A_ABL"), DMds->cdsAtivo, 0, 1);
    m_mapper->addFlag(ui->chkPct01, membro->fieldIndex(u"ACD_A_PCT1"));
    m_mapper->addFlag(ui->chkPct02, membro->fieldIndex(u"ACD_A_PCT2"));
    m_mapper->setCurrentIndex(membro->currentRow());

    // The login user's fields take what its columns hold (both user
    // registers have the same columns): a longer name would only be
    // refused by the database when the member is stored.
    ui->edtNomeUsu->setMaxLength(DMds->cdsPesUsuario->column(DMds->cdsPesUsuario->fieldIndex(u"USU_A_NOM")).size);
    ui->edtUsuario->setMaxLength(DMds->cdsPesUsuario->column(DMds->cdsPesUsuario->fieldIndex(u"USU_A_USU")).size);
    UpperCaseValidator::apply(ui->edtNomeUsu);
    UpperCaseValidator::apply(ui->edtUsuario);
    m_titulo = windowTitle();

    setupContacts();

    connect(InputConventions::install(this), &InputConventions::left, this, [this](QWidget *control) {
        // Cancela clicked while the code is still unknown must close the
        // dialog, not open the city search.
        if (control == ui->dbedtCID_A_COD && QApplication::focusWidget() != ui->btnCancela)
            dbedtCID_A_CODExit();
    });
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmAssociado::~TfrmAssociado() = default;

void TfrmAssociado::setupContacts()
{
    m_contatos = ContactGrid::install(
        this, DMds->cdsCadFoneAcd,
        {QStringLiteral("ACC_I_COD"), QStringLiteral("ACC_A_CON"), QStringLiteral("ACC_A_DDD"),
         QStringLiteral("ACC_A_FON"), QStringLiteral("ACD_I_COD"), QStringLiteral("ACC_I_VER")},
        ui->grdFone, {ui->btnInsert, ui->btnGravar, ui->btnCancelar, ui->btnExcluir, ui->btnEstorna});
    DatasetInsert1 = m_contatos->DatasetInsert1;
    DatasetPost1 = m_contatos->DatasetPost1;
    DatasetCancel1 = m_contatos->DatasetCancel1;
    DatasetDelete1 = m_contatos->DatasetDelete1;
    actEstornaExclusao = m_contatos->actEstornaExclusao;
}

void TfrmAssociado::PreparaNovo(const QString &documento)
{
    // The session member's address, by the entity's own mapping; the rest is
    // the new member's own.
    DMds->PopulacdsCadAssociado(*AssociadoAtual);
    MemTable *membro = DMds->cdsCadAssociado;
    membro->edit();
    membro->setInteger(u"ACD_I_COD", 0);
    membro->setText(u"ACD_A_CNPJ", documento);
    membro->setInteger(u"ASS_I_COD", AssociacaoAtual->id());
    membro->setText(u"ASS_A_CNPJ", QString());
    membro->setText(u"ACD_A_ABL", QStringLiteral("S"));
    membro->setText(u"ACD_A_PCT1", QStringLiteral("S"));
    membro->setText(u"ACD_A_PCT2", QStringLiteral("S"));
    membro->setDateTime(u"ACD_D_CAD", DateTime());
    membro->setInteger(u"USU_I_COD", UsuarioLogado.id);
    membro->setText(u"USU_A_NOM", UsuarioLogado.nome);
    membro->post();
    DMds->cdsCadFoneAcd->empty();

    setWindowTitle(m_titulo + u" - " + DateTime::today().toShortDateString() + u'|' + UsuarioLogado.nome);
    m_mapper->setCurrentIndex(membro->currentRow());
    EditaMascara();
    ui->dbedtACD_A_CNPJ->setEnabled(false);
    ui->grpUsu->setVisible(true);
}

void TfrmAssociado::PreparaEdicao(const TAssociado &associado)
{
    DMds->PopulacdsCadAssociado(associado);
    DMds->PopulacdsCadFoneAcd(associado);

    setWindowTitle(m_titulo + u" - " + associado.dt_cad().toShortDateString() + u'|' + associado.nome_usu());
    m_mapper->setCurrentIndex(DMds->cdsCadAssociado->currentRow());
    EditaMascara();
    ui->grpUsu->setVisible(false);
}

TUsuarios TfrmAssociado::usuarioLogin() const
{
    TUsuarios login;
    login.setId(0);
    login.setNome(ui->edtNomeUsu->text());
    login.setUsuario(ui->edtUsuario->text());
    login.setSenha(DMds->cdsCadAssociado->text(u"ACD_A_CNPJ").left(5));
    login.setMst(QStringLiteral("S"));
    login.setAbilitado(QStringLiteral("S"));
    return login;
}

void TfrmAssociado::EditaMascara()
{
    EditaMascaraDocumento(DMds->cdsCadAssociado, u"ACD_A_CNPJ", ui->dbedtACD_A_CNPJ);
}

void TfrmAssociado::dbedtCID_A_CODExit()
{
    SaiCodigoCidade(DMds->cdsCadAssociado, ui->dbedtCID_A_COD, parentWidget());
}

bool TfrmAssociado::BuscaCidade(const QString &codigo)
{
    return ::BuscaCidade(DMds->cdsCadAssociado, codigo);
}

bool TfrmAssociado::SelecionaCidade()
{
    return ::SelecionaCidade(DMds->cdsCadAssociado, parentWidget());
}

bool TfrmAssociado::ValidaCampos()
{
    if (Trim(ui->dbedtACD_A_NOM->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo nome tem que ser preenchido."));
        ui->dbedtACD_A_NOM->setFocus();
        return false;
    }
    if (ui->grpUsu->isVisibleTo(this) && Trim(ui->edtNomeUsu->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo nome do usuário tem que ser preenchido."));
        ui->edtNomeUsu->setFocus();
        return false;
    }
    if (ui->grpUsu->isVisibleTo(this) && Trim(ui->edtUsuario->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo usuário tem que ser preenchido."));
        ui->edtUsuario->setFocus();
        return false;
    }
    return true;
}

bool TfrmAssociado::validaDocumento()
{
    const MemTable *membro = DMds->cdsCadAssociado;
    bool alterado = false;
    QString mensagem = ProblemaDocumento(membro->text(u"ACD_A_CNPJ"), ui->dbedtACD_A_CNPJ, alterado);
    qint32 outro = 0;
    if (alterado && mensagem.isEmpty() && DMds->BuscaDoc(FieldMapper::storedText(ui->dbedtACD_A_CNPJ), outro, false)
        && outro != membro->integer(u"ACD_I_COD"))
        mensagem = QStringLiteral("O documento informado já esta cadastrado.");
    if (mensagem.isEmpty())
        return true;
    MessageDialog::information(mensagem);
    ui->dbedtACD_A_CNPJ->setFocus();
    return false;
}

void TfrmAssociado::done(int result)
{
    if (result == QDialog::Accepted) {
        if (!ValidaCampos() || !validaDocumento())
            return;
        m_mapper->submit();
        if (m_grava && !m_grava())
            return;
    }
    QDialog::done(result);
}
