#include "app/qt_interaction.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStringList>

namespace zembu::app {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Message texts break lines with CR or CR LF.
QString messageText(std::string_view text) {
    QString s = qs(text);
    s.replace("\r\n", "\n");
    s.replace('\r', '\n');
    return s;
}

QMessageBox::Icon boxIcon(core::MessageIcon icon) {
    switch (icon) {
        case core::MessageIcon::Information: return QMessageBox::Information;
        case core::MessageIcon::Warning: return QMessageBox::Warning;
        case core::MessageIcon::Critical: return QMessageBox::Critical;
        case core::MessageIcon::Question: return QMessageBox::Question;
        case core::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString patternVariants(const QString& pattern) {
    const QString p = pattern.trimmed();
    if (p == "*.*" || p == "*") return "*";
    if (p.startsWith("*.")) {
        QStringList forms{p, "*." + p.mid(2).toLower(), "*." + p.mid(2).toUpper()};
        forms.removeDuplicates();
        return forms.join(' ');
    }
    return p;
}

}  // namespace

QString qtFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) patterns << patternVariants(p);
        const int paren = name.lastIndexOf('(');
        if (paren > 0) name = name.left(paren).trimmed();
        entries << name + " (" + patterns.join(' ') + ")";
    }
    return entries.join(";;");
}

void QtInteraction::setProgressWidgets(QProgressBar* bar, QLabel* status) {
    bar_ = bar;
    status_ = status;
}

void QtInteraction::message(std::string_view text, std::string_view title, core::MessageIcon icon) {
    QMessageBox box(boxIcon(icon), qs(title), messageText(text), QMessageBox::Ok, parent_);
    box.exec();
}

core::Answer QtInteraction::question(std::string_view text, std::string_view title, core::Buttons buttons,
                                     core::MessageIcon icon) {
    QMessageBox::StandardButtons set;
    switch (buttons) {
        case core::Buttons::YesNo: set = QMessageBox::Yes | QMessageBox::No; break;
        case core::Buttons::YesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
        case core::Buttons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox box(boxIcon(icon), qs(title), messageText(text), set, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes: return core::Answer::Yes;
        case QMessageBox::No: return core::Answer::No;
        case QMessageBox::Ok: return core::Answer::Ok;
        default: break;
    }
    // Closing a Yes/No box counts as No: it has no Cancel to give.
    return buttons == core::Buttons::YesNo ? core::Answer::No : core::Answer::Cancel;
}

std::optional<std::string> QtInteraction::input(std::string_view prompt, std::string_view title,
                                                std::string_view defaultValue) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, qs(title), messageText(prompt), QLineEdit::Normal, qs(defaultValue), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::string> QtInteraction::openFile(const core::FileRequest& request) {
    QFileDialog dialog(parent_, qs(request.title), qs(request.directory), qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.proposedName.empty() && request.proposedName.find('*') == std::string::npos)
        dialog.selectFile(qs(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtInteraction::saveFile(const core::FileRequest& request) {
    QFileDialog dialog(parent_, qs(request.title), qs(request.directory), qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.proposedName.empty()) dialog.selectFile(qs(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void QtInteraction::progressShow() {
    if (!bar_) return;
    bar_->setValue(0);
    bar_->setFormat("0 %");
    bar_->show();
}

void QtInteraction::progressSet(int percent, std::string_view text) {
    if (!bar_) return;
    bar_->setValue(percent);
    bar_->setFormat(qs(text));
    // Let the meter paint while the command keeps the event loop busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtInteraction::progressHide() {
    if (bar_) bar_->hide();
}

void QtInteraction::status(std::string_view text) {
    if (status_) status_->setText(qs(text));
}

void QtInteraction::setClipboardText(std::string_view text) { QApplication::clipboard()->setText(qs(text)); }

void QtInteraction::hodiny() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtInteraction::obnova() { QApplication::restoreOverrideCursor(); }

}  // namespace zembu::app
