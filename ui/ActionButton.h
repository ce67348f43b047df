#pragma once

class QAbstractButton;
class QAction;

// A push button that runs an action, as a button bound to an action does in a
// form: it shows the action's caption, is enabled exactly when the action is,
// and triggers it when pressed. (QToolButton::setDefaultAction does this for
// tool buttons only.)
//
//     bindToAction(ui->btnPesq, actPesq);
void bindToAction(QAbstractButton *button, QAction *action);
