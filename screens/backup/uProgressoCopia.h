#pragma once

#include "BackupProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress of a backup or a restore: what it is doing and a bar. It
// can't be closed while the work runs (the engine's work can't be stopped
// halfway without leaving a file behind).
class TfrmProgressoCopia : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmProgressoCopia(const QString &title, QWidget *parent = nullptr);

    // Moves the bar and repaints, keeping the person's input out meanwhile.
    BackupProgress progress();
    int value() const;
    QString step() const;

    // Runs `work` with the dialog shown, closing it afterwards.
    template<typename F>
    auto run(F &&work) -> decltype(work())
    {
        show();
        const Finish finish{this};
        return work();
    }

protected:
    void reject() override;

private:
    struct Finish
    {
        TfrmProgressoCopia *dialog;
        ~Finish() { dialog->finish(); }
    };
    void finish();

    QLabel *m_step = nullptr;
    QProgressBar *m_bar = nullptr;
    bool m_done = false;
};
