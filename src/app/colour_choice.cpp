#include "app/colour_choice.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/palette.h"

namespace zembu::app {

ColourChoice::ColourChoice(const QString& title, const QString& firstName, int colour, QWidget* parent)
    : QGroupBox(title, parent), options_(new QButtonGroup(this)) {
    static const char* const names[] = {nullptr, "Red", "Blue", "Sea-green", "Green", "Yellow", "Violet", "Grey"};
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    const auto add = [&](const QString& name, int id) {
        auto* option = new QRadioButton(name, this);
        option->setObjectName("colour" + QString::number(id));
        options_->addButton(option, id);
        layout->addWidget(option);
    };
    add(firstName, 0);
    for (int c = 1; c < core::PaletteColourCount; ++c) add(names[c], c);
    add("All", core::AllColours);
    setColour(colour);
    connect(options_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) emit colourChanged(id);
    });
}

int ColourChoice::colour() const { return options_->checkedId(); }

void ColourChoice::setColour(int colour) {
    if (auto* option = options_->button(colour)) option->setChecked(true);
    else options_->button(0)->setChecked(true);
}

}  // namespace zembu::app
