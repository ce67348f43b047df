#pragma once

#include <QRect>
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

    // Inactive users ("N" in USU_A_ABL) are drawn grey, also when selected.
    static QVariant dbgrd1DrawColumnCell(const MemTable &table, int row);

    // The designed client area, 394 x 290.
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Shows `editor` on the current row; OK posts the row and writes the user,
    // anything else drops what the editor did to it.
    void runEditor(TfrmUsuario &editor);
    // Runs `edit`, then reads the list again, also when `edit` failed.
    template<typename Edit>
    void editThenSearch(Edit edit);
    void setupGrid();
    void updateActions();
    void placeInFrame();

    std::unique_ptr<Ui::frmCadUsuario> ui;
    MemTable *m_table;
    bool m_placed = false;
    // Where the anchored controls sit in the designed client area.
    QSize m_designSize;
    QRect m_pesq, m_fechar, m_grid;
};
