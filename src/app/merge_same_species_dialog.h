#pragma once
// Form54, "Merge All Same Species": the layers in which rows of the same
// species are merged.

#include <QDialog>

#include "editing/species_commands.h"

class QListWidget;

namespace zembu::app {

class Form54 : public QDialog {
    Q_OBJECT

public:
    explicit Form54(QWidget* parent = nullptr);

    editing::LayerChoice layers() const;

private:
    QListWidget* list_;
};

}  // namespace zembu::app
