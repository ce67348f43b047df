#include "WriteRefusal.h"

#include "FbError.h"

#include <ibase.h>

WriteRefusal writeRefusalOf(const FbError &error)
{
    // The schema's exceptions and unique indexes are known by name: the
    // database's message names them (the numbers are given when the schema
    // is loaded, so they differ between databases).
    const QString &message = error.message();
    if (error.hasErrorCode(isc_except)) {
        if (message.contains(QLatin1String("E_REGISTRO_ALTERADO")))
            return WriteRefusal::Changed;
        if (message.contains(QLatin1String("E_REGISTRO_EXCLUIDO")))
            return WriteRefusal::Deleted;
    }
    if (error.hasErrorCode(isc_no_dup) || error.hasErrorCode(isc_unique_key_violation)) {
        if (message.contains(QLatin1String("UK_ASSOCIADO_DOC")) || message.contains(QLatin1String("UK_PARCEIRO_DOC")))
            return WriteRefusal::DuplicateDocument;
    }
    if (error.hasErrorCode(isc_lock_timeout) || error.hasErrorCode(isc_lock_conflict)
        || error.hasErrorCode(isc_update_conflict) || error.hasErrorCode(isc_deadlock))
        return WriteRefusal::InUse;
    return WriteRefusal::None;
}

QString writeRefusalText(WriteRefusal refusal)
{
    switch (refusal) {
    case WriteRefusal::None:
        break;
    case WriteRefusal::Changed:
        return QStringLiteral("Este registro foi alterado por outro usuário. Os dados serão lidos novamente.");
    case WriteRefusal::Deleted:
        return QStringLiteral("Este registro foi excluído por outro usuário. Os dados serão lidos novamente.");
    case WriteRefusal::InUse:
        return QStringLiteral("Registro em uso por outro usuário. Tente novamente em instantes.");
    case WriteRefusal::DuplicateDocument:
        return QStringLiteral("O documento informado já esta cadastrado.");
    }
    return QString();
}

namespace {
thread_local WriteRefusal last = WriteRefusal::None;
}

void noteWriteRefusal(WriteRefusal refusal)
{
    last = refusal;
}

WriteRefusal lastWriteRefusal()
{
    return last;
}
