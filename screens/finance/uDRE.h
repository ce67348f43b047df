#pragma once

#include <QDate>
#include <QWidget>

#include <memory>

class QAction;
class QChart;
class QChartView;
class QPrinter;

namespace Ui {
class frmDRE;
}

// "Resultado (DRE)": the result statement of the member in work for a
// month or between two dates, by posting date ("Por competência",
// ConsDREop) or by payment date ("Por caixa", ConsDREfi). The table shows
// the statement's lines (credit groups, debit groups, "RESULTADO" set
// apart by colour); beside it a bar chart of the groups, credits and
// debits in two colours. "Exportar PDF" writes the statement with its chart
// to a file the user chooses; "Imprimir" sends it to a printer.
class TfrmDRE : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmDRE(QWidget *parent = nullptr);
    ~TfrmDRE() override;

    QAction *actConsulta() const;
    QAction *actExportaPDF() const;
    QAction *actImprime() const;

    void actConsultaExecute();
    void actExportaPDFExecute();
    void actImprimeExecute();

    // Writes the statement to the PDF file `arquivo`; false (after a
    // message) when it can't be written.
    bool ExportaPDF(const QString &arquivo);
    // Draws the statement on the pages of `printer`.
    bool Imprime(QPrinter &printer);

    QDate inicio() const;
    QDate fim() const;
    bool porCaixa() const;
    QChart *grafico() const;

private:
    enum class Linha { Credito, Debito, Resultado };
    Linha tipoLinha(int row) const;
    // A chart of the groups of the statement shown.
    QChart *MontaGrafico() const;
    QString textoPeriodo() const;
    QString textoBase() const;

    std::unique_ptr<Ui::frmDRE> ui;
    QChartView *m_chartView = nullptr;
    // How many of the statement's lines are credit groups and debit groups.
    int m_creditos = 0;
    int m_debitos = 0;
};
