// Times a Convert press on an entry window until its result is painted, and
// prints the figures. Run on a real display or offscreen.
#include "KN85_Entry.h"
#include "application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Microseconds from the press to the painted window, for each of the keys in turn.
std::vector<double> Time_Presses(QWidget& form, const QStringList& keys, int presses)
{
    auto* key_box = form.findChild<QLineEdit*>("Text_WEP");
    auto* convert = form.findChild<QPushButton*>("Convert_Button");
    std::vector<double> times;
    for (int press = 0; press < presses; ++press) {
        key_box->setText(keys[press % keys.size()]);
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        convert->click();
        form.repaint();
        times.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times;
}

void Report(const char* what, const std::vector<double>& times)
{
    std::printf("%-40s median %7.1f us   95th percentile %7.1f us   max %7.1f us\n", what,
        times[times.size() / 2], times[times.size() * 95 / 100], times.back());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qt_application(argc, argv);
    Application application;
    auto& ascii_entry = application.Get<KN85_Entry>();
    application.Show(ascii_entry);
    Report("KN85_Entry, 64 and 128 bit in turn",
        Time_Presses(ascii_entry, {"abcde", "ascii test$$$"}, 1000));
    return 0;
}
