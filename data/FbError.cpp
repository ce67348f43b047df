#include "FbError.h"

#include <ibase.h>

FbError::FbError(QString message, int sqlCode, QList<qint64> errorCodes)
    : m_message(std::move(message)),
      m_sqlCode(sqlCode),
      m_errorCodes(std::move(errorCodes)),
      m_what(m_message.toStdString())
{
}

void FbError::setStatement(const QString &text, const QStringList &parameters)
{
    m_statement = text;
    m_parameters = parameters;
}

bool FbError::isConnectionLost() const
{
    static const qint64 lost[] = {isc_network_error, isc_net_read_err, isc_net_write_err, isc_lost_db_connection,
                                  isc_conn_lost,     isc_shutdown,     isc_att_shutdown,  isc_bad_db_handle};
    for (qint64 code : lost) {
        if (m_errorCodes.contains(code))
            return true;
    }
    return false;
}

QString FbError::details() const
{
    QStringList codes;
    for (qint64 code : m_errorCodes)
        codes << QString::number(code);
    QString text
        = QStringLiteral("Código SQL: %1\nCódigos Firebird: %2").arg(m_sqlCode).arg(codes.join(QStringLiteral(", ")));
    if (!m_statement.isEmpty())
        text += QStringLiteral("\n\nComando:\n") + m_statement;
    if (!m_parameters.isEmpty())
        text += QStringLiteral("\n\nParâmetros:\n") + m_parameters.join(u'\n');
    return text;
}
