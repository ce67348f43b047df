#pragma once

class FbError;

// The dialog for a database error that reached the catch point: the
// database's message, and on request (the box's details button) the Firebird
// error codes, the statement text and its parameter values.
class DatabaseErrorDialog
{
public:
    static void show(const FbError &error);
};
