#pragma once

#include "FbError.h"
#include "Feedback.h"

template<typename F>
bool TDM::reported(const QString &prefix, F &&body)
{
    try {
        body();
        return true;
    } catch (const FbError &error) {
        Feedback::current().showMessage(Feedback::Kind::Error, prefix + error.message());
        return false;
    }
}
