#pragma once

#include <QString>

// The negative-list windows belong to the package "Negativação"
// (ACD_A_PCT2 of the member in work, as read at login). Every window of the
// package asks at its own entry point, whatever opened it.
namespace PacoteNegativacao {

// Whether the member in work has the package.
bool contratado();

// What a member without the package is told.
QString naoContratado();

// contratado(); when not, shows naoContratado() first.
bool confere();

} // namespace PacoteNegativacao
