#pragma once
// Form62: "Synoptic Table Export": the options of the synoptic table's RTF
// export, kept in the settings; "Continue >>>" accepts them.

#include <QDialog>

#include "export/synoptic_rtf.h"

class QCheckBox;

namespace zembu::core {
class Settings;
}

namespace zembu::app {

class Form62 : public QDialog {
    Q_OBJECT

public:
    explicit Form62(core::Settings& settings, QWidget* parent = nullptr);

    // The options as ticked; they are stored in the settings on "Continue >>>".
    exporting::SynopticRtfOptions options() const;

private:
    core::Settings& settings_;
    QCheckBox* colours_ = nullptr;
    QCheckBox* highlight_ = nullptr;
    QCheckBox* bold_ = nullptr;
};

}  // namespace zembu::app
