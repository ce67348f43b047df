#include "uParceiro.h"

#include "ui_uParceiro.h"

#include "ContactGrid.h"
#include "FieldMapper.h"
#include "InputConventions.h"
#include "MessageDialog.h"
#include "Session.h"
#include "TParceiro.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uCidadeCampo.h"
#include "uDMds.h"
#include "uDocumentoCampo.h"

#include <QApplication>

using WindowConventions::tahoma;

namespace {

// The person kind a stored document stands for: a CPF (11 characters) is a
// natural person, anything else a legal one.
QString pessoaDoDocumento(const QString &documento)
{
    return documento.size() == 11 ? QStringLiteral("F") : QStringLiteral("J");
}

} // namespace

TfrmParceiro::TfrmParceiro(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmParceiro>())
{
    ui->setupUi(this);
    m_titulo = windowTitle();
    setFont(tahoma(8));
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(u"txt"))
            label->setFont(tahoma(8, true));
    }
    WindowConventions::fixDialogFrame(this);

    MemTable *parceiro = DMds->cdsCadParceiro;
    m_mapper = new FieldMapper(this);
    m_mapper->setModel(parceiro);
    const struct
    {
        QWidget *field;
        const char16_t *column;
        bool upperCase;
    } fields[] = {
        {ui->dbedtPAR_A_CNPJ_CPF, u"PAR_A_CNPJ_CPF", false},
        {ui->dbedtPAR_A_IE_RG, u"PAR_A_IE_RG", true},
        {ui->dbedtPAR_A_NOM, u"PAR_A_NOM", true},
        {ui->dbedtPAR_A_LGR, u"PAR_A_LGR", true},
        {ui->dbedtPAR_A_NUM, u"PAR_A_NUM", true},
        {ui->dbedtPAR_A_CPL, u"PAR_A_CPL", true},
        {ui->dbedtPAR_A_BRR, u"PAR_A_BRR", true},
        {ui->dbedtCID_A_COD, u"CID_A_COD", true},
        {ui->txtCID_A_DSC, u"CID_A_DSC", false},
        {ui->txtCID_A_UF, u"CID_A_UF", false},
        {ui->dbedtPAR_A_CEP, u"PAR_A_CEP", true},
        {ui->dbedtPAR_A_MAIL, u"PAR_A_MAIL", false},
    };
    for (const auto &binding : fields) {
        const int column = parceiro->fieldIndex(binding.column);
        if (auto *edit = qobject_cast<QLineEdit *>(binding.field)) {
            // The document's length comes from its mask (EditaMascara).
            if (edit != ui->dbedtPAR_A_CNPJ_CPF)
                edit->setMaxLength(parceiro->column(column).size);
            if (binding.upperCase)
                UpperCaseValidator::apply(edit);
        }
        m_mapper->addMapping(binding.field, column);
    }
    m_mapper->addLookup(ui->dblkcbbPAR_A_TIP, parceiro->fieldIndex(u"PAR_A_TIP"), DMds->cdsTipoCad, 0, 1);
    m_mapper->addLookup(ui->dblkcbbPAR_A_ABL, parceiro->fieldIndex(u"PAR_A_ABL"), DMds->cdsAtivo, 0, 1);
    m_mapper->setCurrentIndex(parceiro->currentRow());

    m_contatos = ContactGrid::install(
        this, DMds->cdsCadFoneParc,
        {QStringLiteral("PAC_I_COD"), QStringLiteral("PAC_A_CON"), QStringLiteral("PAC_A_DDD"),
         QStringLiteral("PAC_A_FON"), QStringLiteral("PAR_I_COD"), QStringLiteral("PAC_I_VER")},
        ui->grdFone, {ui->btnInsert, ui->btnGravar, ui->btnCancelar, ui->btnExcluir, ui->btnEstorna});

    connect(InputConventions::install(this), &InputConventions::left, this, [this](QWidget *control) {
        // Cancela clicked while the code is still unknown must close the
        // dialog, not open the city search.
        if (control == ui->dbedtCID_A_COD && QApplication::focusWidget() != ui->btnCancela)
            SaiCodigoCidade(DMds->cdsCadParceiro, ui->dbedtCID_A_COD, parentWidget());
    });
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmParceiro::~TfrmParceiro() = default;

void TfrmParceiro::PreparaNovo(const QString &documento)
{
    MemTable *parceiro = DMds->cdsCadParceiro;
    parceiro->empty();
    parceiro->append();
    parceiro->setInteger(u"PAR_I_COD", 0);
    parceiro->setText(u"PAR_A_TIP", QStringLiteral("C"));
    parceiro->setText(u"PAR_A_PES", pessoaDoDocumento(documento));
    parceiro->setText(u"PAR_A_CNPJ_CPF", documento);
    parceiro->setText(u"PAR_A_NEG", QStringLiteral("N"));
    parceiro->setText(u"PAR_A_ABL", QStringLiteral("S"));
    parceiro->setInteger(u"ACD_I_COD", AssociadoAtual->id());
    parceiro->setInteger(u"USU_I_COD", UsuarioLogado.id);
    parceiro->setText(u"USU_A_NOM", UsuarioLogado.nome);
    parceiro->post();
    DMds->cdsCadFoneParc->empty();

    setWindowTitle(m_titulo + u" - " + DateTime::today().toShortDateString() + u'|' + UsuarioLogado.nome);
    m_mapper->setCurrentIndex(parceiro->currentRow());
    EditaMascara();
    MostraPessoa();
    ui->dbedtPAR_A_CNPJ_CPF->setEnabled(false);
}

void TfrmParceiro::PreparaEdicao(const TParceiro &parceiro, bool somenteLeitura)
{
    DMds->PopulacdsCadParceiro(parceiro);
    DMds->PopulacdsCadFoneParc(parceiro);

    setWindowTitle(m_titulo + u" - " + parceiro.dt_cad().toShortDateString() + u'|' + parceiro.nome_usu());
    m_mapper->setCurrentIndex(DMds->cdsCadParceiro->currentRow());
    EditaMascara();
    MostraPessoa();
    if (somenteLeitura) {
        for (QWidget *field : findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(field) || qobject_cast<QComboBox *>(field))
                field->setEnabled(false);
        }
        m_contatos->setReadOnly(true);
        ui->btnOK->setEnabled(false);
        ui->btnCancela->setFocus();
    }
}

void TfrmParceiro::EditaMascara()
{
    EditaMascaraDocumento(DMds->cdsCadParceiro, u"PAR_A_CNPJ_CPF", ui->dbedtPAR_A_CNPJ_CPF);
}

void TfrmParceiro::MostraPessoa()
{
    const QString pessoa = pessoaDoDocumento(FieldMapper::storedText(ui->dbedtPAR_A_CNPJ_CPF));
    ui->txtPAR_A_PES->setText(pessoa == u"F" ? QStringLiteral("FÍSICO") : QStringLiteral("JURÍDICO"));
}

bool TfrmParceiro::ValidaCampos()
{
    if (Trim(ui->dbedtPAR_A_NOM->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo nome tem que ser preenchido."));
        ui->dbedtPAR_A_NOM->setFocus();
        return false;
    }
    return true;
}

bool TfrmParceiro::validaDocumento()
{
    const MemTable *parceiro = DMds->cdsCadParceiro;
    bool alterado = false;
    QString mensagem = ProblemaDocumento(parceiro->text(u"PAR_A_CNPJ_CPF"), ui->dbedtPAR_A_CNPJ_CPF, alterado);
    qint32 outro = 0;
    QString nome;
    if (alterado && mensagem.isEmpty()
        && DMds->BuscaDocParceiro(FieldMapper::storedText(ui->dbedtPAR_A_CNPJ_CPF), outro, nome)
        && outro != parceiro->integer(u"PAR_I_COD"))
        mensagem = QStringLiteral("O documento informado já está cadastrado para o parceiro %1.").arg(nome);
    if (mensagem.isEmpty())
        return true;
    MessageDialog::information(mensagem);
    ui->dbedtPAR_A_CNPJ_CPF->setFocus();
    return false;
}

void TfrmParceiro::done(int result)
{
    if (result == QDialog::Accepted) {
        if (!ui->btnOK->isEnabled() || !ValidaCampos() || !validaDocumento())
            return;
        m_mapper->submit();
        // The person kind of the document as stored.
        MemTable *parceiro = DMds->cdsCadParceiro;
        if (!parceiro->isEditing())
            parceiro->edit();
        parceiro->setText(u"PAR_A_PES", pessoaDoDocumento(parceiro->text(u"PAR_A_CNPJ_CPF")));
        parceiro->post();
        if (m_grava && !m_grava())
            return;
    }
    QDialog::done(result);
}
