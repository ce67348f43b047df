#include "uPesqCidade.h"

#include "ui_uPesqCidade.h"

#include "ActionButton.h"
#include "GridCursor.h"
#include "TListaCidade.h"
#include "TahomaFont.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "uDM.h"
#include "uDMds.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

TfrmPesqCidade::TfrmPesqCidade(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmPesqCidade>())
{
    ui->setupUi(this);
    setFont(tahoma(8));
    setFixedSize(size());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    actPesq = new QAction(QStringLiteral("[F2] Pesquisar"), this);
    actPesq->setObjectName(QStringLiteral("actPesq"));
    actPesq->setShortcut(Qt::Key_F2);
    addAction(actPesq);
    connect(actPesq, &QAction::triggered, this, &TfrmPesqCidade::actPesqExecute);
    bindToAction(ui->btnPesq, actPesq);

    UpperCaseValidator::apply(ui->edtPesq);
    ui->edtPesq->installEventFilter(this);

    MemTable *table = DMds->cdsPesqCidade;
    const QString titles[] = {QStringLiteral("Cód. IBGE"), QStringLiteral("Cidade"), QStringLiteral("UF")};
    for (int column = 0; column < 3; ++column)
        table->setLabel(column, titles[column]);
    ui->grdPes->setModel(table);
    ui->grdPes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->grdPes->setTabKeyNavigation(false);
    ui->grdPes->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->grdPes->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->grdPes->verticalHeader()->hide();
    ui->grdPes->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    // Each column as wide as its values may be, at least as its title: the
    // code and the name measured in digits, the state in its widest capital
    // (M and W are far wider than a digit), plus the cell's text margins.
    const QFontMetrics metrics(font());
    int widestCapital = 0;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        widestCapital = std::max(widestCapital, metrics.horizontalAdvance(QChar(letter)));
    const int margins = 2 * (ui->grdPes->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ui->grdPes) + 1);
    const int ufColumn = table->fieldIndex(u"CID_A_UF");
    for (int column = 0; column < 3; ++column) {
        const int character = column == ufColumn ? widestCapital : metrics.horizontalAdvance(QLatin1Char('0'));
        const int values = table->column(column).size * character;
        ui->grdPes->setColumnWidth(column, std::max(values, metrics.horizontalAdvance(titles[column])) + margins + 2);
    }
    linkGridCursor(ui->grdPes, table);

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
