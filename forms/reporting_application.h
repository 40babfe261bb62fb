#pragma once

#include <QApplication>

// The Qt application that stands in for the platform's report of an unhandled
// error: a failure that escapes a handler is shown, and the program ends with
// a non-zero status. Under a screen reader it also keeps Alt reaching the
// menu bar.
class Reporting_Application final : public QApplication {
    Q_OBJECT

public:
    static constexpr int Failure_Status = 1;

    Reporting_Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void Report_Unhandled_Error(const char* what);
};
