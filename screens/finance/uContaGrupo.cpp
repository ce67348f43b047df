#include "uContaGrupo.h"

#include "ui_uContaGrupo.h"

#include "FieldMapper.h"
#include "InputConventions.h"
#include "MessageDialog.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDMds.h"

#include <QPushButton>

TfrmContaGrupo::TfrmContaGrupo(Tipo tipo, QWidget *parent)
    : QDialog(parent),
      m_tipo(tipo),
      m_table(tipo == Tipo::Grupo ? DMds->cdsContaGrupo : DMds->cdsConta),
      ui(std::make_unique<Ui::frmContaGrupo>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    WindowConventions::fixDialogFrame(this);
    ui->btnBotoes->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    ui->btnBotoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(ui->btnBotoes, &QDialogButtonBox::accepted, this, &TfrmContaGrupo::accept);
    connect(ui->btnBotoes, &QDialogButtonBox::rejected, this, &TfrmContaGrupo::reject);

    const QString descricao = tipo == Tipo::Grupo ? QStringLiteral("GRP_A_DSC") : QStringLiteral("CON_A_DSC");
    const int column = m_table->fieldIndex(descricao);
    ui->dbedtDescricao->setMaxLength(m_table->column(column).size);
    UpperCaseValidator::apply(ui->dbedtDescricao);

    m_mapper = new FieldMapper(this);
    m_mapper->setModel(m_table);
    m_mapper->addMapping(ui->dbedtDescricao, column);
    if (tipo == Tipo::Grupo) {
        setWindowTitle(QStringLiteral("Grupo de contas"));
        m_mapper->addLookup(ui->dblkcbbTipo, m_table->fieldIndex(u"GRP_A_TIP"), DMds->cdsTipoConta, 0, 1);
    } else {
        setWindowTitle(QStringLiteral("Conta"));
        ui->lblTipo->hide();
        ui->dblkcbbTipo->hide();
    }
    m_mapper->setCurrentIndex(m_table->currentRow());
    InputConventions::install(this);
}

TfrmContaGrupo::~TfrmContaGrupo() = default;

void TfrmContaGrupo::accept()
{
    if (Trim(ui->dbedtDescricao->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("Informe a descrição."));
        ui->dbedtDescricao->setFocus();
        return;
    }
    if (m_tipo == Tipo::Grupo && ui->dblkcbbTipo->currentIndex() < 0) {
        MessageDialog::information(QStringLiteral("Informe o tipo do grupo: Crédito ou Débito."));
        ui->dblkcbbTipo->setFocus();
        return;
    }
    ui->dbedtDescricao->setText(Trim(ui->dbedtDescricao->text()));
    m_mapper->submit();
    QDialog::accept();
}
