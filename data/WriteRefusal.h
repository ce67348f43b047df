#pragma once

#include <QString>

class FbError;

// The refusals of a write that are not faults but the work of another seat:
// the database said no because somebody else got there first. Each has its
// own text for the user, in place of the database's message; a window that
// meets one reads the row again (or lets the user try again later).
enum class WriteRefusal {
    None,
    // The row was written by another seat since it was read.
    Changed,
    // The row was deleted by another seat since it was read.
    Deleted,
    // Another seat's open transaction holds the row (beyond the lock
    // timeout), or wrote it while this write waited.
    InUse,
    // A member of the association (or a partner of the member) has the
    // document already: another seat registered it at the same moment.
    DuplicateDocument,
};

// Which refusal, if any, the error is.
WriteRefusal writeRefusalOf(const FbError &error);

// What the user reads for it (empty for None).
QString writeRefusalText(WriteRefusal refusal);

// The refusal the last operation of the data-access module met on this
// thread (None after one that succeeded or failed for another reason): the
// operations note it, TDM::lastRefusal() reads it. One per thread, since
// each seat's module runs on one thread.
void noteWriteRefusal(WriteRefusal refusal);
WriteRefusal lastWriteRefusal();
