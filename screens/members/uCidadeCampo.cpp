#include "uCidadeCampo.h"

#include "MemTable.h"
#include "TListaCidade.h"
#include "Trim.h"
#include "uDM.h"
#include "uDMds.h"
#include "uPesqCidade.h"

#include <QLineEdit>

namespace {

// The chosen city, the current row of cdsPesqCidade, into the record.
void copiaCidade(MemTable *destino)
{
    const MemTable *cidade = DMds->cdsPesqCidade;
    if (!destino->isEditing())
        destino->edit();
    for (const char16_t *column : {u"CID_A_COD", u"CID_A_DSC", u"CID_A_UF"})
        destino->setText(column, cidade->text(column));
}

} // namespace

bool BuscaCidade(MemTable *destino, const QString &codigo)
{
    {
        const std::unique_ptr<TListaCidade> lista = DM->PesqCidade(tpIbge, codigo);
        DMds->PopulacdsPesqCidade(*lista);
    }
    if (DMds->cdsPesqCidade->recordCount() == 0)
        return false;
    copiaCidade(destino);
    return true;
}

bool SelecionaCidade(MemTable *destino, QWidget *janela)
{
    TfrmPesqCidade pesquisa(janela);
    if (pesquisa.exec() != QDialog::Accepted)
        return false;
    copiaCidade(destino);
    return true;
}

void SaiCodigoCidade(MemTable *destino, QLineEdit *campo, QWidget *janela)
{
    const QString codigo = Trim(campo->text());
    const bool escolhida = codigo.isEmpty() ? SelecionaCidade(destino, janela)
                                            : (BuscaCidade(destino, codigo) || SelecionaCidade(destino, janela));
    if (!escolhida)
        campo->setFocus();
}
