#pragma once
// Form20b, "Sort Relevés by Selected Header Field": the header fields whose
// values make the key, and what to do with it: sort, write its first
// characters into the head, put separators where it changes.

#include <QDialog>

#include "sorting/releve_sort_commands.h"

class QCheckBox;
class QListWidget;
class QSpinBox;

namespace zembu::core {
struct HeaderStore;
}

namespace zembu::app {

class Form20b : public QDialog {
    Q_OBJECT

public:
    explicit Form20b(const core::HeaderStore& store, QWidget* parent = nullptr);

    // The choices as the command takes them: the ticked fields in list order.
    sorting::HeaderSortOptions options() const;

private:
    QListWidget* fields_;
    QCheckBox* sort_;
    QCheckBox* shortHead_;
    QSpinBox* shortHeadCharacters_;
    QCheckBox* separators_;
    QSpinBox* separatorCharacters_;
};

}  // namespace zembu::app
