#include "uAssociado.h"

#include "ui_uAssociado.h"

#include "BrowseGrid.h"
#include "FieldMapper.h"
#include "ForegroundDelegate.h"
#include "GridCursor.h"
#include "InputConventions.h"
#include "MessageDialog.h"
#include "Session.h"
#include "TAssociado.h"
#include "TListaCidade.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uPesqCidade.h"
#include "uRotinas.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>

using WindowConventions::tahoma;

namespace {

enum class Glyph { Insert, Post, Cancel, Delete, Undo };

// The contact buttons' pictures: 24 x 24, drawn in their colour when enabled
// and in grey when not.
QPixmap glyphPixmap(Glyph glyph, const QColor &colour)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::Insert:
        painter.drawLine(QPointF(12, 4), QPointF(12, 20));
        painter.drawLine(QPointF(4, 12), QPointF(20, 12));
        break;
    case Glyph::Post:
        painter.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
        break;
    case Glyph::Cancel:
        painter.drawLine(QPointF(5, 5), QPointF(19, 19));
        painter.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case Glyph::Delete:
        painter.drawLine(QPointF(4, 12), QPointF(20, 12));
        break;
    case Glyph::Undo: {
        QPainterPath arc;
        arc.moveTo(6, 9);
        arc.cubicTo(QPointF(12, 2), QPointF(22, 6), QPointF(19, 14));
        arc.cubicTo(QPointF(17, 19), QPointF(12, 21), QPointF(8, 19));
        painter.drawPath(arc);
        painter.drawPolyline(QPolygonF({QPointF(5, 3), QPointF(6, 9), QPointF(12, 9)}));
        break;
    }
    }
    return pixmap;
}

QIcon glyphIcon(Glyph glyph, const QColor &colour)
{
    QIcon icon;
    icon.addPixmap(glyphPixmap(glyph, colour), QIcon::Normal);
    icon.addPixmap(glyphPixmap(glyph, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}

// The contacts grid's cells: a marked row keeps its grey also when selected,
// an editor takes no more characters than its column holds, and the first
// key typed puts the row into editing, as in a data-aware grid.
class ContactDelegate : public ForegroundDelegate
{
public:
    ContactDelegate(MemTable *table, QObject *parent) : ForegroundDelegate(parent), m_table(table) { }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = ForegroundDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            const int size = m_table->column(index.column()).size;
            if (size > 0)
                line->setMaxLength(size);
            MemTable *table = m_table;
            QObject::connect(line, &QLineEdit::textEdited, table, [table] { table->edit(); });
        }
        return editor;
    }

private:
    MemTable *m_table;
};

} // namespace

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

    UpperCaseValidator::apply(ui->edtNomeUsu);
    UpperCaseValidator::apply(ui->edtUsuario);

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
    MemTable *fones = DMds->cdsCadFoneAcd;
    fones->setLabel(fones->fieldIndex(u"ACC_A_CON"), QStringLiteral("Contato"));
    fones->setLabel(fones->fieldIndex(u"ACC_A_DDD"), QStringLiteral("DDD"));
    fones->setLabel(fones->fieldIndex(u"ACC_A_FON"), QStringLiteral("Número"));
    const int excluir = fones->fieldIndex(u"Excluir");
    fones->setForegroundRule([fones, excluir](int row) -> QVariant {
        if (fones->value(row, excluir).toBool())
            return WindowConventions::inactiveRowColour();
        return QVariant();
    });

    QTableView *grid = ui->grdFone;
    grid->setModel(fones);
    grid->setItemDelegate(new ContactDelegate(fones, grid));
    for (const char16_t *hidden : {u"ACC_I_COD", u"ACD_I_COD", u"Excluir"})
        grid->setColumnHidden(fones->fieldIndex(hidden), true);
    grid->setColumnWidth(fones->fieldIndex(u"ACC_A_CON"), 85);
    grid->setColumnWidth(fones->fieldIndex(u"ACC_A_DDD"), 26);
    grid->setColumnWidth(fones->fieldIndex(u"ACC_A_FON"), 71);
    showPlainRows(grid);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    linkGridCursor(grid, fones);

    const auto action = [this](const QString &hint, Glyph glyph, const QColor &colour, QToolButton *button) {
        auto *act = new QAction(glyphIcon(glyph, colour), hint, this);
        act->setToolTip(hint);
        button->setDefaultAction(act);
        button->setIconSize(QSize(24, 24));
        // Clicked, the button takes the focus, so a cell being typed in is
        // committed before the action runs.
        button->setFocusPolicy(Qt::StrongFocus);
        return act;
    };
    DatasetInsert1 = action(QStringLiteral("Inserir"), Glyph::Insert, QColor(0, 140, 0), ui->btnInsert);
    DatasetPost1 = action(QStringLiteral("Gravar"), Glyph::Post, QColor(0, 140, 0), ui->btnGravar);
    DatasetCancel1 = action(QStringLiteral("Cancelar"), Glyph::Cancel, QColor(200, 0, 0), ui->btnCancelar);
    DatasetDelete1 = action(QStringLiteral("Delete"), Glyph::Delete, QColor(200, 0, 0), ui->btnExcluir);
    actEstornaExclusao = action(QStringLiteral("Estorna"), Glyph::Undo, QColor(0, 70, 200), ui->btnEstorna);
    DatasetInsert1->setObjectName(QStringLiteral("DatasetInsert1"));
    DatasetPost1->setObjectName(QStringLiteral("DatasetPost1"));
    DatasetCancel1->setObjectName(QStringLiteral("DatasetCancel1"));
    DatasetDelete1->setObjectName(QStringLiteral("DatasetDelete1"));
    actEstornaExclusao->setObjectName(QStringLiteral("actEstornaExclusao"));

    // A cell still being typed in is committed first, as leaving it would.
    const auto commitCell = [grid] {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus != grid && grid->isAncestorOf(focus))
            grid->setFocus();
    };
    connect(DatasetInsert1, &QAction::triggered, this, [fones, grid, commitCell] {
        commitCell();
        fones->insert();
        // The new contact is typed from its name on.
        const QModelIndex nome = fones->index(fones->currentRow(), fones->fieldIndex(u"ACC_A_CON"));
        grid->setFocus();
        grid->setCurrentIndex(nome);
        grid->edit(nome);
    });
    connect(DatasetPost1, &QAction::triggered, this, [fones, commitCell] {
        commitCell();
        fones->post();
    });
    connect(DatasetCancel1, &QAction::triggered, this, [fones, commitCell] {
        // Committed only to be dropped with the rest of the row's changes.
        commitCell();
        fones->cancel();
    });
    connect(DatasetDelete1, &QAction::triggered, this, [fones, commitCell] {
        commitCell();
        fones->remove();
    });
    connect(actEstornaExclusao, &QAction::triggered, this, [this, commitCell] {
        commitCell();
        actEstornaExclusaoExecute();
    });

    connect(fones, &MemTable::changed, this, &TfrmAssociado::dsFonesDataChange);
    dsFonesDataChange();
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

    setWindowTitle(windowTitle() + u" - " + DateTime::today().toShortDateString() + u'|' + UsuarioLogado.nome);
    m_mapper->setCurrentIndex(membro->currentRow());
    EditaMascara();
    ui->dbedtACD_A_CNPJ->setEnabled(false);
    ui->grpUsu->setVisible(true);
}

void TfrmAssociado::PreparaEdicao(const TAssociado &associado)
{
    DMds->PopulacdsCadAssociado(associado);
    DMds->PopulacdsCadFoneAcd(associado);

    setWindowTitle(windowTitle() + u" - " + associado.dt_cad().toShortDateString() + u'|' + associado.nome_usu());
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
    MemTable *membro = DMds->cdsCadAssociado;
    const int column = membro->fieldIndex(u"ACD_A_CNPJ");
    const QString documento = membro->textAt(column);
    const QString mascara = MascaraDocumento(documento);
    membro->setEditMask(column, mascara);
    // A new mask empties the field: the stored digits go back in, placed
    // between the mask's punctuation.
    ui->dbedtACD_A_CNPJ->setInputMask(MascaraQt(mascara));
    ui->dbedtACD_A_CNPJ->setText(documento);
}

void TfrmAssociado::dbedtCID_A_CODExit()
{
    const QString codigo = Trim(ui->dbedtCID_A_COD->text());
    const bool escolhida = codigo.isEmpty() ? SelecionaCidade() : (BuscaCidade(codigo) || SelecionaCidade());
    if (!escolhida)
        ui->dbedtCID_A_COD->setFocus();
}

namespace {

// The chosen city, the current row of cdsPesqCidade, into the member row.
void copiaCidade()
{
    MemTable *membro = DMds->cdsCadAssociado;
    const MemTable *cidade = DMds->cdsPesqCidade;
    if (!membro->isEditing())
        membro->edit();
    for (const char16_t *column : {u"CID_A_COD", u"CID_A_DSC", u"CID_A_UF"})
        membro->setText(column, cidade->text(column));
}

} // namespace

bool TfrmAssociado::BuscaCidade(const QString &codigo)
{
    {
        const std::unique_ptr<TListaCidade> lista = DM->PesqCidade(tpIbge, codigo);
        DMds->PopulacdsPesqCidade(*lista);
    }
    if (DMds->cdsPesqCidade->recordCount() == 0)
        return false;
    copiaCidade();
    return true;
}

bool TfrmAssociado::SelecionaCidade()
{
    // Beside the editor, not inside it: the editor's Enter-as-Tab would
    // reach into a dialog it owns, and Enter must confirm the search.
    TfrmPesqCidade pesquisa(parentWidget());
    if (pesquisa.exec() != QDialog::Accepted)
        return false;
    copiaCidade();
    return true;
}

void TfrmAssociado::dsFonesDataChange()
{
    const MemTable *fones = DMds->cdsCadFoneAcd;
    DatasetPost1->setEnabled(fones->isEditing());
    DatasetCancel1->setEnabled(fones->isEditing());
    DatasetDelete1->setEnabled(!fones->isEmpty());
    actEstornaExclusao->setEnabled(false);
    if (!DatasetPost1->isEnabled())
        actEstornaExclusao->setEnabled(!fones->isEmpty() && fones->boolean(u"Excluir"));
    // A mark changes a hidden column: the row's colour needs a repaint.
    ui->grdFone->viewport()->update();
}

void TfrmAssociado::actEstornaExclusaoExecute()
{
    MemTable *fones = DMds->cdsCadFoneAcd;
    if (!fones->isEditing())
        fones->edit();
    fones->setBoolean(u"Excluir", false);
    fones->post();
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
    const QString armazenado = membro->text(u"ACD_A_CNPJ");
    // What OK would store: the mask's punctuation and blanks are display.
    const QString documento = FieldMapper::storedText(ui->dbedtACD_A_CNPJ);
    // A stored document written with punctuation is the same document.
    if (documento == LimpaDocumento(armazenado))
        return true;

    // Checked as the prompt of a new member checks it, as the kind of
    // document the mask in use asks for. The mask lets in letters of any
    // alphabet; those are refused here.
    const bool cpf = armazenado.size() == 11;
    const bool valido = cpf ? CPFCompleto(documento) : CNPJCompleto(documento);
    QString mensagem;
    qint32 outro = 0;
    if (!valido)
        mensagem = cpf ? QStringLiteral("CPF inválido") : QStringLiteral("CNPJ inválido");
    else if (DMds->BuscaDoc(documento, outro, false) && outro != membro->integer(u"ACD_I_COD"))
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
    }
    QDialog::done(result);
}
