#include "FbConnection.h"

#include "FbApi.h"
#include "FbTransaction.h"

#include <ibase.h>

using namespace Firebird;

FbConnection::FbConnection(ConnectionSettings settings) : m_settings(std::move(settings))
{
    setLockTimeout(defaultLockTimeout);
    attach();
}

void FbConnection::setLockTimeout(int seconds)
{
    m_lockTimeout = seconds;
    const ISC_LONG timeout = seconds;
    m_tpb.clear();
    m_tpb.append(char(isc_tpb_version3));
    m_tpb.append(char(isc_tpb_write));
    m_tpb.append(char(isc_tpb_read_committed));
    m_tpb.append(char(isc_tpb_rec_version));
    m_tpb.append(char(isc_tpb_wait));
    m_tpb.append(char(isc_tpb_lock_timeout));
    m_tpb.append(char(sizeof timeout));
    for (unsigned i = 0; i < sizeof timeout; ++i) // little-endian, as the engine reads it
        m_tpb.append(char((timeout >> (8 * i)) & 0xff));
}

FbConnection::~FbConnection()
{
    detach();
}

namespace {

// The client library catches SIGINT and SIGTERM and, unless told otherwise,
// shuts every connection of the process while the program goes on, every
// statement failing after that. Refusing that shutdown here leaves the
// signals to the program, which ends its work itself and detaches as usual.
int keepConnectionsOnSignal(const int reason, const int, void *)
{
    return reason == fb_shutrsn_signal ? 1 : 0;
}

void keepConnectionsOnSignals()
{
    static const bool registered = [] {
        ISC_STATUS_ARRAY status = {};
        return fb_shutdown_callback(status, keepConnectionsOnSignal, fb_shut_confirmation, nullptr) == 0;
    }();
    Q_UNUSED(registered);
}

} // namespace

namespace {

// Every text goes in and out as UTF-8 (the parameters are described so,
// the rows are read so): another connection character set would turn
// every accented letter into something else. Left empty, it is UTF8.
void checkCharacterSet(const ConnectionSettings &settings)
{
    if (!settings.characterSet.isEmpty() && settings.characterSet.compare(u"UTF8", Qt::CaseInsensitive) != 0)
        throw FbError(QStringLiteral("O conjunto de caracteres da conexão \"%1\" não é suportado: use "
                                     "CharacterSet=UTF8.")
                          .arg(settings.characterSet));
}

// What the database is opened (or made) with: the user, its password and
// the UTF8 connection character set; `more` adds what only making it needs.
template<typename More>
IXpbBuilder *parameterBlock(fb::Status &status, const ConnectionSettings &settings, More more)
{
    IXpbBuilder *dpb = fb::util()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
    try {
        dpb->insertString(&status, isc_dpb_user_name, settings.userName.toUtf8().constData());
        if (!settings.password.isEmpty())
            dpb->insertString(&status, isc_dpb_password, settings.password.toUtf8().constData());
        dpb->insertString(&status, isc_dpb_lc_ctype, "UTF8");
        more(dpb);
    } catch (...) {
        dpb->dispose();
        throw;
    }
    return dpb;
}

// Runs `call` with the dispatcher and a parameter block; a Firebird error
// becomes FbError with `failure` (which takes the target) before the
// database's own message.
template<typename More, typename Call>
void withProvider(const ConnectionSettings &settings, const QString &failure, More more, Call call)
{
    fb::Status status;
    IXpbBuilder *dpb = nullptr;
    IProvider *provider = nullptr;
    try {
        dpb = parameterBlock(status, settings, more);
        provider = fb::master()->getDispatcher();
        const QByteArray target = settings.attachString().toUtf8();
        call(status, provider, target.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status));
        provider->release();
        dpb->dispose();
    } catch (const FbException &e) {
        if (provider)
            provider->release();
        if (dpb)
            dpb->dispose();
        const FbError error = fb::toError(e.getStatus());
        throw FbError(failure.arg(settings.attachString(), error.message()), error.sqlCode(), error.errorCodes());
    }
}

} // namespace

void FbConnection::attach()
{
    checkCharacterSet(m_settings);
    keepConnectionsOnSignals();
    withProvider(
        m_settings, QStringLiteral("Não foi possível abrir o banco de dados %1: %2"), [](IXpbBuilder *) {},
        [this](fb::Status &status, IProvider *provider, const char *target, unsigned length,
               const unsigned char *buffer) {
            m_attachment = provider->attachDatabase(&status, target, length, buffer);
        });
    ++m_generation;
}

void FbConnection::createDatabase(const ConnectionSettings &settings)
{
    checkCharacterSet(settings);
    keepConnectionsOnSignals();
    withProvider(
        settings, QStringLiteral("Não foi possível criar o banco de dados %1: %2"),
        [](IXpbBuilder *dpb) {
            fb::Status status;
            dpb->insertString(&status, isc_dpb_set_db_charset, "UTF8");
            dpb->insertInt(&status, isc_dpb_sql_dialect, SQL_DIALECT_V6);
        },
        [](fb::Status &status, IProvider *provider, const char *target, unsigned length, const unsigned char *buffer) {
            IAttachment *created = provider->createDatabase(&status, target, length, buffer);
            created->detach(&status);
        });
}

void FbConnection::dropDatabase(const ConnectionSettings &settings)
{
    withProvider(
        settings, QStringLiteral("Não foi possível remover o banco de dados %1: %2"), [](IXpbBuilder *) {},
        [](fb::Status &status, IProvider *provider, const char *target, unsigned length, const unsigned char *buffer) {
            IAttachment *attachment = provider->attachDatabase(&status, target, length, buffer);
            try {
                attachment->dropDatabase(&status);
            } catch (...) {
                attachment->release();
                throw;
            }
        });
}

void FbConnection::detach()
{
    if (!m_attachment)
        return;
    fb::Status status;
    try {
        m_attachment->detach(&status);
    } catch (const FbException &) {
        // A dead attachment can't detach cleanly; releasing it is enough.
        m_attachment->release();
    }
    m_attachment = nullptr;
}

void FbConnection::reconnect()
{
    detach();
    attach();
}

// Errors after this point (the connection lost while a statement runs or
// commits) are only reported, since the statement may already have taken
// effect. A connection left without attachment by a failed attempt (the
// server was away) attaches again here too.
ITransaction *FbConnection::startTransaction()
{
    fb::Status status;
    const auto *tpb = reinterpret_cast<const unsigned char *>(m_tpb.constData());
    if (isAttached()) {
        try {
            return m_attachment->startTransaction(&status, unsigned(m_tpb.size()), tpb);
        } catch (const FbException &e) {
            if (!fb::toError(e.getStatus()).isConnectionLost())
                throw;
        }
    }
    reconnect();
    return m_attachment->startTransaction(&status, unsigned(m_tpb.size()), tpb);
}

ITransaction *FbConnection::openTransaction() const
{
    return m_guard ? m_guard->handle() : nullptr;
}
