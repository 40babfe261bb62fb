#include "Which_PC_Card.h"
#include "application.h"
#include "gui_test.h"
#include "reporting_application.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// A window that fails to show outside the one chooser that skips such steps
// reaches the report of an unhandled error, and the program ends with a
// failure status.
class tst_unhandled_error : public QObject {
    Q_OBJECT

private slots:
    void failing_show_is_reported_and_ends_the_program();
};

void tst_unhandled_error::failing_show_is_reported_and_ends_the_program()
{
    Application application;
    application.Start();
    QString report;
    bool reported = false;
    QTimer::singleShot(0, [&] {
        application.Fail_Next(Window_Operation::Show);
        reported = While_Modal([&] { Click(application.Get<Which_PC_Card>().Option_Product(0)); },
            [&](QWidget& box) {
                report = Message_Text(box);
                Answer_OK(box);
            });
    });

    const int status = QCoreApplication::exec();

    QVERIFY(reported);
    QCOMPARE(report, QString("Keywright: Unexpected error: The window could not be shown."));
    QCOMPARE(status, Reporting_Application::Failure_Status);
}

int main(int argc, char* argv[])
{
    Reporting_Application application(argc, argv);
    tst_unhandled_error test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_unhandled_error.moc"
