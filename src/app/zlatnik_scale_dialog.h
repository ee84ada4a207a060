#pragma once
// Form37: Zlatník's scale, the combined value of constancy and abundance the
// "&Zlatnik's Combined Value" synoptic table shows.

#include <QDialog>

class QTableWidget;

namespace zembu::app {

class Form37 : public QDialog {
    Q_OBJECT

public:
    explicit Form37(QWidget* parent = nullptr);
    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_ = nullptr;
};

}  // namespace zembu::app
