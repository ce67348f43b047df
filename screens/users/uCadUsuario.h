#pragma once

#include <QWidget>

#include <memory>

class MemTable;
class QAction;
class TfrmUsuario;

namespace Ui {
class frmCadUsuario;
}

// The user list: the users of the logged-in association in a grid on
// cdsPesUsuario, with "[F2] Pesquisa" to read them again and "[F5] Novo" and
// "[F6] Edita" to open the user editor. It lives as a child of the main
// window, shows the rows the table kept from the last time, and frees itself
// when closed (the main window then enables "Usuários" again). After every
// editor, confirmed or not, the list is read again from the database.
class TfrmCadUsuario : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCadUsuario(QWidget *parent = nullptr);
    ~TfrmCadUsuario() override;

    QAction *actPesq() const;
    QAction *actNovo() const;
    QAction *actEdita() const;

    void actPesqExecute();
    void actNovoExecute();
    void actEditaExecute();
    void btnFecharClick();

private:
    // Shows `editor` on the current row; OK posts the row and writes the user,
    // anything else drops what the editor did to it.
    void runEditor(TfrmUsuario &editor);
    // Runs `edit`, then reads the list again, also when `edit` failed.
    template<typename Edit>
    void editThenSearch(Edit edit);
    void updateActions();

    std::unique_ptr<Ui::frmCadUsuario> ui;
    MemTable *m_table;
};
