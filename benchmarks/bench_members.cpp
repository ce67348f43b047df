// Speed of the member register at the scale of a large association: the
// member search from the database to a filled grid, the single-row reads
// and searches, and the writes of a new member. Runs on the database that
// BenchDatabase builds (300,000 members, 100,000 of them in the association
// logged in), with the embedded engine, as the program runs on one desk.
//
//   bench_members [--data-dir=FOLDER] [--repetitions=N] [Google Benchmark flags]
//
// The figures, by the number their names start with:
//   1  the search's statement fetched through our access layer: the floor;
//   2  the search up to the member list's grid filled, for every member of
//      the association (also through the window itself, and in two halves);
//   3  1 and 2 for a text that matches about 1% of them;
//   4  single rows: a member with its contacts, the document check, the city
//      search by code and by a part of the name;
//   5  the writes of a new member (each statement, and the editor's store of
//      member, contacts and login user in one transaction) and of an edit;
//   6  the peak memory while the member list shows every member;
//   7  the export of every member of the association (the list window's
//      Exportar) to CSV and to XLSX, members and contacts read again;
//   8  the backup of the whole database: the engine's backup through the
//      services interface as the program makes it (with the database open),
//      the verified copy (backup, restore into a scratch file, rows of every
//      table counted), and `gbak -b` of the same file, timed before the
//      program opens it (gbak needs the file to itself).
// Every figure is the median of several repetitions (wall time); the summary
// at the end sets them against their targets.

#include "BenchDatabase.h"
#include "FbConnection.h"
#include "FbServices.h"
#include "FbStatement.h"
#include "Feedback.h"
#include "Session.h"
#include "TAssociado.h"
#include "TListaCidade.h"
#include "TListaParceiro.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "TableExport.h"
#include "VerifiedBackup.h"
#include "uCadAssociado.h"
#include "uDM.h"
#include "uDMds.h"
#include "uListaAssociados.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Matches every member of the association logged in (their names start with
// their trade), and about 1% of them (one surname of a hundred).
const QString TextoTodos = u"LOJA"_s;
const QString TextoUmPorCento = u"QUEIROZ"_s;
const QString CnpjAssociacao = u"11222333000181"_s;

// Messages the data layer shows: any at all means the figure is not what it
// claims to be. The wait cursor is the program's own.
class BenchFeedback : public Feedback
{
public:
    void showMessage(Kind, const QString &text) override { messages << text; }
    void beginWait() override { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    void endWait() override { QGuiApplication::restoreOverrideCursor(); }

    QStringList messages;
};

BenchFeedback *feedback = nullptr;

// From /proc/self/status, in MB: VmHWM (the peak resident size) or VmRSS.
double statusMegabytes(const char *key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0.0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0.0;
}

// Starts the peak (VmHWM) again from the present size, so that a figure
// shows the peak of what it measures, not of what ran before.
void resetPeak()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

bool failed(benchmark::State &state)
{
    if (feedback->messages.isEmpty())
        return false;
    state.SkipWithError(feedback->messages.join(u" | "_s).toStdString().c_str());
    feedback->messages.clear();
    return true;
}

// The grid of the member list as the benchmarks see it: a plain view on the
// search table, shown (offscreen), so that its reaction to new rows counts.
QTableView *grid = nullptr;

// A member of the association in the middle of the 1% search: read, looked
// up by document, and the key of the association's user.
struct Amostra
{
    qint32 id = 0;
    QString documento;
    qint32 usuario = 0;
} amostra;

// --- 1 to 3: the member search -------------------------------------------------

// The floor: the very statement the search opens, through our access layer,
// rows fetched and dropped. Prepared anew each time, as the search does.
void BM_Fetch(benchmark::State &state, const QString &texto)
{
    FbStatement statement(DM->connection());
    const QString sql = TDM::textoPesqAssociado(AssociacaoAtual->id(), tpNome, texto);
    qint64 rows = 0;
    for (auto _ : state) {
        rows = 0;
        statement.setSql(sql);
        const std::unique_ptr<FbResultSet> cursor = statement.open();
        while (cursor->next())
            ++rows;
        cursor->close();
    }
    state.counters["rows"] = double(rows);
}

// What F2 in the member list does, up to the grid showing its rows: search,
// fill the table, release the entities, let the view lay out and paint.
void BM_SearchToGrid(benchmark::State &state, const QString &texto)
{
    DMds->cdsPesqAssociado->empty();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        {
            const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpNome, texto);
            DMds->PopulacdsPesqAssociado(*lista);
        }
        QCoreApplication::processEvents();
    }
    if (failed(state))
        return;
    state.counters["rows"] = double(DMds->cdsPesqAssociado->recordCount());
}

// The two halves of the above, to see where the time goes.
void BM_SearchOnly(benchmark::State &state, const QString &texto)
{
    qint64 rows = 0;
    for (auto _ : state) {
        const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpNome, texto);
        rows = lista->Lista().count();
    }
    if (failed(state))
        return;
    state.counters["rows"] = double(rows);
}

void BM_FillOnly(benchmark::State &state, const QString &texto)
{
    const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpNome, texto);
    for (auto _ : state) {
        DMds->PopulacdsPesqAssociado(*lista);
        QCoreApplication::processEvents();
    }
    if (failed(state))
        return;
    state.counters["rows"] = double(DMds->cdsPesqAssociado->recordCount());
}

// The member list window over the search table, its search text typed in;
// only its own grid shows the table meanwhile.
TfrmCadAssociado *openListWindow(const QString &texto)
{
    DMds->cdsPesqAssociado->empty();
    grid->setModel(nullptr);
    auto *window = new TfrmCadAssociado;
    window->resize(757, 408);
    window->show();
    window->findChild<QLineEdit *>(u"edtPesq"_s)->setText(texto);
    QCoreApplication::processEvents();
    return window;
}

void closeListWindow(TfrmCadAssociado *window)
{
    window->close(); // frees itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    grid->setModel(DMds->cdsPesqAssociado);
    QCoreApplication::processEvents();
}

// The same through the member list window itself: its grid with hidden
// columns, titles, the grey-row delegate and the cursor link.
void BM_Window(benchmark::State &state, const QString &texto)
{
    TfrmCadAssociado *window = openListWindow(texto);
    for (auto _ : state) {
        window->actPesqExecute();
        QCoreApplication::processEvents();
    }
    const int rows = DMds->cdsPesqAssociado->recordCount();
    closeListWindow(window);
    if (failed(state))
        return;
    state.counters["rows"] = double(rows);
}

// --- 6: memory ---------------------------------------------------------------------

// The peak resident size while the member list searches every member of the
// association twice, as a user does who presses F2 again. It runs before any
// other figure: the C library keeps memory that was freed, so a figure taken
// after larger ones would show their peak.
void BM_PeakMemory(benchmark::State &state)
{
    TfrmCadAssociado *window = openListWindow(TextoTodos);
    const double before = statusMegabytes("VmRSS");
    resetPeak();
    double first = 0.0;
    for (auto _ : state) {
        window->actPesqExecute();
        QCoreApplication::processEvents();
        first = statusMegabytes("VmHWM");
        window->actPesqExecute();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = double(DMds->cdsPesqAssociado->recordCount());
    state.counters["before_MB"] = before;
    state.counters["VmHWM_first_MB"] = first;
    state.counters["VmHWM_MB"] = statusMegabytes("VmHWM");
    state.counters["VmRSS_after_MB"] = statusMegabytes("VmRSS");
    closeListWindow(window);
    DMds->cdsPesqAssociado->empty();
    QCoreApplication::processEvents();
    failed(state);
}

// --- 4: single rows ------------------------------------------------------------

void BM_LeAssociadoID(benchmark::State &state)
{
    int fones = 0;
    for (auto _ : state) {
        const std::unique_ptr<TAssociado> associado = DM->LeAssociadoID(amostra.id);
        fones = associado->fones().count();
    }
    if (fones != 2)
        state.SkipWithError("the member was read without its two contacts");
}

void BM_BuscaDoc(benchmark::State &state)
{
    bool found = false;
    for (auto _ : state) {
        qint32 id = 0;
        found = DMds->BuscaDoc(amostra.documento, id, false);
    }
    if (!failed(state) && !found)
        state.SkipWithError("the document was not found");
}

void BM_PesqCidade(benchmark::State &state, TTipoPesqCidade tipo, const QString &texto)
{
    qint64 rows = 0;
    for (auto _ : state) {
        const std::unique_ptr<TListaCidade> lista = DM->PesqCidade(tipo, texto);
        rows = lista->lista().count();
    }
    if (failed(state))
        return;
    state.counters["rows"] = double(rows);
}

// --- 5: a new member -------------------------------------------------------------

std::unique_ptr<TAssociado> novoAssociado()
{
    auto novo = std::make_unique<TAssociado>();
    TAssociado &a = *novo;
    a.setCnpj(u"45997418000153"_s);
    a.setIe(u"110042490114"_s);
    a.setNome(u"LOJA NOVA DO CENTRO"_s);
    a.setLogradouro(u"RUA DAS FLORES"_s);
    a.setNumero(u"100"_s);
    a.setBairro(u"CENTRO"_s);
    a.setCep(u"13450000"_s);
    a.setIbge(u"3545803"_s);
    a.setEmail(u"loja.nova@exemplo.com.br"_s);
    a.setAbilitado(u"S"_s);
    a.setPct01(u"S"_s);
    a.setPct02(u"S"_s);
    a.setId_ass(AssociacaoAtual->id());
    a.setId_usu(amostra.usuario);
    for (const auto &[nome, fone] : {std::pair{u"MARIA"_s, u"32220001"_s}, std::pair{u"JOSÉ"_s, u"991230002"_s}}) {
        auto f = std::make_unique<TFones>();
        f->setNome(nome);
        f->setDdd(u"19"_s);
        f->setFone(fone);
        a.fones().append(std::move(f));
    }
    return novo;
}

TUsuarios loginDe(const TAssociado &a)
{
    TUsuarios u;
    u.setNome(u"MARIA SILVA"_s);
    u.setUsuario(u"MARIA"_s);
    u.setSenha(a.cnpj().left(5));
    u.setMst(u"S"_s);
    u.setAbilitado(u"S"_s);
    u.setId_pai(a.id());
    return u;
}

enum class Escrita { Associado, Fones, Usuario, Todas };

// Each iteration writes one new member (or its contacts, or its user) and,
// outside the timing, deletes it again, so the database keeps its size.
// Todas is what the member editor's OK stores: the member, its contacts and
// its login user in one transaction.
void BM_Escrita(benchmark::State &state, Escrita qual)
{
    for (auto _ : state) {
        const std::unique_ptr<TAssociado> novo = novoAssociado();
        TAssociado &a = *novo;
        if (qual == Escrita::Todas) {
            TUsuarios login = loginDe(a);
            if (!DM->GravaAssociado(a, &login))
                feedback->messages << u"the new member was not stored"_s;
        } else if (qual == Escrita::Associado) {
            DM->IUAssociado(a);
        } else {
            state.PauseTiming();
            DM->IUAssociado(a);
            state.ResumeTiming();
        }
        if (qual == Escrita::Fones)
            DM->IUAcdFones(a);
        if (qual == Escrita::Usuario)
            DM->IUAcdUsuarios(loginDe(a));
        state.PauseTiming();
        if (a.id() == 0 || !DM->ExcluirAssociado(a.id()))
            feedback->messages << u"the new member was not stored or not deleted"_s;
        state.ResumeTiming();
    }
    failed(state);
}

// An edit stored from the editor: the member and its two contacts, each
// with the version it was read with, in one transaction. The member is read
// again outside the timing before each store, as the editor would have it.
void BM_Edicao(benchmark::State &state)
{
    const std::unique_ptr<TAssociado> novo = novoAssociado();
    TUsuarios login = loginDe(*novo);
    if (!DM->GravaAssociado(*novo, &login)) {
        state.SkipWithError("the member to edit was not stored");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<TAssociado> lido = DM->LeAssociadoID(novo->id());
        lido->setNumero(QString::number(++n));
        lido->fones().at(0)->setFone(QString::number(32220000 + n));
        state.ResumeTiming();
        if (!DM->GravaAssociado(*lido, nullptr))
            feedback->messages << u"the edited member was not stored"_s;
    }
    if (!DM->ExcluirAssociado(novo->id()))
        feedback->messages << u"the edited member was not deleted"_s;
    failed(state);
}

// --- 7: the export of the whole list -----------------------------------------------

void BM_Export(benchmark::State &state, TableExport::Format format)
{
    {
        const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpNome, TextoTodos);
        DMds->PopulacdsPesqAssociado(*lista);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(format == TableExport::Format::Csv ? u"a.csv"_s : u"a.xlsx"_s);
    qint64 bytes = 0;
    for (auto _ : state) {
        TAssociadosExportacao rows(*DMds->cdsPesqAssociado);
        QString error;
        const auto result = format == TableExport::Format::Csv ? TableExport::writeCsv(path, rows, {}, &error)
                                                               : TableExport::writeXlsx(path, rows, {}, &error);
        if (result != TableExport::Result::Written)
            feedback->messages << u"export failed: "_s + error;
        bytes = QFileInfo(path).size();
    }
    if (failed(state))
        return;
    state.counters["rows"] = double(DMds->cdsPesqAssociado->recordCount());
    state.counters["MB"] = double(bytes) / 1e6;
}

// --- 8: the backup -------------------------------------------------------------------

void BM_Backup(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"bench.fbk"_s);
    qint64 bytes = 0;
    for (auto _ : state) {
        try {
            FbServices::backup(DM->connection().settings(), target, {});
        } catch (const FbError &error) {
            state.SkipWithError(error.message().toStdString().c_str());
            return;
        }
        bytes = QFileInfo(target).size();
        QFile::remove(target);
    }
    state.counters["MB"] = double(bytes) / 1e6;
}

void BM_VerifiedBackup(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        VerifiedBackup backup(DM->connection().settings(), dir.path());
        const VerifiedBackup::Result result = backup.run();
        if (!result.ok) {
            state.SkipWithError(result.message.toStdString().c_str());
            return;
        }
        QFile::remove(result.file);
    }
}

// `gbak -b` of the benchmark's database, `runs` times, before the program
// attaches it; the median in ms, or a negative number when gbak failed.
double gbakMedianMs(const QString &database, int runs)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"gbak.fbk"_s);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess gbak;
        gbak.setStandardInputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        gbak.start(u"gbak"_s, {u"-b"_s, u"-user"_s, u"SYSDBA"_s, database, target});
        if (!gbak.waitForFinished(600000) || gbak.exitStatus() != QProcess::NormalExit || gbak.exitCode() != 0) {
            std::fprintf(stderr, "gbak -b failed: %s\n", gbak.readAllStandardError().constData());
            return -1.0;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QFile::remove(target);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double gbakMs = -1.0;

// The --benchmark_filter of the command line (Google Benchmark takes it
// out of the arguments): whether it lets the figure `name` through.
QString benchmarkFilter;

bool selected(const QString &name)
{
    return benchmarkFilter.isEmpty() || QRegularExpression(benchmarkFilter).match(name).hasMatch();
}

// --- summary -----------------------------------------------------------------------

// Prints what the console reporter prints, keeps the medians, and sets them
// against the targets at the end.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    explicit SummaryReporter(bool color) : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            // With one repetition there is no aggregate: the run is the figure.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += "/" + run.run_name.args;
            m_ms[name] = run.GetAdjustedRealTime() * toMilliseconds(run.time_unit);
            const auto peak = run.counters.find("VmHWM_MB");
            if (peak != run.counters.end())
                m_peak[name] = peak->second.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nSummary (medians, wall time)\n");
        ratio("2/1  search to grid / fetch, every member", "2_SearchToGrid/todos", "1_Fetch/todos", 1.5);
        ratio("3/3f search to grid / fetch, about 1%", "3_SearchToGrid/um_por_cento", "3_Fetch/um_por_cento", 1.5);
        target("search of 100,000 rows to the grid", "2_SearchToGrid/todos", 1000.0);
        target("the same through the member list window", "2_Window/todos", 1000.0);
        target("100,000 rows into the grid's table, already read", "2_FillOnly/todos", 500.0);
        for (const char *single :
             {"4_LeAssociadoID", "4_BuscaDoc", "4_PesqCidade/ibge", "4_PesqCidade/nome", "5_IUAssociado",
              "5_IUAcdFones", "5_IUAcdUsuarios", "5_NovoAssociado", "5_EdicaoAssociado"})
            target(single, single, 5.0);
        for (const char *exported : {"7_Export/csv", "7_Export/xlsx"}) {
            if (has(exported))
                std::printf("  %-55s %9.2f ms\n", exported, m_ms.at(exported));
        }
        if (has("8_Backup/servicos"))
            std::printf("  %-55s %9.0f ms\n", "backup through the services interface (the program's)",
                        m_ms.at("8_Backup/servicos"));
        if (gbakMs >= 0.0)
            std::printf("  %-55s %9.0f ms\n", "gbak -b of the same file", gbakMs);
        if (has("8_Backup/servicos") && gbakMs > 0.0)
            std::printf("  %-55s %9.2f x\n", "the program's backup / gbak -b", m_ms.at("8_Backup/servicos") / gbakMs);
        if (has("8_Backup/verificada"))
            std::printf("  %-55s %9.0f ms\n", "verified copy (backup, restore, rows counted)",
                        m_ms.at("8_Backup/verificada"));
        const auto peak = m_peak.find("6_PeakMemory/window");
        if (peak != m_peak.end())
            std::printf("  %-55s %9.1f MB  (target < 150 MB)  %s\n", "peak memory, 100,000 rows to the grid twice",
                        peak->second, peak->second < 150.0 ? "ok" : "MISSED");
    }

private:
    static double toMilliseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1.0;
        case benchmark::kSecond:
            return 1e3;
        }
        return 1.0;
    }

    bool has(const std::string &name) const { return m_ms.count(name) != 0; }

    void ratio(const char *what, const std::string &a, const std::string &b, double limit)
    {
        if (!has(a) || !has(b))
            return;
        const double r = m_ms.at(a) / m_ms.at(b);
        std::printf("  %-55s %9.2f x   (target <= %.1f x)  %s\n", what, r, limit, r <= limit ? "ok" : "MISSED");
    }

    void target(const char *what, const std::string &name, double limitMs)
    {
        if (!has(name))
            return;
        const double ms = m_ms.at(name);
        std::printf("  %-55s %9.2f ms  (target < %g ms)  %s\n", what, ms, limitMs, ms < limitMs ? "ok" : "MISSED");
    }

    std::map<std::string, double> m_ms;
    std::map<std::string, double> m_peak;
};

QString defaultDataDir()
{
    return QStringLiteral(ULMORA_BENCH_DATA_DIR);
}

// repetitions: 0 for the defaults (7 for the large searches, 5 for the rest).
void registerAll(int repetitions)
{
    using benchmark::kMillisecond;
    // A search of 100,000 rows takes most of a second: one per repetition.
    const auto large = [repetitions](benchmark::internal::Benchmark *b) {
        b->Unit(kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(repetitions ? repetitions : 7);
        b->ReportAggregatesOnly(true);
    };
    const auto small = [repetitions](benchmark::internal::Benchmark *b) {
        b->Unit(kMillisecond)->UseRealTime()->Repetitions(repetitions ? repetitions : 5)->ReportAggregatesOnly(true);
    };
    // First: see BM_PeakMemory.
    benchmark::RegisterBenchmark("6_PeakMemory/window", BM_PeakMemory)
        ->Unit(kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(1);
    large(benchmark::RegisterBenchmark("1_Fetch/todos", BM_Fetch, TextoTodos));
    large(benchmark::RegisterBenchmark("2_SearchToGrid/todos", BM_SearchToGrid, TextoTodos));
    large(benchmark::RegisterBenchmark("2_Window/todos", BM_Window, TextoTodos));
    // Where the time of figure 2 goes; after it, since the first keeps a
    // result alive while the second fills the grid again.
    large(benchmark::RegisterBenchmark("2_SearchOnly/todos", BM_SearchOnly, TextoTodos));
    large(benchmark::RegisterBenchmark("2_FillOnly/todos", BM_FillOnly, TextoTodos));
    small(benchmark::RegisterBenchmark("3_Fetch/um_por_cento", BM_Fetch, TextoUmPorCento));
    small(benchmark::RegisterBenchmark("3_SearchToGrid/um_por_cento", BM_SearchToGrid, TextoUmPorCento));
    small(benchmark::RegisterBenchmark("4_LeAssociadoID", BM_LeAssociadoID));
    small(benchmark::RegisterBenchmark("4_BuscaDoc", BM_BuscaDoc));
    small(benchmark::RegisterBenchmark("4_PesqCidade/ibge", BM_PesqCidade, tpIbge, u"3550308"_s));
    small(benchmark::RegisterBenchmark("4_PesqCidade/nome", BM_PesqCidade, tpCidade, u"CAMPOS"_s));
    small(benchmark::RegisterBenchmark("5_IUAssociado", BM_Escrita, Escrita::Associado));
    small(benchmark::RegisterBenchmark("5_IUAcdFones", BM_Escrita, Escrita::Fones));
    small(benchmark::RegisterBenchmark("5_IUAcdUsuarios", BM_Escrita, Escrita::Usuario));
    small(benchmark::RegisterBenchmark("5_NovoAssociado", BM_Escrita, Escrita::Todas));
    small(benchmark::RegisterBenchmark("5_EdicaoAssociado", BM_Edicao));
    const auto exports = [repetitions](benchmark::internal::Benchmark *b) {
        b->Unit(kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(repetitions ? repetitions : 3);
        b->ReportAggregatesOnly(true);
    };
    exports(benchmark::RegisterBenchmark("7_Export/csv", BM_Export, TableExport::Format::Csv));
    exports(benchmark::RegisterBenchmark("7_Export/xlsx", BM_Export, TableExport::Format::Xlsx));
    // Several seconds each: three runs (the verified copy, which restores
    // too, once unless asked for more).
    benchmark::RegisterBenchmark("8_Backup/servicos", BM_Backup)
        ->Unit(kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(repetitions ? repetitions : 3)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("8_Backup/verificada", BM_VerifiedBackup)
        ->Unit(kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(repetitions ? repetitions : 1);
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(u"--benchmark_filter="))
            benchmarkFilter = arg.mid(19);
    }
    benchmark::Initialize(&argc, argv);
    QString dataDir = defaultDataDir();
    int repetitions = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(u"--data-dir="))
            dataDir = arg.mid(11);
        else if (arg.startsWith(u"--repetitions="))
            repetitions = arg.mid(14).toInt();
        else if (arg == u"--help" || arg == u"-h") {
            std::printf("usage: %s [--data-dir=FOLDER] [--repetitions=N] [--benchmark_filter=REGEX]\n"
                        "          [other Google Benchmark flags]\n"
                        "The database is built in FOLDER (default %s) when it is not there yet.\n"
                        "--repetitions=1 runs each figure once (e.g. under a profiler).\n",
                        argv[0], qPrintable(defaultDataDir()));
            return 0;
        } else {
            std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }

    // The windows need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

#ifndef NDEBUG
    std::printf("*** This program was built without optimisation: its figures say little. ***\n");
#endif
    BenchDatabase database(dataDir);
    std::printf("Database: %s\n", qPrintable(database.path()));
    std::fflush(stdout);
    if (!database.ensure()) {
        std::fprintf(stderr, "%s\n", qPrintable(database.error()));
        return 1;
    }
    if (database.built())
        std::printf("Built in %.0f s\n", database.buildSeconds());

    // gbak opens the file itself: before this process attaches it.
    if (selected(u"8_Backup/servicos"_s)) {
        gbakMs = gbakMedianMs(database.path(), repetitions ? repetitions : 3);
        std::printf("gbak -b: %.0f ms (median)\n", gbakMs);
        std::fflush(stdout);
    }
    // The verified copy restores in the helper program beside the others.
    if (qEnvironmentVariableIsEmpty("ULMORA_RESTORE_HELPER"))
        qputenv("ULMORA_RESTORE_HELPER", ULMORA_RESTORE_HELPER);

    BenchFeedback messages;
    feedback = &messages;
    Feedback::install(&messages);

    ConnectionSettings settings;
    settings.database = database.path();
    TDM dm(settings);
    DM = &dm;
    TDMds dmds;
    DMds = &dmds;

    if (!DM->LeAssociacao(CnpjAssociacao)) {
        std::fprintf(stderr, "the association %s is not in the database\n", qPrintable(CnpjAssociacao));
        return 1;
    }
    {
        const std::unique_ptr<TListaUsuarios> usuarios = DM->LeUsuarioASS(AssociacaoAtual->id());
        const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpNome, TextoUmPorCento);
        if (lista->Lista().isEmpty() || usuarios->Lista().isEmpty()) {
            std::fprintf(stderr, "the database holds no members or users for the association\n");
            return 1;
        }
        const TPesqParceiro *meio = lista->Lista().at(lista->Lista().count() / 2);
        amostra = {meio->id(), meio->documento(), usuarios->Lista().at(0)->id()};
        UsuarioLogado.id = amostra.usuario;
    }

    QTableView view;
    view.setModel(DMds->cdsPesqAssociado);
    view.resize(757, 318);
    view.show();
    grid = &view;

    registerAll(repetitions);
    SummaryReporter reporter(isatty(fileno(stdout)) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The grid goes before the table it shows.
    grid = nullptr;
    view.setModel(nullptr);
    DMds = nullptr;
    DM = nullptr;
    Feedback::install(nullptr);
    return 0;
}
