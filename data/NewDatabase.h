#pragma once

#include "ConnectionSettings.h"

#include <QString>

// A new Ulmora database as a new desk starts with it: the schema, the
// payment methods and the 5,571 cities (schema.sql, reference.sql and
// cidades.sql of `scriptsFolder`, see ProgramFolders::sqlScripts()), no
// association yet. Made by the program itself through the client library.
// A database that exists already is never touched; any failure removes what
// was made and throws FbError naming what failed.
void createNewDatabase(const ConnectionSettings &settings, const QString &scriptsFolder);
