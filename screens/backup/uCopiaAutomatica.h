#pragma once

#include "BackupProgress.h"
#include "ConnectionSettings.h"

class QWidget;

// The backup made when the program ends: when the last good copy in the
// backup folder (BackupPlace) is more than a day old, a verified copy with
// its progress shown, and a message only when it fails. On a server the
// copies are the administrator's (`ulmora --backup` in a scheduled task): a
// desk makes none. Answers whether it made an attempt.
bool copiaAoSair(const ConnectionSettings &settings, const QString &iniFile, const BackupClock &clock = {},
                 QWidget *parent = nullptr);
