#pragma once

#include <QString>

// One value a login remembers between runs in its ini file ("Login/CNPJ").
// An unreadable or missing file reads as empty; a write the file refuses
// raises "Unable to write to <path>".
QString readRememberedValue(const QString &iniPath, const QString &key);
void writeRememberedValue(const QString &iniPath, const QString &key, const QString &value);
