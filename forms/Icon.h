#pragma once

#include <QWidget>

// Carries the program icon only; the program never opens it.
class Icon final : public QWidget {
    Q_OBJECT

public:
    explicit Icon(QWidget* parent = nullptr);
};
