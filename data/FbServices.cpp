#include "FbServices.h"

#include "FbApi.h"

#include <QThread>

#include <ibase.h>

#include <cstdio>

using namespace Firebird;

namespace {

// The engine's services run inside this process on the embedded engine, and
// a restore that meets the end of a cut file asks its standard input for the
// next volume: pointed at /dev/null, that question ends the restore instead
// of waiting on a terminal.
void keepServicesOffStandardInput()
{
    static const bool done = [] { return std::freopen("/dev/null", "r", stdin) != nullptr; }();
    Q_UNUSED(done);
}

QByteArray serviceManagerName(const ConnectionSettings &settings)
{
    if (settings.isEmbedded())
        return QByteArrayLiteral("service_mgr");
    QString name = settings.server;
    if (settings.port > 0)
        name += u'/' + QString::number(settings.port);
    return (name + QStringLiteral(":service_mgr")).toUtf8();
}

// One attachment to the service manager, released with the scope.
class Service
{
public:
    explicit Service(const ConnectionSettings &settings)
    {
        fb::Status status;
        IXpbBuilder *spb = fb::util()->getXpbBuilder(&status, IXpbBuilder::SPB_ATTACH, nullptr, 0);
        IProvider *provider = fb::master()->getDispatcher();
        try {
            spb->insertString(&status, isc_spb_user_name, settings.userName.toUtf8().constData());
            if (!settings.password.isEmpty())
                spb->insertString(&status, isc_spb_password, settings.password.toUtf8().constData());
            m_service = provider->attachServiceManager(&status, serviceManagerName(settings).constData(),
                                                       spb->getBufferLength(&status), spb->getBuffer(&status));
        } catch (...) {
            provider->release();
            spb->dispose();
            throw;
        }
        provider->release();
        spb->dispose();
    }
    ~Service()
    {
        fb::Status status;
        try {
            m_service->detach(&status);
        } catch (const FbException &) {
            m_service->release();
        }
    }
    Service(const Service &) = delete;
    Service &operator=(const Service &) = delete;

    // Starts the action of `spb` and hands its output to `onLine` until the
    // service has nothing more to say. The engine reports a failed action
    // through the query that follows its last line.
    void run(IXpbBuilder *spb, const FbServices::OutputLine &onLine)
    {
        fb::Status status;
        m_service->start(&status, spb->getBufferLength(&status), spb->getBuffer(&status));
        const unsigned char items[] = {isc_info_svc_line};
        unsigned char buffer[8192];
        for (bool more = true; more;) {
            m_service->query(&status, 0, nullptr, sizeof items, items, sizeof buffer, buffer);
            const unsigned char *p = buffer;
            const unsigned char *const end = buffer + sizeof buffer;
            while (p < end && *p != isc_info_end) {
                const unsigned char item = *p++;
                if (item != isc_info_svc_line)
                    continue; // isc_info_truncated, isc_info_data_not_ready: ask again
                const auto length = unsigned(isc_portable_integer(p, 2));
                p += 2;
                if (length == 0) {
                    more = false;
                    break;
                }
                if (onLine)
                    onLine(QString::fromUtf8(reinterpret_cast<const char *>(p), int(length)));
                p += length;
            }
        }
        waitUntilDone();
    }

private:
    // The engine's service thread still tidies up after its last line; a
    // detach before it has finished brings the embedded engine down now and
    // then.
    void waitUntilDone()
    {
        fb::Status status;
        const unsigned char items[] = {isc_info_svc_running};
        unsigned char buffer[16];
        for (int wait = 0; wait < 600; ++wait) {
            m_service->query(&status, 0, nullptr, sizeof items, items, sizeof buffer, buffer);
            if (buffer[0] != isc_info_svc_running || isc_portable_integer(buffer + 1, 4) == 0)
                return;
            QThread::msleep(50);
        }
    }

    IService *m_service = nullptr;
};

class StartBlock
{
public:
    StartBlock() : m_spb(fb::util()->getXpbBuilder(&m_status, IXpbBuilder::SPB_START, nullptr, 0)) { }
    ~StartBlock() { m_spb->dispose(); }
    StartBlock(const StartBlock &) = delete;
    StartBlock &operator=(const StartBlock &) = delete;

    IXpbBuilder *operator->() { return m_spb; }
    IXpbBuilder *get() { return m_spb; }
    ThrowStatusWrapper *status() { return &m_status; }

private:
    fb::Status m_status;
    IXpbBuilder *m_spb;
};

} // namespace

namespace FbServices {

void backup(const ConnectionSettings &settings, const QString &backupFile, const OutputLine &onLine)
{
    keepServicesOffStandardInput();
    fb::guarded([&] {
        Service service(settings);
        StartBlock spb;
        spb->insertTag(spb.status(), isc_action_svc_backup);
        spb->insertString(spb.status(), isc_spb_dbname, settings.database.toUtf8().constData());
        spb->insertString(spb.status(), isc_spb_bkp_file, backupFile.toUtf8().constData());
        spb->insertTag(spb.status(), isc_spb_verbose);
        service.run(spb.get(), onLine);
    });
}

void restore(const ConnectionSettings &settings, const QString &backupFile, const QString &databaseFile,
             const OutputLine &onLine)
{
    keepServicesOffStandardInput();
    fb::guarded([&] {
        Service service(settings);
        StartBlock spb;
        spb->insertTag(spb.status(), isc_action_svc_restore);
        spb->insertString(spb.status(), isc_spb_bkp_file, backupFile.toUtf8().constData());
        spb->insertString(spb.status(), isc_spb_dbname, databaseFile.toUtf8().constData());
        spb->insertInt(spb.status(), isc_spb_options, isc_spb_res_create);
        spb->insertTag(spb.status(), isc_spb_verbose);
        service.run(spb.get(), onLine);
    });
}

void dropDatabase(const ConnectionSettings &settings)
{
    fb::guarded([&] {
        fb::Status status;
        IXpbBuilder *dpb = fb::util()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
        IProvider *provider = fb::master()->getDispatcher();
        try {
            dpb->insertString(&status, isc_dpb_user_name, settings.userName.toUtf8().constData());
            if (!settings.password.isEmpty())
                dpb->insertString(&status, isc_dpb_password, settings.password.toUtf8().constData());
            IAttachment *attachment = provider->attachDatabase(&status, settings.attachString().toUtf8().constData(),
                                                               dpb->getBufferLength(&status), dpb->getBuffer(&status));
            try {
                attachment->dropDatabase(&status);
            } catch (...) {
                attachment->detach(&status);
                throw;
            }
        } catch (...) {
            provider->release();
            dpb->dispose();
            throw;
        }
        provider->release();
        dpb->dispose();
    });
}

bool isRefusedForRights(const FbError &error)
{
    return error.hasErrorCode(isc_adm_task_denied) || error.hasErrorCode(isc_no_priv)
           || error.message().contains(QStringLiteral("SYSDBA or owner"));
}

} // namespace FbServices
