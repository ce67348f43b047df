// The message dialog, its test hook, the Portuguese texts of the toolkit, the
// wait cursor and the catch point for errors that escape a user action.

#include "Application.h"
#include "DataSet.h"
#include "FbError.h"
#include "LanguageControl.h"
#include "MessageDialog.h"
#include "MessageDialogHook.h"
#include "WidgetFeedback.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <stdexcept>

using Kind = MessageDialog::Kind;
using Buttons = QMessageBox::StandardButtons;

Q_DECLARE_METATYPE(MessageDialog::Kind)

namespace {

// Runs `action` on the next modal message box, or fails the test when none
// shows up within the timeout (so a box nobody answers never hangs the run).
void onNextMessageBox(const std::function<void(QMessageBox *)> &action, bool *seen)
{
    auto *timer = new QTimer;
    auto *elapsed = new int(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *elapsed += 20;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *seen = true;
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            action(box);
            return;
        }
        if (*elapsed > 5000) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    timer->start(20);
}

QStringList buttonTexts(const QMessageBox &box)
{
    QStringList texts;
    for (QAbstractButton *button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

// Throws the error it holds when it receives an event.
class Thrower : public QObject
{
public:
    std::function<void()> raise;
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            raise();
        return QObject::event(event);
    }
};

FbError databaseError()
{
    FbError error(QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint"), -803, {335544665});
    error.setStatement(QStringLiteral("insert into CIDADE (CID_A_COD) values (:COD)"),
                       {QStringLiteral("COD = '4106902'")});
    return error;
}

} // namespace

class tst_Messages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void titlesAndButtons_data();
    void titlesAndButtons();
    void showAnswersWithTheButtonPressed();
    void hookQueuesAnswersAndRecords();
    void toolkitTextsReadInPortuguese();
    void waitCursorGivesWayToTheArrowWhileABoxIsUp();
    void feedbackKindsBecomeDialogKinds();

    void catchPointReportsAndGoesOn_data();
    void catchPointReportsAndGoesOn();
    void errorInASlotReachesTheCatchPoint();
    void databaseErrorDialogShowsDetailsOnRequest();
};

void tst_Messages::initTestCase()
{
    QVERIFY(qobject_cast<Application *>(QCoreApplication::instance()));
    LanguageControl::install();
}

void tst_Messages::titlesAndButtons_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("information") << Kind::Information << Buttons(QMessageBox::Ok) << QStringLiteral("Informação")
                                 << QStringList{QStringLiteral("Ok")} << QMessageBox::Information;
    QTest::newRow("error") << Kind::Error << Buttons(QMessageBox::Ok) << QStringLiteral("Erro")
                           << QStringList{QStringLiteral("Ok")} << QMessageBox::Critical;
    QTest::newRow("warning with Ok and Cancelar")
        << Kind::Warning << Buttons(QMessageBox::Ok | QMessageBox::Cancel) << QStringLiteral("Atenção")
        << QStringList{QStringLiteral("Cancelar"), QStringLiteral("Ok")} << QMessageBox::Warning;
    QTest::newRow("confirmation with the other buttons")
        << Kind::Confirmation
        << Buttons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Help | QMessageBox::Abort | QMessageBox::Retry
                   | QMessageBox::Ignore | QMessageBox::YesToAll | QMessageBox::NoToAll)
        << QStringLiteral("Confirmação")
        << QStringList{QStringLiteral("Abortar"),        QStringLiteral("Ajuda"),
                       QStringLiteral("Ignorar"),        QStringLiteral("Não"),
                       QStringLiteral("Não para todos"), QStringLiteral("Sim"),
                       QStringLiteral("Sim para todos"), QStringLiteral("Tentar novamente")}
        << QMessageBox::Question;
}

void tst_Messages::titlesAndButtons()
{
    QFETCH(Kind, kind);
    QFETCH(Buttons, buttons);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QMessageBox::Icon, icon);

    const auto box = MessageDialog::build(QStringLiteral("Texto"), kind, buttons);
    QCOMPARE(box->windowTitle(), title);
    QCOMPARE(box->text(), QStringLiteral("Texto"));
    QCOMPARE(box->icon(), icon);
    QCOMPARE(buttonTexts(*box), captions);
    // No accelerators: the captions carry no mnemonic the keyboard could reach.
    for (QAbstractButton *button : box->buttons())
        QVERIFY2(QKeySequence::mnemonic(button->text()).isEmpty(), qPrintable(button->text()));
}

void tst_Messages::showAnswersWithTheButtonPressed()
{
    bool seen = false;
    QString title;
    QStringList captions;
    onNextMessageBox(
        [&](QMessageBox *box) {
            title = box->windowTitle();
            captions = buttonTexts(*box);
            box->button(QMessageBox::Cancel)->click();
        },
        &seen);
    const auto answer = MessageDialog::warning(QStringLiteral("Confirma a exclusão?"));
    QVERIFY(seen);
    QCOMPARE(answer, QMessageBox::Cancel);
    QCOMPARE(title, QStringLiteral("Atenção"));
    QCOMPARE(captions, (QStringList{QStringLiteral("Cancelar"), QStringLiteral("Ok")}));

    // Esc on a box with the single button Ok answers Ok.
    seen = false;
    onNextMessageBox([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }, &seen);
    QCOMPARE(MessageDialog::information(QStringLiteral("Aviso")), QMessageBox::Ok);
    QVERIFY(seen);
}

void tst_Messages::hookQueuesAnswersAndRecords()
{
    MessageDialogHook hook;
    hook.queueAnswer(QMessageBox::Cancel);
    QCOMPARE(MessageDialog::warning(QStringLiteral("primeira")), QMessageBox::Cancel);
    // With nothing queued the box's Ok answers, or its first button without Ok.
    QCOMPARE(MessageDialog::warning(QStringLiteral("segunda")), QMessageBox::Ok);
    QCOMPARE(MessageDialog::show(QStringLiteral("terceira"), Kind::Confirmation, QMessageBox::Yes | QMessageBox::No),
             QMessageBox::Yes);

    QCOMPARE(hook.texts(),
             (QStringList{QStringLiteral("primeira"), QStringLiteral("segunda"), QStringLiteral("terceira")}));
    QCOMPARE(hook.shown.at(0).title, QStringLiteral("Atenção"));
    QCOMPARE(hook.shown.at(0).buttons, Buttons(QMessageBox::Ok | QMessageBox::Cancel));
    QCOMPARE(hook.shown.at(0).answer, QMessageBox::Cancel);
    QCOMPARE(hook.shown.at(2).kind, Kind::Confirmation);

    // A hook made inside another one takes over and hands back on its end.
    {
        MessageDialogHook inner;
        MessageDialog::information(QStringLiteral("dentro"));
        QCOMPARE(inner.texts(), QStringList{QStringLiteral("dentro")});
    }
    MessageDialog::information(QStringLiteral("fora"));
    QCOMPARE(hook.shown.constLast().text, QStringLiteral("fora"));
}

void tst_Messages::toolkitTextsReadInPortuguese()
{
    QVERIFY(LanguageControl::isInstalled());
    // Any window's standard buttons read like the message dialogs.
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                         | QDialogButtonBox::No);
    QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("Ok"));
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("Sim"));
    QCOMPARE(box.button(QDialogButtonBox::No)->text(), QStringLiteral("Não"));
    // The rest comes from Qt's own translation: the text fields' context menu
    // and the details button of the database error dialog.
    QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Selecionar tudo"));
    QVERIFY(QCoreApplication::translate("QMessageBox", "Show Details...") != QStringLiteral("Show Details..."));
    // A second installation changes nothing.
    LanguageControl::install();
    QCOMPARE(QCoreApplication::instance()->findChildren<QTranslator *>().size(), 2);
}

void tst_Messages::waitCursorGivesWayToTheArrowWhileABoxIsUp()
{
    WidgetFeedback feedback;
    MessageDialogHook hook;
    Qt::CursorShape duringBox = Qt::BlankCursor;
    hook.onShow = [&](const MessageDialogHook::Shown &) {
        duringBox = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::BlankCursor;
    };

    QVERIFY(!QGuiApplication::overrideCursor());
    {
        WaitCursor wait;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Feedback::current().showMessage(Feedback::Kind::Error, QStringLiteral("PesqCidade: falha"));
        QCOMPARE(duringBox, Qt::ArrowCursor);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(!QGuiApplication::overrideCursor());

    // Without a wait cursor the box leaves the cursor alone.
    MessageDialog::information(QStringLiteral("x"));
    QCOMPARE(duringBox, Qt::BlankCursor);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void tst_Messages::feedbackKindsBecomeDialogKinds()
{
    WidgetFeedback feedback;
    MessageDialogHook hook;
    Feedback::current().showMessage(Feedback::Kind::Information, QStringLiteral("a"));
    Feedback::current().showMessage(Feedback::Kind::Warning, QStringLiteral("b"));
    Feedback::current().showMessage(Feedback::Kind::Error, QStringLiteral("IUAssociado: c"));
    QCOMPARE(hook.shown.size(), 3);
    QCOMPARE(hook.shown.at(0).title, QStringLiteral("Informação"));
    QCOMPARE(hook.shown.at(1).title, QStringLiteral("Atenção"));
    QCOMPARE(hook.shown.at(2).title, QStringLiteral("Erro"));
    for (const auto &shown : hook.shown)
        QCOMPARE(shown.buttons, Buttons(QMessageBox::Ok));
}

void tst_Messages::catchPointReportsAndGoesOn_data()
{
    QTest::addColumn<std::function<void()>>("raise");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("inDetails");

    QTest::newRow("database error") << std::function<void()>([] { throw databaseError(); }) << QStringLiteral("Erro")
                                    << QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint")
                                    << QStringList{QStringLiteral("335544665"),
                                                   QStringLiteral("insert into CIDADE (CID_A_COD) values (:COD)"),
                                                   QStringLiteral("COD = '4106902'")};
    QTest::newRow("other error") << std::function<void()>([] {
        throw std::runtime_error("Unable to write to /sem/acesso/ul_associacao.ini");
    }) << Application::title() << QStringLiteral("Unable to write to /sem/acesso/ul_associacao.ini")
                                 << QStringList();
    QTest::newRow("data set error") << std::function<void()>([] {
        throw DataSetError(QStringLiteral("Campo 'ACD_A_NOM' não encontrado"));
    }) << Application::title() << QStringLiteral("Campo 'ACD_A_NOM' não encontrado")
                                    << QStringList();
}

void tst_Messages::catchPointReportsAndGoesOn()
{
    QFETCH(std::function<void()>, raise);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QStringList, inDetails);

    MessageDialogHook hook;
    Thrower thrower;
    thrower.raise = raise;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);

    QCOMPARE(hook.shown.size(), 1);
    QCOMPARE(hook.shown.at(0).kind, Kind::Error);
    QCOMPARE(hook.shown.at(0).title, title);
    QCOMPARE(hook.shown.at(0).text, text);
    for (const QString &part : inDetails)
        QVERIFY2(hook.shown.at(0).details.contains(part), qPrintable(hook.shown.at(0).details));

    // The program goes on: the next event is handled normally.
    thrower.raise = [] {};
    QVERIFY(QCoreApplication::sendEvent(&thrower, &event));
    QCOMPARE(hook.shown.size(), 1);
}

void tst_Messages::errorInASlotReachesTheCatchPoint()
{
    MessageDialogHook hook;
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Entrar"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        ++clicks;
        throw std::runtime_error("falhou");
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The release whose handling failed counts as not handled.
    QTest::ignoreMessage(QtWarningMsg, "Mouse event \"MouseRelease\" not accepted by receiving widget");
    QTest::ignoreMessage(QtWarningMsg, "Mouse event \"MouseRelease\" not accepted by receiving widget");
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(hook.texts(), (QStringList{QStringLiteral("falhou"), QStringLiteral("falhou")}));
    QCOMPARE(hook.shown.at(0).title, Application::title());
    QVERIFY(!button->isDown());
}

void tst_Messages::databaseErrorDialogShowsDetailsOnRequest()
{
    bool seen = false;
    QString title, text, details;
    QStringList captions;
    onNextMessageBox(
        [&](QMessageBox *box) {
            title = box->windowTitle();
            text = box->text();
            details = box->detailedText();
            for (QAbstractButton *button : box->buttons()) {
                if (box->buttonRole(button) != QMessageBox::ActionRole)
                    captions << button->text();
            }
            box->button(QMessageBox::Ok)->click();
        },
        &seen);
    Thrower thrower;
    thrower.raise = [] { throw databaseError(); };
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);

    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Erro"));
    QCOMPARE(text, QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint"));
    QCOMPARE(captions, QStringList{QStringLiteral("Ok")});
    QVERIFY(details.contains(QStringLiteral("335544665")));
    QVERIFY(details.contains(QStringLiteral("insert into CIDADE")));
    QVERIFY(details.contains(QStringLiteral("COD = '4106902'")));
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Messages test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_messages.moc"
