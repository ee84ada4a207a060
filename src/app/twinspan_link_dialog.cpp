#include "app/twinspan_link_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/interaction.h"
#include "core/settings.h"
#include "core/workspace.h"

namespace zembu::app {

namespace {

struct FieldText {
    const char* label;
    const char* tip;
};

// Text1..Text7: labels and tool tips.
constexpr FieldText Fields[7] = {
    {"Number of pseudospecies cut levels:",
     "Enter number (not exceeding 9) of pseudospecies cut levels (Example: 5)."},
    {"Pseudospecies cut levels:", "\"Please write appropriate number of cut levels (Example: 0 2 5 10 20).\""},
    {"Minimum group size for division:",
     "Enter the minimum size for division. The integer value must not lie outside limits <2, 10000>."},
    {"Maximum number of indicators per division:", "Enter a number of indicators inside the interval <0, 15>."},
    {"Maximum number of species in final tabulation:", "Enter a number of species inside the interval <0, 1000>."},
    {"Maximum level of divisions:", "Type a maximum number of divisions inside the interval <1, 15>."},
    {"TWINSPAN program:", "The TWINSPAN program (\"&Change path\" chooses another one)."},
};

}  // namespace

Form32::Form32(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form32");
    setWindowTitle("TWINSPAN (Hill 1978)");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const classification::TwinspanLinkOptions o =
        classification::linkOptionsFromSettings(ws_.settings, classification::defaultTwinspanProgram());
    const std::string values[7] = {o.pseudospeciesCount, o.cutLevels,  o.minGroupSize, o.maxIndicators,
                                   o.maxTableSpecies,    o.maxLevel,   o.program};
    for (int n = 0; n < 7; ++n) {
        auto* edit = new QLineEdit(QString::fromStdString(values[n]), this);
        edit->setObjectName(QString("Text%1").arg(n + 1));
        edit->setToolTip(Fields[n].tip);
        texts_[n] = edit;
        if (n == 6) {
            auto* row = new QHBoxLayout;
            change_ = new QPushButton("&Change path", this);
            change_->setObjectName("Command3");
            change_->setAutoDefault(false);
            row->addWidget(edit, 1);
            row->addWidget(change_);
            form->addRow(Fields[n].label, row);
        } else {
            edit->setMaximumWidth(n == 1 ? 220 : 90);
            form->addRow(Fields[n].label, edit);
        }
    }
    texts_[0]->setValidator(new QIntValidator(1, 9, this));
    texts_[2]->setValidator(new QIntValidator(2, 10000, this));
    texts_[3]->setValidator(new QIntValidator(0, 15, this));
    texts_[4]->setValidator(new QIntValidator(0, 1000, this));
    texts_[5]->setValidator(new QIntValidator(1, 15, this));

    colour_ = new QComboBox(this);
    colour_->setObjectName("Combo1");
    colour_->setToolTip("Only relevés of selected colour will be analysed.");
    fillColourBox(colour_, ws_.palette, true);
    colour_->setCurrentIndex(ws_.releveColourBox);
    form->addRow("Relevé colour:", colour_);
    layout->addLayout(form);

    check1_ = new QCheckBox("   Species sorting", this);
    check1_->setObjectName("Check1");
    check1_->setToolTip("Analysis will sort species by relevé order.");
    check2_ = new QCheckBox("   Make separators", this);
    check2_->setObjectName("Check2");
    check2_->setToolTip("The program will store separators within relevé groups.");
    layout->addWidget(check1_);
    layout->addWidget(check2_);

    waiting_ = new QProgressBar(this);
    waiting_->setObjectName("Picture1");
    waiting_->setRange(0, 0);
    waiting_->setTextVisible(false);
    waiting_->setVisible(false);
    state_ = new QLabel(this);
    state_->setObjectName("Label1");
    layout->addWidget(waiting_);
    layout->addWidget(state_);

    auto* buttons = new QHBoxLayout;
    run_ = new QPushButton("&Run TWINSPAN", this);
    run_->setObjectName("Command1");
    run_->setDefault(true);
    cancel_ = new QPushButton("&Cancel", this);
    cancel_->setObjectName("Command2");
    cancel_->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, [this] {
        state_->setText(QString("TWINSPAN is running... %1 s").arg(elapsed_.elapsed() / 1000));
    });
    connect(run_, &QPushButton::clicked, this, &Form32::Command1_Click);
    connect(cancel_, &QPushButton::clicked, this, &Form32::Command2_Click);
    connect(change_, &QPushButton::clicked, this, &Form32::Command3_Click);
    resize(560, sizeHint().height());
}

Form32::~Form32() {
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(3000);
    }
}

classification::TwinspanLinkOptions Form32::options() const {
    classification::TwinspanLinkOptions o;
    std::string* fields[7] = {&o.pseudospeciesCount, &o.cutLevels,       &o.minGroupSize, &o.maxIndicators,
                              &o.maxTableSpecies,    &o.maxLevel,        &o.program};
    for (int n = 0; n < 7; ++n) *fields[n] = texts_[n]->text().trimmed().toStdString();
    o.colour = colour_->currentIndex();
    o.sortSpecies = check1_->isChecked();
    o.makeSeparators = check2_->isChecked();
    return o;
}

void Form32::Command3_Click() {
    if (const auto chosen = classification::changeTwinspanPath(ws_, ui_, texts_[6]->text().toStdString()))
        texts_[6]->setText(QString::fromStdString(*chosen));
}

void Form32::Command1_Click() {
    if (running()) return;
    const classification::TwinspanLinkOptions o = options();
    const classification::LinkOptionProblem problem = classification::checkLinkOptions(o);
    if (!problem.text.empty()) {
        ui_.message(problem.text, "TWINSPAN", core::MessageIcon::Information);
        texts_[problem.field - 1]->setFocus();
        texts_[problem.field - 1]->selectAll();
        return;
    }
    const std::string storedProgram = ws_.settings.value(core::setting::TwinspanPath);
    currentRun_ = classification::prepareTwinspanRun(ws_, ui_, o, classification::twinspanWorkFolder(ws_));
    // "&Change path" may have chosen a program.
    if (ws_.settings.value(core::setting::TwinspanPath) != storedProgram)
        texts_[6]->setText(QString::fromStdString(ws_.settings.value(core::setting::TwinspanPath)));
    if (tableChanged) tableChanged();
    if (!currentRun_) return;

    const core::ProgramRun& p = currentRun_->program;
    process_ = new QProcess(this);
    process_->setProgram(QString::fromStdString(p.program.string()));
    process_->setWorkingDirectory(QString::fromStdString(p.workingDirectory.string()));
    process_->setStandardInputFile(QString::fromStdString(p.standardInput.string()));
    process_->setStandardOutputFile(QString::fromStdString(p.standardOutput.string()));
    process_->setStandardErrorFile(QString::fromStdString(p.standardError.string()));
    cancelled_ = false;
    connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        core::ProgramOutcome outcome;
        outcome.started = true;
        outcome.cancelled = cancelled_;
        outcome.exitCode = exitCode;
        // After a crash QProcess gives the signal as the exit code.
        outcome.signal = status == QProcess::CrashExit && !cancelled_ ? std::max(exitCode, 1) : 0;
        if (status == QProcess::CrashExit) outcome.exitCode = -1;
        finish(outcome);
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        core::ProgramOutcome outcome;
        outcome.startError = process_->errorString().toStdString();
        finish(outcome);
    });
    setRunning(true);
    process_->start();
}

void Form32::finish(const core::ProgramOutcome& outcome) {
    if (!process_ || !currentRun_) return;
    process_->deleteLater();
    process_ = nullptr;
    setRunning(false);
    const bool applied = classification::finishTwinspanRun(ws_, ui_, *currentRun_, outcome).has_value();
    currentRun_.reset();
    if (tableChanged) tableChanged();
    emit runEnded(applied);
    if (applied) accept();
}

void Form32::setRunning(bool on) {
    for (QLineEdit* edit : texts_) edit->setEnabled(!on);
    colour_->setEnabled(!on);
    check1_->setEnabled(!on);
    check2_->setEnabled(!on);
    run_->setEnabled(!on);
    change_->setEnabled(!on);
    waiting_->setVisible(on);
    if (on) {
        elapsed_.start();
        state_->setText("TWINSPAN is running... 0 s");
        clock_->start();
    } else {
        clock_->stop();
        state_->clear();
    }
}

void Form32::Command2_Click() {
    if (running()) {
        cancelled_ = true;
        state_->setText("Stopping TWINSPAN...");
        process_->kill();
        return;
    }
    QDialog::reject();
}

void Form32::reject() { Command2_Click(); }

}  // namespace zembu::app
