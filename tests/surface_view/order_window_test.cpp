// The "Organize controls" window, driven through its widgets without a modal loop.
#include "support/fake_surface_host.h"
#include "surface_view/order_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kovrin;

class OrderWindowTest : public QObject
{
    Q_OBJECT

private:
    FakeSurfaceHost *host = nullptr;
    SurfaceView *view = nullptr;
    OrderWindow *window = nullptr;

    QListWidget *list() { return window->findChild<QListWidget *>(QStringLiteral("lst_ctrls")); }
    QPushButton *button(const char *name)
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }
    QString listed()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text() + (list()->item(i)->isSelected() ? "*" : "");
        return out.join(',');
    }
    QString records()
    {
        QStringList out;
        for (const auto &r : host->set.dialog(0).cControls)
            out << QString::fromStdString(r.Name);
        return out.join(',');
    }
    QString drawn()
    {
        QStringList out;
        const Dialog &d = host->set.dialog(0);
        for (const auto &c : d.drawn.stackingOrder())
            out << QString::fromStdString(d.cControls[*d.recordIndexByTag(c.tag)].Name);
        return out.join(',');
    }
    void open()
    {
        window = new OrderWindow(*host, *view);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void init()
    {
        host = new FakeSurfaceHost;
        host->set.insertDialog();
        view = new SurfaceView(*host, 1);
        view->setOuterSizeOverride(SurfaceSize {12030, 7635});
        for (const char *name : {"a", "b", "c"}) {
            host->set.createControl(0, ControlKind::Button, 0, 0, view->outerSize());
            const_cast<Dialog &>(host->set.dialog(0)).cControls.back().Name = name;
        }
        open();
    }
    void cleanup()
    {
        delete window;
        delete view;
        delete host;
    }

    void opensWithEveryRecordBackToFrontAndNothingSelected()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frm_organize"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Organize controls"));
        QCOMPARE(listed(), QStringLiteral("a,b,c"));
        QCOMPARE(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    }

    void okAppliesTheListOrderToRecordsAndDrawnControls()
    {
        list()->item(0)->setSelected(true);
        list()->item(1)->setSelected(true);
        QTest::mouseClick(button("cmd_front"), Qt::LeftButton);
        QCOMPARE(listed(), QStringLiteral("c,a*,b*"));
        QCOMPARE(records(), QStringLiteral("a,b,c")); // nothing changes before OK
        QTest::mouseClick(button("cmd_OK"), Qt::LeftButton);
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(records(), QStringLiteral("c,a,b"));
        QCOMPARE(drawn(), QStringLiteral("c,a,b"));
        QVERIFY(host->changes > 0);
    }

    void escapeOrCancelAfterMovesChangesNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("Cancel") << false;
    }
    void escapeOrCancelAfterMovesChangesNothing()
    {
        QFETCH(bool, escape);
        list()->item(2)->setSelected(true);
        QTest::mouseClick(button("cmd_back"), Qt::LeftButton);
        if (escape)
            QTest::keyClick(list(), Qt::Key_Escape);
        else
            QTest::mouseClick(button("cmd_Cancel"), Qt::LeftButton);
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QVERIFY(!window->isVisible());
        QCOMPARE(records(), QStringLiteral("a,b,c"));
        QCOMPARE(host->changes, 0);
    }

    void enterOnAnyButtonIsOk()
    {
        list()->item(0)->setSelected(true);
        button("cmd_front")->setFocus();
        QTest::keyClick(button("cmd_front"), Qt::Key_Return);
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(records(), QStringLiteral("a,b,c")); // Enter did not press Front
    }

    void anEmptyDialogShowsAnEmptyList()
    {
        host->set.insertDialog();
        SurfaceView second(*host, 2);
        OrderWindow empty(*host, second);
        QCOMPARE(empty.findChild<QListWidget *>(QStringLiteral("lst_ctrls"))->count(), 0);
        QTest::mouseClick(empty.findChild<QPushButton *>(QStringLiteral("cmd_OK")), Qt::LeftButton);
        QCOMPARE(empty.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(OrderWindowTest)
#include "order_window_test.moc"
