#include "uPesqCidade.h"

#include "ui_uPesqCidade.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "TListaCidade.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"

#include <QAction>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

TfrmPesqCidade::TfrmPesqCidade(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmPesqCidade>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    WindowConventions::fixDialogFrame(this);

    connect(ui->actPesq, &QAction::triggered, this, &TfrmPesqCidade::actPesqExecute);
    bindToAction(ui->btnPesq, ui->actPesq);

    UpperCaseValidator::apply(ui->edtPesq);
    ui->edtPesq->installEventFilter(this);

    // Each column as wide as its values may be, at least as its title.
    MemTable *table = DMds->cdsPesqCidade;
    const QFontMetrics metrics(font());
    QList<BrowseColumn> columns;
    for (const auto &[name, title] : {std::pair(u"CID_A_COD"_s, u"Cód. IBGE"_s), std::pair(u"CID_A_DSC"_s, u"Cidade"_s),
                                      std::pair(u"CID_A_UF"_s, u"UF"_s)}) {
        const int values = table->column(table->fieldIndex(name)).size * metrics.horizontalAdvance(QLatin1Char('0'));
        columns.append({name, title, std::max(values, metrics.horizontalAdvance(title)) + 8});
    }
    setupBrowseGrid(ui->grdPes, table, columns);

    connect(table, &MemTable::changed, this, &TfrmPesqCidade::dsPesCidDataChange);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
    dsPesCidDataChange();
}

TfrmPesqCidade::~TfrmPesqCidade() = default;

void TfrmPesqCidade::actPesqExecute()
{
    const std::unique_ptr<TListaCidade> lista = DM->PesqCidade(tpCidade, Trim(ui->edtPesq->text()));
    DMds->PopulacdsPesqCidade(*lista);
}

void TfrmPesqCidade::dsPesCidDataChange()
{
    ui->btnOK->setEnabled(DMds->cdsPesqCidade->recordCount() > 0);
}

bool TfrmPesqCidade::eventFilter(QObject *watched, QEvent *event)
{
    // Walking the result without leaving the search text; the field then
    // handles the key as usual.
    if (watched == ui->edtPesq && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down)
            DMds->cdsPesqCidade->next();
        else if (key == Qt::Key_Up)
            DMds->cdsPesqCidade->prior();
    }
    return QDialog::eventFilter(watched, event);
}
