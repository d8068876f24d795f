#include <clocale>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "programs/desktop/application.h"
#include "programs/desktop/main_window.h"
#include "window/control_table.h"

using trelvani::Box;
using trelvani::RuntimeError;
using namespace trelvani::app;
using namespace trelvani::window;

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window_;
    QList<int> reported_;

    QLineEdit* edit(const char* name) { return window_->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window_->findChild<QPushButton*>(name); }

    void setOperands(const QStringList& x, const QStringList& y) {
        const char* xs[] = {"XI", "XII", "XIII", "XIV"};
        const char* ys[] = {"YI", "YII", "YIII", "YIV"};
        for (int i = 0; i < 4; ++i) {
            edit(xs[i])->setText(x[i]);
            edit(ys[i])->setText(y[i]);
        }
    }
    QStringList texts() {
        QStringList all;
        for (trelvani::Box which : trelvani::kAllBoxes) all << window_->box(which)->text();
        all << window_->mensajes()->text();
        return all;
    }

private slots:
    void initTestCase() {
        // Under a comma-decimal locale run, make sure it really is in force.
        if (!qEnvironmentVariableIsEmpty("TRELVANI_TEST_LOCALE")) {
            QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
        }
        SetUpApplication(*qApp);
    }

    void init() {
        reported_.clear();
        window_ = std::make_unique<MainWindow>(
            [this](QWidget*, const RuntimeError& error) { reported_ << error.code(); });
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void startUpStateAndControlTable() {
        QCOMPARE(window_->objectName(), QStringLiteral("Trelvani_Fuzzy"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Trelvani Numeros Fuzzy Trapezoidales"));
        QCOMPARE(window_->size(), QSize(444, 406));
        QCOMPARE(QApplication::focusWidget(), edit("XI"));
        QCOMPARE(window_->mensajes()->palette().color(QPalette::Window), QColor(255, 255, 192));

        const auto children = window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 33);
        for (const ControlRow& row : kControlTable) {
            QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
            if (row.index >= 0) name += QStringLiteral("_%1").arg(row.index);
            QWidget* control = window_->findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QCOMPARE(control->geometry(), QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
            const QString text = QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
            switch (row.kind) {
            case ControlKind::Button:
                QVERIFY(qobject_cast<QPushButton*>(control));
                QCOMPARE(qobject_cast<QPushButton*>(control)->text(), text);
                break;
            case ControlKind::TextBox:
                QVERIFY(qobject_cast<QLineEdit*>(control));
                QCOMPARE(qobject_cast<QLineEdit*>(control)->text(), text);
                QCOMPARE(qobject_cast<QLineEdit*>(control)->text(), name == "Def" ? "  " : " ");
                break;
            case ControlKind::Label:
                QVERIFY(qobject_cast<QLabel*>(control));
                QCOMPARE(qobject_cast<QLabel*>(control)->text(), text);
                QCOMPARE(control->focusPolicy(), Qt::NoFocus);
                break;
            }
            if (row.font != ControlFont::Default) {
                QVERIFY2(control->font().bold(), qPrintable(name));
                const double points[] = {0.0, 8.25, 9.75, 12.0};
                QCOMPARE(control->font().pointSizeF(), points[int(row.font)]);
            }
            const QString spoken = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!spoken.isEmpty() || row.tabIndex == 0, qPrintable(name));
        }
        // Stacking: Label1 index 1 is drawn over index 0.
        const qsizetype front = children.indexOf(window_->findChild<QWidget*>("Label1_1"));
        const qsizetype back = children.indexOf(window_->findChild<QWidget*>("Label1_0"));
        QVERIFY(front > back);
    }

    void tabOrderWrapsBothWays() {
        const QStringList order = {"XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV",
                                   "ZI", "ZII", "ZIII", "ZIV", "Suma", "Multiplicacion", "Resta",
                                   "Division", "Minimo", "Maximo", "Cuadrado", "Raiz", "DEFUZY",
                                   "XZ", "YZ", "Def", "Borrar"};
        for (qsizetype i = 1; i <= order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i % order.size()]);
        }
        for (qsizetype i = order.size() - 1; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void enterRunsNothingInABoxAndPressesAFocusedButton() {
        setOperands({"1", "2", "3", "4"}, {"5", "6", "7", "8"});
        const QStringList before = texts();
        for (const char* name : {"XI", "ZIV", "Def"}) {
            edit(name)->setFocus();
            QTest::keyClick(edit(name), Qt::Key_Return);
            QTest::keyClick(edit(name), Qt::Key_Enter);
            QTest::keyClick(edit(name), Qt::Key_Escape);
        }
        QCOMPARE(texts(), before);
        // A focused button is pressed by Return, keypad Enter and Space alike.
        button("Suma")->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            edit("ZIV")->clear();
            QTest::keyClick(button("Suma"), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(edit("ZIV")->text(), QStringLiteral(" 12"));
        }
        QVERIFY(reported_.isEmpty());
    }

    void screenReaderReadsTheMessages() {
        setOperands({"1", "2", "3", "4"}, {"4", "3", "2", "1"});
        QTest::mouseClick(button("Maximo"), Qt::LeftButton);
        QAccessibleInterface* mensajes = QAccessible::queryAccessibleInterface(window_->mensajes());
        QCOMPARE(mensajes->role(), QAccessible::Notification);
        QCOMPARE(mensajes->text(QAccessible::Name), QStringLiteral("Ambos numeros son iguales"));
        QCOMPARE(mensajes->text(QAccessible::Description), QStringLiteral("Área de mensajes"));
        auto* credits = window_->findChild<QLabel*>("Label1_1");
        QCOMPARE(QAccessible::queryAccessibleInterface(credits)->text(QAccessible::Name), credits->text());
    }

    void eachButtonRunsItsHandler_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Suma") << "Suma" << "ZI" << " 6";
        QTest::newRow("Resta") << "Resta" << "ZI" << "-7";
        QTest::newRow("Multiplicacion") << "Multiplicacion" << "ZIV" << " 32";
        QTest::newRow("Division") << "Division" << "ZI" << " .125";
        QTest::newRow("Maximo") << "Maximo" << "ZI" << " 5";
        QTest::newRow("Minimo") << "Minimo" << "ZI" << " 1";
        QTest::newRow("Cuadrado") << "Cuadrado" << "ZIV" << " 16";
        QTest::newRow("Raiz") << "Raiz" << "ZIV" << " 2";
        QTest::newRow("DEFUZY") << "DEFUZY" << "Def" << " 9";
        QTest::newRow("Borrar") << "Borrar" << "YIV" << "";
        QTest::newRow("XZ") << "XZ" << "XI" << " 6";
        QTest::newRow("YZ") << "YZ" << "YI" << " 6";
    }

    void eachButtonRunsItsHandler() {
        QFETCH(QString, button);
        QFETCH(QString, boxName);
        QFETCH(QString, expected);
        setOperands({"1", "2", "3", "4"}, {"5", "6", "7", "8"});
        const char* z[] = {"ZI", "ZII", "ZIII", "ZIV"};
        const char* sum[] = {" 6", " 8", " 10", " 12"};
        for (int i = 0; i < 4; ++i) edit(z[i])->setText(sum[i]);
        QTest::mouseClick(this->button(qPrintable(button)), Qt::LeftButton);
        QCOMPARE(edit(qPrintable(boxName))->text(), expected);
        QVERIFY(reported_.isEmpty());
    }

    void runtimeErrorKeepsEveryTextAndTheWindowGoesOn() {
        setOperands({"1", "2", "3", "4"}, {"5", "6", "7", "0"});
        window_->mensajes()->setText(QStringLiteral("Ambos numeros son iguales"));
        const QStringList before = texts();
        QTest::mouseClick(button("Division"), Qt::LeftButton);
        QCOMPARE(reported_, QList<int>{11});
        QCOMPARE(texts(), before);
        QTest::mouseClick(button("Suma"), Qt::LeftButton);
        QCOMPARE(edit("ZI")->text(), QStringLiteral(" 6"));
        QCOMPARE(reported_.size(), 1);
    }

    void errorBoxAndMenusSpeakSpanish() {
        QString shown;
        QString buttonText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shown = box->text();
            buttonText = box->buttons().value(0)->text();
            box->accept();
        });
        ShowErrorBox(window_.get(), RuntimeError(trelvani::ErrorNumber::DivisionByZero));
        QCOMPARE(shown, QStringLiteral("Se ha producido el error '11' en tiempo de ejecución:\n\nDivisión por cero"));
        QCOMPARE(buttonText.remove('&'), QStringLiteral("Aceptar"));

        std::unique_ptr<QMenu> menu(edit("XI")->createStandardContextMenu());
        QStringList actions;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) actions << action->text().remove('&').section('\t', 0, 0);
        }
        QVERIFY2(actions.contains("Deshacer") && actions.contains("Pegar"), qPrintable(actions.join(',')));
    }

    void resizingMovesNothing() {
        QList<QRect> before;
        const auto children = window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) before << child->geometry();
        for (QSize size : {QSize(200, 150), QSize(900, 700), QSize(444, 406)}) {
            window_->resize(size);
            QApplication::processEvents();
            for (qsizetype i = 0; i < children.size(); ++i) QCOMPARE(children[i]->geometry(), before[i]);
        }
    }

    void longTextsAreKeptWhole() {
        const QString digits = QStringLiteral("1") + QString(99998, '0') + QStringLiteral("1");
        edit("XI")->setText(QStringLiteral("1.") + digits);
        QCOMPARE(edit("XI")->text().size(), 100002);
        edit("XII")->clear();
        edit("XII")->setFocus();
        const QString typed = QString(100000, '0');
        QTest::keyClicks(edit("XII"), typed.left(2000));
        edit("XII")->insert(typed.mid(2000));
        QTest::keyClicks(edit("XII"), QStringLiteral("7"));
        QCOMPARE(edit("XII")->text().size(), 100001);
        QTest::mouseClick(button("Suma"), Qt::LeftButton);
        QCOMPARE(edit("ZI")->text(), QStringLiteral(" 1.1"));
        QCOMPARE(edit("ZII")->text(), QStringLiteral(" 7"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
