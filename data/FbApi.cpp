#include "FbApi.h"

#include <ibase.h>

namespace fb {

Firebird::IMaster *master()
{
    static Firebird::IMaster *instance = Firebird::fb_get_master_interface();
    return instance;
}

Firebird::IUtil *util()
{
    return master()->getUtilInterface();
}

FbError toError(const Firebird::IStatus *status)
{
    const intptr_t *vector = status->getErrors();

    char buffer[4096];
    util()->formatStatus(buffer, sizeof(buffer), const_cast<Firebird::IStatus *>(status));
    const QString message = QString::fromUtf8(buffer).trimmed();

    QList<qint64> codes;
    for (const intptr_t *v = vector; *v != isc_arg_end;) {
        switch (v[0]) {
        case isc_arg_gds:
            codes << qint64(v[1]);
            v += 2;
            break;
        case isc_arg_cstring:
            v += 3;
            break;
        default:
            v += 2;
            break;
        }
    }
    const int sqlCode = int(isc_sqlcode(const_cast<ISC_STATUS *>(reinterpret_cast<const ISC_STATUS *>(vector))));
    return FbError(message, sqlCode, codes);
}

} // namespace fb
