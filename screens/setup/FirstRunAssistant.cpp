#include "FirstRunAssistant.h"

#include "FbError.h"
#include "Feedback.h"
#include "InputConventions.h"
#include "MessageDialog.h"
#include "NewDatabase.h"
#include "PasswordStarStyle.h"
#include "ProgramFolders.h"
#include "TAssociacao.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uRotinas.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const auto definitionsName = QStringLiteral("connections.ini");

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    label->setFont(WindowConventions::tahoma(10, true));
    label->setWordWrap(true);
    return label;
}

QLabel *note(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLineEdit *field(const QString &name, bool upperCase)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    if (upperCase)
        UpperCaseValidator::apply(edit);
    return edit;
}

// A field longer than its column is refused, never cut.
bool fits(QLineEdit *edit, qsizetype maximum, const QString &what)
{
    if (Trim(edit->text()).size() <= maximum)
        return true;
    MessageDialog::information(QStringLiteral("%1 deve ter no máximo %2 caracteres.").arg(what).arg(maximum));
    edit->setFocus();
    return false;
}

bool filled(QLineEdit *edit, const QString &message)
{
    if (!Trim(edit->text()).isEmpty())
        return true;
    MessageDialog::information(message);
    edit->setFocus();
    return false;
}

} // namespace

FirstRunAssistant::FirstRunAssistant(QWidget *parent)
    : QDialog(parent),
      m_definitionsFile(QDir(ProgramFolders::userConfig()).filePath(definitionsName)),
      m_newDatabaseFile(QDir(ProgramFolders::userData()).filePath(QStringLiteral("ulmora.fdb")))
{
    setObjectName(QStringLiteral("frmPrimeiroUso"));
    setWindowTitle(QStringLiteral("Configuração inicial"));
    setFont(WindowConventions::tahoma(9));

    m_pages = new QStackedWidget;
    m_pages->addWidget(choicePage());
    m_pages->addWidget(newDatabasePage());
    m_pages->addWidget(existingFilePage());
    m_pages->addWidget(serverPage());
    m_pages->addWidget(associationPage());

    m_btnVoltar = new QPushButton(QStringLiteral("< Voltar"));
    m_btnVoltar->setObjectName(QStringLiteral("btnVoltar"));
    m_btnAvancar = new QPushButton(QStringLiteral("Avançar >"));
    m_btnAvancar->setObjectName(QStringLiteral("btnAvancar"));
    m_btnCancela = new QPushButton(QStringLiteral("Cancelar"));
    m_btnCancela->setObjectName(QStringLiteral("btnCancela"));
    for (QPushButton *button : {m_btnVoltar, m_btnAvancar, m_btnCancela})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnVoltar);
    buttons->addWidget(m_btnAvancar);
    buttons->addWidget(m_btnCancela);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    InputConventions::install(this);
    connect(m_btnAvancar, &QPushButton::clicked, this, &FirstRunAssistant::next);
    connect(m_btnVoltar, &QPushButton::clicked, this, &FirstRunAssistant::back);
    connect(m_btnCancela, &QPushButton::clicked, this, &QDialog::reject);
    showPage(Choice);
    // One size for every page: the largest one's, at a width that keeps
    // the notes to a few lines.
    const int width = 520;
    layout->activate();
    resize(width, hasHeightForWidth() ? heightForWidth(width) : sizeHint().height());
    WindowConventions::fixDialogFrame(this);
}

FirstRunAssistant::~FirstRunAssistant() = default;

QWidget *FirstRunAssistant::choicePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Bem-vindo ao Ulmora")));
    layout->addWidget(note(QStringLiteral("Nenhuma conexão com um banco de dados foi configurada neste computador. "
                                          "Escolha como começar:")));
    m_rbNovo = new QRadioButton(QStringLiteral("Criar um banco de dados novo neste computador"));
    m_rbNovo->setObjectName(QStringLiteral("rbNovo"));
    m_rbExistente = new QRadioButton(QStringLiteral("Usar um banco de dados existente"));
    m_rbExistente->setObjectName(QStringLiteral("rbExistente"));
    m_rbServidor = new QRadioButton(QStringLiteral("Conectar a um servidor"));
    m_rbServidor->setObjectName(QStringLiteral("rbServidor"));
    auto *group = new QButtonGroup(page);
    for (QRadioButton *option : {m_rbNovo, m_rbExistente, m_rbServidor}) {
        group->addButton(option);
        layout->addWidget(option);
    }
    m_rbNovo->setChecked(true);
    layout->addStretch();
    return page;
}

QWidget *FirstRunAssistant::newDatabasePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Criar um banco de dados novo neste computador")));
    layout->addWidget(note(QStringLiteral("O banco de dados será criado no arquivo abaixo, com as formas de "
                                          "pagamento e as cidades do IBGE. Em seguida serão pedidos os dados da "
                                          "associação e do primeiro usuário.")));
    m_lblArquivoNovo = new QLabel(QDir::toNativeSeparators(m_newDatabaseFile));
    m_lblArquivoNovo->setObjectName(QStringLiteral("lblArquivoNovo"));
    m_lblArquivoNovo->setWordWrap(true);
    m_lblArquivoNovo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_lblArquivoNovo);
    layout->addStretch();
    return page;
}

QWidget *FirstRunAssistant::existingFilePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Usar um banco de dados existente")));
    layout->addWidget(note(QStringLiteral("Informe o arquivo do banco de dados (.fdb) neste computador.")));
    m_edtArquivo = field(QStringLiteral("edtArquivo"), false);
    auto *browseButton = new QPushButton(QStringLiteral("Procurar..."));
    browseButton->setObjectName(QStringLiteral("btnProcurar"));
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &FirstRunAssistant::browse);
    auto *row = new QHBoxLayout;
    row->addWidget(m_edtArquivo);
    row->addWidget(browseButton);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *FirstRunAssistant::serverPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Conectar a um servidor")));
    layout->addWidget(note(QStringLiteral("Informe o servidor Firebird do escritório, o caminho do banco de dados "
                                          "no servidor e o usuário do banco de dados. A conexão é testada antes "
                                          "de ser gravada.")));
    auto *form = new QFormLayout;
    m_edtServidor = field(QStringLiteral("edtServidor"), false);
    m_spnPorta = new QSpinBox;
    m_spnPorta->setObjectName(QStringLiteral("spnPorta"));
    m_spnPorta->setRange(1, 65535);
    m_spnPorta->setValue(3050);
    m_edtBanco = field(QStringLiteral("edtBanco"), false);
    m_edtUsuarioBanco = field(QStringLiteral("edtUsuarioBanco"), false);
    m_edtUsuarioBanco->setText(QStringLiteral("ULMORA"));
    m_edtSenhaBanco = field(QStringLiteral("edtSenhaBanco"), false);
    PasswordStarStyle::apply(m_edtSenhaBanco);
    form->addRow(QStringLiteral("Servidor:"), m_edtServidor);
    form->addRow(QStringLiteral("Porta:"), m_spnPorta);
    form->addRow(QStringLiteral("Banco de dados:"), m_edtBanco);
    form->addRow(QStringLiteral("Usuário:"), m_edtUsuarioBanco);
    form->addRow(QStringLiteral("Senha:"), m_edtSenhaBanco);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget *FirstRunAssistant::associationPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("A associação e o primeiro usuário")));
    layout->addWidget(note(QStringLiteral("O banco de dados ainda não tem uma associação. Informe a associação e "
                                          "o usuário master que fará o primeiro login.")));
    auto *form = new QFormLayout;
    m_edtCNPJ = field(QStringLiteral("edtCNPJ"), true);
    m_edtNomeAssociacao = field(QStringLiteral("edtNomeAssociacao"), true);
    m_edtNomeUsuario = field(QStringLiteral("edtNomeUsuario"), true);
    m_edtLogin = field(QStringLiteral("edtLogin"), true);
    // Typed as the login types them (in capitals), or they could never be
    // typed there.
    m_edtSenha = field(QStringLiteral("edtSenha"), true);
    m_edtConfirma = field(QStringLiteral("edtConfirma"), true);
    PasswordStarStyle::apply(m_edtSenha);
    PasswordStarStyle::apply(m_edtConfirma);
    form->addRow(QStringLiteral("CNPJ:"), m_edtCNPJ);
    form->addRow(QStringLiteral("Associação:"), m_edtNomeAssociacao);
    form->addRow(QStringLiteral("Nome do usuário:"), m_edtNomeUsuario);
    form->addRow(QStringLiteral("Login:"), m_edtLogin);
    form->addRow(QStringLiteral("Senha:"), m_edtSenha);
    form->addRow(QStringLiteral("Confirme a senha:"), m_edtConfirma);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

void FirstRunAssistant::showPage(Page page)
{
    m_pages->setCurrentIndex(page);
    // Once a database is chosen (and possibly made) there is no way back.
    m_btnVoltar->setEnabled(page != Choice && page != Association);
    m_btnAvancar->setText(page == Association ? QStringLiteral("Concluir") : QStringLiteral("Avançar >"));
    if (QWidget *first = m_pages->currentWidget()->findChild<QLineEdit *>())
        first->setFocus();
}

void FirstRunAssistant::back()
{
    showPage(Choice);
}

void FirstRunAssistant::next()
{
    switch (Page(m_pages->currentIndex())) {
    case Choice:
        showPage(m_rbNovo->isChecked() ? NewDatabase : m_rbExistente->isChecked() ? ExistingFile : Server);
        break;
    case NewDatabase:
        createDatabase();
        break;
    case ExistingFile:
        useFile();
        break;
    case Server:
        useServer();
        break;
    case Association:
        if (storeAssociation())
            finish();
        break;
    }
}

void FirstRunAssistant::browse()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Banco de dados"), m_edtArquivo->text(),
                                                      QStringLiteral("Bancos de dados Firebird (*.fdb);;Todos os "
                                                                     "arquivos (*)"));
    if (!file.isEmpty())
        m_edtArquivo->setText(QDir::toNativeSeparators(file));
}

bool FirstRunAssistant::createDatabase()
{
    ConnectionSettings settings;
    settings.database = m_newDatabaseFile;
    if (QFileInfo::exists(settings.database)) {
        MessageDialog::information(QStringLiteral("Já existe um banco de dados em %1. Para usá-lo, escolha \"Usar "
                                                  "um banco de dados existente\".")
                                       .arg(QDir::toNativeSeparators(settings.database)));
        return false;
    }
    try {
        WaitCursor wait;
        createNewDatabase(settings, ProgramFolders::sqlScripts());
    } catch (const FbError &error) {
        MessageDialog::error(QStringLiteral("Não foi possível criar o banco de dados: %1").arg(error.message()));
        return false;
    }
    return open(settings, QStringLiteral("Não foi possível abrir o banco de dados criado: %1"));
}

bool FirstRunAssistant::useFile()
{
    const QString file = Trim(m_edtArquivo->text());
    if (!filled(m_edtArquivo, QStringLiteral("Informe o arquivo do banco de dados.")))
        return false;
    if (!QFileInfo(file).isFile()) {
        MessageDialog::information(QStringLiteral("O arquivo %1 não foi encontrado.").arg(file));
        m_edtArquivo->setFocus();
        return false;
    }
    ConnectionSettings settings;
    settings.database = QFileInfo(file).absoluteFilePath();
    return open(settings, QStringLiteral("Não foi possível abrir o banco de dados: %1"));
}

bool FirstRunAssistant::useServer()
{
    if (!filled(m_edtServidor, QStringLiteral("Informe o servidor."))
        || !filled(m_edtBanco, QStringLiteral("Informe o caminho do banco de dados no servidor."))
        || !filled(m_edtUsuarioBanco, QStringLiteral("Informe o usuário do banco de dados.")))
        return false;
    ConnectionSettings settings;
    settings.server = Trim(m_edtServidor->text());
    settings.port = m_spnPorta->value();
    settings.database = Trim(m_edtBanco->text());
    settings.userName = Trim(m_edtUsuarioBanco->text());
    // Taken as typed: a password may begin or end with blanks.
    settings.password = m_edtSenhaBanco->text();
    return open(settings, QStringLiteral("Não foi possível conectar ao servidor: %1"));
}

bool FirstRunAssistant::open(const ConnectionSettings &settings, const QString &failure)
{
    qint32 associations = 0;
    try {
        WaitCursor wait;
        m_dm = std::make_unique<TDM>(settings);
        associations = m_dm->ContaAssociacoes();
    } catch (const FbError &error) {
        m_dm.reset();
        MessageDialog::error(failure.arg(error.message()));
        return false;
    }
    m_settings = settings;
    if (associations > 0) {
        finish();
    } else {
        showPage(Association);
    }
    return true;
}

bool FirstRunAssistant::storeAssociation()
{
    const QString cnpj = LimpaDocumento(m_edtCNPJ->text());
    if (!CNPJCompleto(cnpj)) {
        MessageDialog::information(QStringLiteral("CNPJ inválido"));
        m_edtCNPJ->setFocus();
        return false;
    }
    if (!filled(m_edtNomeAssociacao, QStringLiteral("Informe o nome da associação."))
        || !fits(m_edtNomeAssociacao, 100, QStringLiteral("O nome da associação"))
        || !filled(m_edtNomeUsuario, QStringLiteral("Informe o nome do usuário."))
        || !fits(m_edtNomeUsuario, 100, QStringLiteral("O nome do usuário"))
        || !filled(m_edtLogin, QStringLiteral("Informe o login do usuário."))
        || !fits(m_edtLogin, 30, QStringLiteral("O login")) || !filled(m_edtSenha, QStringLiteral("Informe a senha."))
        || !fits(m_edtSenha, 100, QStringLiteral("A senha")))
        return false;
    // The login compares what is typed without its surrounding blanks.
    const QString senha = Trim(m_edtSenha->text());
    if (Trim(m_edtConfirma->text()) != senha) {
        MessageDialog::information(QStringLiteral("A confirmação não confere com a senha."));
        m_edtConfirma->clear();
        m_edtConfirma->setFocus();
        return false;
    }

    TAssociacao associacao;
    associacao.setCnpj(cnpj);
    associacao.setNome(Trim(m_edtNomeAssociacao->text()));
    TUsuarios master;
    master.setNome(Trim(m_edtNomeUsuario->text()));
    master.setUsuario(Trim(m_edtLogin->text()));
    master.setSenha(senha);
    return m_dm->GravaPrimeiraAssociacao(associacao, master);
}

void FirstRunAssistant::finish()
{
    m_dm.reset();
    try {
        m_settings.save(m_definitionsFile);
    } catch (const FbError &error) {
        MessageDialog::error(error.message());
        return;
    }
    accept();
}

bool FirstRunAssistant::run()
{
    FirstRunAssistant assistant;
    return assistant.exec() == QDialog::Accepted;
}
