#include "platform/ui/Dialogs.h"

#include "platform/ui/SessionEnd.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>
#include <cstdio>
#include <optional>

namespace {

TDialogResponder gResponder;

std::optional<TDialogAnswer> Scripted(TDialogKind kind, const QString& caption, const QString& text,
                                      int maxLength = 0) {
    if (!gResponder) return std::nullopt;
    return gResponder(TDialogRequest{kind, caption, text, maxLength});
}

// Once the session is ending no box is shown: the message goes to the standard error
// and the box answers as its close button would, No or OK.
QMessageBox::StandardButton Box(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    if (SessionEnd::Ending()) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void SetDialogResponder(TDialogResponder responder) {
    gResponder = std::move(responder);
}

bool ConfirmDlg(const QString& text, const QString& caption) {
    if (auto answer = Scripted(TDialogKind::Confirm, caption, text)) return answer->Accepted;
    return Box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void WarningDlg(const QString& text, const QString& caption) {
    if (Scripted(TDialogKind::Warning, caption, text)) return;
    Box(QMessageBox::Warning, caption, text, QMessageBox::Ok);
}

void ErrorDlg(const QString& text, const QString& caption) {
    if (Scripted(TDialogKind::Error, caption, text)) return;
    Box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength) {
    if (auto answer = Scripted(TDialogKind::Input, caption, prompt, maxLength)) {
        if (answer->Accepted) value = answer->Value.left(maxLength);
        return answer->Accepted;
    }
    if (SessionEnd::Ending()) return false;
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    auto* edit = new QLineEdit(value, &dialog);
    edit->setMaxLength(maxLength);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = edit->text();
    return true;
}
