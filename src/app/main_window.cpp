#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/commands.h"
#include "app/menu_layout.h"
#include "app/qt_interaction.h"
#include "app/reset_separators_button.h"
#include "app/table_widget.h"
#include "core/errors.h"
#include "core/menu_captions.h"
#include "core/menu_ids.h"
#include "core/recent_files.h"
#include "core/text.h"
#include "session/startup.h"
#include "view/colour_commands.h"
#include "view/separators.h"
#include "view/table_mouse.h"
#include "view/synoptic_view.h"

namespace zembu::app {

namespace {

// A Qt colour from a 0x00BBGGRR colour value.
QColor qColour(int32_t value) {
    return QColor(core::colourRed(value), core::colourGreen(value), core::colourBlue(value));
}

QIcon swatchIcon(int32_t value) {
    QPixmap pixmap(12, 12);
    pixmap.fill(qColour(value));
    return QIcon(pixmap);
}

void paintSwatch(QLabel* swatch, int32_t value) {
    swatch->setStyleSheet(QString("background-color: %1; border: 1px solid #808080;").arg(qColour(value).name()));
}

}  // namespace

MainWindow::MainWindow(core::Workspace& ws, core::Interaction& ui, QWidget* parent)
    : QMainWindow(parent), ws_(ws), ui_(ui) {
    setObjectName("form1");
    buildMenus();
    buildToolBar();
    buildStatusBar();

    table_ = new TableWidget(ws_, this);
    setCentralWidget(table_);
    // While a scroll bar button is held down (and repeats) no menu command
    // may run on the table that is moving under it.
    table_->horizontalScrollBar()->installEventFilter(this);
    table_->verticalScrollBar()->installEventFilter(this);
    connect(table_, &TableWidget::tableChanged, this, [this](const view::MouseResult& result) {
        if (result.movedToEnd) restartMoveToEndTimer();
        if (result.clickModeEnded) statusPanel_->clear();
        refresh();
        const auto handler = pickHandlers_.find(result.pickedFor);
        if (result.pickedReleve > 0 && handler != pickHandlers_.end())
            runCommand([&handler, &result] { handler->second(result.pickedReleve); });
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName("leaveClickMode");
    connect(escape, &QShortcut::activated, this, &MainWindow::leaveClickMode);
    moveToEndTimer_ = new QTimer(this);
    moveToEndTimer_->setSingleShot(true);
    moveToEndTimer_->setInterval(20000);
    connect(moveToEndTimer_, &QTimer::timeout, this, [this] {
        ws_.moveToEndMode = false;
        statusPanel_->clear();
    });

    if (auto* qtUi = dynamic_cast<QtInteraction*>(&ui_)) {
        qtUi->setParentWidget(this);
        qtUi->setProgressWidgets(progress_, statusPanel_);
    }
    for (CommandInstaller install : commandInstallers()) install(*this);
    resize(1100, 720);
    refresh();
}

QMenu* MainWindow::menuFor(const QString& path) {
    const auto found = menus_.find(path);
    if (found != menus_.end()) return found->second;
    const int bar = path.lastIndexOf('|');
    QMenu* menu;
    if (bar < 0) {
        menu = menuBar()->addMenu(path);
        connect(menu, &QMenu::aboutToShow, this, [this, path] {
            core::menu_Click(ws_);
            if (menuAboutToShow_) menuAboutToShow_(path);
            refresh();
        });
    } else {
        menu = menuFor(path.left(bar))->addMenu(path.mid(bar + 1));
    }
    menus_[path] = menu;
    return menu;
}

void MainWindow::buildMenus() {
    for (const MenuEntry& entry : menuLayout()) {
        const QString path = QString::fromUtf8(entry.path);
        if (entry.kind == MenuEntryKind::Submenu) {
            menuFor(path + "|" + QString::fromUtf8(entry.caption));
            continue;
        }
        QMenu* menu = menuFor(path);
        if (entry.kind == MenuEntryKind::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromUtf8(entry.id));
        action->setCheckable(entry.kind == MenuEntryKind::Check);
        action->setEnabled(false);
        if (entry.kind == MenuEntryKind::Recent) action->setVisible(false);
        if (*entry.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
        actions_[entry.id] = action;
        connect(action, &QAction::triggered, this, [this, id = std::string(entry.id)] {
            const auto command = commands_.find(id);
            if (command != commands_.end()) runCommand(command->second);
        });
    }
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar("Colours and separators");
    bar->setObjectName("toolbar");
    bar->setMovable(false);

    const auto addColourBox = [&](QComboBox*& box, QLabel*& swatch, const char* name, const QString& tip,
                                  bool releveBox, const QString& label) {
        bar->addWidget(new QLabel(" " + label + " ", bar));
        box = new QComboBox(bar);
        box->setObjectName(name);
        box->setToolTip(tip);
        for (int e = 0; e < core::PaletteColourCount; ++e) {
            const int32_t value = releveBox ? core::releveBoxColour(ws_.palette, e)
                                            : core::speciesBoxColour(ws_.palette, e);
            const QString name = releveBox && e == 0 ? QString("white") : QString::fromStdString(ws_.palette[e].name);
            box->addItem(swatchIcon(value), name, value);
        }
        swatch = new QLabel(bar);
        swatch->setFixedSize(16, 16);
        swatch->setToolTip(tip);
        bar->addWidget(box);
        bar->addWidget(swatch);
        bar->addSeparator();
    };
    addColourBox(combo1_, swatch1_, "Combo1", "Species colour box (SCB)", false, "Species");
    addColourBox(combo3_, swatch3_, "Combo3", "Advanced SCB for aggregating (use CTRL)", false, "Ctrl");
    addColourBox(combo2_, swatch2_, "Combo2", "Relevés colour box", true, "Relevés");

    combo4_ = new QComboBox(bar);
    combo4_->setObjectName("Combo4");
    combo4_->setToolTip("Separator level");
    for (int level = 1; level <= 6; ++level) combo4_->addItem(QString::number(level), level);
    bar->addWidget(new QLabel(" Level ", bar));
    bar->addWidget(combo4_);
    check1_ = new QCheckBox("Hierarchy", bar);
    check1_->setObjectName("Check1");
    check1_->setToolTip("Separator hierarchy");
    bar->addWidget(check1_);
    image18_ = new ResetSeparatorsButton(bar);
    bar->addWidget(image18_);

    connect(combo1_, &QComboBox::currentIndexChanged, this, &MainWindow::Combo1_Click);
    connect(combo2_, &QComboBox::currentIndexChanged, this, &MainWindow::Combo2_click);
    connect(combo3_, &QComboBox::currentIndexChanged, this, &MainWindow::Combo3_Click);
    connect(combo4_, &QComboBox::currentIndexChanged, this, &MainWindow::Combo4_Click);
    connect(check1_, &QCheckBox::toggled, this, &MainWindow::Check1_Click);
}

void MainWindow::buildStatusBar() {
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName("statusPanel");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progressMeter");
    progress_->setRange(0, 100);
    progress_->setMaximumWidth(160);
    progress_->setTextVisible(true);
    progress_->hide();
    rowLabel_ = new QLabel(this);
    rowLabel_->setObjectName("rowLabel");
    releveLabel_ = new QLabel(this);
    releveLabel_->setObjectName("releveLabel");
    fidelityLabel_ = new QLabel(this);
    fidelityLabel_->setObjectName("fidelityLabel");
    fidelityLabel_->setToolTip("Fidelity measure of the synoptic tables (Separators > Make Separators > Settings)");
    statusBar()->addWidget(statusPanel_, 1);
    statusBar()->addPermanentWidget(fidelityLabel_);
    statusBar()->addPermanentWidget(releveLabel_);
    statusBar()->addPermanentWidget(rowLabel_);
    statusBar()->addPermanentWidget(progress_);
}

QAction* MainWindow::action(const std::string& id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::setCommand(const std::string& id, std::function<void()> command) {
    commands_[id] = std::move(command);
    if (QAction* a = action(id)) a->setEnabled(true);
}

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const core::ZembuError& e) {
        ui_.message(e.what(), e.title(), core::MessageIcon::Critical);
    } catch (const std::bad_alloc&) {
        ui_.message(core::NotEnoughMemoryMessage, "ZEMBU", core::MessageIcon::Critical);
    } catch (const std::length_error&) {
        ui_.message(core::NotEnoughMemoryMessage, "ZEMBU", core::MessageIcon::Critical);
    }
    updateSynopticView();
    refresh();
}

void MainWindow::updateSynopticView() {
    if (ws_.synopticType != 0 && ws_.table.ReleveCount < 1) {
        ws_.synopticType = 0;
        view::renewSynopticChecks(ws_);
    }
    if (ws_.synopticType == 0) {
        table_->setSynopticView(nullptr);
        return;
    }
    try {
        core::BusyScope busy(ui_);
        table_->setSynopticView(std::make_shared<const view::SynopticView>(view::computeSynopticView(ws_, &ui_)));
    } catch (const core::ZembuError& e) {
        ws_.synopticType = 0;
        view::renewSynopticChecks(ws_);
        table_->setSynopticView(nullptr);
        ui_.message(e.what(), e.title(), core::MessageIcon::Critical);
    } catch (const std::bad_alloc&) {
        ws_.synopticType = 0;
        view::renewSynopticChecks(ws_);
        table_->setSynopticView(nullptr);
        ui_.message("There is not enough memory for this command.", "ZEMBU", core::MessageIcon::Critical);
    }
}

void MainWindow::restartMoveToEndTimer() {
    if (ws_.moveToEndMode) {
        statusPanel_->setText(QString::fromUtf8(view::MoveToEndStatus));
        moveToEndTimer_->start();
    } else {
        statusPanel_->clear();
        moveToEndTimer_->stop();
    }
}

void MainWindow::aktualradek() {
    const core::Table& t = ws_.table;
    if (ws_.CurrentRow >= 1 && ws_.CurrentRow <= t.SpeciesCount) {
        const std::string name(core::trim(t.SpeciesInfo[ws_.CurrentRow].name));
        rowLabel_->setText(QString("Row %1: %2 (%3)")
                               .arg(ws_.CurrentRow)
                               .arg(QString::fromStdString(core::codePageToUtf8(name)))
                               .arg(t.SpeciesLayer[ws_.CurrentRow]));
    } else {
        rowLabel_->clear();
    }
    // The current relevé with its TURBOVEG number and its group (every
    // separator counted, as iniClusters numbers them).
    releveLabel_->clear();
    for (int32_t k = 1; k <= t.ReleveCount && ws_.CurrentReleve > 0; ++k) {
        if (t.ReleveOrder[k].record != ws_.CurrentReleve) continue;
        int32_t group = 1;
        for (int32_t j = 1; j < k; ++j) group += t.SeparatorAfter[j] > 0;
        releveLabel_->setText(QString("Relevé %1 (TURBOVEG %2, group %3)")
                                  .arg(ws_.CurrentReleve)
                                  .arg(t.ReleveOrder[k].turbovegNumber)
                                  .arg(group));
        break;
    }
}

void MainWindow::setPickHandler(core::ClickMode mode, std::function<void(int32_t)> handler) {
    pickHandlers_[mode] = std::move(handler);
}

void MainWindow::showClickModeHint() {
    if (ws_.clickMode == core::ClickMode::IndicatorMeans)
        statusPanel_->setText("Click a relevé for its indicator values (Esc cancels).");
}

void MainWindow::leaveClickMode() {
    if (view::leaveClickMode(ws_)) statusPanel_->clear();
}

void MainWindow::setMenuAboutToShow(std::function<void(const QString&)> hook) { menuAboutToShow_ = std::move(hook); }

void MainWindow::syncControls() {
    syncing_ = true;
    combo1_->setCurrentIndex(ws_.speciesColourBox);
    combo2_->setCurrentIndex(ws_.releveColourBox);
    combo3_->setCurrentIndex(ws_.aggregationColourBox);
    combo4_->setCurrentIndex(ws_.separatorLevel - 1);
    check1_->setChecked(ws_.separatorHierarchy);
    paintSwatch(swatch1_, combo1_->currentData().toInt());
    paintSwatch(swatch2_, combo2_->currentData().toInt());
    paintSwatch(swatch3_, combo3_->currentData().toInt());
    syncing_ = false;
}

void MainWindow::refresh() {
    setWindowTitle(QString::fromStdString(ws_.windowCaption()));
    core::menu_Click(ws_);
    for (const auto& [id, caption] : ws_.menuCaptions)
        if (QAction* a = action(id)) a->setText(QString::fromStdString(caption));
    for (const auto& [id, checked] : ws_.menuChecks)
        if (QAction* a = action(id)) a->setChecked(checked);
    if (QAction* undo = action(core::menu::Undo)) undo->setEnabled(ws_.undo.available && commands_.count(core::menu::Undo));

    const std::vector<std::string> recent = core::recentFiles(ws_.settings);
    for (int i = 0; i < core::RecentFileCount; ++i) {
        QAction* a = action("recentFile#" + std::to_string(i));
        if (!a) continue;
        const bool shown = i < static_cast<int>(recent.size());
        a->setVisible(shown);
        if (shown) a->setText(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(recent[i])));
    }
    syncControls();
    aktualradek();
    fidelityLabel_->setText(QString::fromStdString(ws_.fidelityStatus));
    if (QAction* selected = action(core::menu::RemoveSelectedSeparators))
        selected->setEnabled(ws_.separatorHierarchy && commands_.count(core::menu::RemoveSelectedSeparators));
    if (table_) table_->refreshView();
}

void MainWindow::zapni_menu() {
    for (QAction* a : menuBar()->actions()) a->setEnabled(true);
}

void MainWindow::vypni_menu() {
    for (QAction* a : menuBar()->actions()) a->setEnabled(false);
}

void MainWindow::Combo1_Click(int entry) {
    if (syncing_ || entry < 0) return;
    ws_.speciesColourBox = entry;
    core::Combo1_Click(ws_);
    refresh();
}

void MainWindow::Combo2_click(int entry) {
    if (syncing_ || entry < 0) return;
    ws_.releveColourBox = entry;
    core::Combo2_click(ws_);
    refresh();
}

void MainWindow::Combo3_Click(int entry) {
    if (syncing_ || entry < 0) return;
    ws_.aggregationColourBox = entry;
    core::Combo3_Click(ws_);
    refresh();
}

void MainWindow::Combo4_Click(int position) {
    if (syncing_ || position < 0) return;
    view::Combo4_Click(ws_, position);
    updateSynopticView();
    refresh();
}

void MainWindow::Check1_Click(bool on) {
    if (syncing_) return;
    view::Check1_Click(ws_, on);
    updateSynopticView();
    refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->horizontalScrollBar() || watched == table_->verticalScrollBar()) {
        if (event->type() == QEvent::MouseButtonPress) vypni_menu();
        else if (event->type() == QEvent::MouseButtonRelease) zapni_menu();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session::Form_Unload(ws_, ui_)) event->accept();
    else event->ignore();
}

}  // namespace zembu::app
