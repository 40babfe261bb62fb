#include "screenshots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Where the entry windows lay their result boxes, in picture pixels: the
// grid origin less the picture frame of two pixels. The 128-bit picture
// stands one pixel further left in its windows.
constexpr QPoint Key_Grid_64(102, 196);
constexpr QPoint Key_Grid_128(103, 196);
constexpr QSize Key_Box(24, 22);
constexpr int Key_Column_Step = 39;
constexpr int Key_Row_Step = 24;

// Where KN40_Entry lays its key box over the client manager picture, which
// is shown without a frame.
constexpr QRect Encryption_Key_Field(130, 128, 181, 21);

// A top-level dialog of its day: a raised frame, a blue caption, grey face.
class Dialog_Canvas {
public:
    Dialog_Canvas(QSize size, const QString& caption)
    {
        root_.setFont(Era_Font());
        root_.setAttribute(Qt::WA_DontShowOnScreen);
        root_.resize(size);
        auto* frame = new QFrame(&root_);
        frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        frame->setGeometry(root_.rect());
        auto* title = new QLabel(" " + caption, &root_);
        title->setGeometry(4, 4, size.width() - 8, 18);
        title->setStyleSheet("color: white; font-weight: bold; background: #0a246a;");
        auto* close = new QPushButton("x", &root_);
        close->setGeometry(size.width() - 22, 6, 16, 14);
    }

    template <class Widget, class... Arguments>
    Widget* Add(QWidget* parent, const QRect& geometry, Arguments&&... arguments)
    {
        auto* widget = new Widget(std::forward<Arguments>(arguments)..., parent ? parent : &root_);
        widget->setGeometry(geometry);
        return widget;
    }

    // Renders the dialog anew at that many device pixels per pixel, so that
    // a larger picture is as sharp as the smaller one.
    QImage Grab(int scale)
    {
        root_.ensurePolished();
        QImage image(root_.size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        root_.render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }

private:
    // Dialog text of the day was not smoothed, and so shows no coloured fringe.
    static QFont Era_Font()
    {
        QFont font("DejaVu Sans");
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::NoAntialias);
        return font;
    }

    QWidget root_;
};

// A masked field shows one asterisk of its own font per character.
void Masked_Box(Dialog_Canvas& canvas, const QRect& geometry, int characters)
{
    canvas.Add<QLineEdit>(nullptr, geometry, QString(characters, '*'));
}

void Add_Key_Row(Dialog_Canvas& canvas, const QString& label, QPoint origin, int boxes, bool masked)
{
    canvas.Add<QLabel>(nullptr, QRect(origin.x() - 78, origin.y() + 3, 70, 16), label);
    for (int i = 0; i < boxes; ++i) {
        const QRect geometry(
            origin + QPoint(Key_Column_Step * (i % 5), Key_Row_Step * (i / 5)), Key_Box);
        if (masked)
            Masked_Box(canvas, geometry, 2);
        else
            canvas.Add<QLineEdit>(nullptr, geometry);
    }
}

} // namespace

QImage Draw_Kn40_Utility(int key_bits, int scale)
{
    const bool long_key = key_bits == 128;
    Dialog_Canvas canvas({344, 403}, "Tarvex KN40 Configuration Utility");
    auto* tabs = canvas.Add<QTabWidget>(nullptr, QRect(6, 28, 332, 345));
    for (const char* page : {"Status", "Configuration", "Encryption", "About"})
        tabs->addTab(new QWidget, page);
    tabs->setCurrentIndex(2);

    canvas.Add<QLabel>(nullptr, QRect(20, 62, 70, 16), "Encryption:");
    auto* size = canvas.Add<QComboBox>(nullptr, QRect(96, 58, 110, 21));
    size->addItems({"Disabled", "64 bit", "128 bit"});
    size->setCurrentIndex(long_key ? 2 : 1);

    auto* passphrase = canvas.Add<QGroupBox>(nullptr, QRect(14, 86, 316, 60), "Passphrase");
    passphrase->setEnabled(false);
    canvas.Add<QLabel>(passphrase, QRect(10, 26, 70, 16), "Passphrase:");
    canvas.Add<QLineEdit>(passphrase, QRect(82, 24, 140, 21))->setEnabled(false);
    canvas.Add<QPushButton>(passphrase, QRect(232, 23, 74, 23), "Generate");

    // Keys 2 to 4 follow the rows of Key 1 on the same grid, masked: a row of
    // boxes each for a 64-bit key, one long field each for a 128-bit key.
    const QPoint key_1 = long_key ? Key_Grid_128 : Key_Grid_64;
    const int rows_of_key_1 = long_key ? 3 : 1;
    const int key_4_bottom = key_1.y() + (rows_of_key_1 + 2) * Key_Row_Step + 2 + Key_Box.height();
    const int group_bottom = key_4_bottom + 4;
    canvas
        .Add<QGroupBox>(nullptr, QRect(14, 154, 316, group_bottom - 154),
            QString("%1-bit Encryption Manual Entry").arg(key_bits))
        ->lower();
    canvas.Add<QLabel>(nullptr, QRect(key_1.x(), 174, 200, 16), "Hex values (00-FF):");
    Add_Key_Row(canvas, "Key 1:", key_1, long_key ? 13 : 5, false);
    for (int key = 2; key <= 4; ++key) {
        const QPoint origin(key_1.x(), key_1.y() + (rows_of_key_1 + key - 2) * Key_Row_Step + 2);
        const QString label = QString("Key %1:").arg(key);
        if (long_key) {
            canvas.Add<QLabel>(nullptr, QRect(origin.x() - 78, origin.y() + 3, 70, 16), label);
            Masked_Box(canvas,
                QRect(origin, QSize(4 * Key_Column_Step + Key_Box.width(), Key_Box.height())), 13);
        } else {
            Add_Key_Row(canvas, label, origin, 5, true);
        }
    }

    const int transmit_top = group_bottom + 2;
    canvas.Add<QLabel>(nullptr, QRect(24, transmit_top + 3, 120, 16), "Default Transmit Key:");
    auto* transmit_key = canvas.Add<QComboBox>(nullptr, QRect(146, transmit_top, 70, 21));
    transmit_key->addItems({"Key 1", "Key 2", "Key 3", "Key 4"});
    canvas.Add<QPushButton>(nullptr, QRect(250, transmit_top - 1, 75, 23), "Apply");
    int left = 98;
    for (const char* button : {"OK", "Cancel", "Help"}) {
        canvas.Add<QPushButton>(nullptr, QRect(left, 376, 75, 23), button);
        left += 82;
    }
    tabs->lower();
    return canvas.Grab(scale);
}

QImage Draw_Client_Manager(int scale)
{
    Dialog_Canvas canvas({356, 322}, "Edit Profile - Tarvex Client Manager");
    const int label_left = 14;
    const int field_left = Encryption_Key_Field.left();
    auto add_field = [&](int top, const QString& label, const QString& text) {
        canvas.Add<QLabel>(
            nullptr, QRect(label_left, top + 3, field_left - label_left - 4, 16), label);
        return canvas.Add<QLineEdit>(
            nullptr, QRect(field_left, top, Encryption_Key_Field.width(), 21), text);
    };
    add_field(34, "Profile Name:", "Adhoc Workgroup");
    add_field(62, "Network Name:", "WORKGROUP");
    auto* security
        = canvas.Add<QCheckBox>(nullptr, QRect(label_left, 96, 300, 20), "Enable Data Security");
    security->setChecked(true);
    add_field(Encryption_Key_Field.top(), "Encryption Key:", QString());

    auto* note = canvas.Add<QGroupBox>(nullptr, QRect(10, 164, 336, 104), "Note");
    auto* text = canvas.Add<QLabel>(note, QRect(10, 20, 316, 78),
        "In a peer-to-peer workgroup every computer must use the same Network "
        "Name and the same Encryption Key. Enter the key as 5 or 13 characters, "
        "exactly as on the other computers.");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    int left = 104;
    for (const char* button : {"OK", "Cancel", "Help"}) {
        canvas.Add<QPushButton>(nullptr, QRect(left, 288, 75, 23), button);
        left += 82;
    }
    return canvas.Grab(scale);
}
