#include "KN40_Entry.h"
#include "KN45_Entry.h"
#include "KN75_Entry.h"
#include "KN85_Entry.h"
#include "KN95_Entry.h"
#include "Product_Selection_KNx0.h"
#include "Product_Selection_KNx5.h"
#include "Which_PC_Card.h"
#include "application.h"
#include "classic_look.h"
#include "desktop_preferences.h"
#include "frmAbout.h"
#include "gui_test.h"
#include "picture_box.h"
#include "space_run_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleHints>
#include <QTest>

#include <cmath>

namespace {

QWidget& Child(QWidget& window, const QString& name)
{
    auto* child = window.findChild<QWidget*>(name);
    if (!child)
        qFatal("No control %s", qPrintable(name));
    return *child;
}

// The designed pieces of the About description, each with the run of spaces
// that follows it.
const QList<std::pair<QString, int>> Description_Pieces = {{"Description:", 68},
    {"This application converts the WEP Key entry of the: KN45 (PC Card)", 50}, {"KN65 (PCI)", 56},
    {"KN66 (USB)", 65}, {"KN75 (Residential Gateway)", 30}, {"KN85 (Commerical Access Point)", 21},
    {"KN95 (Enterprise Access Point)", 120}, {"products to the HEX WEP entry on the:", 22},
    {"KN40 (PC Card)", 50}, {"KN60 (PCI)", 151}, {"and vice-versa.", 0}};

// A desktop's dark palette, as a platform theme hands it to the program:
// light text on dark grey, black text boxes.
const QPalette Dark_Desktop_Palette(QColor(53, 53, 53));

// Where a control draws its text: inside a box's or a button's frame, beside
// an option's circle.
QRect Text_Area(QWidget& control)
{
    if (auto* option = qobject_cast<QRadioButton*>(&control))
        return Option_Part(*option, QStyle::SE_RadioButtonContents);
    const bool framed = qobject_cast<QLineEdit*>(&control) || qobject_cast<QPushButton*>(&control);
    return framed ? control.rect().adjusted(3, 3, -3, -3) : control.rect();
}

// A control's text and its ground as the screen shows them: the ground is the
// colour most of its text area has; the text stands out from it by what its
// third most distinct pixel does, so that a lone stray pixel does not count.
struct Shown_Text {
    QColor Ground;
    double Contrast;
};

Shown_Text Shown(QWidget& control)
{
    const QImage image
        = control.grab(Text_Area(control)).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++pixels[image.pixel(x, y)];
    }
    const QColor ground(std::max_element(
        pixels.keyValueBegin(), pixels.keyValueEnd(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first);
    std::vector<double> contrasts;
    for (auto [colour, count] : pixels.asKeyValueRange())
        contrasts.insert(contrasts.end(), count, Contrast_Ratio(QColor(colour), ground));
    std::sort(contrasts.rbegin(), contrasts.rend());
    return {ground, contrasts.size() >= 3 ? contrasts[2] : 1.0};
}

QColor Text_Colour(QWidget& control, QPalette::ColorRole role)
{
    return control.palette().color(QPalette::Active, role);
}

// The rectangles of near-white pixels that the picture of a control shows,
// in the control's own coordinates: the empty fields drawn in a screenshot.
QList<QRectF> White_Fields(QWidget& picture)
{
    const QImage image = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = image.devicePixelRatio();
    auto is_white = [&](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        return qRed(pixel) >= 235 && qGreen(pixel) >= 235 && qBlue(pixel) >= 235;
    };
    QList<QRectF> fields;
    QVector<bool> seen(image.width() * image.height(), false);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || !is_white(x, y))
                continue;
            // Flood the region and keep it if it is a solid rectangle.
            QList<QPoint> pending{{x, y}};
            seen[y * image.width() + x] = true;
            QRect bounds(x, y, 1, 1);
            int count = 0;
            while (!pending.isEmpty()) {
                const QPoint point = pending.takeLast();
                ++count;
                bounds = bounds.united(QRect(point, QSize(1, 1)));
                for (const QPoint step :
                    {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next = point + step;
                    if (next.x() < 0 || next.y() < 0 || next.x() >= image.width()
                        || next.y() >= image.height())
                        continue;
                    bool& visited = seen[next.y() * image.width() + next.x()];
                    if (!visited && is_white(next.x(), next.y())) {
                        visited = true;
                        pending << next;
                    }
                }
            }
            const bool solid = count == bounds.width() * bounds.height();
            const QRectF logical(bounds.x() / ratio, bounds.y() / ratio, bounds.width() / ratio,
                bounds.height() / ratio);
            if (solid && logical.width() >= 10 && logical.height() >= 10)
                fields << logical;
        }
    }
    std::sort(fields.begin(), fields.end(), [](const QRectF& a, const QRectF& b) {
        return qFuzzyCompare(a.top(), b.top()) ? a.left() < b.left() : a.top() < b.top();
    });
    return fields;
}

// A result box lies over a drawn field when it covers it and both share a
// centre, give or take a pixel.
bool Lies_Over(const QRectF& box, const QRectF& field)
{
    const QPointF offset = box.center() - field.center();
    return box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(field) && qAbs(offset.x()) <= 1.5
        && qAbs(offset.y()) <= 1.5;
}

QString Describe(const QRectF& rect)
{
    return QString("(%1,%2 %3x%4)")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

QStringList Tab_Walk(QWidget& window)
{
    QStringList walk;
    QWidget* first = QApplication::focusWidget();
    if (!first)
        return {"(no focus)"};
    walk << first->objectName();
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus == first)
            break;
        walk << focus->objectName();
    }
    return walk;
}

QStringList Names(const QString& pattern, const QList<int>& indices)
{
    QStringList names;
    for (int index : indices)
        names << pattern.arg(index);
    return names;
}

QList<int> Range(int from, int to)
{
    QList<int> range;
    for (int i = from; from <= to ? i <= to : i >= to; i += from <= to ? 1 : -1)
        range << i;
    return range;
}

} // namespace

class tst_layouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void client_sizes_data();
    void client_sizes();
    void placeholders_lie_out_of_sight_data();
    void placeholders_lie_out_of_sight();
    void chooser_fonts_and_colours_data();
    void chooser_fonts_and_colours();
    void about_box_look();
    void about_description_lines_data();
    void about_description_lines();
    void texts_read_on_their_ground_data();
    void texts_read_on_their_ground();
    void classic_style_over_every_style_data();
    void classic_style_over_every_style();
    void entry_colours();
    void captions_fit_their_labels_data();
    void captions_fit_their_labels();
    void result_boxes_lie_over_the_drawn_fields_data();
    void result_boxes_lie_over_the_drawn_fields();
    void focus_order_data();
    void focus_order();

private:
    QMainWindow& Open(const QString& form);
    void Convert_Key(QWidget& form, const QString& key);

    std::unique_ptr<Application> application_;
    Desktop_Preferences preferences_;
};

// The text size and contrast that the desktop asks for, as the program reads them.
void tst_layouts::initTestCase()
{
    preferences_ = Read_Desktop_Preferences();
    Apply_Text_Scale(preferences_.Text_Scale);
}

void tst_layouts::init()
{
    application_ = std::make_unique<Application>();
}

void tst_layouts::cleanup()
{
    application_.reset();
    QCOMPARE(Stray_Windows(), QStringList());
}

QMainWindow& tst_layouts::Open(const QString& form)
{
    const std::map<QString, std::function<QMainWindow&()>> forms = {
        {"Which_PC_Card", [&]() -> QMainWindow& { return application_->Get<Which_PC_Card>(); }},
        {"Product_Selection_KNx0",
            [&]() -> QMainWindow& { return application_->Get<Product_Selection_KNx0>(); }},
        {"Product_Selection_KNx5",
            [&]() -> QMainWindow& { return application_->Get<Product_Selection_KNx5>(); }},
        {"KN40_Entry", [&]() -> QMainWindow& { return application_->Get<KN40_Entry>(); }},
        {"KN45_Entry", [&]() -> QMainWindow& { return application_->Get<KN45_Entry>(); }},
        {"KN75_Entry", [&]() -> QMainWindow& { return application_->Get<KN75_Entry>(); }},
        {"KN85_Entry", [&]() -> QMainWindow& { return application_->Get<KN85_Entry>(); }},
        {"KN95_Entry", [&]() -> QMainWindow& { return application_->Get<KN95_Entry>(); }},
    };
    QMainWindow& window = forms.at(form)();
    application_->Show(window);
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("%s did not become active", qPrintable(form));
    return window;
}

void tst_layouts::Convert_Key(QWidget& form, const QString& key)
{
    static_cast<QLineEdit&>(Child(form, "Text_WEP")).setText(key);
    static_cast<QPushButton&>(Child(form, "Convert_Button")).click();
}

void tst_layouts::client_sizes_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("client");
    QTest::newRow("Which_PC_Card") << "Which_PC_Card" << QSize(300, 164);
    QTest::newRow("Product_Selection_KNx0") << "Product_Selection_KNx0" << QSize(293, 133);
    QTest::newRow("Product_Selection_KNx5") << "Product_Selection_KNx5" << QSize(293, 77);
    QTest::newRow("KN40_Entry") << "KN40_Entry" << QSize(364, 458);
    QTest::newRow("KN45_Entry") << "KN45_Entry" << QSize(397, 430);
    QTest::newRow("KN75_Entry") << "KN75_Entry" << QSize(396, 445);
    QTest::newRow("KN85_Entry") << "KN85_Entry" << QSize(403, 433);
    QTest::newRow("KN95_Entry") << "KN95_Entry" << QSize(400, 435);
}

void tst_layouts::client_sizes()
{
    QFETCH(QString, form);
    QFETCH(QSize, client);
    QMainWindow& window = Open(form);
    QCOMPARE(window.centralWidget()->size(), client);
    QCOMPARE(window.windowIcon().isNull(), false);
    // On the screen, at the text size of the desktop that the test gives.
    const double scale = qEnvironmentVariable("KEYWRIGHT_EXPECTED_SCALE", "1").toDouble();
    const QSizeF shown = QSizeF(client) * window.devicePixelRatioF();
    QVERIFY2(qAbs(shown.width() - client.width() * scale) <= 1
            && qAbs(shown.height() - client.height() * scale) <= 1,
        qPrintable(QString("%1x%2").arg(shown.width()).arg(shown.height())));

    // Nothing follows the frame: a larger window only adds empty space.
    const QRect first_control = window.centralWidget()->childrenRect();
    window.resize(window.size() + QSize(120, 90));
    QCOMPARE(window.centralWidget()->childrenRect(), first_control);
}

void tst_layouts::placeholders_lie_out_of_sight_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("placeholder");
    QTest::newRow("Which_PC_Card") << "Which_PC_Card" << Which_PC_Card::Placeholder;
    QTest::newRow("Product_Selection_KNx0")
        << "Product_Selection_KNx0" << Product_Selection_KNx0::Placeholder;
    QTest::newRow("Product_Selection_KNx5")
        << "Product_Selection_KNx5" << Product_Selection_KNx5::Placeholder;
}

void tst_layouts::placeholders_lie_out_of_sight()
{
    QFETCH(QString, form);
    QFETCH(int, placeholder);
    QMainWindow& window = Open(form);
    auto& option = static_cast<QAbstractButton&>(
        Child(window, QString("Option_Product_%1").arg(placeholder)));
    QVERIFY(option.isChecked());
    QVERIFY(!option.isVisible());
    QVERIFY(option.geometry().top() >= window.centralWidget()->height());
}

void tst_layouts::chooser_fonts_and_colours_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("Which_PC_Card") << "Which_PC_Card";
    QTest::newRow("Product_Selection_KNx0") << "Product_Selection_KNx0";
    QTest::newRow("Product_Selection_KNx5") << "Product_Selection_KNx5";
}

void tst_layouts::chooser_fonts_and_colours()
{
    QFETCH(QString, form);
    QMainWindow& window = Open(form);
    auto& prompt = Child(window, "Label_Product");
    QVERIFY2(QFontInfo(prompt.font()).family().startsWith("Comic"),
        qPrintable(QFontInfo(prompt.font()).family()));
    QCOMPARE(prompt.font().pointSizeF(), 8.25);
    QCOMPARE(prompt.font().bold(), true);
    QCOMPARE(Text_Colour(prompt, QPalette::WindowText), QColor(0, 0, 192));
    for (auto* option : window.findChildren<QAbstractButton*>()) {
        if (!option->isVisible())
            continue;
        QVERIFY(QFontInfo(option->font()).family().startsWith("Comic"));
        QCOMPARE(option->font().pointSizeF(), 9.0);
        QCOMPARE(option->font().bold(), false);
    }
    QVERIFY(!QFontInfo(window.menuBar()->font()).family().startsWith("Comic"));
}

void tst_layouts::about_box_look()
{
    QWidget& chooser = Open("Product_Selection_KNx5");
    Click_Menu(chooser, "About");
    QWidget& about = *application_->About_Box();
    QCOMPARE(about.size(), QSize(328, 312));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(Text_Colour(about, QPalette::Window), QColor(Qt::white));
    for (const char* label : {"lblTitle", "lblVersion", "lblDescription"})
        QCOMPARE(Text_Colour(Child(about, label), QPalette::WindowText), QColor(Qt::red));
    auto& ok = static_cast<QPushButton&>(Child(about, "cmdOK"));
    QVERIFY(ok.isDefault());
    auto& logo = static_cast<Picture_Box&>(Child(about, "picIcon"));
    for (const QWidget* centred : {static_cast<QWidget*>(&ok), static_cast<QWidget*>(&logo)})
        QVERIFY(qAbs(QRectF(centred->geometry()).center().x() - about.width() / 2.0) <= 0.5);
    QCOMPARE(logo.Pixmap().deviceIndependentSize(), QSizeF(127, 30));

    QString description;
    for (const auto& [piece, spaces] : Description_Pieces)
        description += piece + QString(spaces, ' ');
    QCOMPARE(static_cast<QLabel&>(Child(about, "lblDescription")).text(), description);

    // The separator: grey over white, just above the button.
    QCOMPARE(Text_Colour(Child(about, "Line1_1"), QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(Text_Colour(Child(about, "Line1_0"), QPalette::WindowText), QColor(Qt::white));
    QVERIFY(Child(about, "Line1_1").geometry().bottom() < ok.geometry().top());
    about.close();
}

void tst_layouts::about_description_lines_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::newRow("the dialog font") << QString() << 0;
    for (const char* family : {"Liberation Sans", "DejaVu Sans", "Comic Neue"}) {
        QTest::addRow("%s, 10 px", family) << family << 10;
        QTest::addRow("%s, 12 px", family) << family << 12;
    }
}

// Every piece starts a line of its own; a long one may go on over the next.
void tst_layouts::about_description_lines()
{
    QFETCH(QString, family);
    QFETCH(int, pixels);
    Click_Menu(Open("Product_Selection_KNx5"), "About"); // modeless from there
    auto& description
        = static_cast<Space_Run_Label&>(Child(*application_->About_Box(), "lblDescription"));
    if (!family.isEmpty()) {
        QFont font(family);
        font.setPixelSize(pixels);
        description.setFont(font);
    }
    QStringList lines = description.Lines();
    for (const auto& [piece, spaces] : Description_Pieces) {
        QString gathered;
        while (!lines.isEmpty() && gathered.size() < piece.size())
            gathered = (gathered + " " + lines.takeFirst()).trimmed();
        QCOMPARE(gathered, piece);
    }
    QCOMPARE(lines, QStringList());
    const int height = description.Lines().size() * QFontMetrics(description.font()).height();
    QVERIFY2(height <= description.height(), qPrintable(QString::number(height)));
    application_->About_Box()->close();
}

void tst_layouts::texts_read_on_their_ground_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("contrast");
    for (const bool contrast : {false, true}) {
        const char* look = contrast ? "contrast theme" : "dark desktop";
        for (const char* form :
            {"Which_PC_Card", "Product_Selection_KNx0", "KN40_Entry", "KN75_Entry"})
            QTest::addRow("%s, %s", form, look) << form << QString("abcde") << contrast;
        QTest::addRow("KN85_Entry, 128-bit, %s", look) << "KN85_Entry"
                                                       << "abcdefghijklm" << contrast;
        QTest::addRow("frmAbout, %s", look) << "frmAbout" << QString() << contrast;
    }
}

// On a dark desktop every text reads on its ground, and the boxes over a
// picture stay light with red text like the fields drawn beneath. Under a
// contrast theme every text reads at 7:1 on the screen, on the theme's
// grounds: the desktop's where the test gives one, ours otherwise.
void tst_layouts::texts_read_on_their_ground()
{
    QFETCH(QString, form);
    QFETCH(QString, key);
    QFETCH(bool, contrast);
    application_.reset();
    const QPalette colours = preferences_.Contrast_Colours.value_or(Inverse_Contrast_Palette());
    if (contrast) {
        application_ = std::make_unique<Application>(colours);
    } else {
        QApplication::setPalette(Dark_Desktop_Palette);
        application_ = std::make_unique<Application>();
    }
    const QString ground = qEnvironmentVariable("KEYWRIGHT_EXPECTED_GROUND");
    if (contrast && !ground.isEmpty())
        QCOMPARE(colours.color(QPalette::Window), QColor(ground));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Windows gives the menus and title bars the scheme that the windows ask
    // for; a contrast theme's own is left as it is.
    if (!contrast && QGuiApplication::platformName() == u"windows")
        QCOMPARE(QGuiApplication::styleHints()->colorScheme(), Qt::ColorScheme::Light);
#endif

    QWidget* window = nullptr;
    if (form == "frmAbout") {
        Click_Menu(Open("Product_Selection_KNx5"), "About");
        window = application_->About_Box();
    } else {
        window = &Open(form);
        if (form != "KN40_Entry" && form.contains("Entry"))
            Convert_Key(*window, key);
    }
    for (auto* control : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* text_box = qobject_cast<QLineEdit*>(control);
        const bool shows_text = (label && !label->text().isEmpty())
            || qobject_cast<QAbstractButton*>(control) || (text_box && !text_box->text().isEmpty());
        if (!control->isVisible() || !shows_text)
            continue;
        const Shown_Text shown = Shown(*control);
        const QString what = QString("%1: %2 on %3")
                                 .arg(control->objectName())
                                 .arg(shown.Contrast)
                                 .arg(shown.Ground.name());
        QVERIFY2(shown.Contrast >= (contrast ? 7.0 : 3.0), qPrintable(what));
        // The grounds of the texts, and of the key on the boxes over the
        // pictures, are the theme's; a button's is its style's.
        if (contrast && !qobject_cast<QPushButton*>(control)) {
            const QColor theirs = colours.color(text_box ? QPalette::Base : QPalette::Window);
            QVERIFY2(Contrast_Ratio(shown.Ground, theirs) < 1.1, qPrintable(what));
        } else if (!contrast && text_box) {
            QVERIFY2(shown.Ground.lightness() >= 235, qPrintable(what));
        }
    }
    const auto boxes = window->findChildren<QLineEdit*>(QRegularExpression("Bit_Keys"));
    for (auto* box : boxes) {
        QCOMPARE(Text_Colour(*box, QPalette::Text),
            contrast ? colours.color(QPalette::Text) : QColor(Qt::red));
    }
    if (window == application_->About_Box())
        window->close();
}

void tst_layouts::classic_style_over_every_style_data()
{
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys())
        QTest::newRow(qPrintable(style)) << style;
}

// A menu command under the mouse stands out, and dialog buttons carry no
// icon, whichever style the desktop picks.
void tst_layouts::classic_style_over_every_style()
{
    QFETCH(QString, style);
    Classic_Style classic(QStyleFactory::create(style));
    QCOMPARE(classic.styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);

    QMenuBar& menu_bar = *Open("Which_PC_Card").menuBar();
    menu_bar.setStyle(&classic);
    const QRect command = menu_bar.actionGeometry(menu_bar.actions().first());
    const QImage resting = menu_bar.grab(command).toImage();
    QTest::mouseMove(
        menu_bar.window()->windowHandle(), menu_bar.mapTo(menu_bar.window(), command.center()));
    const QImage hovered = menu_bar.grab(command).toImage();
    menu_bar.setStyle(nullptr);
    QVERIFY(resting != hovered);
}

void tst_layouts::entry_colours()
{
    QWidget& gateway = Open("KN75_Entry");
    QCOMPARE(Text_Colour(Child(gateway, "Label1"), QPalette::WindowText), QColor(0, 0, 128));
    for (QWidget* form : {&gateway, static_cast<QWidget*>(&Open("KN40_Entry")),
             static_cast<QWidget*>(&Open("KN85_Entry"))}) {
        for (auto* box : form->findChildren<QLineEdit*>()) {
            if (box->objectName().contains("Bit_Keys"))
                QCOMPARE(Text_Colour(*box, QPalette::Text), QColor(Qt::red));
        }
    }
}

void tst_layouts::captions_fit_their_labels_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("key");
    for (const char* form :
        {"Which_PC_Card", "Product_Selection_KNx0", "Product_Selection_KNx5", "KN40_Entry"})
        QTest::newRow(form) << form << QString();
    for (const char* form : {"KN45_Entry", "KN85_Entry", "KN95_Entry"}) {
        QTest::addRow("%s, 64-bit result", form) << form << "abcde";
        QTest::addRow("%s, 128-bit result", form) << form << "abcdefghijklm";
    }
    QTest::newRow("KN75_Entry") << "KN75_Entry"
                                << "abcde";
}

void tst_layouts::captions_fit_their_labels()
{
    QFETCH(QString, form);
    QFETCH(QString, key);
    QWidget& window = Open(form);
    if (!key.isEmpty())
        Convert_Key(window, key);
    for (auto* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        const QFontMetrics metrics(label->font());
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed
            = metrics.boundingRect(QRect(0, 0, label->width(), 1000), flags, label->text());
        const QString too_small = QString("%1 needs %2x%3 in %4x%5")
                                      .arg(label->objectName())
                                      .arg(needed.width())
                                      .arg(needed.height())
                                      .arg(label->width())
                                      .arg(label->height());
        QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
            qPrintable(too_small));
    }
}

void tst_layouts::result_boxes_lie_over_the_drawn_fields_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("picture_name");
    QTest::addColumn<QString>("boxes");
    for (const char* form : {"KN45_Entry", "KN85_Entry", "KN95_Entry"}) {
        QTest::addRow("%s, 64-bit", form) << form << "abcde"
                                          << "Picture1"
                                          << "Text_64_Bit_Keys";
        QTest::addRow("%s, 128-bit", form) << form << "abcdefghijklm"
                                           << "Picture2"
                                           << "Text_128_Bit_Keys";
    }
    QTest::newRow("KN75_Entry") << "KN75_Entry"
                                << "abcde"
                                << "Picture1"
                                << "Text_64_Bit_Keys";
    QTest::newRow("KN40_Entry") << "KN40_Entry" << QString() << "Image1"
                                << "Text_WEP";
}

void tst_layouts::result_boxes_lie_over_the_drawn_fields()
{
    QFETCH(QString, form);
    QFETCH(QString, key);
    QFETCH(QString, picture_name);
    QFETCH(QString, boxes);

    QMainWindow& window = Open(form);
    if (!key.isEmpty())
        Convert_Key(window, key);
    QWidget& picture = Child(window, picture_name);
    QVERIFY(picture.isVisible());

    QList<QWidget*> results;
    if (boxes == "Text_WEP") {
        results << &Child(window, "Text_WEP");
    } else {
        for (int index = 0; index < key.size(); ++index)
            results << &Child(window, QString("%1_%2").arg(boxes).arg(index));
    }

    QList<QRectF> fields;
    for (const QRectF& field : White_Fields(picture)) {
        const bool key_field = boxes == "Text_WEP" ? field.width() > 100 : field.width() < 40;
        if (key_field)
            fields << field.translated(picture.pos());
    }
    QCOMPARE(fields.size(), results.size());
    for (qsizetype i = 0; i < results.size(); ++i) {
        QVERIFY(results[i]->isVisible());
        const QString where = QString("%1 at %2, drawn field at %3")
                                  .arg(results[i]->objectName(), Describe(results[i]->geometry()),
                                      Describe(fields[i]));
        QVERIFY2(Lies_Over(results[i]->geometry(), fields[i]), qPrintable(where));
        QVERIFY2(
            results[i]->geometry().intersects(picture.geometry()), "the box is off the picture");
    }
    // The boxes are stacked in front of the picture.
    const auto children = window.centralWidget()->children();
    QVERIFY(children.indexOf(results.first()) > children.indexOf(&picture));
}

void tst_layouts::focus_order_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("walk");

    const QString option = "Option_Product_%1";
    const QString box_64 = "Text_64_Bit_Keys_%1";
    const QString box_128 = "Text_128_Bit_Keys_%1";
    const QStringList entry = {"Text_WEP", "Convert_Button"};
    QTest::newRow("Which_PC_Card")
        << "Which_PC_Card" << QString() << Names(option, {3, 2, 1, 0, 4});
    QTest::newRow("Product_Selection_KNx0")
        << "Product_Selection_KNx0" << QString() << Names(option, {0, 1, 2, 3});
    QTest::newRow("Product_Selection_KNx5")
        << "Product_Selection_KNx5" << QString() << Names(option, {0});
    QTest::newRow("KN40_Entry") << "KN40_Entry" << QString()
                                << Names(box_128, Range(0, 12))
            + QStringList{"Convert_Button", "Text_WEP"};
    QTest::newRow("KN45_Entry") << "KN45_Entry" << QString() << entry;
    QTest::newRow("KN45_Entry, 64-bit") << "KN45_Entry"
                                        << "abcde" << entry + Names(box_64, Range(0, 4));
    QTest::newRow("KN45_Entry, 128-bit") << "KN45_Entry"
                                         << "abcdefghijklm" << entry + Names(box_128, Range(0, 12));
    for (const char* form : {"KN85_Entry", "KN95_Entry"}) {
        QTest::addRow("%s", form) << form << QString() << entry;
        QTest::addRow("%s, 64-bit", form) << form << "abcde" << Names(box_64, Range(0, 4)) + entry;
        QTest::addRow("%s, 128-bit", form)
            << form << "abcdefghijklm" << Names(box_128, Range(12, 0)) + entry;
    }
    QTest::newRow("KN75_Entry") << "KN75_Entry" << QString()
                                << QStringList{"Text_WEP"} + Names(box_64, Range(0, 4))
            + QStringList{"Convert_Button"};
}

void tst_layouts::focus_order()
{
    QFETCH(QString, form);
    QFETCH(QString, key);
    QFETCH(QStringList, walk);

    QWidget& window = Open(form);
    if (!key.isEmpty())
        Convert_Key(window, key);
    QStringList actual = Tab_Walk(window);
    // The walk is a cycle; begin it where the design begins.
    const qsizetype start = actual.indexOf(walk.first());
    if (start > 0)
        actual = actual.mid(start) + actual.first(start);
    QCOMPARE(actual, walk);
    if (key.isEmpty())
        QCOMPARE(Tab_Walk(window).first(), walk.first());
}

QTEST_MAIN(tst_layouts)
#include "tst_layouts.moc"
