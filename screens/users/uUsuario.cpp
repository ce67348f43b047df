#include "uUsuario.h"

#include "ui_uUsuario.h"

#include "FieldMapper.h"
#include "InputConventions.h"
#include "MemTable.h"
#include "PasswordStarStyle.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDMds.h"

#include <QShowEvent>

TfrmUsuario::TfrmUsuario(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmUsuario>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    WindowConventions::fixDialogFrame(this);
    PasswordStarStyle::apply(ui->dbedtUSU_A_SEN);
    // Upper case applies to what is typed. The password too: the login turns
    // every typed letter to upper case, so a password given here must be
    // typed the same way.
    UpperCaseValidator::apply(ui->dbedtUSU_A_NOM);
    UpperCaseValidator::apply(ui->dbedtUSU_A_USU);
    UpperCaseValidator::apply(ui->dbedtUSU_A_SEN);

    MemTable *table = DMds->cdsPesUsuario;
    MemTable *ativo = DMds->cdsAtivo;
    const int id = ativo->fieldIndex(u"ID");
    const int descricao = ativo->fieldIndex(u"DESCRICAO");
    m_mapper = new FieldMapper(this);
    m_mapper->setModel(table);
    m_mapper->addMapping(ui->dbedtUSU_A_NOM, table->fieldIndex(u"USU_A_NOM"));
    m_mapper->addLookup(ui->cbbUSU_A_MST, table->fieldIndex(u"USU_A_MST"), ativo, id, descricao);
    m_mapper->addLookup(ui->cbbUSU_A_ABL, table->fieldIndex(u"USU_A_ABL"), ativo, id, descricao);
    m_mapper->addMapping(ui->dbedtUSU_A_USU, table->fieldIndex(u"USU_A_USU"));
    m_mapper->addMapping(ui->dbedtUSU_A_SEN, table->fieldIndex(u"USU_A_SEN"));

    InputConventions::install(this);
    connect(ui->chkMostrarSenha, &QCheckBox::toggled, this, &TfrmUsuario::chkMostrarSenhaClick);
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmUsuario::btnOKClick);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmUsuario::~TfrmUsuario() = default;

void TfrmUsuario::setMostrarSenhaVisible(bool visible)
{
    ui->chkMostrarSenha->setVisible(visible);
}

void TfrmUsuario::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmUsuario::FormShow()
{
    // The caller has made the row to edit current (a new one for "Novo").
    m_mapper->setCurrentIndex(DMds->cdsPesUsuario->currentRow());
    chkMostrarSenhaClick();
}

void TfrmUsuario::chkMostrarSenhaClick()
{
    ui->dbedtUSU_A_SEN->setEchoMode(ui->chkMostrarSenha->isChecked() ? QLineEdit::Normal : QLineEdit::Password);
}

void TfrmUsuario::btnOKClick()
{
    m_mapper->submit();
    accept();
}
