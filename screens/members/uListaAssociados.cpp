#include "uListaAssociados.h"

#include "MemTable.h"
#include "Session.h"
#include "TAssociacao.h"
#include "TAssociado.h"
#include "TFones.h"
#include "uDM.h"
#include "uRotinas.h"

#include <QDateTime>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// Well below what one call of LeAssociadosIDs takes.
constexpr qsizetype batchSize = 1000;

QList<qint32> keysOf(const MemTable &lista)
{
    QList<qint32> ids;
    const int column = lista.columnIndex(u"ACD_I_COD");
    ids.reserve(lista.recordCount());
    for (int r = 0; r < lista.recordCount(); ++r)
        ids.append(lista.value(r, column).toInt());
    return ids;
}

QString listText(const MemTable &lista, int row, QStringView column)
{
    return lista.value(row, lista.columnIndex(column)).toString();
}

QString pacotes(const TAssociado &associado)
{
    QStringList nomes;
    if (associado.pct01() == u"S")
        nomes.append(u"Pacote Financeiro"_s);
    if (associado.pct02() == u"S")
        nomes.append(u"Pacote Negativação"_s);
    return nomes.join(u", "_s);
}

QString endereco(const QString &logradouro, const QString &numero, const QString &complemento, const QString &bairro)
{
    QString texto = logradouro;
    if (!numero.isEmpty())
        texto += u", "_s + numero;
    if (!complemento.isEmpty())
        texto += u" - "_s + complemento;
    if (!bairro.isEmpty())
        texto += u" - "_s + bairro;
    return texto;
}

// Reads the members of `lista` a batch at a time and hands each to `each`
// in the list's order (null for a member gone since the search).
template<typename Each>
void forEachMember(const MemTable &lista, Each each)
{
    const QList<qint32> ids = keysOf(lista);
    for (qsizetype first = 0; first < ids.size(); first += batchSize) {
        const QList<qint32> keys = ids.mid(first, batchSize);
        const auto members = DM->LeAssociadosIDs(keys);
        QHash<qint32, TAssociado *> byKey;
        for (const auto &member : members)
            byKey.insert(member->id(), member.get());
        for (qsizetype i = 0; i < keys.size(); ++i)
            each(int(first + i), byKey.value(keys[i]));
    }
}

} // namespace

QString FonesAssociado(const TAssociado &associado)
{
    QStringList fones;
    for (const auto &fone : associado.fones()) {
        QString texto = fone->ddd().isEmpty() ? fone->fone() : u"(%1) %2"_s.arg(fone->ddd(), fone->fone());
        if (!fone->nome().isEmpty())
            texto += u" ("_s + fone->nome() + u')';
        fones.append(texto);
    }
    return fones.join(u" / "_s);
}

TAssociadosExportacao::TAssociadosExportacao(const MemTable &lista) : m_lista(lista), m_ids(keysOf(lista))
{
}

TAssociadosExportacao::~TAssociadosExportacao() = default;

QList<ExportColumn> TAssociadosExportacao::columns() const
{
    return {{u"Nome"_s},     {u"Documento"_s},
            {u"IE / RG"_s},  {u"Logradouro"_s},
            {u"Número"_s},   {u"Complemento"_s},
            {u"Bairro"_s},   {u"CEP"_s},
            {u"Cidade"_s},   {u"UF"_s},
            {u"e-mail"_s},   {u"Ativo"_s},
            {u"Pacotes"_s},  {u"Data de cadastro"_s, ExportColumn::Date},
            {u"Telefones"_s}};
}

qsizetype TAssociadosExportacao::rowCount() const
{
    return m_ids.size();
}

void TAssociadosExportacao::readBatch(qsizetype first)
{
    m_batchStart = first;
    const QList<qint32> keys = m_ids.mid(first, batchSize);
    m_batch = DM->LeAssociadosIDs(keys);
    QHash<qint32, TAssociado *> byKey;
    for (const auto &member : m_batch)
        byKey.insert(member->id(), member.get());
    m_batchRows.clear();
    for (qint32 key : keys)
        m_batchRows.push_back(byKey.value(key));
}

QVariantList TAssociadosExportacao::row(qsizetype index)
{
    if (m_batchRows.empty() || index < m_batchStart || index >= m_batchStart + qsizetype(m_batchRows.size()))
        readBatch(index);
    const TAssociado *a = m_batchRows[std::size_t(index - m_batchStart)];
    if (!a) {
        const int r = int(index);
        return {listText(m_lista, r, u"ACD_A_NOM"),
                FormataDocumento(listText(m_lista, r, u"ACD_A_CNPJ")),
                QString(),
                listText(m_lista, r, u"ACD_A_LGR"),
                listText(m_lista, r, u"ACD_A_NUM"),
                QString(),
                listText(m_lista, r, u"ACD_A_BRR"),
                QString(),
                QString(),
                QString(),
                QString(),
                listText(m_lista, r, u"ACD_A_ABL") == u"N" ? u"Não"_s : u"Sim"_s,
                QString(),
                QDate(),
                QString()};
    }
    const QDate cadastro = a->dt_cad().isEmpty() ? QDate() : a->dt_cad().toDateTime().date();
    return {a->nome(),         FormataDocumento(a->cnpj()),
            a->ie(),           a->logradouro(),
            a->numero(),       a->complemento(),
            a->bairro(),       a->cep(),
            a->cidade(),       a->uf(),
            a->email(),        a->abilitado() == u"N" ? u"Não"_s : u"Sim"_s,
            pacotes(*a),       cadastro,
            FonesAssociado(*a)};
}

PrintReport RelatorioAssociados(const MemTable &lista, const QString &pesquisa)
{
    PrintReport report;
    report.title = AssociacaoAtual->nome();
    report.subtitle
        = {u"Cadastro de associados - %1"_s.arg(QDateTime::currentDateTime().toString(u"dd/MM/yyyy HH:mm"_s)),
           u"Pesquisa: %1"_s.arg(pesquisa)};
    // The document and the city with its state are never cut.
    report.columns = {
        {u"Nome"_s, 6}, {u"Documento"_s, 1, true}, {u"Endereço"_s, 7}, {u"Cidade/UF"_s, 1, true}, {u"Telefone"_s, 4}};
    report.rows.reserve(lista.recordCount());
    forEachMember(lista, [&](int r, const TAssociado *a) {
        if (!a) {
            report.rows.append({listText(lista, r, u"ACD_A_NOM"), FormataDocumento(listText(lista, r, u"ACD_A_CNPJ")),
                                endereco(listText(lista, r, u"ACD_A_LGR"), listText(lista, r, u"ACD_A_NUM"), QString(),
                                         listText(lista, r, u"ACD_A_BRR")),
                                QString(), QString()});
            return;
        }
        const QString cidade = a->cidade().isEmpty() ? QString() : a->cidade() + u'/' + a->uf();
        report.rows.append({a->nome(), FormataDocumento(a->cnpj()),
                            endereco(a->logradouro(), a->numero(), a->complemento(), a->bairro()), cidade,
                            FonesAssociado(*a)});
    });
    return report;
}
