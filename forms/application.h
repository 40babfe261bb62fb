#pragma once

#include "version.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

#include <memory>
#include <optional>
#include <stdexcept>
#include <tuple>

class QAbstractButton;
class QWidget;

class Which_PC_Card;
class Product_Selection_KNx0;
class Product_Selection_KNx5;
class KN40_Entry;
class KN45_Entry;
class KN75_Entry;
class KN85_Entry;
class KN95_Entry;
class frmAbout;

// A show, hide or select that the windowing layer could not carry out.
class Window_Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Window_Operation { Show, Hide };
enum class About_Modality { Modal, Modeless };

// The wizard as a whole: its properties, the one instance of every form, and
// the operations by which forms show, hide and select each other.
class Application final : public QObject {
    Q_OBJECT

public:
    // The windows take the contrast colours where they are given, and the
    // designed colours otherwise.
    explicit Application(
        const std::optional<QPalette>& contrast_colours = std::nullopt, QObject* parent = nullptr);
    ~Application() override;

    // Creates and loads the first chooser, and shows it.
    void Start();

    // The one instance of a form; the first call creates and loads it.
    template <class Form> Form& Get();

    void Show(QWidget& window);
    void Hide(QWidget& window);
    void Select(QAbstractButton& option);

    // Loads the About box unless it is open already, and shows it over a form.
    void Show_About(QWidget& over, About_Modality modality);
    frmAbout* About_Box() const;

    // Ends the program at once: every window goes, and no form handler runs
    // after this.
    void End();
    bool Ended() const { return ended_; }

    // For tests: the next show or hide of that kind raises a Window_Failure.
    void Fail_Next(Window_Operation operation) { failing_operation_ = operation; }

signals:
    void Program_Ended();

private:
    // Every window takes a contrast theme's colours over its designed ones.
    void Dress(QWidget& window) const;
    void Raise_If_Failing(Window_Operation operation);

    std::tuple<std::unique_ptr<Which_PC_Card>, std::unique_ptr<Product_Selection_KNx0>,
        std::unique_ptr<Product_Selection_KNx5>, std::unique_ptr<KN40_Entry>,
        std::unique_ptr<KN45_Entry>, std::unique_ptr<KN75_Entry>, std::unique_ptr<KN85_Entry>,
        std::unique_ptr<KN95_Entry>>
        forms_;
    QPointer<frmAbout> about_box_;
    std::optional<Window_Operation> failing_operation_;
    bool in_contrast_;
    bool ended_ = false;
};
