#include "DatabaseErrorDialog.h"

#include "FbError.h"
#include "MessageDialog.h"

void DatabaseErrorDialog::show(const FbError &error)
{
    MessageDialog::show(error.message(), MessageDialog::Kind::Error, QMessageBox::Ok, QString(), error.details());
}
