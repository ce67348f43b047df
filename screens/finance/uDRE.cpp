#include "uDRE.h"

#include "ui_uDRE.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "Feedback.h"
#include "ForegroundDelegate.h"
#include "MessageDialog.h"
#include "Money.h"
#include "RegisterWindow.h"
#include "Session.h"
#include "TContaGrupo.h"
#include "TListaContaGrupo.h"
#include "TListaDRE.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace Qt::StringLiterals;

namespace {

const QColor corCredito(0, 110, 40);
const QColor corDebito(180, 20, 20);

QString percentual(double porc)
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(porc, 'f', 1) + u" %"_s;
}

// The description column of the statement: the result line in bold.
class DescricaoDelegate : public ForegroundDelegate
{
public:
    DescricaoDelegate(QObject *parent, std::function<bool(int)> destaque)
        : ForegroundDelegate(parent), m_destaque(std::move(destaque))
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        ForegroundDelegate::initStyleOption(option, index);
        if (m_destaque(index.row()))
            option->font.setBold(true);
    }

private:
    std::function<bool(int)> m_destaque;
};

} // namespace

TfrmDRE::TfrmDRE(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmDRE>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);

    connect(ui->actConsulta, &QAction::triggered, this, &TfrmDRE::actConsultaExecute);
    connect(ui->actExportaPDF, &QAction::triggered, this, &TfrmDRE::actExportaPDFExecute);
    connect(ui->actImprime, &QAction::triggered, this, &TfrmDRE::actImprimeExecute);
    bindToAction(ui->btnConsulta, ui->actConsulta);
    bindToAction(ui->btnExportaPDF, ui->actExportaPDF);
    bindToAction(ui->btnImprime, ui->actImprime);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QWidget::close);

    const QDate hoje = QDate::currentDate();
    ui->cbbMes->setCurrentIndex(hoje.month() - 1);
    ui->spnAno->setValue(hoje.year());
    for (QDateEdit *data : {ui->dtpInicio, ui->dtpFim})
        data->setDisplayFormat(u"dd/MM/yyyy"_s);
    ui->dtpInicio->setDate(QDate(hoje.year(), hoje.month(), 1));
    ui->dtpFim->setDate(hoje);
    auto modo = [this] {
        const bool mes = ui->rbtMes->isChecked();
        ui->cbbMes->setEnabled(mes);
        ui->spnAno->setEnabled(mes);
        ui->dtpInicio->setEnabled(!mes);
        ui->dtpFim->setEnabled(!mes);
    };
    connect(ui->rbtMes, &QRadioButton::toggled, this, modo);
    modo();

    MemTable *linhas = DMds->cdsDRE;
    const Qt::Alignment direita = Qt::AlignRight | Qt::AlignVCenter;
    setupBrowseGrid(ui->dbgrdDRE, linhas,
                    {{u"DESCRICAO"_s, u"Descrição"_s, 170},
                     {u"VALOR"_s, u"Valor"_s, 100, direita, [](const QString &v) { return Money::text(v.toDouble()); }},
                     {u"PORC"_s, u"%"_s, 60, direita, [](const QString &v) { return percentual(v.toDouble()); }}});
    ui->dbgrdDRE->setItemDelegateForColumn(
        0, new DescricaoDelegate(ui->dbgrdDRE, [this](int row) { return tipoLinha(row) == Linha::Resultado; }));
    linhas->setForegroundRule([this](int row) -> QVariant {
        switch (tipoLinha(row)) {
        case Linha::Credito:
            return corCredito;
        case Linha::Debito:
            return corDebito;
        case Linha::Resultado:
            break;
        }
        return {};
    });
    linhas->empty();

    m_chartView = new QChartView(ui->pnlGrafico);
    m_chartView->setObjectName(u"chtGrupos"_s);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(ui->pnlGrafico);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chartView);
    m_chartView->setChart(MontaGrafico());
    // The statement of the current month at once.
    actConsultaExecute();
}

TfrmDRE::~TfrmDRE()
{
    // The statement's table outlives the window; its colours are the window's.
    DMds->cdsDRE->setForegroundRule({});
}

QAction *TfrmDRE::actConsulta() const
{
    return ui->actConsulta;
}
QAction *TfrmDRE::actExportaPDF() const
{
    return ui->actExportaPDF;
}
QAction *TfrmDRE::actImprime() const
{
    return ui->actImprime;
}

QChart *TfrmDRE::grafico() const
{
    return m_chartView->chart();
}

QDate TfrmDRE::inicio() const
{
    if (ui->rbtPeriodo->isChecked())
        return ui->dtpInicio->date();
    return QDate(ui->spnAno->value(), ui->cbbMes->currentIndex() + 1, 1);
}

QDate TfrmDRE::fim() const
{
    if (ui->rbtPeriodo->isChecked())
        return ui->dtpFim->date();
    const QDate primeiro = inicio();
    return QDate(primeiro.year(), primeiro.month(), primeiro.daysInMonth());
}

bool TfrmDRE::porCaixa() const
{
    return ui->cbbBase->currentIndex() == 1;
}

QString TfrmDRE::textoPeriodo() const
{
    return inicio().toString(u"dd/MM/yyyy"_s) + u" a "_s + fim().toString(u"dd/MM/yyyy"_s);
}

QString TfrmDRE::textoBase() const
{
    return porCaixa() ? u"Por caixa (data de pagamento)"_s : u"Por competência (data de lançamento)"_s;
}

TfrmDRE::Linha TfrmDRE::tipoLinha(int row) const
{
    // The statement lists the credit groups, then the debit groups, then
    // the result.
    if (row < m_creditos)
        return Linha::Credito;
    if (row < m_creditos + m_debitos)
        return Linha::Debito;
    return Linha::Resultado;
}

void TfrmDRE::actConsultaExecute()
{
    WaitCursor wait;
    if (fim() < inicio()) {
        MessageDialog::information(u"A data final do período é anterior à inicial."_s);
        return;
    }
    const qint32 membro = AssociadoAtual->id();
    const std::unique_ptr<TListaContaGrupo> grupos = DM->LeContaGrupo(membro);
    m_creditos = 0;
    m_debitos = 0;
    for (const auto &grupo : grupos->lista()) {
        if (grupo->tipo() == u"C")
            ++m_creditos;
        else if (grupo->tipo() == u"D")
            ++m_debitos;
    }
    const DateTime de = DateTime::fromDate(inicio());
    const DateTime ate = DateTime::fromDate(fim());
    const std::unique_ptr<TListaDRE> linhas
        = porCaixa() ? DM->ConsDREfi(membro, de, ate) : DM->ConsDREop(membro, de, ate);
    DMds->PopulacdsDRE(*linhas);
    ui->lblTitulo->setText(textoBase() + u", "_s + textoPeriodo());
    QChart *anterior = m_chartView->chart();
    m_chartView->setChart(MontaGrafico());
    delete anterior;
}

QChart *TfrmDRE::MontaGrafico() const
{
    auto *chart = new QChart();
    chart->setTitle(u"Resultado por grupo"_s);
    auto *creditos = new QBarSet(u"Créditos"_s);
    auto *debitos = new QBarSet(u"Débitos"_s);
    creditos->setColor(corCredito);
    debitos->setColor(corDebito);
    QStringList grupos;
    const MemTable *linhas = DMds->cdsDRE;
    const int descricao = linhas->fieldIndex(u"DESCRICAO");
    const int valor = linhas->fieldIndex(u"VALOR");
    double maior = 0;
    for (int row = 0; row < linhas->recordCount(); ++row) {
        const Linha tipo = tipoLinha(row);
        if (tipo == Linha::Resultado)
            continue;
        const double v = std::abs(Money::rounded(linhas->value(row, valor).toDouble()));
        grupos << linhas->value(row, descricao).toString();
        *creditos << (tipo == Linha::Credito ? v : 0.0);
        *debitos << (tipo == Linha::Debito ? v : 0.0);
        maior = std::max(maior, v);
    }
    auto *series = new QBarSeries();
    series->append(creditos);
    series->append(debitos);
    chart->addSeries(series);
    auto *eixoX = new QBarCategoryAxis();
    eixoX->append(grupos);
    chart->addAxis(eixoX, Qt::AlignBottom);
    series->attachAxis(eixoX);
    auto *eixoY = new QValueAxis();
    eixoY->setRange(0, maior > 0 ? maior * 1.1 : 100);
    eixoY->setLabelFormat(u"%.0f"_s);
    eixoY->setTitleText(u"R$"_s);
    chart->addAxis(eixoY, Qt::AlignLeft);
    series->attachAxis(eixoY);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

bool TfrmDRE::Imprime(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Drawn on a page 595 units wide (A4 in points), whatever the printer's
    // resolution; fonts by pixel size in those units.
    const QRectF pagina = printer.pageLayout().paintRectPixels(printer.resolution());
    const double escala = pagina.width() / 595.0;
    painter.scale(escala, escala);
    const double largura = 595.0 - 2 * 20;
    const double esquerda = 20;
    auto fonte = [](int pixels, bool negrito = false) {
        QFont f(u"Tahoma"_s);
        f.setPixelSize(pixels);
        f.setBold(negrito);
        return f;
    };

    double y = 20;
    painter.setFont(fonte(16, true));
    painter.drawText(QRectF(esquerda, y, largura, 22), Qt::AlignLeft, u"Demonstrativo de Resultado (DRE)"_s);
    y += 30;
    painter.setFont(fonte(10));
    const QStringList cabecalho{u"Associado: "_s + AssociadoAtual->nome(),
                                u"Associação: "_s + (AssociacaoAtual ? AssociacaoAtual->nome() : QString()),
                                u"Período: "_s + textoPeriodo(), u"Base: "_s + textoBase()};
    for (const QString &linha : cabecalho) {
        painter.drawText(QRectF(esquerda, y, largura, 14), Qt::AlignLeft, linha);
        y += 15;
    }
    y += 10;

    const double colValor = esquerda + 300;
    const double colPorc = esquerda + 420;
    painter.setFont(fonte(10, true));
    painter.drawText(QRectF(esquerda, y, 290, 14), Qt::AlignLeft, u"Descrição"_s);
    painter.drawText(QRectF(colValor, y, 110, 14), Qt::AlignRight, u"Valor"_s);
    painter.drawText(QRectF(colPorc, y, 80, 14), Qt::AlignRight, u"%"_s);
    y += 16;
    painter.drawLine(QPointF(esquerda, y), QPointF(colPorc + 80, y));
    y += 4;
    const MemTable *linhas = DMds->cdsDRE;
    for (int row = 0; row < linhas->recordCount(); ++row) {
        const Linha tipo = tipoLinha(row);
        if (tipo == Linha::Resultado) {
            painter.setPen(Qt::black);
            painter.drawLine(QPointF(esquerda, y), QPointF(colPorc + 80, y));
            y += 4;
        }
        painter.setFont(fonte(10, tipo == Linha::Resultado));
        painter.setPen(tipo == Linha::Credito ? corCredito : tipo == Linha::Debito ? corDebito : QColor(Qt::black));
        painter.drawText(QRectF(esquerda, y, 290, 14), Qt::AlignLeft,
                         linhas->value(row, linhas->fieldIndex(u"DESCRICAO")).toString());
        painter.drawText(QRectF(colValor, y, 110, 14), Qt::AlignRight,
                         Money::text(linhas->value(row, linhas->fieldIndex(u"VALOR")).toDouble()));
        painter.drawText(QRectF(colPorc, y, 80, 14), Qt::AlignRight,
                         percentual(linhas->value(row, linhas->fieldIndex(u"PORC")).toDouble()));
        y += 16;
    }
    painter.setPen(Qt::black);
    y += 16;

    // The chart, drawn anew at a size of its own.
    QGraphicsScene cena;
    QChart *chart = MontaGrafico();
    cena.addItem(chart);
    chart->resize(760, 420);
    const double alturaGrafico = largura * 420.0 / 760.0;
    if (y + alturaGrafico > 800) {
        printer.newPage();
        y = 20;
    }
    cena.render(&painter, QRectF(esquerda, y, largura, alturaGrafico), QRectF(0, 0, 760, 420));
    y += alturaGrafico + 10;

    painter.setFont(fonte(8));
    painter.drawText(QRectF(esquerda, y, largura, 12), Qt::AlignLeft,
                     u"Emitido em "_s + QDateTime::currentDateTime().toString(u"dd/MM/yyyy hh:mm"_s));
    return painter.end();
}

bool TfrmDRE::ExportaPDF(const QString &arquivo)
{
    WaitCursor wait;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(arquivo);
    printer.setDocName(u"Resultado (DRE)"_s);
    if (!Imprime(printer) || !QFileInfo(arquivo).exists() || QFileInfo(arquivo).size() == 0) {
        MessageDialog::error(u"Não foi possível gravar o arquivo "_s + arquivo + u'.');
        return false;
    }
    return true;
}

void TfrmDRE::actExportaPDFExecute()
{
    if (DMds->cdsDRE->recordCount() == 0)
        actConsultaExecute();
    const QString nome = u"DRE %1 a %2.pdf"_s.arg(inicio().toString(u"yyyy-MM-dd"_s), fim().toString(u"yyyy-MM-dd"_s));
    const QString sugestao = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(nome);
    QString arquivo = QFileDialog::getSaveFileName(this, u"Exportar PDF"_s, sugestao, u"Arquivos PDF (*.pdf)"_s);
    if (arquivo.isEmpty())
        return;
    if (!arquivo.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        arquivo += u".pdf"_s;
    if (ExportaPDF(arquivo))
        MessageDialog::information(u"PDF gravado em "_s + arquivo + u'.');
}

void TfrmDRE::actImprimeExecute()
{
    if (DMds->cdsDRE->recordCount() == 0)
        actConsultaExecute();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(u"Resultado (DRE)"_s);
    QPrintDialog dialogo(&printer, this);
    dialogo.setWindowTitle(u"Imprimir"_s);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (!Imprime(printer))
        MessageDialog::error(u"Não foi possível imprimir o resultado."_s);
}
