#pragma once
// Form22 ("Short head"): the header fields the short-head view shows.

#include <QDialog>
#include <vector>

class QListWidget;

namespace zembu::core {
struct HeaderStore;
}

namespace zembu::app {

class Form22 : public QDialog {
    Q_OBJECT

public:
    // Lists the store's fields with the chosen ones ticked.
    Form22(const core::HeaderStore& store, const std::vector<int>& chosen, QWidget* parent = nullptr);

    // The ticked fields (numbers from 1), in field order.
    std::vector<int> chosenFields() const;

private:
    QListWidget* list_ = nullptr;
};

}  // namespace zembu::app
