#pragma once
// Form43 ("OPEN SHORT HEADERS"): reads a short-head file and lets the user
// choose the column that becomes the table head.

#include <QDialog>
#include <optional>

#include "core/short_head.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zembu::core {
class Interaction;
}

namespace zembu::app {

class Form43 : public QDialog {
    Q_OBJECT

public:
    Form43(core::Interaction& ui, const QString& directory, QWidget* parent = nullptr);

    // Reads the file and lists its columns; false (after the message) when
    // the file does not follow the layout.
    bool loadFile(const QString& path);
    // The file read and the chosen column, once accepted.
    const core::ShortHeadFile& file() const { return file_; }
    int chosenColumn() const;

private:
    void browse();

    core::Interaction& ui_;
    QString directory_;
    core::ShortHeadFile file_;
    QLineEdit* path_ = nullptr;
    QListWidget* columns_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QPushButton* open_ = nullptr;
};

}  // namespace zembu::app
