#include "DataModules.h"

#include "FbError.h"
#include "uDM.h"
#include "uDMds.h"

DataModules::DataModules(const QString &fixture, Modules modules, TestDatabase::Content content,
                         const QStringList &scripts)
    : m_database(content)
{
    bool loaded = m_database.isValid();
    for (const QString &script : scripts)
        loaded = loaded && m_database.runFile(TestDatabase::sourceFile(script));
    if (loaded && !fixture.isEmpty())
        loaded = m_database.run(fixture);
    if (!loaded) {
        m_error = m_database.error();
        return;
    }

    try {
        m_dm = std::make_unique<TDM>(m_database.settings());
    } catch (const FbError &error) {
        m_error = QStringLiteral("the data-access module did not open: %1").arg(error.message());
        return;
    }
    DM = m_dm.get();
    if (modules == WithPresentation) {
        m_dmds = std::make_unique<TDMds>();
        DMds = m_dmds.get();
    }
}

DataModules::~DataModules()
{
    // The reverse of their making: the presentation tables use the data-access module.
    DMds = nullptr;
    m_dmds.reset();
    DM = nullptr;
    m_dm.reset();
}
